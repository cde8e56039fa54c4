#include "appearance/OptionsPage.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox *newChoiceGroup(int frame, const QString &caption, const QString &array,
                          const QStringList &captions, QWidget *parent)
{
    auto *group = new QGroupBox(caption, parent);
    group->setObjectName(QStringLiteral("myframe(%1)").arg(frame));
    auto *column = new QVBoxLayout(group);
    for (int i = 0; i < captions.size(); ++i) {
        auto *option = new QRadioButton(captions.at(i), group);
        option->setObjectName(QStringLiteral("%1(%2)").arg(array).arg(i));
        option->setChecked(i == 0);
        column->addWidget(option);
    }
    column->addStretch();
    return group;
}

} // namespace

OptionsPage::OptionsPage(QWidget *frame) : QWidget(frame)
{
    setObjectName(QStringLiteral("OptionsContent"));
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(this);
    auto *row = new QHBoxLayout(this);
    row->addWidget(
        newChoiceGroup(301, QStringLiteral("Background Color"), QStringLiteral("Option1"),
                       {QStringLiteral("Default"), QStringLiteral("Yellow "), QStringLiteral("Green"),
                        QStringLiteral("Teal"), QStringLiteral("Blue Green"), QStringLiteral("Lite Orange")},
                       this));
    row->addWidget(
        newChoiceGroup(302, QStringLiteral("Set Program Fonts"), QStringLiteral("Option2"),
                       {QStringLiteral("SANS  SERRIF"), QStringLiteral("Verdana"), QStringLiteral("RICHARD"),
                        QStringLiteral("ARIAL"), QStringLiteral("New Roman"), QStringLiteral("Tahoma")},
                       this));
}
