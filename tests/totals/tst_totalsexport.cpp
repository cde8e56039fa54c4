// "Export Grid . . ": the totals grid written as a real workbook into the documents folder.
#include "TotalsTestKit.h"

#include "support/FakeDesktop.h"
#include "core/TotalsExport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <zip.h>

using namespace TotalsTestKit;

namespace {

const QString kAccounting = QStringLiteral(R"(_("$"* #,##0.00_);_("$"* \(#,##0.00\);_("$"* "-"??_);_(@_))");

// One cell of the sheet as the spreadsheet reads it.
struct Cell
{
    bool number = false;
    QString text;
    double value = 0;
    QString format; // the number format's code; empty for the general format
};

struct Workbook
{
    bool readable = false;
    QStringList sheetNames;
    QMap<QString, Cell> cells; // by reference, "B7"
    QMap<int, double> widths;  // by 1-based column
};

QByteArray zipEntry(zip_t *archive, const char *name)
{
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive, name, 0, &stat) != 0)
        return {};
    zip_file_t *file = zip_fopen(archive, name, 0);
    if (!file)
        return {};
    QByteArray data(qsizetype(stat.size), '\0');
    if (zip_fread(file, data.data(), stat.size) != zip_int64_t(stat.size))
        data.clear();
    zip_fclose(file);
    return data;
}

Workbook readWorkbook(const QString &path)
{
    Workbook book;
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return book;
    const QByteArray workbookXml = zipEntry(archive, "xl/workbook.xml");
    const QByteArray stringsXml = zipEntry(archive, "xl/sharedStrings.xml");
    const QByteArray stylesXml = zipEntry(archive, "xl/styles.xml");
    const QByteArray sheetXml = zipEntry(archive, "xl/worksheets/sheet1.xml");
    zip_discard(archive);
    book.readable = !workbookXml.isEmpty() && !sheetXml.isEmpty() && !stylesXml.isEmpty();

    for (QXmlStreamReader xml(workbookXml); !xml.atEnd();) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet")
            book.sheetNames << xml.attributes().value(QLatin1String("name")).toString();
    }

    QStringList strings;
    for (QXmlStreamReader xml(stringsXml); !xml.atEnd();) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si")
            strings << QString();
        else if (xml.isStartElement() && xml.name() == u"t" && !strings.isEmpty())
            strings.last() += xml.readElementText();
    }

    QMap<int, QString> formatCodes{{44, kAccounting}};
    QList<int> styleFormats;
    bool inCellXfs = false;
    for (QXmlStreamReader xml(stylesXml); !xml.atEnd();) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"numFmt")
            formatCodes.insert(xml.attributes().value(QLatin1String("numFmtId")).toInt(),
                               xml.attributes().value(QLatin1String("formatCode")).toString());
        else if (xml.name() == u"cellXfs")
            inCellXfs = xml.isStartElement();
        else if (inCellXfs && xml.isStartElement() && xml.name() == u"xf")
            styleFormats << xml.attributes().value(QLatin1String("numFmtId")).toInt();
    }

    for (QXmlStreamReader xml(sheetXml); !xml.atEnd();) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"col") {
            const int first = xml.attributes().value(QLatin1String("min")).toInt();
            const int last = xml.attributes().value(QLatin1String("max")).toInt();
            for (int column = first; column <= last; ++column)
                book.widths.insert(column, xml.attributes().value(QLatin1String("width")).toDouble());
        } else if (xml.name() == u"c") {
            const QString ref = xml.attributes().value(QLatin1String("r")).toString();
            const QString type = xml.attributes().value(QLatin1String("t")).toString();
            const int style = xml.attributes().value(QLatin1String("s")).toInt();
            Cell cell;
            cell.format = formatCodes.value(styleFormats.value(style));
            while (xml.readNextStartElement()) {
                const QString value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                if (type == u"s")
                    cell.text = strings.value(value.toInt());
                else if (type == u"inlineStr" || type == u"str")
                    cell.text = value;
                else {
                    cell.number = true;
                    cell.value = value.toDouble();
                }
            }
            book.cells.insert(ref, cell);
        }
    }
    return book;
}

QStringList workbooksIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

const QString kExportQuestion = QStringLiteral("You Must Have MS-Excel On Your Computer To Export \nThis "
                                               "Grid To A Spreadsheet.\n\nDo You Want To Continue?");

} // namespace

