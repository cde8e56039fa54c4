#include "appearance/BackgroundColour.h"

#include "appearance/ControlKinds.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPalette>
#include <QRadioButton>
#include <QRegularExpression>
#include <QWidget>

namespace {

constexpr BackgroundColour::ColourCode kSystemColourBit = 0x80000000u;

// Marks a control whose background no longer follows the frame around it.
const char *const kOwnBackground = "mortarixOwnBackground";

struct SystemColour
{
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colours by index, each with the palette colour that plays its part here.
constexpr SystemColour kSystemColours[] = {
    {4, QPalette::Active, QPalette::Window},           // menu
    {5, QPalette::Active, QPalette::Base},             // window
    {7, QPalette::Active, QPalette::WindowText},       // menu text
    {8, QPalette::Active, QPalette::Text},             // window text
    {13, QPalette::Active, QPalette::Highlight},       // highlight
    {14, QPalette::Active, QPalette::HighlightedText}, // highlighted text
    {15, QPalette::Active, QPalette::Button},          // button face
    {16, QPalette::Active, QPalette::Dark},            // button shadow
    {17, QPalette::Disabled, QPalette::Text},          // grey text
    {18, QPalette::Active, QPalette::ButtonText},      // button text
    {20, QPalette::Active, QPalette::Light},           // button highlight
    {21, QPalette::Active, QPalette::Shadow},          // 3D dark shadow
    {22, QPalette::Active, QPalette::Midlight},        // 3D light
    {23, QPalette::Active, QPalette::ToolTipText},     // tooltip text
    {24, QPalette::Active, QPalette::ToolTipBase},     // tooltip background
    {26, QPalette::Active, QPalette::Link},            // hot-tracked item
};

// A control's background is the palette colour of its background role: the window colour for
// labels and frames, the button colour for option buttons.
void paint(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(control->backgroundRole(), colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

// Fixes a control's present background as its own, so a colour given to the frame around it
// does not reach it. Option buttons and check boxes are see-through otherwise, so they also
// paint that background themselves.
void keepBackground(QWidget *control)
{
    if (control->property(kOwnBackground).toBool())
        return;
    QPalette palette = control->palette();
    for (const auto role : {QPalette::Window, control->backgroundRole()}) {
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setBrush(group, role, palette.brush(group, role));
    }
    control->setPalette(palette);
    if (qobject_cast<QRadioButton *>(control) || qobject_cast<QCheckBox *>(control))
        control->setAutoFillBackground(true);
    control->setProperty(kOwnBackground, true);
}

// The bar-size, rebar-kind and block-size options take the colour with the labels and frames.
bool isColouredOption(const QWidget *control)
{
    static const QRegularExpression member(QStringLiteral("^(Option3|rbropt_visible|BLCKopt)\\(\\d+\\)$"));
    return member.match(control->objectName()).hasMatch();
}

} // namespace

namespace BackgroundColour {

const std::array<Choice, 6> &choices()
{
    static const std::array<Choice, 6> table = {{
        {QStringLiteral("Default"), 0x8000000Fu},
        {QStringLiteral("Yellow "), 0x80000018u},
        {QStringLiteral("Green"), 0xC0FFC0u},
        {QStringLiteral("Teal"), 0x808000u},
        {QStringLiteral("Blue Green"), 0xC0C000u},
        {QStringLiteral("Lite Orange"), 0xC0E0FFu},
    }};
    return table;
}

QColor translate(ColourCode code)
{
    if (code & kSystemColourBit) {
        const int index = int(code & 0xFFu);
        const QPalette palette = QGuiApplication::palette();
        for (const SystemColour &system : kSystemColours) {
            if (system.index == index)
                return palette.color(system.group, system.role);
        }
        return palette.color(QPalette::Window);
    }
    return QColor(int(code & 0xFFu), int((code >> 8) & 0xFFu), int((code >> 16) & 0xFFu));
}

void apply(QWidget *window, ColourCode code)
{
    const QColor colour = translate(code);
    // Everything that keeps its background is fixed first, before any frame around it changes.
    ControlKinds::forEachControl(window, [](QWidget *control, ControlKind kind) {
        if (kind != ControlKind::Label && kind != ControlKind::Frame && !isColouredOption(control))
            keepBackground(control);
    });
    ControlKinds::forEachControl(window, [&](QWidget *control, ControlKind kind) {
        if (kind == ControlKind::Label || kind == ControlKind::Frame || isColouredOption(control))
            paint(control, colour);
    });
}

void setOwnBackground(QWidget *control, const QColor &colour)
{
    paint(control, colour);
    control->setProperty(kOwnBackground, true);
}

} // namespace BackgroundColour
