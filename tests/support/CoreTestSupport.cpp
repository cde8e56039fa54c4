#include "support/CoreTestSupport.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

namespace TestSupport {

void isolateEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir home; // removed on exit
    const QString config = home.filePath(QStringLiteral("config")), runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(config);
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("XDG_STATE_HOME", home.filePath(QStringLiteral("state")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QString corpusDir()
{
    QString dir = qEnvironmentVariable("MORTARIX_CORPUS");
    if (dir.isEmpty())
        dir = qEnvironmentVariable("MORTARIX_DEFAULT_CORPUS");
    return !dir.isEmpty() && QFileInfo(dir).isDir() ? dir : QString();
}

QStringList corpusRtfFiles()
{
    const QString dir = corpusDir();
    return dir.isEmpty() ? QStringList() : QDir(dir + u"/rtf").entryList({QStringLiteral("*.rtf")}, QDir::Files);
}

bool timingsApply()
{
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
    return false; // clang's AddressSanitizer; GCC's defines __SANITIZE_ADDRESS__
#endif
#endif
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
    return true;
#else
    return false;
#endif
}

} // namespace TestSupport
