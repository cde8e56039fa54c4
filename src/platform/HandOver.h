#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// How a later start of the program hands a job file to the copy already running: a local socket
// in the user's runtime folder, beside the single-copy lock. A message is one path, UTF-8, ended
// by a line break.
class HandOver final : public QObject
{
    Q_OBJECT

public:
    explicit HandOver(QObject *parent = nullptr);
    ~HandOver() override;

    static QString socketPath();

    // In the running copy: opens the socket (only the user may connect); false when it cannot.
    bool listen();
    // In a later start: passes `path` to the running copy, waiting up to `timeoutMs` for it to
    // listen; false when no copy took it.
    static bool send(const QString &path, int timeoutMs = 2000);

signals:
    void received(const QString &path);

private:
    QLocalServer *m_server = nullptr;
};
