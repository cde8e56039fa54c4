#include "core/JobPlaces.h"

#include "core/SettingsStore.h"

#include <QDir>
#include <QFile>

namespace Recovery {

QString folder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QLatin1String("/.local/state");
    return QDir(state).filePath(QStringLiteral("Mortarix"));
}

QString copyPath()
{
    return QDir(folder()).filePath(QStringLiteral("recovery.mortarix"));
}

QString setAside(const QDateTime &when)
{
    const QDir dir(folder());
    if (!QFile::exists(copyPath()))
        return {};
    const QString stamp = when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = dir.filePath(QStringLiteral("recovery-%1.mortarix").arg(stamp));
    for (int n = 2; QFile::exists(target); ++n)
        target = dir.filePath(QStringLiteral("recovery-%1-%2.mortarix").arg(stamp).arg(n));
    if (!QFile::rename(copyPath(), target))
        return {};
    // Newest first by the time each copy was written: names alone misorder copies set aside within
    // one second ("-2" sorts before ".").
    QStringList aside = dir.entryList({QStringLiteral("recovery-*.mortarix")}, QDir::Files, QDir::Time);
    while (aside.size() > kKeptAside)
        QFile::remove(dir.filePath(aside.takeLast()));
    return target;
}

} // namespace Recovery

namespace RecentJobs {

namespace {
const QString kSection = QStringLiteral("RecentJobs");

QString key(int index)
{
    return QStringLiteral("Job(%1)").arg(index);
}
} // namespace

QStringList load()
{
    const QMap<QString, QString> stored = SettingsStore::section(kSection);
    QStringList paths;
    for (int i = 0; i < kMaxJobs; ++i) {
        const QString path = stored.value(key(i));
        if (!path.isEmpty() && !paths.contains(path))
            paths.append(path);
    }
    return paths;
}

void save(const QStringList &paths)
{
    QList<QPair<QString, QString>> values;
    // Every key is written, so a shorter list leaves no stale entry behind.
    for (int i = 0; i < kMaxJobs; ++i)
        values.append({key(i), paths.value(i)});
    SettingsStore::saveSection(kSection, values);
}

QStringList withFirst(QStringList paths, const QString &path)
{
    paths.removeAll(path);
    paths.prepend(path);
    return paths.mid(0, kMaxJobs);
}

} // namespace RecentJobs