class TestTotalsExport : public QObject
{
    Q_OBJECT

private:
    // Clicks "Export Grid . . " and answers Yes; returns the workbook it opened.
    static QString exportNow(MainWindow &window, FakeDesktop &desktop)
    {
        const qsizetype before = desktop.documentsOpened.size();
        TestSupport::MessageAnswers answers({QMessageBox::Yes});
        QTest::mouseClick(button(window, "MyGRIDcmd_xprt"), Qt::LeftButton);
        if (answers.seen.size() != 1 || desktop.documentsOpened.size() != before + 1)
            return {};
        return desktop.documentsOpened.last();
    }

private slots:
    void buttonAndHint()
    {
        MainWindow window;
        QPushButton *exportButton = button(window, "MyGRIDcmd_xprt");
        QVERIFY(exportButton);
        QCOMPARE(exportButton->text(), QStringLiteral("Export Grid . . "));
        QLabel *hint = nullptr;
        for (QLabel *label : window.findChildren<QLabel *>()) {
            if (label->buddy() == exportButton)
                hint = label;
        }
        QVERIFY(hint);
        QCOMPARE(hint->text(), QStringLiteral("Export This Grid To Excel"));
    }

    void exportedCells_data()
    {
        QTest::addColumn<QList<Post>>("posts");
        QTest::addColumn<bool>("clickTotals");
        QTest::addColumn<QStringList>("expected"); // "B7=100" a number, "A7='Block" text, "B15=" empty
        QTest::addColumn<int>("cellCount");

        const QStringList start =
            QStringLiteral("A1=;B1='Labor Cost;C1='Material Cost;D1='Total;"
                           "A2='Footings;B2=0;C2=0;D2=0;A3='Piers;A4='Rebar;"
                           "A5='Flatwork;A6='Welded Wire;A7='Block;A8='Poured Walls;"
                           "A9='Brick;B9=0;C9=0;D9=0;A10=;B10=;A14=;"
                           "A15='Sub Total;B15=;C15=;D15=;A18='Grand Total;B18=;C18=;D18=")
                .split(QLatin1Char(';'));
        // Headings, two totals captions, eight captioned rows of three zeros; nothing else.
        const int kAtStart = 3 + 2 + 8 * 4;
        // A page button adds the two sub totals and the grand total.
        const int kAfterTotals = kAtStart + 3;
        QTest::newRow("right after start") << QList<Post>{} << false << start << kAtStart;
        QTest::newRow("page button without posts")
            << QList<Post>{} << true
            << QStringList{"B7=0", "D7=0", "B15=0", "C15=0", "D15=", "B18=", "C18=0", "D18="} << kAfterTotals;
        // Totals in currency form with grouping, posted amounts in grid form: all numbers alike.
        QTest::newRow("block posted, then Totals")
            << QList<Post>{{6, "100", "$1,234.50"}} << true
            << QStringList{"A7='Block",  "B7=100",     "C7=1234.5", "D7=1334.5", "B15=100",
                           "C15=1234.5", "C18=1334.5", "D15=",      "B18=",      "D18="}
            << kAfterTotals;
        // Posting alone computes nothing; the texts as posted still read as amounts.
        QTest::newRow("posted, no page button")
            << QList<Post>{{6, "100", "$1,234.50"}} << false
            << QStringList{"B7=100", "C7=1234.5", "D7=0", "B15=", "C18="} << kAtStart;
        QTest::newRow("text that is no amount stays text")
            << QList<Post>{{8, "abc", "$12.00"}} << true
            << QStringList{"B9='abc", "C9=12", "D9=12", "B15=0", "C15=12", "C18=12"} << kAfterTotals;
        QTest::newRow("parenthesised negative")
            << QList<Post>{{3, "($5.00)", "$7.50"}} << true
            << QStringList{"B4=-5", "C4=7.5", "D4=2.5", "B15=-5", "C15=7.5", "C18=2.5"} << kAfterTotals;
        QTest::newRow("large amount keeps its cents")
            << QList<Post>{{7, "$0.00", "1234567.89"}, {1, "$0.10", "$0.20"}} << true
            << QStringList{"C8=1234567.89", "D8=1234567.89",  "B2=0.1",        "C2=0.2",
                           "D2=0.3",        "C15=1234568.09", "C18=1234568.19"}
            << kAfterTotals;
        QTest::newRow("empty posted cell stays empty")
            << QList<Post>{{2, "", "$5.00"}} << false << QStringList{"B3=", "C3=5", "D3=0"} << kAtStart - 1;
    }

    void exportedCells()
    {
        QFETCH(QList<Post>, posts);
        QFETCH(bool, clickTotals);
        QFETCH(QStringList, expected);
        QFETCH(int, cellCount);

        FakeDesktop desktop;
        MainWindow window;
        window.show();
        post(window, posts);
        if (clickTotals)
            TotalsTestKit::clickTotals(window);

        const QString path = exportNow(window, desktop);
        QVERIFY(!path.isEmpty());
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(desktop.documents.path()).absolutePath());
        const Workbook book = readWorkbook(path);
        QVERIFY(book.readable);
        QCOMPARE(book.sheetNames, QStringList{QStringLiteral("Mortarix")});

