#include "core/Estimate.h"

#include "core/NumberFormat.h"
#include "core/RtfReader.h"
#include "core/TotalsArithmetic.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>

using Numbers::Currency;

std::optional<Estimate> Estimate::of(const Job &job, const BusinessDetails &business)
{
    if (job.posted.isEmpty())
        return std::nullopt;
    Estimate estimate;
    estimate.business = business;
    estimate.details = job.details;
    estimate.notes = job.notes;
    TotalsArithmetic::RowAmounts labour{}, material{};
    for (const PostedCells &cells : job.totals) {
        labour[cells.row] = TotalsArithmetic::amountOf(cells.labour);
        material[cells.row] = TotalsArithmetic::amountOf(cells.material);
    }
    QList<PostedRecord> posted = job.posted;
    std::sort(posted.begin(), posted.end(), [](const auto &a, const auto &b) { return a.row < b.row; });
    try {
        for (const PostedRecord &record : std::as_const(posted)) {
            const int row = record.row;
            QString unitPrice = record.unitPrice;
            if (unitPrice.isEmpty() && !record.price.isEmpty())
                unitPrice = Numbers::formatCurrency(Numbers::readCurrency(record.price));
            estimate.lines.append({row, record.item, record.description, record.quantity, unitPrice,
                                   labour[row], material[row], labour[row] + material[row]});
        }
        const auto labourSum = TotalsArithmetic::sum(labour), materialSum = TotalsArithmetic::sum(material);
        if (!labourSum || !materialSum)
            return std::nullopt;
        estimate.labourSubTotal = *labourSum;
        estimate.materialSubTotal = *materialSum;
        if (const auto rate = business.taxBasisPoints())
            estimate.tax = *materialSum * Currency::fromTicks(*rate); // hundredths of a percent
        estimate.total = *labourSum + *materialSum + estimate.tax.value_or(Currency());
    } catch (const Numbers::NumberOverflow &) {
        return std::nullopt;
    }
    return estimate;
}

namespace EstimateDocument {

namespace {

const QUrl kLogoUrl(QStringLiteral("mortarix:logo"));

QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(u'\n', QLatin1String("<br>"));
}

// Paragraphs of the lines that hold something, each "label value"; an empty value leaves no label.
QString lines(const QList<std::pair<QString, QString>> &entries)
{
    QString html;
    for (const auto &[label, value] : entries) {
        if (value.trimmed().isEmpty())
            continue;
        html += QLatin1String("<p style=\"margin:0\">");
        if (!label.isEmpty())
            html += QLatin1String("<span style=\"color:#555\">") + escaped(label) + QLatin1String("</span> ");
        html += escaped(value.trimmed()) + QLatin1String("</p>");
    }
    return html;
}

QString money(Currency amount)
{
    return Numbers::formatCurrency(amount).toHtmlEscaped();
}

QString header(const Estimate &estimate, const QLocale &locale, const QImage &logo)
{
    const BusinessDetails &business = estimate.business;
    const JobDetails &details = estimate.details;
    // The logo stands above the business's name, so a wide logo leaves the name its whole line.
    QString html =
        QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td width=\"58%\">");
    if (!logo.isNull()) {
        // At most 160 by 80 on paper (the document counts 96 to the inch), the shape kept.
        const QSize shown = logo.size().scaled(160, 80, Qt::KeepAspectRatio);
        html +=
            QStringLiteral("<p style=\"margin-bottom:6px\"><img src=\"%1\" width=\"%2\" height=\"%3\"></p>")
                .arg(kLogoUrl.toString())
                .arg(shown.width())
                .arg(shown.height());
    }
    if (!business.name.trimmed().isEmpty())
        html += QLatin1String("<p style=\"margin:0; font-size:16pt; font-weight:bold\">") +
                escaped(business.name.trimmed()) + QLatin1String("</p>");
    QList<std::pair<QString, QString>> contact;
    for (const QString &line : business.address.split(u'\n'))
        contact.append({QString(), line});
    contact.append({QStringLiteral("Phone"), business.phone});
    contact.append({QStringLiteral("E-mail"), business.email});
    contact.append({QStringLiteral("Licence"), business.licence});
    html += lines(contact) + QLatin1String("</td><td width=\"42%\" align=\"right\" valign=\"top\">");
    html += QLatin1String("<p style=\"margin:0; font-size:20pt; font-weight:bold\">ESTIMATE</p>");
    const QDate date = details.estimateDate.isValid() ? details.estimateDate : QDate::currentDate();
    html += lines({{QStringLiteral("Estimate No."), details.estimateNumber},
                   {QStringLiteral("Date"), locale.toString(date, QLocale::LongFormat)},
                   {QStringLiteral("Valid until"),
                    locale.toString(date.addDays(business.validDays), QLocale::LongFormat)}});
    html += QLatin1String("</td></tr></table><p></p>");
    const QString prepared = lines({{QString(), details.customer},
                                    {QString(), details.siteAddress},
                                    {QStringLiteral("Phone"), details.phone},
                                    {QStringLiteral("E-mail"), details.email},
                                    {QStringLiteral("Job"), details.jobName}});
    if (!prepared.isEmpty())
        html += QLatin1String("<p style=\"margin:0; font-weight:bold\">Prepared for</p>") + prepared +
                QLatin1String("<p></p>");
    return html;
}

