#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

// Remembers the program's windows in the order they were first shown, so closing the program
// can close every one of them in that order.
class OpenWindows final : public QObject
{
    Q_OBJECT

public:
    explicit OpenWindows(QObject *parent = nullptr);

    // The windows shown so far that still exist and are visible, oldest first.
    QList<QWidget *> windows() const;

    // UnloadAllForms: closes every open window except `except` (the window already closing),
    // in opening order.
    void closeAll(QWidget *except);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<QPointer<QWidget>> m_opened;
};
