#include "appearance/OptionsPage.h"

#include "appearance/BackgroundColour.h"
#include "appearance/ProgramFont.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QGroupBox *newChoiceGroup(int frame, const QString &caption, const QString &array,
                          const QStringList &captions, QWidget *parent, QList<QRadioButton *> &options)
{
    auto *group = new QGroupBox(caption, parent);
    group->setObjectName(QStringLiteral("myframe(%1)").arg(frame));
    auto *column = new QVBoxLayout(group);
    for (int i = 0; i < captions.size(); ++i) {
        auto *option = new QRadioButton(captions.at(i), group);
        option->setObjectName(QStringLiteral("%1(%2)").arg(array).arg(i));
        option->setChecked(i == 0);
        column->addWidget(option);
        options.append(option);
    }
    column->addStretch();
    return group;
}

} // namespace

OptionsPage::OptionsPage(QWidget *frame) : QWidget(frame)
{
    setObjectName(QStringLiteral("OptionsContent"));

    QStringList colourCaptions;
    for (const BackgroundColour::Choice &choice : BackgroundColour::choices())
        colourCaptions << choice.caption;
    QStringList fontCaptions;
    for (const ProgramFont::Choice &choice : ProgramFont::choices())
        fontCaptions << choice.caption;

    QList<QRadioButton *> &colours = m_colours;
    QList<QRadioButton *> &fonts = m_fonts;
    auto *row = new QHBoxLayout(this);
    row->addWidget(newChoiceGroup(301, QStringLiteral("Background Color"), QStringLiteral("Option1"),
                                  colourCaptions, this, colours));
    row->addWidget(newChoiceGroup(302, QStringLiteral("Set Program Fonts"), QStringLiteral("Option2"),
                                  fontCaptions, this, fonts));

    for (int i = 0; i < colours.size(); ++i) {
        const BackgroundColour::ColourCode code = BackgroundColour::choices().at(std::size_t(i)).code;
        // Each colour choice shows its colour; "Default" keeps the ordinary look.
        if (i > 0)
            BackgroundColour::setOwnBackground(colours.at(i), BackgroundColour::translate(code));
        // Selected by a click or by restoring the stored states alike.
        connect(colours.at(i), &QRadioButton::toggled, this, [this, code](bool selected) {
            if (selected)
                BackgroundColour::apply(window(), code);
        });
    }
    for (int i = 0; i < fonts.size(); ++i) {
        connect(fonts.at(i), &QRadioButton::toggled, this, [this, i](bool selected) {
            if (selected)
                ProgramFont::apply(window(), i);
        });
    }
}
