#include "platform/HandOver.h"

#include "platform/SingleInstance.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace {
// No path comes near this; a peer sending more is not handing over a path.
constexpr qint64 kMaxMessage = 64 * 1024;
} // namespace

HandOver::HandOver(QObject *parent) : QObject(parent)
{
}

HandOver::~HandOver() = default;

QString HandOver::socketPath()
{
    return QFileInfo(SingleInstance::lockFilePath()).absolutePath() + QLatin1String("/mortarix.socket");
}

bool HandOver::listen()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // This copy holds the single-copy lock, so a socket left there belongs to a copy that is gone.
    QLocalServer::removeServer(socketPath());
    if (!m_server->listen(socketPath())) {
        qWarning("Job files from later starts cannot be received: %s", qPrintable(m_server->errorString()));
        return false;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *peer = m_server->nextPendingConnection()) {
            peer->setParent(this);
            connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
            connect(peer, &QLocalSocket::readyRead, this, [this, peer] {
                if (peer->bytesAvailable() > kMaxMessage) {
                    peer->abort();
                    return;
                }
                if (!peer->canReadLine())
                    return;
                const QString path = QString::fromUtf8(peer->readLine()).trimmed();
                peer->disconnectFromServer();
                if (!path.isEmpty())
                    emit received(path);
            });
        }
    });
    return true;
}

bool HandOver::send(const QString &path, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The running copy may still be starting and not listen yet.
    for (;;) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    socket.write(path.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(int(deadline.remainingTime()));
    return true;
}
