#include "core/Job.h"

#include "core/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace JobFile {

namespace {

const QString kFormat = QStringLiteral("mortarix-job");

// Detail keys are the job details dialog's field names.
struct DetailKey
{
    const char *key;
    QString JobDetails::*member;
    int maxLength;
};
const DetailKey kDetailKeys[] = {
    {"txtJobName", &JobDetails::jobName, JobDetails::kMaxLength},
    {"txtCustomer", &JobDetails::customer, JobDetails::kMaxLength},
    {"txtSiteAddress", &JobDetails::siteAddress, JobDetails::kMaxLength},
    {"txtPhone", &JobDetails::phone, JobDetails::kMaxLength},
    {"txtEmail", &JobDetails::email, JobDetails::kMaxLength},
    {"txtEstimateNumber", &JobDetails::estimateNumber, JobDetails::kMaxLength},
    {"txtRemarks", &JobDetails::remarks, JobDetails::kMaxRemarksLength},
};
constexpr auto kEstimateDateKey = "txtEstimateDate";

// No field of a page is longer than this; the page cuts further to each field's own limit.
constexpr int kMaxFieldLength = 1000;

QJsonObject textMap(const QMap<QString, QString> &map)
{
    QJsonObject object;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

// A text value cut to `maxLength`; anything that is no text reads as none.
std::optional<QString> textOf(const QJsonValue &value, int maxLength)
{
    if (!value.isString())
        return std::nullopt;
    return value.toString().left(maxLength);
}

QMap<QString, QString> textMapOf(const QJsonValue &value, int maxLength)
{
    QMap<QString, QString> map;
    const QJsonObject object = value.toObject();
    for (auto it = object.constBegin(); it != object.constEnd(); ++it) {
        if (auto text = textOf(it.value(), maxLength); text && it.key().size() <= kMaxFieldLength)
            map.insert(it.key(), *text);
    }
    return map;
}

// A calculator row number from the file, or 0 when it is none.
int rowOf(const QJsonValue &value)
{
    const int row = value.toInt(0);
    return row >= 1 && row <= 8 ? row : 0;
}

JobDetails detailsOf(const QJsonObject &object)
{
    JobDetails details;
    for (const DetailKey &key : kDetailKeys) {
        if (auto text = textOf(object.value(QLatin1String(key.key)), key.maxLength))
            details.*key.member = *text;
    }
    details.estimateDate =
        QDate::fromString(object.value(QLatin1String(kEstimateDateKey)).toString(), Qt::ISODate);
    return details;
}

Job jobOf(const QJsonObject &root)
{
    Job job;
    job.details = detailsOf(root.value(QLatin1String("details")).toObject());
    job.fields = textMapOf(root.value(QLatin1String("pages")), kMaxFieldLength);
    const QJsonObject options = root.value(QLatin1String("options")).toObject();
    for (auto it = options.constBegin(); it != options.constEnd(); ++it) {
        if (it.value().isBool() && it.key().size() <= kMaxFieldLength)
            job.options.insert(it.key(), it.value().toBool());
    }
    const QJsonArray totals = root.value(QLatin1String("totals")).toArray();
    for (const QJsonValue &entry : totals) {
        const QJsonObject cells = entry.toObject();
        if (const int row = rowOf(cells.value(QLatin1String("row")))) {
            job.totals.append(
                {row, textOf(cells.value(QLatin1String("labour")), Job::kMaxCellLength).value_or(QString()),
                 textOf(cells.value(QLatin1String("material")), Job::kMaxCellLength).value_or(QString())});
        }
    }
    const QJsonArray posted = root.value(QLatin1String("posted")).toArray();
    for (const QJsonValue &entry : posted) {
        const QJsonObject object = entry.toObject();
        PostedRecord record;
        record.row = rowOf(object.value(QLatin1String("row")));
        if (!record.row)
            continue;
        const auto text = [&](const char *key) {
            return textOf(object.value(QLatin1String(key)), Job::kMaxCellLength).value_or(QString());
        };
        record.item = text("item");
        record.description =
            textOf(object.value(QLatin1String("description")), kMaxFieldLength).value_or(QString());
        record.quantity = text("quantity");
        record.price = text("price");
        record.unitPrice = text("unitPrice");
        record.labour = text("labour");
        record.material = text("material");
        record.inputs = textMapOf(object.value(QLatin1String("inputs")), kMaxFieldLength);
        job.posted.append(record);
    }
    job.coresFilled =
        root.value(QLatin1String("order")).toObject().value(QLatin1String("coresFilled")).toBool();
    job.notes = root.value(QLatin1String("notes")).toString().toUtf8();
    job.saved = QDateTime::fromString(root.value(QLatin1String("saved")).toString(), Qt::ISODate);
    job.fileName = root.value(QLatin1String("file")).toString();
    return job;
}

ReadResult refused(const QString &reason)
{
    return {std::nullopt, reason};
}

} // namespace

QByteArray toJson(const Job &job, const QDateTime &saved)
{
    QJsonObject details;
    for (const DetailKey &key : kDetailKeys)
        details.insert(QLatin1String(key.key), job.details.*key.member);
    details.insert(QLatin1String(kEstimateDateKey), job.details.estimateDate.toString(Qt::ISODate));

    QJsonObject options;
    for (auto it = job.options.cbegin(); it != job.options.cend(); ++it)
        options.insert(it.key(), it.value());
    QJsonArray totals;
    for (const PostedCells &cells : job.totals) {
        totals.append(QJsonObject{{QStringLiteral("row"), cells.row},
                                  {QStringLiteral("labour"), cells.labour},
                                  {QStringLiteral("material"), cells.material}});
    }
    QJsonArray posted;
    for (const PostedRecord &record : job.posted) {
        posted.append(QJsonObject{{QStringLiteral("row"), record.row},
                                  {QStringLiteral("item"), record.item},
                                  {QStringLiteral("description"), record.description},
                                  {QStringLiteral("quantity"), record.quantity},
                                  {QStringLiteral("price"), record.price},
                                  {QStringLiteral("unitPrice"), record.unitPrice},
                                  {QStringLiteral("labour"), record.labour},
                                  {QStringLiteral("material"), record.material},
                                  {QStringLiteral("inputs"), textMap(record.inputs)}});
    }
    QJsonObject root{{QStringLiteral("format"), kFormat},
                     {QStringLiteral("version"), kVersion},
                     {QStringLiteral("saved"), saved.toString(Qt::ISODateWithMs)},
                     {QStringLiteral("details"), details},
                     {QStringLiteral("pages"), textMap(job.fields)},
                     {QStringLiteral("options"), options},
                     {QStringLiteral("totals"), totals},
                     {QStringLiteral("posted"), posted},
                     {QStringLiteral("order"), QJsonObject{{QStringLiteral("coresFilled"), job.coresFilled}}},
                     {QStringLiteral("notes"), QString::fromUtf8(job.notes)}};
    if (!job.fileName.isEmpty())
        root.insert(QStringLiteral("file"), job.fileName);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ReadResult fromJson(const QByteArray &bytes)
{
    if (bytes.trimmed().isEmpty())
        return refused(QStringLiteral("The file is empty."));
    if (bytes.size() > kMaxBytes)
        return refused(QStringLiteral("The file is larger than 64 MB."));
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        return refused(QStringLiteral("The file is damaged or is not a Mortarix job (%1 at byte %2).")
                           .arg(error.errorString())
                           .arg(error.offset));
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != kFormat)
        return refused(QStringLiteral("The file is not a Mortarix job."));
    const QJsonValue version = root.value(QLatin1String("version"));
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        return refused(QStringLiteral("The file is not a Mortarix job (it has no valid format version)."));
    if (version.toDouble() > kVersion) {
        return refused(QStringLiteral("The job was saved by a newer version of Mortarix (job format %1); "
                                      "this version reads format %2.")
                           .arg(version.toDouble())
                           .arg(kVersion));
    }
    return {jobOf(root), {}};
}

ReadResult read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return refused(QStringLiteral("The file does not exist."));
    if (QFileInfo(path).isDir())
        return refused(QStringLiteral("It is a folder, not a file."));
    if (file.size() > kMaxBytes)
        return refused(QStringLiteral("The file is larger than 64 MB."));
    if (!file.open(QIODevice::ReadOnly))
        return refused(QStringLiteral("The file cannot be read: %1.").arg(file.errorString()));
    // One byte past the limit tells a file that grew meanwhile.
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QStringLiteral("The file cannot be read: %1.").arg(file.errorString()));
    return fromJson(bytes);
}

QString write(const QString &path, const Job &job, const QDateTime &saved)
{
    return WholeFile::write(path, toJson(job, saved));
}

QString withExtension(const QString &path)
{
    if (path.endsWith(QLatin1String(kExtension), Qt::CaseInsensitive))
        return path;
    return path + QLatin1String(kExtension);
}

} // namespace JobFile