        for (const QString &entry : expected) {
            const QString ref = entry.section(QLatin1Char('='), 0, 0);
            const QString want = entry.section(QLatin1Char('='), 1);
            const Cell cell = book.cells.value(ref);
            if (want.isEmpty()) {
                QVERIFY2(!book.cells.contains(ref), qPrintable(ref + QStringLiteral(" should be empty")));
            } else if (want.startsWith(QLatin1Char('\''))) {
                QVERIFY2(book.cells.contains(ref) && !cell.number,
                         qPrintable(ref + QStringLiteral(" is no text")));
                QCOMPARE(cell.text, want.mid(1));
            } else {
                QVERIFY2(book.cells.contains(ref) && cell.number,
                         qPrintable(ref + QStringLiteral(" is no number")));
                QCOMPARE(cell.value, want.toDouble());
                QCOMPARE(cell.format, kAccounting);
            }
        }
        QCOMPARE(book.cells.size(), cellCount);
        // No cell keeps a trailing blank, and only numbers carry the accounting format.
        for (auto it = book.cells.cbegin(); it != book.cells.cend(); ++it) {
            QVERIFY2(!it->text.endsWith(QLatin1Char(' ')), qPrintable(it.key()));
            if (!it->number)
                QVERIFY2(it->format.isEmpty(), qPrintable(it.key()));
        }
        // Nothing but the workbook is left in the folder.
        QCOMPARE(workbooksIn(desktop.documents.path()), QStringList{QFileInfo(path).fileName()});
    }

    void columnWidthsFitTheirContents()
    {
        FakeDesktop desktop;
        MainWindow window;
        window.show();
        const Workbook narrow = readWorkbook(exportNow(window, desktop));
        post(window, {{7, "$250,000.00", "1234567.89"}});
        TotalsTestKit::clickTotals(window);
        const Workbook wide = readWorkbook(exportNow(window, desktop));
        QVERIFY(narrow.readable && wide.readable);

        const QStringList longest = {"Grand Total", "Labor Cost", "Material Cost", "Total"};
        for (int column = 1; column <= 4; ++column) {
            QVERIFY(narrow.widths.contains(column));
            QVERIFY(narrow.widths.value(column) >= longest.at(column - 1).size());
            QVERIFY(narrow.widths.value(column) < longest.at(column - 1).size() + 6);
        }
        // "$ 1,234,567.89 " needs more room than "Material Cost"; captions did not change.
        QCOMPARE(wide.widths.value(1), narrow.widths.value(1));
        QVERIFY(wide.widths.value(2) > narrow.widths.value(2));
        QVERIFY(wide.widths.value(2) >= QStringLiteral("$ 250,000.00").size());
        QVERIFY(wide.widths.value(3) >= QStringLiteral("$ 1,234,567.89").size());
        QVERIFY(wide.widths.value(4) >= QStringLiteral("$ 1,484,567.89").size());
    }

    void questionNoWritesNothing_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("written");
        QTest::newRow("yes") << QMessageBox::Yes << true;
        QTest::newRow("no") << QMessageBox::No << false;
    }

    void questionNoWritesNothing()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, written);
        FakeDesktop desktop;
        MainWindow window;
        window.show();
        TestSupport::MessageAnswers answers({answer});
        QTest::mouseClick(button(window, "MyGRIDcmd_xprt"), Qt::LeftButton);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen.at(0).text, kExportQuestion);
        QCOMPARE(answers.seen.at(0).title, QStringLiteral("Mortarix"));
        QCOMPARE(answers.seen.at(0).icon, QMessageBox::Question);
        QCOMPARE(answers.seen.at(0).buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(workbooksIn(desktop.documents.path()).size(), written ? 1 : 0);
        QCOMPARE(desktop.documentsOpened.size(), written ? 1 : 0);
    }

    void secondExportKeepsTheFirst()
    {
        FakeDesktop desktop;
        MainWindow window;
        window.show();
        const QString first = exportNow(window, desktop);
        post(window, {{6, "100", "$1,234.50"}});
        TotalsTestKit::clickTotals(window);
        const QString second = exportNow(window, desktop);

        QVERIFY(!first.isEmpty());
        QVERIFY(!second.isEmpty());
        QVERIFY(first != second);
        const QRegularExpression name(
            QStringLiteral(R"(^Mortarix Totals \d{4}-\d\d-\d\d \d{6}( \(\d+\))?\.xlsx$)"));
        QVERIFY2(name.match(QFileInfo(first).fileName()).hasMatch(), qPrintable(first));
        QVERIFY2(name.match(QFileInfo(second).fileName()).hasMatch(), qPrintable(second));
        QCOMPARE(workbooksIn(desktop.documents.path()).size(), 2);
        // The first still holds the grid as it was.
        QCOMPARE(readWorkbook(first).cells.value(QStringLiteral("B7")).value, 0.0);
        QVERIFY(!readWorkbook(first).cells.contains(QStringLiteral("B15")));
        QCOMPARE(readWorkbook(second).cells.value(QStringLiteral("B7")).value, 100.0);
        QCOMPARE(readWorkbook(second).cells.value(QStringLiteral("C18")).value, 1334.5);
    }

    void namesNeverOverwrite_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        const QString base = QStringLiteral("Mortarix Totals 2024-03-05 071509");
        QTest::newRow("free") << QStringList{} << base + ".xlsx";
        QTest::newRow("taken") << QStringList{base + ".xlsx"} << base + " (2).xlsx";
        QTest::newRow("taken twice") << QStringList{base + ".xlsx", base + " (2).xlsx"} << base + " (3).xlsx";
        QTest::newRow("only a later one taken") << QStringList{base + " (2).xlsx"} << base + ".xlsx";
        QTest::newRow("other second")
            << QStringList{"Mortarix Totals 2024-03-05 071508.xlsx"} << base + ".xlsx";
    }

    void namesNeverOverwrite()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        QTemporaryDir folder;
        for (const QString &name : existing) {
            QFile file(QDir(folder.path()).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("earlier");
        }
        const QDateTime when(QDate(2024, 3, 5), QTime(7, 15, 9));
        const TotalsExport::GridTexts cells = {{"", "Labor Cost"}, {"Footings", "$1.00"}};

        const TotalsExport::Result result = TotalsExport::writeWorkbook(cells, folder.path(), when);
        QVERIFY2(result.ok(), qPrintable(result.error));
        QCOMPARE(result.path, QDir(folder.path()).filePath(expected));
        QCOMPARE(readWorkbook(result.path).cells.value(QStringLiteral("B2")).value, 1.0);
        for (const QString &name : existing) {
            QFile file(QDir(folder.path()).filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("earlier"));
        }
        QCOMPARE(workbooksIn(folder.path()).size(), existing.size() + 1);
    }

    void unopenedWorkbookSaysWhereItIs()
    {
        FakeDesktop desktop;
        desktop.openSucceeds = false;
        MainWindow window;
        window.show();
        TestSupport::MessageAnswers answers({QMessageBox::Yes, QMessageBox::Ok});
        QTest::mouseClick(button(window, "MyGRIDcmd_xprt"), Qt::LeftButton);
        QTRY_COMPARE(answers.seen.size(), 2);
        QCOMPARE(desktop.documentsOpened.size(), 1);
        const QString path = desktop.documentsOpened.first();
        QVERIFY(QFileInfo::exists(path));
        const TestSupport::ShownMessage sorry = answers.seen.at(1);
        QCOMPARE(sorry.title, QStringLiteral("Mortarix"));
        QCOMPARE(sorry.icon, QMessageBox::Information);
        QCOMPARE(sorry.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(sorry.text.startsWith(QStringLiteral("Sorry, Unable To Execute That Request.\nYou Do Not "
                                                     "Have MS - Excel Installed On Your Computer.\n")));
        QVERIFY2(sorry.text.endsWith(QDir::toNativeSeparators(path)), qPrintable(sorry.text));
    }

    void unwritableFolderIsReported()
    {
        FakeDesktop desktop;
        // A plain file where the documents folder should be: nothing can be written there.
        const QString folder = desktop.documents.path();
        QVERIFY(QDir(folder).removeRecursively());
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        MainWindow window;
        window.show();
        TestSupport::MessageAnswers answers({QMessageBox::Yes, QMessageBox::Ok});
        QTest::mouseClick(button(window, "MyGRIDcmd_xprt"), Qt::LeftButton);
        QTRY_COMPARE(answers.seen.size(), 2);
        QVERIFY(answers.seen.at(1).text.startsWith(QStringLiteral("The Grid Could Not Be Exported.\n\n")));
        QCOMPARE(answers.seen.at(1).icon, QMessageBox::Warning);
        QVERIFY(desktop.documentsOpened.isEmpty());
        QVERIFY(QFileInfo(folder).isFile());
        QVERIFY(QFile::remove(folder));
    }
};

MORTARIX_TEST_MAIN(TestTotalsExport)
#include "tst_totalsexport.moc"
