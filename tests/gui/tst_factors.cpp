// The material factors: kept in the settings store as plain decimals, read back as their defaults
// when junk or out of range, and refused in the dialog by field and range before it closes.
#include "support/TestSupport.h"

#include "core/MaterialFactors.h"
#include "core/SettingsStore.h"
#include "shell/FactorsDialog.h"

#include <QtWidgets>

using TestSupport::child;

namespace {

void click(const QWidget &dialog, QDialogButtonBox::StandardButton which)
{
    dialog.findChild<QDialogButtonBox *>()->button(which)->click();
}

bool editStored(std::function<void(QWidget &)> act)
{
    return TestSupport::withDialog(act, [] { return FactorsDialog::editStored(nullptr); });
}

} // namespace

class TestFactors : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(MaterialFactors::defaults().save()); }

    // A stored value that is no plain number or out of range reads as its default.
    void stored_data()
    {
        QTest::addColumn<QString>("key"); QTest::addColumn<QString>("stored"); QTest::addColumn<QString>("read");
        QTest::newRow("blanks, leading zeros") << "txtConcreteWaste" << " 007.50 " << "7.5";
        QTest::newRow("rounded to four decimals") << "txtBag40Yield" << "0.33335" << "0.3334";
        QTest::newRow("tie to even") << "txtBag40Yield" << "0.33345" << "0.3334";
        QTest::newRow("above") << "txtConcreteWaste" << "50.0001" << "5";
        QTest::newRow("below") << "txtReadyMixIncrement" << "0.0099" << "0.25";
        QTest::newRow("letters") << "txtLapDiameters" << "forty" << "40";
        QTest::newRow("huge") << "txtGroutPer100Block" << "99999999999999999999" << "0.93";
        QTest::newRow("empty") << "txtBag80Yield" << "" << "0.6";
    }
    void stored()
    {
        QFETCH(QString, key); QFETCH(QString, stored); QFETCH(QString, read);
        SettingsStore::save("Factors", key, stored);
        QCOMPARE(child<QLineEdit>(FactorsDialog(MaterialFactors::load(), nullptr), key)->text(), read);
    }

    // OK takes each range's ends and refuses past them or no number, naming the field, and stays on it.
    void typed_data()
    {
        QTest::addColumn<QString>("key"); QTest::addColumn<QString>("text"); QTest::addColumn<QString>("problem");
        const QString waste = "Concrete waste must be a number from 0 to 50 %.";
        QTest::newRow("waste lowest") << "txtConcreteWaste" << "0" << "";
        QTest::newRow("waste highest") << "txtConcreteWaste" << "50" << "";
        QTest::newRow("waste above") << "txtConcreteWaste" << "50.0001" << waste;
        QTest::newRow("waste letters") << "txtConcreteWaste" << "five" << waste;
        QTest::newRow("increment lowest") << "txtReadyMixIncrement" << "0.01" << "";
        QTest::newRow("increment below") << "txtReadyMixIncrement" << "0.0099"
                                         << "Ready-mix increment must be a number from 0.01 to 10 cu yd.";
        QTest::newRow("yield highest") << "txtBag60Yield" << "2" << "";
        QTest::newRow("yield above") << "txtBag60Yield" << "2.0001"
                                     << "60 lb premix bag yield must be a number from 0.01 to 2 cu ft.";
        QTest::newRow("stock lowest") << "txtRebarStockLength" << "1" << "";
        QTest::newRow("stock below") << "txtRebarStockLength" << "0.9999"
                                     << "Rebar stock length must be a number from 1 to 60 ft.";
        QTest::newRow("lap negative") << "txtLapDiameters" << "-40"
                                      << "Rebar lap must be a number from 0 to 100 bar diameters.";
    }
    void typed()
    {
        QFETCH(QString, key); QFETCH(QString, text); QFETCH(QString, problem);
        TestSupport::MessageAnswers ok({QMessageBox::Ok});
        bool stayedOpen = false, focused = false;
        const bool saved = editStored([&](QWidget &dialog) {
            child<QLineEdit>(dialog, "txtBlockWaste")->setText("12.5");
            child<QLineEdit>(dialog, key)->setText(text);
            click(dialog, QDialogButtonBox::Ok);
            stayedOpen = dialog.isVisible();
            focused = dialog.focusWidget() == child<QLineEdit>(dialog, key);
            if (stayedOpen)
                click(dialog, QDialogButtonBox::Cancel);
        });
        QCOMPARE(ok.seen.isEmpty() ? QString() : TestSupport::summary(ok.seen.at(0)),
                 problem.isEmpty() ? QString() : "Mortarix / Warning / Ok / " + problem);
        QVERIFY(problem.isEmpty() ? saved : !saved && stayedOpen && focused);
        QCOMPARE(SettingsStore::get("Factors", "txtBlockWaste"), saved ? "12.5" : "5");
        if (saved)
            QCOMPARE(SettingsStore::get("Factors", key), text);
    }

    // Saved factors come back. Restore Defaults fills in the defaults, stored only by OK; Cancel
    // keeps what was stored.
    void restoreAndCancel()
    {
        MaterialFactors changed = MaterialFactors::defaults();
        for (const MaterialFactors::Field &each : MaterialFactors::fields())
            changed.*each.member = each.maximum;
        changed.concreteWaste = *MaterialFactors::readAmount(u"12.3456");
        QVERIFY(changed.save());
        QCOMPARE(MaterialFactors::load(), changed);
        QString shown;
        QVERIFY(!editStored([&](QWidget &dialog) {
            child<QLineEdit>(dialog, "txtBag80Yield")->setText("0.5");
            child<QPushButton>(dialog, "cmdRestoreDefaults")->click();
            shown = dialog.objectName() + " / " + dialog.windowTitle() + " / " +
                    child<QLineEdit>(dialog, "txtConcreteWaste")->text() + " " +
                    child<QLineEdit>(dialog, "txtBag80Yield")->text();
            click(dialog, QDialogButtonBox::Cancel);
        }));
        QCOMPARE(shown, "frmFactors / Material Factors / 5 0.6");
        QCOMPARE(MaterialFactors::load(), changed);
        QVERIFY(editStored([](QWidget &dialog) {
            child<QPushButton>(dialog, "cmdRestoreDefaults")->click();
            click(dialog, QDialogButtonBox::Ok);
        }));
        QCOMPARE(MaterialFactors::load(), MaterialFactors::defaults());
    }
};

MORTARIX_TEST_MAIN(TestFactors)
#include "tst_factors.moc"
