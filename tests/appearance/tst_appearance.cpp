// The Options page: background colour and program font over the main window, kept between runs;
// the menus' light grey.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "shell/StoredControls.h"
#include "totals/TotalsGrid.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTextEdit>

namespace {

// The controls of kind T on the main window itself, its status bar left out.
template <typename T> QList<QWidget *> controls(MainWindow &window)
{
    QList<QWidget *> found;
    for (T *control : window.findChildren<T *>()) {
        if (control->window() == &window && !window.statusBar()->isAncestorOf(control))
            found.append(control);
    }
    return found;
}

QRadioButton *option(MainWindow &window, const char *group, int index)
{
    return window.findChild<QRadioButton *>(QStringLiteral("%1(%2)").arg(QLatin1String(group)).arg(index));
}

// Chooses as a user does: the Options page from the Tools menu, a click on the button.
void choose(MainWindow &window, const char *group, int index)
{
    window.menuAction(QStringLiteral("mnuOptions"))->trigger();
    QRadioButton *button = option(window, group, index);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QVERIFY(button->isChecked());
}

QColor background(const QWidget *widget) { return widget->palette().color(widget->backgroundRole()); }

// Share of the pixels of `widget` on `shot` of `page` in about `colour` (frames shade a little).
double shareOf(const QImage &shot, const QWidget *page, const QWidget *widget, const QColor &colour)
{
    const QRect area(widget->mapTo(page, QPoint(0, 0)), widget->size());
    int hits = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor seen(shot.pixel(x, y));
            hits += qAbs(seen.red() - colour.red()) + qAbs(seen.green() - colour.green()) + qAbs(seen.blue() - colour.blue()) <= 12;
        }
    }
    return double(hits) / double(area.width() * area.height());
}

