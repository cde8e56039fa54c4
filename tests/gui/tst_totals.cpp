// The totals grid, the price list, and the grid printed (read back with pdftotext) and exported as a
// workbook (read back with libzip).
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StoredControls.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"

#include <QPrinter>
#include <QtWidgets>

#include <zip.h>

using TestSupport::MessageAnswers;
using Answer = QMessageBox::StandardButton;

namespace {

// Posts as "Send " makes them, "row:labour:material", then perhaps a click of the Totals button.
void post(MainWindow &window, const QStringList &posts, bool clickTotals = true)
{
    for (const QString &p : posts) {
        window.totalsGrid()->setCell(p.section(':', 0, 0).toInt(), TotalsGrid::kLabourColumn, p.section(':', 1, 1));
        window.totalsGrid()->setCell(p.section(':', 0, 0).toInt(), TotalsGrid::kMaterialColumn, p.section(':', 2));
    }
    if (clickTotals)
        QTest::mouseClick(window.pageButton(MainWindow::kTotalsPage), Qt::LeftButton);
}

QPushButton *button(MainWindow &window, const char *name) { return window.findChild<QPushButton *>(name); }
QStringList filesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

QString pdfToText(const QString &path, const char *how)
{
    return TestSupport::output("pdftotext", {how, path, "-"});
}

// A printed word's box, in points from the page's top-left corner.
QRectF wordBox(const QString &bboxHtml, const QString &text)
{
    static const QRegularExpression word(
        R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    for (auto it = word.globalMatch(bboxHtml); it.hasNext();) {
        if (const auto m = it.next(); m.captured(5) == text)
            return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                          QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
    }
    return {};
}

// A sheet as a spreadsheet reads it: "B7" -> "100" a number in the accounting format, "'Block"
// text; "?" marks a format the cell should not have. And the width of each column.
struct Workbook
{
    QStringList sheets;
    QMap<QString, QString> cells;
    QMap<int, double> widths;
};

Workbook readWorkbook(const QString &path)
{
    static const QString accounting = R"(_("$"* #,##0.00_);_("$"* \(#,##0.00\);_("$"* "-"??_);_(@_))";
    Workbook book;
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    QStringList shared;
    QMap<int, QString> formats{{44, accounting}};
    QList<int> styleFormats;
    bool inCellXfs = false;
    for (const char *part : {"xl/workbook.xml", "xl/sharedStrings.xml", "xl/styles.xml", "xl/worksheets/sheet1.xml"}) {
        zip_stat_t stat;
        zip_file_t *file = archive && !zip_stat(archive, part, 0, &stat) ? zip_fopen(archive, part, 0) : nullptr;
        QByteArray data(file ? qsizetype(stat.size) : 0, '\0');
        if (file && zip_fread(file, data.data(), stat.size) == zip_int64_t(stat.size))
            zip_fclose(file);
        for (QXmlStreamReader xml(data); !xml.atEnd();) {
            xml.readNext();
            const auto at = [&xml](const char *name) { return xml.attributes().value(QLatin1String(name)).toString(); };
            inCellXfs = xml.name() == u"cellXfs" ? xml.isStartElement() : inCellXfs;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"sheet")
                book.sheets << at("name");
            else if (xml.name() == u"si")
                shared << QString();
            else if (xml.name() == u"t" && !shared.isEmpty())
                shared.last() += xml.readElementText();
            else if (xml.name() == u"numFmt")
                formats.insert(at("numFmtId").toInt(), at("formatCode"));
            else if (inCellXfs && xml.name() == u"xf")
                styleFormats << at("numFmtId").toInt();
            for (int column = at("min").toInt(); xml.name() == u"col" && column <= at("max").toInt(); ++column)
                book.widths.insert(column, at("width").toDouble());
            if (xml.name() != u"c")
                continue;
            const QString ref = at("r"), type = at("t"), format = formats.value(styleFormats.value(at("s").toInt()));
            QString value;
            while (xml.readNextStartElement())
                value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (type.isEmpty() || type == "n")
                book.cells[ref] = QString::number(value.toDouble(), 'g', 15) + (format == accounting ? "" : "?");
            else
                book.cells[ref] = "'" + (type == "s" ? shared.value(value.toInt()) : value)
                                  + (format.size() ? "?" : "");
        }
    }
    if (archive)
        zip_discard(archive);
    return book;
}

} // namespace

