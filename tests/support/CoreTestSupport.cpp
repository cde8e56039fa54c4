#include "support/CoreTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>

// GCC says so with a macro, clang with a feature test.
#if defined(__SANITIZE_ADDRESS__)
#define MORTARIX_TEST_ASAN
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MORTARIX_TEST_ASAN
#endif
#endif

namespace TestSupport {

void isolateEnvironment()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Lives for the whole test run; removed on exit.
    static QTemporaryDir home;
    const QByteArray config = QDir(home.path()).filePath(QStringLiteral("config")).toLocal8Bit();
    const QByteArray runtime = QDir(home.path()).filePath(QStringLiteral("runtime")).toLocal8Bit();
    QDir().mkpath(QString::fromLocal8Bit(config));
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_CONFIG_HOME", config);
    qputenv("XDG_RUNTIME_DIR", runtime);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

QString corpusDir()
{
    QString dir = qEnvironmentVariable("MORTARIX_CORPUS");
    if (dir.isEmpty())
        dir = qEnvironmentVariable("MORTARIX_DEFAULT_CORPUS");
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return {};
    return dir;
}

QStringList corpusRtfFiles()
{
    const QString dir = corpusDir();
    if (dir.isEmpty())
        return {};
    return QDir(dir + QStringLiteral("/rtf")).entryList({QStringLiteral("*.rtf")}, QDir::Files, QDir::Name);
}

bool timingsApply()
{
#if defined(NDEBUG) && !defined(MORTARIX_TEST_ASAN)
    return true;
#else
    return false;
#endif
}

} // namespace TestSupport
