#pragma once

#include <functional>

class QWidget;

// The kinds of control that the program font and the background colour restyle. Anything else
// that takes input or shows data (text boxes, lists, the editor, check boxes) is another control
// and keeps its own looks.
enum class ControlKind {
    Label,
    Frame,
    OptionButton,
    CommandButton,
    Grid,
    OtherControl,
};

namespace ControlKinds {

// Visits the controls of `window` in its control order, parents before children. Plain
// containers are passed through without a visit; the inner parts of a control (a list's text
// box, a table's scroll bars) are not visited, since they take their looks from it. Other
// windows (dialogs, pop-up menus) and the status bar are left out.
void forEachControl(QWidget *window, const std::function<void(QWidget *, ControlKind)> &visit);

} // namespace ControlKinds
