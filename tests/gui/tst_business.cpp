// The business details: kept in the settings store as typed, the tax rate checked before the dialog
// closes, and the logo copied into the data folder only on OK, only when it loads as a picture.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "core/BusinessDetails.h"
#include "core/SettingsStore.h"
#include "shell/BusinessDialog.h"

#include <QtWidgets>

using TestSupport::child;
using TestSupport::MessageAnswers;
using TestSupport::writeFile;
using Answer = QMessageBox::StandardButton;

namespace {

QAbstractButton *button(const QWidget &dialog, QDialogButtonBox::StandardButton which)
{
    return dialog.findChild<QDialogButtonBox *>()->button(which);
}

QByteArray picture(int width, int height, const char *format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

QStringList storedLogos()
{
    return QDir(BusinessDetails::dataFolder()).entryList({"logo.*"}, QDir::Files);
}

bool editStored(std::function<void(QWidget &)> act)
{
    return TestSupport::withDialog(act, [] { return BusinessDialog::editStored(nullptr); });
}

} // namespace

class TestBusiness : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(BusinessDetails().save()); } // the defaults, and no logo copy

    // What is typed comes back from the store, lines, commas, quotes and all, and is shown again.
    void roundTrip()
    {
        const BusinessDetails typed{"@Stone & Sons, Ltd", "12 Main St, Suite 4\nSpringfield, IL\n\"Rear\" \\ gate",
                                    "555-0100", "quotes@stone.example", "MC-4471", "7.25", 45,
                                    "Net 30.\n\nDeposit; 50% = half.", ""};
        QVERIFY(editStored([&](QWidget &dialog) {
            QCOMPARE(child<QSpinBox>(dialog, "txtValidDays")->value(), BusinessDetails::kDefaultValidDays);
            for (const auto &[field, text] : {std::pair{"txtBusinessName", typed.name},
                                              {"txtBusinessPhone", typed.phone}, {"txtBusinessEmail", typed.email},
                                              {"txtLicence", typed.licence}, {"txtTaxRate", " 7.25 "}})
                child<QLineEdit>(dialog, field)->setText(text);
            child<QPlainTextEdit>(dialog, "txtBusinessAddress")->setPlainText(typed.address);
            child<QPlainTextEdit>(dialog, "txtTerms")->setPlainText(typed.terms);
            child<QSpinBox>(dialog, "txtValidDays")->setValue(typed.validDays);
            button(dialog, QDialogButtonBox::Ok)->click();
        }));
        QCOMPARE(BusinessDetails::load(), typed);
        QCOMPARE(BusinessDialog(BusinessDetails::load(), nullptr).details(), typed);
    }

    // A stored number of days outside 1 to 3650, or no whole number, reads as the default.
    void validDays_data()
    {
        QTest::addColumn<QString>("stored"); QTest::addColumn<int>("days");
        QTest::newRow("longest") << "3650" << 3650;
        QTest::newRow("too long") << "3651" << 30;
        QTest::newRow("zero") << "0" << 30;
        QTest::newRow("fraction") << "12.5" << 30;
    }
    void validDays()
    {
        QFETCH(QString, stored); QFETCH(int, days);
        SettingsStore::save("Business", "txtValidDays", stored);
        QCOMPARE(BusinessDetails::load().validDays, days);
    }

    // Rates from 0 to 100 with two decimals pass; anything else keeps the dialog open on the field.
    void taxRate_data()
    {
        QTest::addColumn<QString>("text"); QTest::addColumn<QString>("problem"); QTest::addColumn<qint64>("points");
        const QString range = "The tax rate must be a number from 0 to 100.";
        QTest::newRow("two decimals") << "7.25" << "" << qint64(725);
        QTest::newRow("blanks") << " 8 " << "" << qint64(800);
        QTest::newRow("highest, leading zeros") << "0000100" << "" << qint64(10000);
        QTest::newRow("zero") << "0" << "" << qint64(-1);
        QTest::newRow("empty") << "" << "" << qint64(-1);
        QTest::newRow("letters") << "abc" << range << qint64(-1);
        QTest::newRow("above") << "100.01" << range << qint64(-1);
        QTest::newRow("three decimals") << "7.255" << "The tax rate must have at most two decimals." << qint64(-1);
    }
    void taxRate()
    {
        QFETCH(QString, text); QFETCH(QString, problem); QFETCH(qint64, points);
        QCOMPARE(BusinessDetails::taxRateProblem(text), problem);
        BusinessDetails details;
        details.taxRate = text;
        QCOMPARE(details.taxBasisPoints().value_or(-1), points);
        MessageAnswers ok({Answer::Ok});
        bool stayedOpen = false, focused = false;
        auto watch = TestSupport::onNextModalWidget([&](QWidget *dialog) {
            child<QLineEdit>(*dialog, "txtTaxRate")->setText(text);
            button(*dialog, QDialogButtonBox::Ok)->click();
            stayedOpen = dialog->isVisible();
            focused = dialog->focusWidget() == child(*dialog, "txtTaxRate");
            if (stayedOpen)
                button(*dialog, QDialogButtonBox::Cancel)->click();
        });
        const std::optional<BusinessDetails> edited = BusinessDialog::edit(nullptr, {});
        QCOMPARE(stayedOpen, !problem.isEmpty());
        QCOMPARE(ok.seen.isEmpty() ? QString() : TestSupport::summary(ok.seen.at(0)),
                 problem.isEmpty() ? QString() : "Mortarix / Warning / Ok / " + problem);
        if (problem.isEmpty())
            QCOMPARE(edited.value_or(BusinessDetails()).taxRate, text.trimmed());
        else
            QVERIFY(!edited && focused);
    }

    // A chosen picture is copied over the earlier logo and shown to fit the box; a file that is no
    // picture is refused by name, leaving the earlier logo.
    void logo_data()
    {
        QTest::addColumn<QString>("name"); QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("stored"); QTest::addColumn<QSize>("preview"); QTest::addColumn<QString>("problem");
        QTest::newRow("png") << "wide.png" << picture(400, 100, "PNG") << "logo.png" << QSize(160, 40) << "";
        QTest::newRow("jpeg") << "tall.JPEG" << picture(20, 40, "JPEG") << "logo.jpeg" << QSize(40, 80) << "";
        QTest::newRow("svg") << "mark.svg"
                             << QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='50' height='50'>"
                                           "<rect width='50' height='50' fill='blue'/></svg>")
                             << "logo.svg" << QSize(80, 80) << "";
        QTest::newRow("text") << "notes.png" << QByteArray("not a picture") << "" << QSize()
                              << "cannot be loaded as a picture.";
        QTest::newRow("gif") << "anim.gif" << picture(10, 10, "PNG") << "" << QSize(80, 80)
                             << "is not a PNG, JPEG or SVG picture.";
    }
    void logo()
    {
        QFETCH(QString, name); QFETCH(QByteArray, bytes); QFETCH(QString, stored); QFETCH(QSize, preview);
        QFETCH(QString, problem);
        if (name.endsWith(".svg") && !QImageReader::supportedImageFormats().contains("svg"))
            QSKIP("no SVG image plugin (scripts/deps.sh installs it)");
        QTemporaryDir dir;
        BusinessDetails before;
        before.logoPath = BusinessDetails::storeLogo(writeFile(dir, "old.jpg", picture(8, 8, "JPEG"))).path;
        QVERIFY(before.save());
        const QString path = writeFile(dir, name, bytes);
        FakeDesktop desktop;
        desktop.commonDialog().title = "Open Notes";
        desktop.openAnswers.enqueue(path);
        MessageAnswers ok({Answer::Ok});
        QSize shown;
        QVERIFY(editStored([&](QWidget &dialog) {
            child<QPushButton>(dialog, "cmdLogo")->click();
            const QPixmap pixmap = child<QLabel>(dialog, "lblLogo")->pixmap();
            shown = pixmap.isNull() ? QSize() : pixmap.size();
            button(dialog, QDialogButtonBox::Ok)->click();
            if (dialog.isVisible())
                button(dialog, QDialogButtonBox::Cancel)->click();
        }) == problem.isEmpty());
        QCOMPARE(desktop.openSeen.value(0).title, "Choose a Logo");
        QCOMPARE(desktop.openSeen.value(0).filter, "Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg");
        QCOMPARE(desktop.commonDialog().title, "Open Notes");
        QCOMPARE(shown, preview);
        if (problem.isEmpty()) {
            QCOMPARE(storedLogos(), QStringList{stored});
            QCOMPARE(BusinessDetails::load().logoPath, QDir(BusinessDetails::dataFolder()).filePath(stored));
            QCOMPARE(TestSupport::readFile(BusinessDetails::load().logoPath), bytes);
            QVERIFY(ok.seen.isEmpty());
        } else {
            QCOMPARE(ok.waitFor(0), "Mortarix / Warning / Ok / The logo \"" + path + "\" " + problem +
                                        "\nChoose another picture, or clear the logo.");
            QCOMPARE(BusinessDetails::load(), before);
            QCOMPARE(storedLogos(), QStringList{"logo.jpg"});
        }
    }

    // Cancel keeps the stored details and logo, whatever was typed or chosen; Clear Logo and OK
    // drop the logo and its copy.
    void cancelAndClear()
    {
        QTemporaryDir dir;
        BusinessDetails before;
        before.name = "Stone & Sons";
        before.logoPath = BusinessDetails::storeLogo(writeFile(dir, "old.png", picture(8, 8, "PNG"))).path;
        QVERIFY(before.save());
        FakeDesktop desktop;
        desktop.openAnswers.enqueue(writeFile(dir, "new.png", picture(30, 30, "PNG")));
        QVERIFY(!editStored([](QWidget &dialog) {
            child<QLineEdit>(dialog, "txtBusinessName")->setText("Other");
            child<QPushButton>(dialog, "cmdLogo")->click();
            button(dialog, QDialogButtonBox::Cancel)->click();
        }));
        QCOMPARE(BusinessDetails::load(), before);
        QCOMPARE(TestSupport::readFile(before.logoPath), picture(8, 8, "PNG"));

        QString label;
        QVERIFY(editStored([&](QWidget &dialog) {
            child<QPushButton>(dialog, "cmdClearLogo")->click();
            label = child<QLabel>(dialog, "lblLogo")->text();
            QVERIFY(!child<QPushButton>(dialog, "cmdClearLogo")->isEnabled());
            button(dialog, QDialogButtonBox::Ok)->click();
        }));
        QCOMPARE(label, "(no logo)");
        before.logoPath.clear();
        QCOMPARE(BusinessDetails::load(), before);
        QVERIFY(storedLogos().isEmpty());
    }
};

MORTARIX_TEST_MAIN(TestBusiness)
#include "tst_business.moc"
