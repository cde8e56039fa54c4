// The estimate for the customer: what each Send records, the PDF read back with pdftotext and
// pdfinfo, its page size, pages and repeated table heading, and the commands' failures.
#include "support/FakeDesktop.h"
#include "support/CalculatorTestKit.h"

#include "calculators/CalculatorPage.h"
#include "core/Estimate.h"
#include "shell/EstimateCommands.h"
#include "shell/JobSession.h"
#include "shell/MainWindow.h"

#include <QtWidgets>

using TestSupport::MessageAnswers;
using Answer = QMessageBox::StandardButton;

namespace {

// Every page filled and sent, the footing as the user guide prices it, details and notes.
void priceEverything(MainWindow &window)
{
    window.findChild<QRadioButton *>("rbropt_visible(2)")->click();
    window.findChild<QRadioButton *>("Option3(1)")->click();
    window.findChild<QRadioButton *>("BLCKopt(0)")->click();
    CalculatorTestKit::fillEveryPage(window);
    window.findChild<QLineEdit *>("MyFNGtbx_lngth")->setText("100");
    window.findChild<QLineEdit *>("MyFNGcbx_CPCY")->setText("85");
    window.findChild<QLineEdit *>("myADDSigntbx(6)")->setText("250");
    CalculatorTestKit::sendEveryPage(window);
    QTest::mouseClick(window.pageButton(MainWindow::kTotalsPage), Qt::LeftButton);
    Job job = window.jobs()->capture();
    job.details = {"Miller garage", "Ann Miller", "12 Oak St", "555-0100", "", QDate(2026, 12, 7), "E-1042",
                   "Gate code 12"};
    job.notes = "{\\rtf1\\ansi Pour on {\\b Tuesday}\\par}";
    window.jobs()->apply(job);
}

} // namespace