QString face(const QWidget *w) { return QStringLiteral("%1 %2").arg(w->font().family()).arg(w->font().pointSizeF()); }

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }

    void optionsPage()
    {
        MainWindow window;
        window.show();
        QTest::mouseClick(window.pageButton(3), Qt::LeftButton);
        window.menuAction(QStringLiteral("mnuOptions"))->trigger();
        QGroupBox *page = window.page(MainWindow::kOptionsPage);
        QVERIFY(page->isVisible());
        QCOMPARE(page->title(), QStringLiteral("Options"));
        QCOMPARE(page->geometry(), window.page(0)->geometry());
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), QStringLiteral("Options"));
        const QObjectList &siblings = page->parentWidget()->children();
        QVERIFY(siblings.indexOf(page) > siblings.indexOf(window.page(3))); // in front of the page shown
        QCOMPARE(window.findChild<QGroupBox *>(QStringLiteral("myframe(301)"))->title(), QStringLiteral("Background Color"));
        QCOMPARE(window.findChild<QGroupBox *>(QStringLiteral("myframe(302)"))->title(), QStringLiteral("Set Program Fonts"));
        // Until a choice is made the first ones hold and nothing is coloured.
        QVERIFY(option(window, "Option1", 0)->isChecked() && option(window, "Option2", 0)->isChecked());
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(face(option(window, "Option1", i)), QStringLiteral("ms sans seriff 8.5"));
            QCOMPARE(option(window, "Option2", i)->font().pointSizeF(), 9.0);
        }
        for (QWidget *label : controls<QLabel>(window))
            QVERIFY2(!label->autoFillBackground(), qPrintable(label->objectName()));
    }

    // Each colour button shows its colour, whatever the window's; choosing it colours labels,
    // frames and three groups of option buttons, and nothing else.
    void backgroundChoice_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour");
        const QPalette palette = QGuiApplication::palette();
        QTest::newRow("Yellow") << 1 << "Yellow " << palette.color(QPalette::ToolTipBase);
        QTest::newRow("Green") << 2 << "Green" << QColor(192, 255, 192);
        QTest::newRow("Teal") << 3 << "Teal" << QColor(0, 128, 128);
        QTest::newRow("Blue Green") << 4 << "Blue Green" << QColor(0, 192, 192);
        QTest::newRow("Lite Orange") << 5 << "Lite Orange" << QColor(255, 224, 192);
        QTest::newRow("Default, after Teal") << 0 << "Default" << palette.color(QPalette::Button);
    }

    void backgroundChoice()
    {
        QFETCH(int, index); QFETCH(QString, caption); QFETCH(QColor, colour);
        MainWindow window;
        window.show();
        QRadioButton *button = option(window, "Option1", index);
        QCOMPARE(button->text(), caption);
        const QColor own = index ? colour : QApplication::palette(button).color(button->backgroundRole());
        QCOMPARE(background(button), own);
        QCOMPARE(button->autoFillBackground(), index != 0);
        const QColor editBase = window.findChild<QLineEdit *>(QStringLiteral("text1(0)"))->palette().color(QPalette::Base);
        if (index == 0)
            choose(window, "Option1", 3);
        choose(window, "Option1", index);
        QCOMPARE(background(button), own);

        const QList<QWidget *> filled = controls<QLabel>(window) + controls<QGroupBox>(window);
        QVERIFY(filled.size() > 24);
        int hidden = 0;
        for (QWidget *control : filled) {
            QVERIFY2(background(control) == colour && control->autoFillBackground(), qPrintable(control->objectName()));
            hidden += !control->isVisible();
        }
        QVERIFY(hidden > 0); // pages not shown are coloured too
        int coloured = 0;
        for (QWidget *radio : controls<QRadioButton>(window)) {
            const QString name = radio->objectName();
            if (name.startsWith("Option3(") || name.startsWith("rbropt_visible(") || name.startsWith("BLCKopt(")) {
                QCOMPARE(background(radio), colour);
                ++coloured;
            } else if (index != 0 && radio != button) {
                QVERIFY2(background(radio) != colour, qPrintable(name)); // the other choices and "More Info"
            }
        }
        QCOMPARE(coloured, 5 + 3 + 2);
        if (index == 0)
            return;
        for (QWidget *edit : controls<QLineEdit>(window))
            QCOMPARE(edit->palette().color(QPalette::Base), editBase);
        for (QWidget *other : controls<QLineEdit>(window) + controls<QComboBox>(window) + controls<QPushButton>(window)
                                  + controls<QTableView>(window) + controls<QTextEdit>(window) + QList<QWidget *>{window.statusBar()})
            QVERIFY2(background(other) != colour, qPrintable(other->objectName()));
    }

    void tealAsSeen()
    {
        MainWindow window;
        window.show();
        choose(window, "Option1", 3);
        QTest::mouseClick(window.pageButton(6), Qt::LeftButton);
        QGroupBox *page = window.page(6);
        const QImage shot = page->grab().toImage();
        const QColor teal(0, 128, 128);
        const QList<QLabel *> labels = page->findChildren<QLabel *>();
        const QList<QLineEdit *> edits = page->findChildren<QLineEdit *>();
        QVERIFY(!labels.isEmpty() && !edits.isEmpty());
        for (QLabel *label : labels)
            QVERIFY2(shareOf(shot, page, label, teal) > 0.4, qPrintable(label->text())); // around the text
        for (QLineEdit *edit : edits)
            QVERIFY2(shareOf(shot, page, edit, teal) < 0.05, qPrintable(edit->objectName()));
        QVERIFY(shareOf(shot, page, page->findChild<QRadioButton *>(QStringLiteral("Option10(0)")), teal) < 0.01);
    }

    // Sizes of labels, frames, option buttons, command buttons and the grid; text boxes, lists
    // and the status bar keep their fonts, and labels their underline.
    void programFont_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("others");
        QTest::addColumn<QList<qreal>>("sizes");
        QTest::newRow("Verdana") << 1 << "Verdana" << "Verdana" << "Verdana" << QList<qreal>{8, 8, 8, 9, 10};
        QTest::newRow("RICHARD") << 2 << "RICHARD" << "Poor Richard" << "Poor Richard" << QList<qreal>{10, 10, 10, 10, 10};
        QTest::newRow("ARIAL") << 3 << "ARIAL" << "Arial" << "Arial" << QList<qreal>{8, 8, 8, 9, 10};
        QTest::newRow("New Roman") << 4 << "New Roman" << "Times New Roman " << "Times New Roman" << QList<qreal>{10, 10, 8, 9, 10.5};
        QTest::newRow("Tahoma") << 5 << "Tahoma" << "Stylus BT" << "Tahoma" << QList<qreal>{10, 10, 10, 9, 10};
        QTest::newRow("SANS  SERRIF") << 0 << "SANS  SERRIF" << "Ms sans serif" << "Ms sans serif" << QList<qreal>{8, 8, 8, 9, 10};
    }

    void programFont()
    {
        QFETCH(int, index); QFETCH(QString, caption); QFETCH(QString, labels); QFETCH(QString, others); QFETCH(QList<qreal>, sizes);
        MainWindow window;
        window.show();
        QLineEdit *price = window.findChild<QLineEdit *>(QStringLiteral("text1(0)"));
        const QString priceFace = face(price);
        const QFont statusFont = window.statusBar()->findChild<QLabel *>()->font();
        QLabel *link = window.findChild<QLabel *>(QStringLiteral("Label3"));
        const bool underlined = link->font().underline();
        QCOMPARE(option(window, "Option2", index)->text(), caption);
        if (index == 0)
            choose(window, "Option2", 3);
        choose(window, "Option2", index);

        const QList<QList<QWidget *>> kinds{controls<QLabel>(window), controls<QGroupBox>(window), controls<QRadioButton>(window),
                                            controls<QPushButton>(window), {window.findChild<QTableView *>(QStringLiteral("MY_Grid"))}};
        for (int k = 0; k < kinds.size(); ++k) {
            QVERIFY(!kinds[k].isEmpty());
            for (QWidget *control : kinds[k]) {
                const QString expected = QStringLiteral("%1 %2").arg(k ? others : labels).arg(sizes[k]);
                QVERIFY2(face(control) == expected, qPrintable(control->objectName() + ": " + face(control) + " / " + expected));
            }
        }
        QCOMPARE(link->font().underline(), underlined);
        QCOMPARE(face(price), priceFace);
        for (QWidget *edit : controls<QLineEdit>(window) + controls<QComboBox>(window))
            QVERIFY(edit->font().family() != others && edit->font().family() != labels);
        QCOMPARE(window.statusBar()->findChild<QLabel *>()->font(), statusFont);
    }

    void choicesSurviveRestart()
    {
        {
            MainWindow window;
            window.show();
            choose(window, "Option1", 3);
            choose(window, "Option2", 4);
            OptionStates::saveAll(&window);
        }
        MainWindow window;
        QVERIFY(!window.isVisible()); // applied while loading, before the window shows
        QVERIFY(option(window, "Option1", 3)->isChecked() && !option(window, "Option1", 0)->isChecked());
        QVERIFY(option(window, "Option2", 4)->isChecked() && !option(window, "Option2", 0)->isChecked());
        for (QWidget *label : controls<QLabel>(window)) {
            QCOMPARE(background(label), QColor(0, 128, 128));
            QCOMPARE(label->font().family(), QStringLiteral("Times New Roman "));
        }
        for (QWidget *frame : controls<QGroupBox>(window))
            QCOMPARE(background(frame), QColor(0, 128, 128));
        QCOMPARE(window.totalsGrid()->font().pointSizeF(), 10.5);
        QCOMPARE(window.pageButton(0)->font().pointSizeF(), 9.0);
        QCOMPARE(option(window, "Option10", 0)->font().pointSizeF(), 8.0);
        // The two groups' captions get their load-time fonts after the restored choice.
        QCOMPARE(face(option(window, "Option1", 2)), QStringLiteral("ms sans seriff 8.5"));
        QCOMPARE(face(option(window, "Option2", 2)), QStringLiteral("Times New Roman 9"));
    }

    // Mostly background, the entry under the pointer in the highlight colour; "" is the menu bar.
    void menusLightGrey_data()
    {
        QTest::addColumn<QString>("menu");
        for (const char *name : {"mnuFile", "mnuView", "mnuTools", "mnuScrSize", "mnuHelp", "mnuPop", "mnurtf", "mnugridEdit", ""})
            QTest::newRow(*name ? name : "menu bar") << QString::fromLatin1(name);
    }

    void menusLightGrey()
    {
        QFETCH(QString, menu);
        MainWindow window;
        window.show();
        const QColor grey(0xE0, 0xE0, 0xE0);
        if (menu.isEmpty()) {
            const QImage bar = window.menuBar()->grab().toImage();
            QCOMPARE(QColor(bar.pixel(bar.width() - 5, bar.height() / 2)), grey); // its empty right end
            return;
        }
        auto *found = window.findChild<QMenu *>(menu);
        found->ensurePolished();
        found->adjustSize();
        const QImage shot = found->grab().toImage();
        int greys = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x)
                greys += QColor(shot.pixel(x, y)) == grey;
        }
        QVERIFY2(greys > shot.width() * shot.height() / 2, qPrintable(QString::number(greys)));
        const QList<QAction *> actions = found->actions();
        QAction *entry = *std::find_if(actions.cbegin(), actions.cend(), [](QAction *a) { return !a->isSeparator(); });
        found->setActiveAction(entry);
        const QImage selected = found->grab().toImage();
        const QRect area = found->actionGeometry(entry);
        int lit = 0;
        for (int x = area.left(); x <= area.right(); ++x)
            lit += QColor(selected.pixel(x, area.center().y())) == found->palette().color(QPalette::Highlight);
        QVERIFY2(lit > area.width() / 3, qPrintable(QString::number(lit)));
    }
};

MORTARIX_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