class TestTotals : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }
    void priceList()
    {
        {
            MainWindow window; window.show();
            window.menuAction("mnuPrceList")->trigger();
            QGroupBox *page = window.page(MainWindow::kPriceListPage);
            QVERIFY(page->isVisible());
            QCOMPARE(page->title() + "|" + window.statusText(MainWindow::StatusPanel::Page), "Price List|Price List");
            for (int i = 0; i < PriceListPage::kEntryCount; ++i) // first run: empty, not zero
                QVERIFY(window.priceList()->entry(i).isEmpty() && window.priceList()->entryField(i)->maxLength() == 4);
            for (const auto &[entry, typed] : {std::pair{0, "95"}, {10, "12345"}, {3, "1,25"}, {5, ".45"}})
                QTest::keyClicks(window.priceList()->entryField(entry), typed);
            MessageAnswers saved({Answer::Ok});
            QTest::mouseClick(button(window, "MyPriceListcmd_Save"), Qt::LeftButton);
            QCOMPARE(saved.waitFor(0), "Mortarix / Information / Ok / Your Data Has Been Saved To A File.");
            QCOMPARE(SettingsStore::get("Prices", "Price(0)") + SettingsStore::get("Prices", "Price(1)", "-"), "95");
        }
        MainWindow next; // a fifth character was refused
        QStringList entries;
        for (int i : {0, 10, 3, 5, 1})
            entries << next.priceList()->entry(i);
        QCOMPARE(entries.join('|'), "95|1234|1,25|.45|");
        QVERIFY(QFile::remove(SettingsStore::filePath()) && QDir().mkpath(SettingsStore::filePath()));
        MessageAnswers failed({Answer::Ok}); // the store's file is a folder: nothing can be written
        next.priceList()->save();
        const QString shown = failed.waitFor(0);
        QVERIFY(QDir().rmdir(SettingsStore::filePath()));
        QVERIFY2(shown.startsWith("Mortarix / Warning / Ok / Your Prices Could Not Be Saved To "), qPrintable(shown));
    }
    void print_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QString>("printer"); // the default printer's file, if there is one
        QTest::addColumn<bool>("dialogAccepts");
        QTest::addColumn<QString>("happens"); // printers made, print dialogs; "printed" or the failure
        QTest::newRow("default printer") << Answer::Ok << "totals.pdf" << true << "1 0 printed";
        QTest::newRow("no default printer: print dialog, to a file") << Answer::Ok << "" << true << "0 1 printed";
        QTest::newRow("cancel at the question, default printer") << Answer::Cancel << "totals.pdf" << true << "0 0 ";
        QTest::newRow("print dialog cancelled") << Answer::Ok << "" << false << "0 1 ";
        QTest::newRow("printer fails") << Answer::Ok << "missing/totals.pdf" << true
                                       << "1 0 Mortarix / Warning / Ok / The Grid Could Not Be Printed.";
    }
    void print()
    {
        QFETCH(Answer, answer); QFETCH(QString, printer); QFETCH(bool, dialogAccepts); QFETCH(QString, happens);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the printed page; run scripts/deps.sh");
        QTemporaryDir folder;
        const QString pdf = folder.filePath(printer.isEmpty() ? "totals.pdf" : printer);
        FakeDesktop desktop;
        int made = 0;
        desktop.makeDefaultPrinter = [pdf, &made, printer]() -> std::unique_ptr<QPrinter> {
            if (printer.isEmpty())
                return nullptr;
            ++made;
            auto made = std::make_unique<QPrinter>(QPrinter::HighResolution);
            made->setOutputFormat(QPrinter::PdfFormat);
            made->setOutputFileName(pdf);
            return made;
        };
        desktop.printDialogAccepts = dialogAccepts;
        desktop.pdfPath = pdf;
        MainWindow window; window.show();
        post(window, {"6:100:$1,234.50", "1:$0.10:$0.20"});
        MessageAnswers answers({answer, Answer::Ok});
        QTest::mouseClick(button(window, "MYTotalscmd_Print"), Qt::LeftButton);
        QCOMPARE(answers.waitFor(0),
                 "Mortarix / Question / Ok|Cancel / You Are About To Print This Grid,\n\nDo You Want To Continue?");
        const QString failure = answers.waitFor(1, happens.endsWith("Printed.") ? 5000 : 50);
        QCOMPARE(QString("%1 %2 ").arg(made).arg(desktop.printDialogs) +
                     (QFileInfo::exists(pdf) ? "printed" : failure.section('\n', 0, 0)), happens);
        QVERIFY2(failure.isEmpty() || failure.contains(QDir::toNativeSeparators(pdf)), qPrintable(failure));
        if (!happens.endsWith("printed"))
            return;
        const QString text = pdfToText(pdf, "-raw").simplified();
        // Posted amounts in grid form, computed totals in currency form, as the grid shows them.
        for (const char *piece : {"Masonry Summary", "Labor Cost", "Material Cost", "Total", "Footings", "Piers",
                                  "Rebar", "Flatwork", "Welded Wire", "Block", "Poured Walls", "Brick", "Sub Total",
                                  "Grand Total", "$100.00", "$1234.50", "$1,334.50", "$100.10", "$1,234.70", "$0.30",
                                  "$1,334.80"})
            QVERIFY2(text.contains(piece), qPrintable(piece + (" missing from: " + text)));
        QCOMPARE(window.totalsGrid()->cell(6, 3), "$1,334.50"); // printing neither recomputes nor reformats
        // One page: the grid 2 inches in and 1 inch down, the title above it at its left edge, headings
        // in its first row, captions at its left edge, amounts at its right.
        const QString html = pdfToText(pdf, "-bbox");
        const double twip = 72.0 / 1440.0, left = 2882 * twip, top = 1444 * twip;
        double right = left;
        for (int column = 0; column < TotalsGrid::kColumns; ++column)
            right += window.totalsGrid()->columnWidth(column) * 15 * twip;
        const QRectF title = wordBox(html, "Masonry"), heading = wordBox(html, "Labor"), block = wordBox(html, "Block"),
                     caption = wordBox(html, "Footings"), total = wordBox(html, "$1,334.50");
        QCOMPARE(html.count("<page "), 1);
        QVERIFY2(qAbs(title.left() - left) < 2 && title.top() > 0 && title.bottom() < top, qPrintable(html.left(3000)));
        QVERIFY(wordBox(html, "Summary").top() == title.top() && heading.top() > top &&
                heading.bottom() < top + window.totalsGrid()->rowHeight(0) * 15 * twip);
        QVERIFY(caption.left() > left && caption.left() < left + 6 && caption.top() > heading.bottom());
        QVERIFY(total.right() < right && total.right() > right - 8);
        QVERIFY(qAbs(block.center().y() - total.center().y()) < 2); // the Block row's caption and total on one line
    }
    // The workbook written into the documents folder and opened, cell by cell ("B15=": no cell), or
    // "!" and the message shown when it cannot be written or opened.
    void exportedCells_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QStringList>("posts"); // and a click on Totals, unless "none"
        QTest::addColumn<QString>("expected"); QTest::addColumn<int>("cellCount");
        // Headings, two totals captions, eight captioned rows of three zeros; a page button adds the
        // two sub totals and the grand total.
        const int atStart = 3 + 2 + 8 * 4, afterTotals = atStart + 3;
        QTest::newRow("right after start") << Answer::Yes << QStringList{"none"}
            << "A1= B1='Labor Cost C1='Material Cost D1='Total A2='Footings B2=0 C2=0 D2=0 A3='Piers A4='Rebar "
               "A5='Flatwork A6='Welded Wire A7='Block A8='Poured Walls A9='Brick B9=0 C9=0 D9=0 A10= B10= A14= "
               "A15='Sub Total B15= C15= D15= A18='Grand Total B18= C18= D18=" << atStart;
        QTest::newRow("No at the question") << Answer::No << QStringList{"none"} << "" << 0;
        // Totals in currency form with grouping, posted amounts in grid form: all numbers alike.
        QTest::newRow("block posted, then Totals") << Answer::Yes << QStringList{"6:100:$1,234.50"}
            << "A7='Block B7=100 C7=1234.5 D7=1334.5 B15=100 C15=1234.5 C18=1334.5 D15= B18= D18=" << afterTotals;
        QTest::newRow("posted, no page button") << Answer::Yes << QStringList{"6:100:$1,234.50", "none"}
            << "B7=100 C7=1234.5 D7=0 B15= C18=" << atStart;
        QTest::newRow("text that is no amount stays text") << Answer::Yes << QStringList{"8:abc:$12.00"}
            << "B9='abc C9=12 D9=12 B15=0 C15=12 C18=12" << afterTotals;
        QTest::newRow("parenthesised negative") << Answer::Yes << QStringList{"3:($5.00):$7.50"}
            << "B4=-5 C4=7.5 D4=2.5 B15=-5 C15=7.5 C18=2.5" << afterTotals;
        QTest::newRow("empty posted cell stays empty") << Answer::Yes << QStringList{"2::$5.00", "none"}
            << "B3= C3=5 D3=0" << atStart - 1;
        QTest::newRow("no spreadsheet program") << Answer::Yes << QStringList{"none", "no program"}
            << "!Mortarix / Information / Ok / Sorry, Unable To Execute That Request.\nYou Do Not Have MS - Excel "
               "Installed On Your Computer.\n" << atStart;
        QTest::newRow("unwritable folder") << Answer::Yes << QStringList{"none", "folder is a file"}
            << "!Mortarix / Warning / Ok / The Grid Could Not Be Exported.\n\n" << 0;
    }
    void exportedCells()
    {
        QFETCH(Answer, answer); QFETCH(QStringList, posts); QFETCH(QString, expected); QFETCH(int, cellCount);
        FakeDesktop desktop; MainWindow window; window.show();
        desktop.openSucceeds = !posts.contains("no program");
        QFile blocker(desktop.documents.path()); // a plain file where the folder should be
        const bool blocked = posts.contains("folder is a file");
        QVERIFY(!blocked || (QDir(blocker.fileName()).removeRecursively() && blocker.open(QIODevice::WriteOnly)));
        post(window, QStringList(posts).filter(":"), !posts.contains("none"));
        MessageAnswers answers({answer, Answer::Ok});
        QTest::mouseClick(button(window, "MyGRIDcmd_xprt"), Qt::LeftButton);
        QCOMPARE(answers.waitFor(0), "Mortarix / Question / Yes|No / You Must Have MS-Excel On Your Computer To "
                                     "Export \nThis Grid To A Spreadsheet.\n\nDo You Want To Continue?");
        const QString failure = answers.waitFor(1, expected.startsWith('!') ? 5000 : 50);
        const QString message = expected.startsWith('!') ? expected.mid(1) : QString();
        QCOMPARE(failure.left(message.size() ? message.size() : 100), message);
        QCOMPARE(filesIn(desktop.documents.path()).size(), cellCount ? 1 : 0); // nothing but the workbook
        QCOMPARE(desktop.documentsOpened.size(), cellCount ? 1 : 0);
        QVERIFY(!blocked || (QFileInfo(blocker.fileName()).isFile() && QFile::remove(blocker.fileName())));
        if (!cellCount)
            return;
        const QString path = desktop.documentsOpened.first(); // where the message says it is
        QVERIFY2(failure.isEmpty() || failure.endsWith(QDir::toNativeSeparators(path)), qPrintable(failure));
        QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(desktop.documents.path()).absoluteFilePath());
        const Workbook book = readWorkbook(path);
        QCOMPARE(book.sheets, QStringList{"Mortarix"});
        for (const QString &entry : expected.split(QRegularExpression(" (?=[A-D]\\d+=)")).filter("="))
            QCOMPARE(entry.section('=', 0, 0) + "=" + book.cells.value(entry.section('=', 0, 0)), entry);
        QCOMPARE(book.cells.size(), cellCount);
        for (auto it = book.cells.cbegin(); it != book.cells.cend(); ++it) // no trailing blanks, no odd formats
            QVERIFY2(!it->endsWith(' ') && !it->endsWith('?'), qPrintable(it.key() + "=" + it.value()));
    }
    // Each export takes a new name, keeps the earlier one, and fits its columns to their contents:
    // "$ 1,234,567.89 " needs more room than "Material Cost"; the captions did not change.
    void exportsInARow()
    {
        FakeDesktop desktop; MainWindow window; window.show();
        for (const char *posted : {"", "7:$250,000.00:1234567.89"}) {
            post(window, QStringList{posted}.filter(":"));
            MessageAnswers answers({Answer::Yes});
            QTest::mouseClick(button(window, "MyGRIDcmd_xprt"), Qt::LeftButton);
        }
        QCOMPARE(filesIn(desktop.documents.path()).size(), 2);
        QCOMPARE(desktop.documentsOpened.size(), 2);
        for (const QString &path : desktop.documentsOpened)
            QVERIFY2(QRegularExpression(R"(/Mortarix Totals \d{4}-\d\d-\d\d \d{6}( \(\d+\))?\.xlsx$)").match(path)
                         .hasMatch(), qPrintable(path));
        const Workbook narrow = readWorkbook(desktop.documentsOpened.at(0));
        const Workbook wide = readWorkbook(desktop.documentsOpened.at(1));
        QCOMPARE(narrow.cells.value("C8") + " " + wide.cells.value("C8"), "0 1234567.89");
        for (const auto &[column, longest] : {std::pair{1, 11}, {2, 10}, {3, 13}, {4, 5}})
            QVERIFY(narrow.widths.value(column) >= longest && narrow.widths.value(column) < longest + 6);
        QVERIFY(wide.widths.value(1) == narrow.widths.value(1) && wide.widths.value(2) > narrow.widths.value(2));
        QVERIFY(wide.widths.value(2) >= 12 && wide.widths.value(3) >= 14 && wide.widths.value(4) >= 14);
    }
};

MORTARIX_TEST_MAIN(TestTotals)
#include "tst_totals.moc"
