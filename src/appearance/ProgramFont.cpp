#include "appearance/ProgramFont.h"

#include "appearance/ControlKinds.h"

#include <QFont>
#include <QWidget>

namespace {

// Marks a control whose font no longer follows the frame around it.
const char *const kOwnFont = "mortarixOwnFont";

// Fixes a control's present font name and size as its own, so a font given to the frame around
// it does not reach it.
void keepFont(QWidget *control)
{
    if (control->property(kOwnFont).toBool())
        return;
    QFont font = control->font();
    font.setFamilies(font.families());
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF());
    else
        font.setPixelSize(font.pixelSize());
    control->setFont(font);
    control->setProperty(kOwnFont, true);
}

void setFace(QWidget *control, const ProgramFont::Face &face)
{
    QFont font = control->font();
    font.setFamily(face.family);
    font.setPointSizeF(face.pointSize);
    control->setFont(font);
}

} // namespace

namespace ProgramFont {

const std::array<Choice, 6> &choices()
{
    const auto set = [](const char *caption, const char *family, qreal labels, qreal frames, qreal options,
                        qreal commands, qreal grid) {
        const QString name = QString::fromLatin1(family);
        return Choice{QString::fromLatin1(caption),
                      {name, labels},
                      {name, frames},
                      {name, options},
                      {name, commands},
                      {name, grid}};
    };
    static const std::array<Choice, 6> table = [&] {
        std::array<Choice, 6> rows = {
            set("SANS  SERRIF", "Ms sans serif", 8, 8, 8, 9, 10),
            set("Verdana", "Verdana", 8, 8, 8, 9, 10),
            set("RICHARD", "Poor Richard", 10, 10, 10, 10, 10),
            set("ARIAL", "Arial", 8, 8, 8, 9, 10),
            set("New Roman", "Times New Roman", 10, 10, 8, 9, 10.5),
            set("Tahoma", "Tahoma", 10, 10, 10, 9, 10),
        };
        // Two sets give their labels a face of their own, names kept exactly as the program has
        // always used them.
        rows[4].label.family = QStringLiteral("Times New Roman ");
        rows[5].label.family = QStringLiteral("Stylus BT");
        return rows;
    }();
    return table;
}

void apply(QWidget *window, int index)
{
    if (index < 0 || index >= int(choices().size()))
        return;
    const Choice &choice = choices().at(std::size_t(index));
    // Controls that keep their fonts are fixed first, before any frame around them changes.
    ControlKinds::forEachControl(window, [](QWidget *control, ControlKind kind) {
        if (kind == ControlKind::OtherControl)
            keepFont(control);
    });
    ControlKinds::forEachControl(window, [&](QWidget *control, ControlKind kind) {
        switch (kind) {
        case ControlKind::Label:
            setFace(control, choice.label);
            break;
        case ControlKind::Frame:
            setFace(control, choice.frame);
            break;
        case ControlKind::OptionButton:
            setFace(control, choice.optionButton);
            break;
        case ControlKind::CommandButton:
            setFace(control, choice.commandButton);
            break;
        case ControlKind::Grid:
            setFace(control, choice.grid);
            break;
        case ControlKind::OtherControl:
            break;
        }
    });
}

} // namespace ProgramFont
