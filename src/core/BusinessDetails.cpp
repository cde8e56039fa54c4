#include "core/BusinessDetails.h"

#include "core/SettingsStore.h"
#include "core/WholeFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

const QString kSection = QStringLiteral("Business");
const QString kName = QStringLiteral("txtBusinessName");
const QString kAddress = QStringLiteral("txtBusinessAddress");
const QString kPhone = QStringLiteral("txtBusinessPhone");
const QString kEmail = QStringLiteral("txtBusinessEmail");
const QString kLicence = QStringLiteral("txtLicence");
const QString kTaxRate = QStringLiteral("txtTaxRate");
const QString kValidDays = QStringLiteral("txtValidDays");
const QString kTerms = QStringLiteral("txtTerms");
const QString kLogo = QStringLiteral("Logo");
const QString kMaterialList = QStringLiteral("chkMaterialList");

const QStringList kLogoSuffixes{QStringLiteral("png"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                QStringLiteral("svg")};
// Far above any real logo; keeps a wrong choice (a video, a disk image) from being read whole.
constexpr qint64 kMaxLogoBytes = qint64(20) * 1024 * 1024;
constexpr qint64 kMaxBasisPoints = 10000;

// Reads a tax rate text into hundredths of a percent (0 for an empty text); returns why it is
// refused, or an empty text. Stricter than a calculator field: a stray letter or sign on a rate
// printed on every estimate is a typing error, not a number to read around.
QString readTaxRate(const QString &text, qint64 &basisPoints)
{
    basisPoints = 0;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    static const QRegularExpression form(QStringLiteral("^(\\d*)(?:\\.(\\d*))?$"));
    const QRegularExpressionMatch match = form.match(trimmed);
    const QString whole = match.captured(1), fraction = match.captured(2);
    const QString range = QStringLiteral("The tax rate must be a number from 0 to 100.");
    if (!match.hasMatch() || (whole.isEmpty() && fraction.isEmpty()))
        return range;
    if (fraction.size() > 2)
        return QStringLiteral("The tax rate must have at most two decimals.");
    QString digits = whole;
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    if (digits.size() > 3)
        return range;
    basisPoints = digits.toLongLong() * 100 + fraction.leftJustified(2, u'0').toLongLong();
    if (basisPoints > kMaxBasisPoints) {
        basisPoints = 0;
        return range;
    }
    return {};
}

bool loadsAsPicture(const QByteArray &bytes, const QString &suffix)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // The suffix is only a hint: a PNG named .jpg still loads, as it would anywhere else.
    QImageReader reader(&buffer, suffix == u"jpg" ? QByteArray("jpeg") : suffix.toLatin1());
    return !reader.read().isNull();
}

QString quoted(const QString &path)
{
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

} // namespace

BusinessDetails BusinessDetails::load()
{
    const QMap<QString, QString> stored = SettingsStore::section(kSection);
    BusinessDetails details;
    details.name = stored.value(kName);
    details.address = stored.value(kAddress);
    details.phone = stored.value(kPhone);
    details.email = stored.value(kEmail);
    details.licence = stored.value(kLicence);
    details.taxRate = stored.value(kTaxRate);
    bool whole = false;
    const int days = stored.value(kValidDays).trimmed().toInt(&whole);
    if (whole && days >= 1 && days <= kMaxValidDays)
        details.validDays = days;
    details.terms = stored.value(kTerms);
    details.logoPath = stored.value(kLogo);
    details.addMaterialList = stored.value(kMaterialList) == QLatin1String("True");
    return details;
}

bool BusinessDetails::save() const
{
    const bool saved = SettingsStore::saveSection(
        kSection, {{kName, name},
                   {kAddress, address},
                   {kPhone, phone},
                   {kEmail, email},
                   {kLicence, licence},
                   {kTaxRate, taxRate},
                   {kValidDays, QString::number(validDays)},
                   {kTerms, terms},
                   {kLogo, logoPath},
                   {kMaterialList, addMaterialList ? QStringLiteral("True") : QStringLiteral("False")}});
    if (!saved)
        return false;
    const QDir folder(dataFolder());
    const QString kept = logoPath.isEmpty() ? QString() : QFileInfo(logoPath).absoluteFilePath();
    for (const QString &suffix : kLogoSuffixes) {
        const QString copy = folder.absoluteFilePath(QStringLiteral("logo.") + suffix);
        if (copy != kept && QFileInfo::exists(copy))
            QFile::remove(copy);
    }
    return true;
}

std::optional<qint64> BusinessDetails::taxBasisPoints() const
{
    qint64 basisPoints = 0;
    if (!readTaxRate(taxRate, basisPoints).isEmpty() || basisPoints == 0)
        return std::nullopt;
    return basisPoints;
}

QString BusinessDetails::taxRateProblem(const QString &text)
{
    qint64 basisPoints = 0;
    return readTaxRate(text, basisPoints);
}

QString BusinessDetails::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

BusinessDetails::StoredLogo BusinessDetails::storeLogo(const QString &sourcePath)
{
    const QString suffix = QFileInfo(sourcePath).suffix().toLower();
    if (!kLogoSuffixes.contains(suffix))
        return {{}, QStringLiteral("The logo %1 is not a PNG, JPEG or SVG picture.").arg(quoted(sourcePath))};
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return {
            {},
            QStringLiteral("The logo %1 cannot be read: %2").arg(quoted(sourcePath), source.errorString())};
    if (source.size() > kMaxLogoBytes)
        return {{}, QStringLiteral("The logo %1 is too large for a logo.").arg(quoted(sourcePath))};
    const QByteArray bytes = source.readAll();
    if (!loadsAsPicture(bytes, suffix))
        return {{}, QStringLiteral("The logo %1 cannot be loaded as a picture.").arg(quoted(sourcePath))};
    const QString folder = dataFolder();
    if (!QDir().mkpath(folder))
        return {{}, QStringLiteral("The folder %1 for the logo cannot be created.").arg(quoted(folder))};
    const QString target = QDir(folder).absoluteFilePath(QStringLiteral("logo.") + suffix);
    if (const QString why = WholeFile::write(target, bytes); !why.isEmpty())
        return {{},
                QStringLiteral("The logo %1 cannot be stored as %2: %3")
                    .arg(quoted(sourcePath), quoted(target), why)};
    return {target, {}};
}
