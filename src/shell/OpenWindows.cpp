#include "shell/OpenWindows.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

OpenWindows::OpenWindows(QObject *parent) : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool OpenWindows::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && !widget->inherits("QMenu") && !widget->inherits("QToolTip")) {
            m_opened.removeAll(nullptr);
            if (!m_opened.contains(widget))
                m_opened.append(widget);
        }
    }
    return QObject::eventFilter(watched, event);
}

QList<QWidget *> OpenWindows::windows() const
{
    QList<QWidget *> open;
    for (const QPointer<QWidget> &window : m_opened) {
        if (window && window->isVisible())
            open.append(window);
    }
    return open;
}

void OpenWindows::closeAll(QWidget *except)
{
    for (QWidget *window : windows()) {
        if (window != except)
            window->close();
    }
}
