#pragma once

#include <QObject>

class QSocketNotifier;

// Turns a request to terminate the process (SIGTERM, SIGHUP, SIGINT) into a Qt signal delivered
// on the user-interface thread, so the program closes through its normal closing steps instead of
// dying with unsaved prices and notes.
class TerminationSignal final : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignal(QObject *parent = nullptr);
    ~TerminationSignal() override;

    // True when the handlers are installed (only one instance can own them).
    bool isActive() const { return m_notifier != nullptr; }

signals:
    void terminationRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};
