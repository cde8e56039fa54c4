#include "core/ExportFile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace ExportFile {

namespace {

// Beyond this many tries something other than a taken name is wrong.
constexpr int kMostNameTries = 1000;

} // namespace

QString baseName(const QString &kind, const QDateTime &when)
{
    return QStringLiteral("Mortarix ") + kind + QLatin1Char(' ') +
           when.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
}

TemporaryFile::TemporaryFile(const QString &folder, const QString &kind)
    : m_folder(folder), m_kind(kind),
      m_file(m_folder.filePath(QStringLiteral(".Mortarix ") + kind + QStringLiteral(" XXXXXX.part")))
{
    m_file.setAutoRemove(false);
}

TemporaryFile::~TemporaryFile()
{
    m_file.close();
    if (!m_placed && !m_path.isEmpty())
        QFile::remove(m_path);
}

bool TemporaryFile::open()
{
    if (!m_file.open())
        return false;
    m_path = m_file.fileName();
    return true;
}

bool TemporaryFile::write(const QByteArray &bytes)
{
    return m_file.write(bytes) == bytes.size() && m_file.flush();
}

QString TemporaryFile::errorString() const
{
    return m_file.errorString();
}

void TemporaryFile::removeKeepingName()
{
    m_file.remove();
}

Placement TemporaryFile::place(const QString &extension, const QDateTime &when)
{
    m_file.close();
    Placement placement;
    const QString base = m_folder.filePath(baseName(m_kind, when));
    for (int attempt = 1; attempt <= kMostNameTries; ++attempt) {
        const QString suffix = attempt == 1 ? QString() : QStringLiteral(" (%1)").arg(attempt);
        const QString target = base + suffix + QLatin1Char('.') + extension;
        if (QFileInfo::exists(target))
            continue;
        if (QFile::rename(m_path, target)) {
            m_placed = true;
            placement.path = target;
            return placement;
        }
        if (!QFileInfo::exists(target)) {
            placement.refusedName = target;
            return placement;
        }
    }
    return placement;
}

} // namespace ExportFile
