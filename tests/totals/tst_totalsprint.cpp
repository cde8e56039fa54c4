// "Print Grid . .": the totals grid printed on one page under its title, as real text.
#include "TotalsTestKit.h"

#include "support/FakeDesktop.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace TotalsTestKit;

namespace {

const QString kPrintQuestion =
    QStringLiteral("You Are About To Print This Grid,\n\nDo You Want To Continue?");

// Points per twip on the printed page.
constexpr double kPointsPerTwip = 72.0 / 1440.0;

struct Word
{
    QString text;
    QRectF box; // in points from the page's top-left corner
};

QByteArray runPdfToText(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// The PDF's text, its runs of blanks and line breaks made single blanks.
QString pdfText(const QString &path)
{
    return QString::fromUtf8(runPdfToText({QStringLiteral("-raw"), path, QStringLiteral("-")})).simplified();
}

QList<Word> pdfWords(const QString &path, int *pages)
{
    const QString html =
        QString::fromUtf8(runPdfToText({QStringLiteral("-bbox"), path, QStringLiteral("-")}));
    *pages = int(html.count(QStringLiteral("<page ")));
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        words << Word{match.captured(5).replace(QStringLiteral("&amp;"), QStringLiteral("&")),
                      QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                             QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))};
    }
    return words;
}

Word findWord(const QList<Word> &words, const QString &text)
{
    for (const Word &word : words) {
        if (word.text == text)
            return word;
    }
    return {};
}

std::function<std::unique_ptr<QPrinter>()> pdfPrinter(const QString &path, int *made)
{
    return [path, made] {
        ++*made;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        return printer;
    };
}

} // namespace