QString table(const Estimate &estimate)
{
    QString html = QStringLiteral(
        "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\" border=\"1\" "
        "style=\"border-collapse:collapse; "
        "border-color:#999\"><thead><tr style=\"background-color:#e8e8e8\">"
        "<th align=\"left\">Item</th><th align=\"left\">Description</th><th align=\"right\">Quantity</th>"
        "<th align=\"right\">Unit price</th><th align=\"right\">Material</th><th align=\"right\">Labour</th>"
        "<th align=\"right\">Total</th></tr></thead>");
    for (const EstimateLine &line : estimate.lines) {
        html +=
            QStringLiteral(
                "<tr><td>%1</td><td>%2</td><td align=\"right\">%3</td><td align=\"right\">%4</td>"
                "<td align=\"right\">%5</td><td align=\"right\">%6</td><td align=\"right\">%7</td></tr>")
                .arg(escaped(line.item), escaped(line.description), escaped(line.quantity),
                     escaped(line.unitPrice), money(line.material), money(line.labour), money(line.total));
    }
    html += QLatin1String("</table><p></p>");
    QList<std::pair<QString, QString>> sums{
        {QStringLiteral("Labour sub total"), money(estimate.labourSubTotal)},
        {QStringLiteral("Material sub total"), money(estimate.materialSubTotal)}};
    if (estimate.tax) {
        sums.append({QStringLiteral("Tax on material (%1 %)")
                         .arg(estimate.business.taxRate.trimmed().toHtmlEscaped()),
                     money(*estimate.tax)});
    }
    sums.append({QStringLiteral("<b>Estimate total</b>"),
                 QLatin1String("<b>") + money(estimate.total) + QLatin1String("</b>")});
    html += QLatin1String("<table align=\"right\" cellspacing=\"0\" cellpadding=\"3\">");
    for (const auto &[label, amount] : std::as_const(sums))
        html += QStringLiteral("<tr><td>%1</td><td align=\"right\" width=\"110\">%2</td></tr>")
                    .arg(label, amount);
    html += QLatin1String("</table><p></p>");
    return html;
}

QString section(const QString &title, const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    return QLatin1String("<p style=\"margin-top:12px; font-weight:bold\">") + title.toHtmlEscaped() +
           QLatin1String("</p><p style=\"margin:0\">") + escaped(text.trimmed()) + QLatin1String("</p>");
}

