#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// A job: everything the user entered and got for one estimate, kept as a document. The price list,
// the options and the user's other settings are not part of it.
struct JobDetails
{
    // The longest text each detail takes; a longer one read from a file is cut.
    static constexpr int kMaxLength = 200;
    static constexpr int kMaxRemarksLength = 4000;

    QString jobName;
    QString customer;
    QString siteAddress;
    QString phone;
    QString email;
    QDate estimateDate;
    QString estimateNumber;
    QString remarks;

    bool operator==(const JobDetails &) const = default;
};

// What one Send posted to a totals row, as it stood at that moment.
struct PostedRecord
{
    int row = 0;
    QString item;        // the row's caption in the totals grid
    QString description; // what was measured, in the page's own units
    QString quantity;    // with its unit, "19.84 cu yd"
    QString price;       // the unit price as typed
    QString unitPrice;   // with its unit, "$85.00 per cu yd"
    QString labour;
    QString material;
    // The page's field texts and chosen options at the moment of Send.
    QMap<QString, QString> inputs;

    bool operator==(const PostedRecord &) const = default;
};

// The labour and material cells of one calculator row of the totals grid.
struct PostedCells
{
    int row = 0;
    QString labour;
    QString material;

    bool operator==(const PostedCells &) const = default;
};

struct Job
{
    // The longest text a grid cell or a record's text takes from a file.
    static constexpr int kMaxCellLength = 64;

    JobDetails details;
    // The calculator pages' fields (inputs, results, lists, labour) by objectName, as shown.
    QMap<QString, QString> fields;
    // The pages' option buttons by objectName: chosen or not.
    QMap<QString, bool> options;
    QList<PostedCells> totals;
    QList<PostedRecord> posted;
    // The order list's choice: block cores filled with grout.
    bool coresFilled = false;
    // The notes, as rich text (RTF); empty for no notes.
    QByteArray notes;
    // When it was written; set by the writer.
    QDateTime saved;
    // In a recovery copy: the file the job was last opened from or saved to.
    QString fileName;

    bool operator==(const Job &) const = default;
};

// The .mortarix file: UTF-8 JSON, pretty-printed, versioned.
namespace JobFile {

inline constexpr int kVersion = 1;
// A larger file is refused unread.
inline constexpr qint64 kMaxBytes = qint64(64) * 1024 * 1024;
inline constexpr auto kExtension = ".mortarix";

// The document for `job`, stamped with `saved`.
QByteArray toJson(const Job &job, const QDateTime &saved);

// The job in `bytes`, or why they are not one. Unknown keys and values of the wrong type are
// passed over; texts longer than their limit are cut.
struct ReadResult
{
    std::optional<Job> job;
    QString error; // the reason, as a sentence, when there is no job
};
ReadResult fromJson(const QByteArray &bytes);

// Reads the file at `path`: its size is checked before anything is read.
ReadResult read(const QString &path);

// Writes `job` to `path` atomically: the file is either the complete new job or as it was before.
// Returns the reason for a failure, or an empty text.
QString write(const QString &path, const Job &job, const QDateTime &saved);

// `path` with the job extension added when it has none.
QString withExtension(const QString &path);

} // namespace JobFile