class TestTotalsPrint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is needed to read the printed page; run scripts/deps.sh");
    }

    void printButton()
    {
        MainWindow window;
        QPushButton *print = button(window, "MYTotalscmd_Print");
        QVERIFY(print);
        QCOMPARE(print->text(), QStringLiteral("Print Grid . ."));
    }

    void printsTheGridAsText_data()
    {
        QTest::addColumn<bool>("defaultPrinter");
        QTest::addColumn<int>("printDialogs");
        QTest::newRow("default printer") << true << 0;
        QTest::newRow("no default printer: print dialog, to a file") << false << 1;
    }

    void printsTheGridAsText()
    {
        QFETCH(bool, defaultPrinter);
        QFETCH(int, printDialogs);
        QTemporaryDir folder;
        const QString pdf = QDir(folder.path()).filePath(QStringLiteral("totals.pdf"));
        FakeDesktop desktop;
        int made = 0;
        if (defaultPrinter)
            desktop.makeDefaultPrinter = pdfPrinter(pdf, &made);
        desktop.printDialogAccepts = true;
        desktop.pdfPath = pdf;

        MainWindow window;
        window.show();
        post(window, {{6, "100", "$1,234.50"}, {1, "$0.10", "$0.20"}});
        TotalsTestKit::clickTotals(window);
        TestSupport::MessageAnswers answers({QMessageBox::Ok});
        QTest::mouseClick(button(window, "MYTotalscmd_Print"), Qt::LeftButton);

        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen.at(0).text, kPrintQuestion);
        QCOMPARE(answers.seen.at(0).title, QStringLiteral("Mortarix"));
        QCOMPARE(answers.seen.at(0).icon, QMessageBox::Question);
        QCOMPARE(answers.seen.at(0).buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(desktop.printDialogs, printDialogs);
        QCOMPARE(made, defaultPrinter ? 1 : 0);
        QVERIFY(QFileInfo(pdf).size() > 0);

        const QString text = pdfText(pdf);
        const QStringList expected = {
            "Masonry Summary", "Labor Cost", "Material Cost", "Total", "Footings", "Piers", "Rebar",
            "Flatwork", "Welded Wire", "Block", "Poured Walls", "Brick", "Sub Total", "Grand Total",
            // Posted amounts in grid form, computed totals in currency form, as the grid shows them.
            "$100.00", "$1234.50", "$1,334.50", "$100.10", "$1,234.70", "$0.30", "$1,334.80"};
        for (const QString &piece : expected)
            QVERIFY2(text.contains(piece), qPrintable(piece + QStringLiteral(" missing from: ") + text));
        // Printing reads the grid; it neither recomputes nor reformats it.
        QCOMPARE(window.totalsGrid()->cell(6, 3), QStringLiteral("$1,334.50"));
    }

    void pageLayout()
    {
        QTemporaryDir folder;
        const QString pdf = QDir(folder.path()).filePath(QStringLiteral("layout.pdf"));
        FakeDesktop desktop;
        int made = 0;
        desktop.makeDefaultPrinter = pdfPrinter(pdf, &made);
        MainWindow window;
        window.show();
        post(window, {{6, "100", "$1,234.50"}});
        TotalsTestKit::clickTotals(window);
        TestSupport::MessageAnswers answers({QMessageBox::Ok});
        QTest::mouseClick(button(window, "MYTotalscmd_Print"), Qt::LeftButton);
        QCOMPARE(answers.seen.size(), 1);

        int pages = 0;
        const QList<Word> words = pdfWords(pdf, &pages);
        QCOMPARE(pages, 1);
        const double gridLeft = (2880 + 2) * kPointsPerTwip;
        const double gridTop = (1440 + 4) * kPointsPerTwip;
        TotalsGrid *grid = window.totalsGrid();
        double gridRight = gridLeft;
        for (int column = 0; column < TotalsGrid::kColumns; ++column)
            gridRight += grid->columnWidth(column) * 15 * kPointsPerTwip;

        // The title stands above the grid, at its left edge, on the page.
        const Word title = findWord(words, QStringLiteral("Masonry"));
        QVERIFY(!title.text.isEmpty());
        QVERIFY2(qAbs(title.box.left() - gridLeft) < 2.0, qPrintable(QString::number(title.box.left())));
        QVERIFY(title.box.top() > 0);
        QVERIFY(title.box.bottom() < gridTop);
        QCOMPARE(findWord(words, QStringLiteral("Summary")).box.top(), title.box.top());

        // Headings in the grid's first row, captions at its left edge, amounts to the right.
        const Word heading = findWord(words, QStringLiteral("Labor"));
        QVERIFY(heading.box.top() > gridTop);
        QVERIFY(heading.box.bottom() < gridTop + grid->rowHeight(0) * 15 * kPointsPerTwip);
        const Word caption = findWord(words, QStringLiteral("Footings"));
        QVERIFY(caption.box.left() > gridLeft);
        QVERIFY(caption.box.left() < gridLeft + 6);
        QVERIFY(caption.box.top() > heading.box.bottom());
        const Word rowTotal = findWord(words, QStringLiteral("$1,334.50"));
        QVERIFY(rowTotal.box.right() < gridRight);
        QVERIFY(rowTotal.box.right() > gridRight - 8);
        // The Block row: its caption and its row total on one line.
        const Word block = findWord(words, QStringLiteral("Block"));
        QVERIFY(qAbs(block.box.center().y() - rowTotal.box.center().y()) < 2.0);
        const Word grand = findWord(words, QStringLiteral("Grand"));
        QVERIFY(grand.box.top() > block.box.bottom());
    }

    void nothingPrintedWithoutConsent_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("defaultPrinter");
        QTest::addColumn<bool>("dialogAccepts");
        QTest::addColumn<int>("printersMade");
        QTest::addColumn<int>("printDialogs");
        QTest::newRow("cancel at the question, default printer")
            << QMessageBox::Cancel << true << true << 0 << 0;
        QTest::newRow("cancel at the question, no default printer")
            << QMessageBox::Cancel << false << true << 0 << 0;
        QTest::newRow("print dialog cancelled") << QMessageBox::Ok << false << false << 0 << 1;
    }

    void nothingPrintedWithoutConsent()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, defaultPrinter);
        QFETCH(bool, dialogAccepts);
        QFETCH(int, printersMade);
        QFETCH(int, printDialogs);
        QTemporaryDir folder;
        const QString pdf = QDir(folder.path()).filePath(QStringLiteral("never.pdf"));
        FakeDesktop desktop;
        int made = 0;
        if (defaultPrinter)
            desktop.makeDefaultPrinter = pdfPrinter(pdf, &made);
        desktop.printDialogAccepts = dialogAccepts;
        desktop.pdfPath = pdf;

        MainWindow window;
        window.show();
        TestSupport::MessageAnswers answers({answer});
        QTest::mouseClick(button(window, "MYTotalscmd_Print"), Qt::LeftButton);
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen.at(0).text, kPrintQuestion);
        QCOMPARE(made, printersMade);
        QCOMPARE(desktop.printDialogs, printDialogs);
        QVERIFY(!QFileInfo::exists(pdf));
    }

    void printerFailureIsReported()
    {
        QTemporaryDir folder;
        // The output file lies in a folder that does not exist: the printer cannot start.
        const QString pdf = QDir(folder.path()).filePath(QStringLiteral("missing/totals.pdf"));
        FakeDesktop desktop;
        int made = 0;
        desktop.makeDefaultPrinter = pdfPrinter(pdf, &made);
        MainWindow window;
        window.show();
        TestSupport::MessageAnswers answers({QMessageBox::Ok, QMessageBox::Ok});
        QTest::mouseClick(button(window, "MYTotalscmd_Print"), Qt::LeftButton);
        QTRY_COMPARE(answers.seen.size(), 2);
        QCOMPARE(made, 1);
        const TestSupport::ShownMessage failure = answers.seen.at(1);
        QVERIFY2(failure.text.startsWith(QStringLiteral("The Grid Could Not Be Printed.")),
                 qPrintable(failure.text));
        QVERIFY(failure.text.contains(QDir::toNativeSeparators(pdf)));
        QCOMPARE(failure.icon, QMessageBox::Warning);
        QCOMPARE(failure.title, QStringLiteral("Mortarix"));
        QVERIFY(!QFileInfo::exists(pdf));
    }
};

MORTARIX_TEST_MAIN(TestTotalsPrint)
#include "tst_totalsprint.moc"
