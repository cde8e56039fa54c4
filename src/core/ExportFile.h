#pragma once

#include <QDir>
#include <QString>
#include <QTemporaryFile>

class QDateTime;

// What the program's exports share (the notes as a document, the totals as a workbook): a fresh
// name in the folder, "Mortarix <kind> YYYY-MM-DD HHMMSS.<ext>" or, when that is taken,
// " (2)", " (3)", ... added, so an earlier export is never overwritten; and a temporary file beside
// it, in the same file system, that only takes the name once complete.
namespace ExportFile {

// "Mortarix <kind> YYYY-MM-DD HHMMSS", the name an export of `kind` made at `when` is given.
QString baseName(const QString &kind, const QDateTime &when);

// Where a finished temporary file was put.
struct Placement
{
    QString path;        // the name it has now, when it was renamed
    QString refusedName; // a free name the rename failed on, which ended the tries

    bool ok() const { return !path.isEmpty(); }
};

// The temporary file ".Mortarix <kind> XXXXXX.part" in a folder; removed when this goes, unless it
// has been put under its final name.
class TemporaryFile final
{
public:
    TemporaryFile(const QString &folder, const QString &kind);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile &) = delete;
    TemporaryFile &operator=(const TemporaryFile &) = delete;

    // Creates the file under a name of its own and opens it; false when the folder takes none.
    bool open();
    // Writes all of `bytes` and flushes them; false when they could not all be written.
    bool write(const QByteArray &bytes);
    // What went wrong with the file last.
    QString errorString() const;

    // Closes and deletes the file, keeping only its unique name, for a writer that makes the file
    // afresh there (so it gets the usual permissions rather than the temporary file's private ones).
    void removeKeepingName();
    // The temporary file's path, once open() has made it.
    QString path() const { return m_path; }

    // Closes the file and renames it to the first free name of baseName(kind, when) + "." +
    // `extension`. A rename never replaces a file, so a name taken meanwhile only moves on to the
    // next; a rename that fails while its name stays free ends the tries.
    Placement place(const QString &extension, const QDateTime &when);

private:
    QDir m_folder;
    QString m_kind;
    QTemporaryFile m_file;
    QString m_path;
    bool m_placed = false;
};

} // namespace ExportFile
