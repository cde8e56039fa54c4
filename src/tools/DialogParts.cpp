#include "tools/DialogParts.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace DialogParts {

QLabel *newLabel(const QString &text, const QString &name, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *newButton(const QString &caption, const QString &name, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QPushButton *newOkButton(const QString &name, QDialog *dialog)
{
    QPushButton *ok = newButton(QStringLiteral("OK"), name, dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    return ok;
}

QHBoxLayout *rowAtRight(QPushButton *button)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    return row;
}

} // namespace DialogParts
