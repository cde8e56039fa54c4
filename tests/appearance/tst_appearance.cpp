// The Options page: background colour and program font over the main window, kept between runs.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StoredControls.h"
#include "totals/TotalsGrid.h"

#include <QtWidgets>

namespace {

QColor background(const QWidget *w) { return w->palette().color(w->backgroundRole()); }
QString face(const QWidget *w) { return QStringLiteral("%1 %2").arg(w->font().family()).arg(w->font().pointSizeF()); }

struct Window
{
    MainWindow main;
    explicit Window(bool shown = true) { main.setVisible(shown); }
    QRadioButton *option(const char *group, int index) const
    {
        return main.findChild<QRadioButton *>(QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index));
    }
    // As a user does: the Options page from the Tools menu, a click on the button.
    void choose(const char *group, int index)
    {
        main.menuAction(QStringLiteral("mnuOptions"))->trigger();
        QTest::mouseClick(option(group, index), Qt::LeftButton, {}, QPoint(6, 8));
        QVERIFY(option(group, index)->isChecked());
    }
    // The controls of kind T on the window itself, its status bar left out.
    template <typename T> QList<QWidget *> controls() const
    {
        QList<QWidget *> found;
        for (T *control : main.findChildren<T *>()) {
            if (control->window() == &main && !main.statusBar()->isAncestorOf(control))
                found.append(control);
        }
        return found;
    }
};

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }

    // Each colour button shows its colour, whatever the window's; choosing it colours labels,
    // frames and three groups of option buttons, and nothing else.
    void backgroundChoice_data()
    {
        QTest::addColumn<int>("index"); QTest::addColumn<QString>("caption"); QTest::addColumn<QColor>("colour");
        const QPalette palette = QGuiApplication::palette();
        QTest::newRow("Yellow") << 1 << "Yellow " << palette.color(QPalette::ToolTipBase);
        QTest::newRow("Teal") << 3 << "Teal" << QColor(0, 128, 128);
        QTest::newRow("Default, after Teal") << 0 << "Default" << palette.color(QPalette::Button);
    }
    void backgroundChoice()
    {
        QFETCH(int, index); QFETCH(QString, caption); QFETCH(QColor, colour);
        Window window;
        QRadioButton *button = window.option("Option1", index);
        QCOMPARE(button->text(), caption);
        const QColor own = index ? colour : QApplication::palette(button).color(button->backgroundRole());
        QVERIFY(background(button) == own && button->autoFillBackground() == (index != 0));
        if (index == 0)
            window.choose("Option1", 3);
        window.choose("Option1", index);
        QCOMPARE(background(button), own);
        const QList<QWidget *> filled = window.controls<QLabel>() + window.controls<QGroupBox>();
        QVERIFY(filled.size() > 24
                && std::any_of(filled.cbegin(), filled.cend(), [](auto *w) { return !w->isVisible(); }));
        for (QWidget *control : filled)
            QVERIFY2(background(control) == colour && control->autoFillBackground(), qPrintable(control->objectName()));
        int coloured = 0;
        for (QWidget *radio : window.controls<QRadioButton>()) {
            const QString name = radio->objectName();
            const bool group = name.contains(QRegularExpression("^(Option3|rbropt_visible|BLCKopt)\\("));
            coloured += group;
            QVERIFY2(group ? background(radio) == colour : !index || radio == button || background(radio) != colour,
                     qPrintable(name));
        }
        QCOMPARE(coloured, 5 + 3 + 2);
        for (QWidget *other : window.controls<QLineEdit>() + window.controls<QComboBox>()
                                  + window.controls<QPushButton>() + window.controls<QTableView>()
                                  + window.controls<QTextEdit>()
                                  + QList<QWidget *>{window.main.statusBar()})
            QVERIFY2(!index || background(other) != colour, qPrintable(other->objectName()));
    }

    // Faces of labels, then of frames, option buttons, command buttons and the grid; text boxes and
    // lists keep their fonts, and labels their underline.
    void programFont_data()
    {
        QTest::addColumn<int>("index"); QTest::addColumn<QString>("caption"); QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("others"); QTest::addColumn<QList<qreal>>("sizes");
        QTest::newRow("Verdana") << 1 << "Verdana" << "Verdana" << "Verdana" << QList<qreal>{8, 8, 8, 9, 10};
        QTest::newRow("RICHARD") << 2 << "RICHARD" << "Poor Richard" << "Poor Richard"
                                 << QList<qreal>{10, 10, 10, 10, 10};
        QTest::newRow("New Roman") << 4 << "New Roman" << "Times New Roman " << "Times New Roman"
                                   << QList<qreal>{10, 10, 8, 9, 10.5};
        QTest::newRow("Tahoma") << 5 << "Tahoma" << "Stylus BT" << "Tahoma" << QList<qreal>{10, 10, 10, 9, 10};
        QTest::newRow("SANS  SERRIF") << 0 << "SANS  SERRIF" << "Ms sans serif" << "Ms sans serif"
                                      << QList<qreal>{8, 8, 8, 9, 10};
    }
    void programFont()
    {
        QFETCH(int, index); QFETCH(QString, caption); QFETCH(QString, labels); QFETCH(QString, others);
        QFETCH(QList<qreal>, sizes);
        Window window;
        QWidget *link = window.main.findChild<QLabel *>("Label3");
        const bool underlined = link->font().underline();
        QCOMPARE(window.option("Option2", index)->text(), caption);
        if (index == 0)
            window.choose("Option2", 3);
        window.choose("Option2", index);
        const QList<QList<QWidget *>> kinds{window.controls<QLabel>(), window.controls<QGroupBox>(),
                                            window.controls<QRadioButton>(), window.controls<QPushButton>(),
                                            {window.main.findChild<QTableView *>("MY_Grid")}};
        for (int k = 0; k < kinds.size(); ++k) {
            const QString expected = QStringLiteral("%1 %2").arg(k ? others : labels).arg(sizes[k]);
            for (QWidget *control : kinds[k])
                QVERIFY2(face(control) == expected, qPrintable(control->objectName() + ": " + face(control)));
        }
        QCOMPARE(link->font().underline(), underlined);
        for (QWidget *edit : window.controls<QLineEdit>() + window.controls<QComboBox>())
            QVERIFY(edit->font().family() != others && edit->font().family() != labels);
    }

    // Applied while loading, before the window shows; the two groups' captions get their
    // load-time fonts after the restored choice.
    void choicesSurviveRestart()
    {
        {
            Window window;
            window.choose("Option1", 3);
            window.choose("Option2", 4);
            OptionStates::saveAll(&window.main);
        }
        Window window(false);
        QVERIFY(window.option("Option1", 3)->isChecked() && !window.option("Option1", 0)->isChecked());
        QVERIFY(window.option("Option2", 4)->isChecked() && !window.option("Option2", 0)->isChecked());
        for (QWidget *label : window.controls<QLabel>() + window.controls<QGroupBox>())
            QVERIFY(background(label) == QColor(0, 128, 128)
                    && (!qobject_cast<QLabel *>(label) || face(label) == "Times New Roman  10"));
        QCOMPARE(QStringList({face(window.main.totalsGrid()), face(window.main.pageButton(0)),
                              face(window.option("Option10", 0)), face(window.option("Option1", 2)),
                              face(window.option("Option2", 2))}),
                 QStringList({"Times New Roman 10.5", "Times New Roman 9", "Times New Roman 8", "ms sans seriff 8.5",
                              "Times New Roman 9"}));
    }
};

MORTARIX_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
