// The settings store and the option and price states kept in it between runs.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StoredControls.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private:
    static QRadioButton *option(const QWidget &window, const QString &name)
    {
        auto *button = window.findChild<QRadioButton *>(name);
        if (!button)
            qWarning("no option %s", qPrintable(name));
        return button;
    }

    static QStringList selectedOptions(const QWidget &window)
    {
        QStringList selected;
        for (const QRadioButton *button : window.findChildren<QRadioButton *>()) {
            if (button->isChecked())
                selected << button->objectName();
        }
        selected.sort();
        return selected;
    }

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }

    void storeLivesUnderTheConfigFolder()
    {
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QVERIFY(!config.isEmpty());
        QVERIFY2(SettingsStore::filePath().startsWith(config), qPrintable(SettingsStore::filePath()));
        QVERIFY(SettingsStore::filePath().endsWith(QLatin1String("Mortarix/Mortarix.ini")));
    }

    void getAndSave_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "12.5";
        QTest::newRow("empty") << "";
        QTest::newRow("comma") << "1,200";
        QTest::newRow("blanks") << "  40 ";
        QTest::newRow("quote and backslash") << "8' \\ 3\"";
        QTest::newRow("non-ASCII") << "12 €";
    }

    void getAndSave()
    {
        QFETCH(QString, value);
        QCOMPARE(SettingsStore::get("Prices", "Price(3)", "absent"), QStringLiteral("absent"));
        SettingsStore::save("Prices", "Price(3)", value);
        QCOMPARE(SettingsStore::get("Prices", "Price(3)", "absent"), value);
        // Other sections and keys are untouched.
        QCOMPARE(SettingsStore::get("Values", "Price(3)", "absent"), QStringLiteral("absent"));
        QCOMPARE(SettingsStore::get("Prices", "Price(4)"), QString());
        SettingsStore::save("Prices", "Price(3)", "replaced");
        QCOMPARE(SettingsStore::get("Prices", "Price(3)"), QStringLiteral("replaced"));
    }

    void controlSettingKey_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::newRow("array member") << "Option1(3)"
                                      << "Option1(3)";
        QTest::newRow("two-digit index") << "Option10(5)"
                                         << "Option10(5)";
        QTest::newRow("bare name") << "chkAlone"
                                   << "chkAlone";
        QTest::newRow("case kept") << "rbropt_visible(0)"
                                   << "rbropt_visible(0)";
    }

    void controlSettingKey()
    {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QRadioButton button;
        button.setObjectName(name);
        QCOMPARE(ControlSettingKey(&button), key);
    }

    void designedStatesOnFreshStore()
    {
        MainWindow window;
        QCOMPARE(window.findChildren<QRadioButton *>().size(), 28);
        QCOMPARE(selectedOptions(window),
                 (QStringList{"Option1(0)", "Option10(0)", "Option10(1)", "Option10(2)", "Option10(3)",
                              "Option10(4)", "Option10(5)", "Option2(0)", "rbropt_visible(0)"}));
        QVERIFY(window.findChild<QGroupBox *>("RBRFrame(0)")->isVisibleTo(window.page(2)));
        QVERIFY(!window.findChild<QGroupBox *>("RBRFrame(1)")->isVisibleTo(window.page(2)));
    }

    void optionStatesSurviveARestart()
    {
        {
            MainWindow first;
            option(first, "Option1(3)")->click(); // Teal
            option(first, "Option2(4)")->click(); // New Roman
            option(first, "rbropt_visible(2)")->click();
            option(first, "BLCKopt(1)")->click();
            option(first, "Option3(2)")->click();
            OptionStates::setOption(option(first, "Option10(4)"), false);
            OptionStates::saveAll(&first);
        }
        QCOMPARE(SettingsStore::get("Values", "Option1(3)"), QStringLiteral("True"));
        QCOMPARE(SettingsStore::get("Values", "Option1(0)"), QStringLiteral("False"));
        QCOMPARE(SettingsStore::get("Values", "BLCKopt(1)"), QStringLiteral("True"));

        MainWindow second;
        // Block and bar sizes are never carried over, even though they were stored selected.
        QCOMPARE(selectedOptions(second),
                 (QStringList{"Option1(3)", "Option10(0)", "Option10(1)", "Option10(2)", "Option10(3)",
                              "Option10(5)", "Option2(4)", "rbropt_visible(2)"}));
        // Restoring a rebar kind runs its choice: its input frame is the one shown.
        QVERIFY(second.findChild<QGroupBox *>("RBRFrame(2)")->isVisibleTo(second.page(2)));
        QVERIFY(!second.findChild<QGroupBox *>("RBRFrame(0)")->isVisibleTo(second.page(2)));
    }

    void unreadableValuesKeepTheDesignedState_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("expected");
        QTest::newRow("maybe on a selected button") << "Option10(1)"
                                                    << "maybe" << true;
        QTest::newRow("empty on a selected button") << "Option10(1)"
                                                    << "" << true;
        QTest::newRow("number on an unselected button") << "Option2(3)"
                                                        << "1" << false;
        QTest::newRow("lower-case false is a state") << "Option10(1)"
                                                     << "false" << false;
        QTest::newRow("upper-case TRUE is a state") << "Option2(3)"
                                                    << "TRUE" << true;
    }

    void unreadableValuesKeepTheDesignedState()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        QFETCH(bool, expected);
        SettingsStore::save("Values", key, stored);
        MainWindow window;
        QCOMPARE(option(window, key)->isChecked(), expected);
    }

    void damagedStoreLoadsTheDesignedStates_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(char((i * 131 + 7) % 256));
        QTest::newRow("binary garbage") << garbage;
        QTest::newRow("bad states") << QByteArray(
            "[Values]\nOption1%280%29=\nOption2%280%29=yes\nrbropt_visible%280%29=2\n");
        QTest::newRow("values as lists")
            << QByteArray("[Values]\nOption1%283%29=True, False\n[Prices]\nPrice%280%29=1,2\n");
        QByteArray many("[Values]\n");
        for (int i = 0; i < 10000; ++i)
            many += "Unknown" + QByteArray::number(i) + "%28" + QByteArray::number(i % 7) + "%29=True\n";
        QTest::newRow("10,000 unknown keys") << many;
    }

    void damagedStoreLoadsTheDesignedStates()
    {
        QFETCH(QByteArray, content);
        QDir().mkpath(QFileInfo(SettingsStore::filePath()).absolutePath());
        QFile file(SettingsStore::filePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        QElapsedTimer clock;
        clock.start();
        MainWindow window;
        if (TestSupport::timingsApply())
            QVERIFY2(clock.elapsed() < 5000, "loading took too long");
        QCOMPARE(selectedOptions(window),
                 (QStringList{"Option1(0)", "Option10(0)", "Option10(1)", "Option10(2)", "Option10(3)",
                              "Option10(4)", "Option10(5)", "Option2(0)", "rbropt_visible(0)"}));
        // The store can be written again afterwards.
        OptionStates::saveAll(&window);
        QCOMPARE(SettingsStore::get("Values", "Option1(0)"), QStringLiteral("True"));
    }

    void pricesRoundTrip()
    {
        QWidget form;
        QList<QLineEdit *> boxes;
        for (int i = 0; i < PriceStore::kPriceCount; ++i) {
            auto *box = new QLineEdit(&form);
            box->setObjectName(QStringLiteral("text1(%1)").arg(i));
            boxes << box;
        }
        PriceStore::restoreAll(&form);
        for (QLineEdit *box : boxes)
            QCOMPARE(box->text(), QString()); // empty, not zero, on a fresh store

        boxes[0]->setText("95");
        boxes[3]->setText("1,25");
        boxes[10]->setText(".45");
        PriceStore::saveAll(&form);
        QCOMPARE(SettingsStore::get("Prices", "Price(3)"), QStringLiteral("1,25"));
        for (QLineEdit *box : boxes)
            box->clear();
        PriceStore::restoreAll(&form);
        QCOMPARE(boxes[0]->text(), QStringLiteral("95"));
        QCOMPARE(boxes[3]->text(), QStringLiteral("1,25"));
        QCOMPARE(boxes[10]->text(), QStringLiteral(".45"));
        QCOMPARE(boxes[5]->text(), QString());
    }
};

MORTARIX_TEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