class TestEstimate : public QObject
{
    Q_OBJECT

private slots:
    // Each Send records what was measured, in the page's own units, and the price per unit; the PDF
    // holds every row and sum as text, on the locale's paper, and the material list last.
    void exportPdf()
    {
        FakeDesktop desktop;
        const BusinessDetails details{.name = "Stone & Sons Masonry", .address = "4 Quarry Road\nSpringfield",
                                      .phone = "", .email = "", .licence = "MA-55123", .taxRate = "7.25",
                                      .terms = "Half on acceptance, half on completion.",
                                      .logoPath = desktop.documents.filePath("logo.png"), .addMaterialList = true};
        QImage logo(400, 200, QImage::Format_RGB32);
        logo.fill(Qt::darkRed);
        QVERIFY(logo.save(details.logoPath) && details.save());
        MainWindow window; window.show();
        priceEverything(window);
        QStringList records;
        for (const PostedRecord &record : window.jobs()->postedRecords())
            records << QString("%1|%2|%3|%4").arg(record.item, record.description, record.quantity, record.unitPrice);
        QCOMPARE(records, (QStringList{
            "Footings|Footing 24 in wide, 24 in deep, 100 ft long|12 cu yd|$85.00 per cu yd",
            "Piers|25 piers, 24 in by 24 in, 144 in deep|12 cu yd|$12.00 per cu yd",
            "Rebar|Rebar 5/8\", horizontal 12 lin ft, vertical 12 lin ft, mats 72 in by 72 in at 12 in, 30 mats|"
            "12 lin ft|$12.00 per lin ft",
            "Flatwork|Slab 12 ft by 12 ft, 6 in thick|12 cu yd|$12.00 per cu yd",
            "Welded Wire|Welded wire for 12 ft by 12 ft, 500 ft rolls|12 rolls|$12.00 per roll",
            "Block|8 x 8 x 16 block, wall 25 ft high, 12 ft long|12 blocks|$12.00 per block",
            "Poured Walls|Wall 25 ft high, 500 ft long, 12 in thick|12 cu yd|$12.00 per cu yd",
            "Brick|6 x 4 x 12 brick, wall 12 ft by 25 ft|12 bricks|$12.00 per brick"}));
        const QString path = window.estimates()->exportPdf();
        QCOMPARE(QFileInfo(path).fileName(), "Estimate E-1042 Miller garage 2026-12-07.pdf");
        QCOMPARE(desktop.documentsOpened, QStringList{path});
        const QString text = TestSupport::output("pdftotext", {"-layout", path, "-"}).simplified();
        const QString info = TestSupport::output("pdfinfo", {path});
        QVERIFY2(info.contains("612 x 792 pts (letter)"), qPrintable(info));
        const QString pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1);
        // Labour $250 and 7 x $12; eight materials of $12.00, taxed at 7.25 %: $6.96.
        QStringList expected{"Stone & Sons Masonry", "4 Quarry Road", "Licence MA-55123", "ESTIMATE",
                             "Estimate No. E-1042", "Valid until Wednesday, January 6, 2027", "Prepared for",
                             "Ann Miller", "Job Miller garage", "Labour sub total $334.00", "Material sub total $96.00",
                             "Tax on material (7.25 %) $6.96", "Estimate total $436.96", "Accepted by",
                             "Remarks Gate code 12 Notes Pour on Tuesday Terms",
                             "Half on acceptance, half on completion.", "Page 1 of " + pages,
                             "Page " + pages + " of " + pages};
        for (const PostedRecord &record : window.jobs()->postedRecords())
            expected << record.item << record.quantity << record.unitPrice;
        for (const QString &line : std::as_const(expected))
            QVERIFY2(text.contains(line), qPrintable(line + "\n---\n" + text));
        QVERIFY(!text.contains("E-mail")); // an empty detail leaves no label
        // The logo as a picture, drawn 160 wide at 96 to the inch: its 400 pixels at 240 to the inch.
        const QStringList images = TestSupport::output("pdfimages", {"-list", path}).split('\n').filter(" image ");
        QCOMPARE(images.size(), 1);
        QVERIFY2(images.value(0).simplified().contains(" image 400 200 rgb ") &&
                     images.value(0).simplified().contains(" 240 240 "), qPrintable(images.value(0)));
        const QString last = TestSupport::output("pdftotext", {"-f", pages, "-l", pages, "-layout", path, "-"});
        QVERIFY2(last.simplified().contains("Material list Item Material Quantity Unit Factor Footings Ready-mix "
                                            "concrete 12.75 cu yd"), qPrintable(last));
        // Again: a new file beside the first, never over it.
        QCOMPARE(QFileInfo(window.estimates()->exportPdf()).fileName(),
                 "Estimate E-1042 Miller garage 2026-12-07 (2).pdf");
    }

    void paper_data()
    {
        QTest::addColumn<QLocale>("locale"); QTest::addColumn<QString>("size"); QTest::addColumn<QString>("name");
        const QString a4 = "595 x 842 pts (A4)";
        QTest::newRow("US") << QLocale(QLocale::English, QLocale::UnitedStates) << "612 x 792 pts (letter)" << "山田太郎";
        QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << a4 << "Zoë Ångström-Müller";
        QTest::newRow("UK") << QLocale(QLocale::English, QLocale::UnitedKingdom) << a4 << "שרה כהן";
        QTest::newRow("Egypt") << QLocale(QLocale::Arabic, QLocale::Egypt) << a4 << "سارة حداد";
    }
    // Long tables and notes run on over pages, the table's heading repeated, each page numbered;
    // names and notes in any script come out as text.
    void paper()
    {
        QFETCH(QLocale, locale); QFETCH(QString, size); QFETCH(QString, name);
        Estimate estimate;
        estimate.details.customer = name;
        for (int i = 0; i < 80; ++i)
            estimate.lines.append({1, QString("Item %1").arg(i), "Wall 8 ft high", "19.84 cu yd", "$85.00 per cu yd",
                                   Numbers::Currency(), Numbers::Currency(), Numbers::Currency()});
        QString notes;
        for (int i = 0; i < 150; ++i)
            notes += QString("Note line %1 \\u1575? \\u26085?\\par ").arg(i);
        estimate.notes = ("{\\rtf1\\ansi " + notes + "}").toUtf8();
        QTemporaryDir dir;
        const QString path = dir.filePath("long.pdf");
        QCOMPARE(EstimateDocument::writePdf(estimate, path, locale), "");
        const QString info = TestSupport::output("pdfinfo", {path});
        QVERIFY2(info.contains(size), qPrintable(info));
        const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
        QVERIFY2(pages >= 4, qPrintable(info));
        for (int page = 1; page <= pages; ++page) {
            const QString number = QString::number(page);
            const QString text = TestSupport::output("pdftotext", {"-f", number, "-l", number, path, "-"});
            QVERIFY2(text.contains(QString("Page %1 of %2").arg(page).arg(pages)), qPrintable(text));
            if (text.contains("Item 7"))
                QVERIFY2(text.contains("Unit price"), qPrintable(text));
        }
        // Compared without blanks, direction marks and presentation forms, which text extraction adds.
        static const QRegularExpression extras(u"[\\s\u200e\u200f\u202a-\u202e]"_qs);
        const QString text =
            TestSupport::output("pdftotext", {path, "-"}).normalized(QString::NormalizationForm_KC).remove(extras);
        QVERIFY(text.contains("Item79") && text.contains(u"日"));
        QVERIFY2(text.contains(QString(name).remove(extras)), qPrintable(text.left(400)));
    }

    // Sums past the range of money give no estimate rather than a wrong one.
    void outOfRange()
    {
        Job job;
        job.totals = {{1, "", "$500,000,000,000,000.00"}, {2, "$1.00", "$500,000,000,000,000.00"}};
        job.posted = {{1, "Footings", "", "", "", "", "", "", {}}, {2, "Piers", "", "", "", "", "", "", {}}};
        QVERIFY(!Estimate::of(job, BusinessDetails()));
        job.totals[1].material = "$5.00";
        const std::optional<Estimate> estimate = Estimate::of(job, BusinessDetails());
        QVERIFY(estimate && estimate->total == Numbers::readCurrency(u"500000000000006"));
    }

    // With nothing sent each command says so; a write that fails, or no viewer, is reported.
    void failures_data()
    {
        QTest::addColumn<QString>("how"); QTest::addColumn<QString>("message");
        QTest::newRow("nothing sent") << "nothing" << "Nothing has been sent to the Totals page yet.";
        QTest::newRow("folder gone") << "gone" << "The estimate cannot be saved to";
        QTest::newRow("no viewer") << "no viewer" << "but no program to show it was found.";
        QTest::newRow("print cancelled") << "cancel" << "";
        QTest::newRow("printed") << "print" << "";
        QTest::newRow("previewed") << "preview" << "";
    }
    void failures()
    {
        QFETCH(QString, how); QFETCH(QString, message);
        FakeDesktop desktop;
        MainWindow window; window.show();
        if (how != "nothing")
            priceEverything(window);
        QTemporaryDir dir;
        desktop.pdfPath = dir.filePath("printed.pdf");
        desktop.printDialogAccepts = how == "print";
        desktop.openSucceeds = how != "no viewer";
        if (how == "gone")
            QVERIFY(desktop.documents.remove());
        MessageAnswers answers({Answer::Ok});
        QString previewed;
        auto preview = TestSupport::onNextModalWidget([&previewed](QWidget *dialog) {
            previewed = dialog->objectName() + " " + dialog->metaObject()->className();
            static_cast<QDialog *>(dialog)->reject();
        });
        if (how == "preview")
            window.menuAction("mnuPreviewEstimate")->trigger();
        else if (how == "cancel" || how == "print")
            window.menuAction("mnuPrintEstimate")->trigger();
        else
            window.menuAction("mnuExportEstimate")->trigger();
        const QString shown = answers.waitFor(0, message.isEmpty() ? 100 : 5000);
        QVERIFY2(message.isEmpty() ? shown.isEmpty() : shown.contains(message), qPrintable(shown));
        const QStringList written = QDir(desktop.documentsFolder()).entryList({"*.pdf"});
        QCOMPARE(written.size(), how == "no viewer" ? 1 : 0);
        QCOMPARE(QFile::exists(desktop.pdfPath), how == "print");
        QCOMPARE(previewed, how == "preview" ? "frmEstimatePreview QPrintPreviewDialog" : "");
        if (how == "print")
            QVERIFY(TestSupport::output("pdftotext", {desktop.pdfPath, "-"}).contains("Miller garage"));
    }
};

MORTARIX_TEST_MAIN(TestEstimate)
#include "tst_estimate.moc"
