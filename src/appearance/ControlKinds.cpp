#include "appearance/ControlKinds.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>

#include <optional>

namespace {

// nullopt: a container, whose children are visited in its place.
std::optional<ControlKind> kindOf(const QWidget *widget)
{
    if (qobject_cast<const QLabel *>(widget))
        return ControlKind::Label;
    if (qobject_cast<const QGroupBox *>(widget))
        return ControlKind::Frame;
    if (qobject_cast<const QRadioButton *>(widget))
        return ControlKind::OptionButton;
    if (qobject_cast<const QPushButton *>(widget))
        return ControlKind::CommandButton;
    if (qobject_cast<const QTableView *>(widget))
        return ControlKind::Grid;
    // A scroll area only holds a page's controls; they are restyled like any others.
    if (qobject_cast<const QScrollArea *>(widget))
        return std::nullopt;
    if (qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget) ||
        qobject_cast<const QComboBox *>(widget) || qobject_cast<const QAbstractSpinBox *>(widget) ||
        qobject_cast<const QAbstractScrollArea *>(widget) || qobject_cast<const QAbstractSlider *>(widget) ||
        qobject_cast<const QProgressBar *>(widget) || qobject_cast<const QTabBar *>(widget) ||
        qobject_cast<const QMenuBar *>(widget) || qobject_cast<const QCalendarWidget *>(widget))
        return ControlKind::OtherControl;
    return std::nullopt;
}

void visitChildren(QWidget *parent, const std::function<void(QWidget *, ControlKind)> &visit)
{
    const QObjectList children = parent->children();
    for (QObject *child : children) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow() || qobject_cast<QStatusBar *>(widget))
            continue;
        const std::optional<ControlKind> kind = kindOf(widget);
        if (!kind) {
            visitChildren(widget, visit);
            continue;
        }
        visit(widget, *kind);
        // Frames hold controls of their own; every other control is one piece.
        if (*kind == ControlKind::Frame)
            visitChildren(widget, visit);
    }
}

} // namespace

namespace ControlKinds {

void forEachControl(QWidget *window, const std::function<void(QWidget *, ControlKind)> &visit)
{
    if (window)
        visitChildren(window, visit);
}

} // namespace ControlKinds
