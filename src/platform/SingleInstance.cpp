#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

SingleInstance::SingleInstance() = default;
SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockFilePath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("mortarix.lock"));
}

bool SingleInstance::acquire()
{
    m_lock = std::make_unique<QLockFile>(lockFilePath());
    // A lock left by a copy that crashed is detected by its process id and taken over, so the
    // stale time only matters on file systems where the owner cannot be checked.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return true;
    m_lock.reset();
    return false;
}
