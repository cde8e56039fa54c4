#include "tools/CreditsWindow.h"

#include "tools/DialogParts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using DialogParts::newLabel;

CreditsWindow::CreditsWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("NuCredits"));
    setWindowTitle(QStringLiteral("   Credits"));

    QLabel *title = newLabel(QStringLiteral("Credits"), QStringLiteral("lblCreditsTitle"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);

    auto *facts = new QGridLayout;
    facts->addWidget(newLabel(QStringLiteral("Written by"), QStringLiteral("lblWrittenBy"), this), 0, 0);
    facts->addWidget(newLabel(QStringLiteral("The Mortarix developers"), QStringLiteral("lblAuthor"), this),
                     0, 1);
    facts->addWidget(newLabel(QStringLiteral("Language"), QStringLiteral("lblLanguage"), this), 1, 0);
    facts->addWidget(
        newLabel(QStringLiteral("C++20 with the Qt 6 toolkit"), QStringLiteral("lblLanguageName"), this), 1,
        1);
    facts->setHorizontalSpacing(24);

    QLabel *rights = newLabel(QStringLiteral("Copyright \u00A9 the Mortarix developers. All rights reserved. "
                                             "Mortarix and its documentation may not be sold or passed on "
                                             "as part of another product without the makers' permission."),
                              QStringLiteral("lblRights"), this);
    rights->setWordWrap(true);

    QPushButton *ok = DialogParts::newOkButton(QStringLiteral("MyNuAboutcmd_Ok"), this);
    QHBoxLayout *buttons = DialogParts::rowAtRight(ok);
    auto *column = new QVBoxLayout(this);
    column->addWidget(title);
    column->addSpacing(8);
    column->addLayout(facts);
    column->addSpacing(8);
    column->addWidget(rights);
    column->addLayout(buttons);
    setMinimumWidth(360);
}