QImage logoImage(const QString &path)
{
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    // Four times the size it is drawn at keeps it sharp on paper without carrying a huge picture.
    if (!image.isNull() && (image.width() > 640 || image.height() > 320))
        image = image.scaled(640, 320, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

QPageLayout pageLayout(const QLocale &locale)
{
    const bool inches = locale.measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(inches ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
}

std::unique_ptr<QTextDocument> build(const Estimate &estimate)
{
    auto document = std::make_unique<QTextDocument>();
    QFont font = document->defaultFont();
    font.setPointSizeF(10);
    document->setDefaultFont(font);
    const QImage logo = logoImage(estimate.business.logoPath);
    if (!logo.isNull())
        document->addResource(QTextDocument::ImageResource, kLogoUrl, logo);
    QTextCursor cursor(document.get());
    cursor.insertHtml(header(estimate, QLocale(), logo) + table(estimate) +
                      section(QStringLiteral("Remarks"), estimate.details.remarks));
    // Each part starts a block of its own, so no heading runs on from the text before it.
    const auto newBlock = [&cursor] { cursor.insertBlock(QTextBlockFormat(), QTextCharFormat()); };
    if (!estimate.notes.isEmpty()) {
        QTextDocument notes;
        RtfReader::read(estimate.notes, &notes);
        if (!notes.toPlainText().trimmed().isEmpty()) {
            newBlock();
            cursor.insertHtml(QStringLiteral("<p style=\"margin-top:12px; font-weight:bold\">Notes</p>"));
            newBlock();
            cursor.insertFragment(QTextDocumentFragment(&notes));
        }
    }
    newBlock();
    cursor.insertHtml(
        section(QStringLiteral("Terms"), estimate.business.terms) +
        QStringLiteral("<p></p><table width=\"100%\" cellpadding=\"0\" style=\"margin-top:24px\"><tr>"
                       "<td width=\"60%\">Accepted by ________________________________</td>"
                       "<td>Date ____________________</td></tr></table>"));
    if (!estimate.materials.isEmpty()) {
        QTextBlockFormat newPage;
        newPage.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        cursor.insertBlock(newPage, QTextCharFormat());
        cursor.insertHtml(QStringLiteral("<p style=\"font-size:14pt; font-weight:bold\">Material list</p>") +
                          MaterialOrder::htmlTable(estimate.materials, false));
    }
    return document;
}

bool render(const Estimate &estimate, QPagedPaintDevice *device)
{
    const std::unique_ptr<QTextDocument> document = build(estimate);
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const QRectF paper = device->pageLayout().paintRectPixels(device->logicalDpiX());
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    layout->setPaintDevice(device);
    QFont footerFont = document->defaultFont();
    footerFont.setPointSizeF(8);
    const qreal footer = QFontMetricsF(footerFont, device).height() * 2;
    const QSizeF body(paper.width(), paper.height() - footer);
    document->setPageSize(body);
    const int pages = document->pageCount();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device->newPage())
            return false;
        painter.save();
        painter.translate(0, -page * body.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(QPointF(0, page * body.height()), body);
        painter.setClipRect(context.clip);
        layout->draw(&painter, context);
        painter.restore();
        painter.setFont(footerFont);
        painter.drawText(QRectF(0, body.height(), body.width(), footer), Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages));
    }
    return painter.end();
}

QString fileName(const JobDetails &details, const QDate &today)
{
    QStringList parts{QStringLiteral("Estimate")};
    for (const QString &part : {details.estimateNumber, details.jobName}) {
        QString clean = part.simplified();
        // Nothing that would make a folder of it or that other systems refuse.
        static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
        clean.replace(unsafe, QStringLiteral("-"));
        if (!clean.isEmpty())
            parts.append(clean.left(80));
    }
    parts.append((details.estimateDate.isValid() ? details.estimateDate : today).toString(Qt::ISODate));
    return parts.join(u' ') + QLatin1String(".pdf");
}

QString freePath(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    const QFileInfo info(name);
    QString path = dir.filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path =
            dir.filePath(QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(n).arg(info.suffix()));
    return path;
}

QString writePdf(const Estimate &estimate, const QString &path, const QLocale &locale)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Mortarix"));
        writer.setTitle(QFileInfo(path).completeBaseName());
        writer.setPageLayout(pageLayout(locale));
        if (!render(estimate, &writer)) {
            file.cancelWriting();
            return QStringLiteral("The estimate could not be laid out.");
        }
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace EstimateDocument
