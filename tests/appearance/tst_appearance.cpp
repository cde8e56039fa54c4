// The Options page: background colour and program font over the whole main window, kept
// between runs; the menus' light grey.
#include "support/TestSupport.h"

#include "appearance/BackgroundColour.h"
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

// The controls of kind T that belong to the main window itself (not its status bar, not another
// window).
template <typename T> QList<QWidget *> controls(MainWindow &window)
{
    QList<QWidget *> found;
    const auto all = window.findChildren<T *>();
    for (T *control : all) {
        bool inStatusBar = false;
        for (QWidget *up = control; up && up != &window; up = up->parentWidget())
            inStatusBar = inStatusBar || qobject_cast<QStatusBar *>(up);
        if (!inStatusBar && control->window() == &window)
            found.append(control);
    }
    return found;
}

QRadioButton *option(MainWindow &window, const QString &name)
{
    return window.findChild<QRadioButton *>(name);
}

// Chooses an option as a user does: the Options page from the Tools menu, a click on the button.
void choose(MainWindow &window, const QString &name)
{
    window.menuAction(QStringLiteral("mnuOptions"))->trigger();
    QRadioButton *button = option(window, name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    QVERIFY2(button->isChecked(), qPrintable(name));
}

// The colour a widget fills its background with (the button colour for buttons).
QColor background(const QWidget *widget)
{
    return widget->palette().color(widget->backgroundRole());
}

// Share of the pixels of `widget`, as drawn on `shot` of `page`, that have colour `colour` or
// nearly so (the style shades the inside of a frame a little).
double shareOf(const QImage &shot, const QWidget *page, const QWidget *widget, const QColor &colour)
{
    const QRect area(widget->mapTo(page, QPoint(0, 0)), widget->size());
    int hits = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor seen(shot.pixel(x, y));
            hits += qAbs(seen.red() - colour.red()) + qAbs(seen.green() - colour.green()) +
                        qAbs(seen.blue() - colour.blue()) <=
                    12;
        }
    }
    return double(hits) / double(area.width() * area.height());
}

struct FaceSeen
{
    QString family;
    qreal size;
};

FaceSeen faceOf(const QWidget *widget)
{
    return {widget->font().family(), widget->font().pointSizeF()};
}

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void init() { QFile::remove(SettingsStore::filePath()); }

    void colourCodes_data()
    {
        QTest::addColumn<uint>("code");
        QTest::addColumn<QColor>("colour");
        const QPalette palette = QGuiApplication::palette();
        QTest::newRow("button face") << 0x8000000Fu << palette.color(QPalette::Button);
        QTest::newRow("tooltip background") << 0x80000018u << palette.color(QPalette::ToolTipBase);
        QTest::newRow("window") << 0x80000005u << palette.color(QPalette::Base);
        QTest::newRow("Green") << 0xC0FFC0u << QColor(192, 255, 192);
        QTest::newRow("Teal") << 0x808000u << QColor(0, 128, 128);
        QTest::newRow("Blue Green") << 0xC0C000u << QColor(0, 192, 192);
        QTest::newRow("Lite Orange") << 0xC0E0FFu << QColor(255, 224, 192);
        QTest::newRow("menu grey") << 0xE0E0E0u << QColor(224, 224, 224);
        QTest::newRow("blue is the high byte") << 0xFF0000u << QColor(0, 0, 255);
    }

    void colourCodes()
    {
        QFETCH(uint, code);
        QFETCH(QColor, colour);
        QCOMPARE(BackgroundColour::translate(code), colour);
    }

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
        // In front of the calculator page that was showing.
        QVERIFY(page->parentWidget()->children().indexOf(page) >
                page->parentWidget()->children().indexOf(window.page(3)));
        QCOMPARE(window.findChild<QGroupBox *>(QStringLiteral("myframe(301)"))->title(),
                 QStringLiteral("Background Color"));
        QCOMPARE(window.findChild<QGroupBox *>(QStringLiteral("myframe(302)"))->title(),
                 QStringLiteral("Set Program Fonts"));
    }

    void colourButtonsShowTheirColours_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("colour"); // invalid: the ordinary look
        QTest::newRow("Default") << 0 << "Default" << QColor();
        QTest::newRow("Yellow") << 1 << "Yellow " << QGuiApplication::palette().color(QPalette::ToolTipBase);
        QTest::newRow("Green") << 2 << "Green" << QColor(192, 255, 192);
        QTest::newRow("Teal") << 3 << "Teal" << QColor(0, 128, 128);
        QTest::newRow("Blue Green") << 4 << "Blue Green" << QColor(0, 192, 192);
        QTest::newRow("Lite Orange") << 5 << "Lite Orange" << QColor(255, 224, 192);
    }

    void colourButtonsShowTheirColours()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QColor, colour);
        MainWindow window;
        QRadioButton *button = option(window, QStringLiteral("Option1(%1)").arg(index));
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->isChecked(), index == 0);
        if (colour.isValid()) {
            QVERIFY(button->autoFillBackground());
            QCOMPARE(background(button), colour);
        } else {
            QCOMPARE(background(button), QApplication::palette(button).color(button->backgroundRole()));
        }
        // They keep their colours whatever the window's colour becomes.
        choose(window, QStringLiteral("Option1(%1)").arg(index == 2 ? 4 : 2));
        if (colour.isValid())
            QCOMPARE(background(button), colour);
        else
            QCOMPARE(background(button), QApplication::palette(button).color(button->backgroundRole()));
    }

    void backgroundChoice_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Yellow") << 1 << QGuiApplication::palette().color(QPalette::ToolTipBase);
        QTest::newRow("Green") << 2 << QColor(192, 255, 192);
        QTest::newRow("Teal") << 3 << QColor(0, 128, 128);
        QTest::newRow("Blue Green") << 4 << QColor(0, 192, 192);
        QTest::newRow("Lite Orange") << 5 << QColor(255, 224, 192);
        QTest::newRow("Default") << 0 << QGuiApplication::palette().color(QPalette::Button);
    }

    void backgroundChoice()
    {
        QFETCH(int, index);
        QFETCH(QColor, colour);
        MainWindow window;
        window.show();
        const QColor editBackground =
            window.findChild<QLineEdit *>(QStringLiteral("text1(0)"))->palette().color(QPalette::Base);
        // Default is already chosen at start; choosing it comes after another colour.
        if (index == 0)
            choose(window, QStringLiteral("Option1(3)"));
        choose(window, QStringLiteral("Option1(%1)").arg(index));

        const auto labels = controls<QLabel>(window);
        const auto frames = controls<QGroupBox>(window);
        QVERIFY(labels.size() > 10);
        QVERIFY(frames.size() > 13);
        int onHiddenPages = 0;
        for (QWidget *control : labels + frames) {
            QVERIFY2(
                background(control) == colour && control->autoFillBackground(),
                qPrintable(control->objectName() + QLatin1Char(' ') + control->metaObject()->className()));
            onHiddenPages += !control->isVisible();
        }
        QVERIFY(onHiddenPages > 0);

        int coloured = 0;
        for (QWidget *button : controls<QRadioButton>(window)) {
            const QString name = button->objectName();
            if (name.startsWith(QLatin1String("Option3(")) ||
                name.startsWith(QLatin1String("rbropt_visible(")) ||
                name.startsWith(QLatin1String("BLCKopt("))) {
                QCOMPARE(background(button), colour);
                ++coloured;
            } else if (index != 0 && name != QStringLiteral("Option1(%1)").arg(index)) {
                // The other colour choices, the font choices and "More Info" keep theirs.
                QVERIFY2(background(button) != colour, qPrintable(name));
            }
        }
        QCOMPARE(coloured, 5 + 3 + 2);

        if (index == 0)
            return;
        // Text boxes, lists, command buttons, the grid and the editor are left alone.
        for (QWidget *edit : controls<QLineEdit>(window)) {
            QVERIFY2(background(edit) != colour, qPrintable(edit->objectName()));
            QCOMPARE(edit->palette().color(QPalette::Base), editBackground);
        }
        for (QWidget *other : controls<QComboBox>(window) + controls<QPushButton>(window) +
                                  controls<QTableView>(window) + controls<QTextEdit>(window))
            QVERIFY2(background(other) != colour, qPrintable(other->objectName()));
        QVERIFY(background(window.statusBar()) != colour);
    }

    void tealAsSeen()
    {
        MainWindow window;
        window.show();
        choose(window, QStringLiteral("Option1(3)"));
        QTest::mouseClick(window.pageButton(6), Qt::LeftButton);
        QGroupBox *page = window.page(6);
        const QImage shot = page->grab().toImage();
        const QColor teal(0, 128, 128);
        // Mostly page colour around the text.
        const QList<QLabel *> labels = page->findChildren<QLabel *>();
        QVERIFY(!labels.isEmpty());
        for (QLabel *label : labels)
            QVERIFY2(shareOf(shot, page, label, teal) > 0.4, qPrintable(label->text()));
        const QList<QLineEdit *> edits = page->findChildren<QLineEdit *>();
        QVERIFY(!edits.isEmpty());
        for (QLineEdit *edit : edits)
            QVERIFY2(shareOf(shot, page, edit, teal) < 0.05, qPrintable(edit->objectName()));
        QRadioButton *moreInfo = page->findChild<QRadioButton *>(QStringLiteral("Option10(0)"));
        QVERIFY(moreInfo);
        QVERIFY(shareOf(shot, page, moreInfo, teal) < 0.01);
    }

    void programFont_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("labels");
        QTest::addColumn<QString>("others");     // frames, option buttons, command buttons, grid
        QTest::addColumn<QList<qreal>>("sizes"); // labels, frames, options, commands, grid
        QTest::newRow("Verdana") << 1 << "Verdana"
                                 << "Verdana"
                                 << "Verdana" << QList<qreal>{8, 8, 8, 9, 10};
        QTest::newRow("RICHARD") << 2 << "RICHARD"
                                 << "Poor Richard"
                                 << "Poor Richard" << QList<qreal>{10, 10, 10, 10, 10};
        QTest::newRow("ARIAL") << 3 << "ARIAL"
                               << "Arial"
                               << "Arial" << QList<qreal>{8, 8, 8, 9, 10};
        QTest::newRow("New Roman") << 4 << "New Roman"
                                   << "Times New Roman "
                                   << "Times New Roman" << QList<qreal>{10, 10, 8, 9, 10.5};
        QTest::newRow("Tahoma") << 5 << "Tahoma"
                                << "Stylus BT"
                                << "Tahoma" << QList<qreal>{10, 10, 10, 9, 10};
        QTest::newRow("SANS  SERRIF") << 0 << "SANS  SERRIF"
                                      << "Ms sans serif"
                                      << "Ms sans serif" << QList<qreal>{8, 8, 8, 9, 10};
    }

    void programFont()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, labels);
        QFETCH(QString, others);
        QFETCH(QList<qreal>, sizes);
        MainWindow window;
        window.show();
        QLineEdit *price = window.findChild<QLineEdit *>(QStringLiteral("text1(0)"));
        const QFont priceFont = price->font();
        const QFont statusFont = window.statusBar()->findChild<QLabel *>()->font();
        QLabel *bold = window.findChild<QLabel *>(QStringLiteral("Label3"));
        const bool underlined = bold->font().underline();

        QCOMPARE(option(window, QStringLiteral("Option2(%1)").arg(index))->text(), caption);
        if (index == 0)
            choose(window, QStringLiteral("Option2(3)"));
        choose(window, QStringLiteral("Option2(%1)").arg(index));

        const auto check = [](QWidget *control, const QString &family, qreal size) {
            const FaceSeen face = faceOf(control);
            QVERIFY2(face.family == family && qFuzzyCompare(face.size, size),
                     qPrintable(QStringLiteral("%1 %2: \"%3\" %4")
                                    .arg(QLatin1String(control->metaObject()->className()),
                                         control->objectName(), face.family)
                                    .arg(face.size)));
        };
        const auto checkAll = [&](const auto &list, const QString &family, qreal size) {
            QVERIFY(!list.isEmpty());
            for (QWidget *control : list)
                check(control, family, size);
        };
        checkAll(controls<QLabel>(window), labels, sizes.at(0));
        checkAll(controls<QGroupBox>(window), others, sizes.at(1));
        checkAll(controls<QRadioButton>(window), others, sizes.at(2));
        checkAll(controls<QPushButton>(window), others, sizes.at(3));
        checkAll(window.findChildren<QTableView *>(QStringLiteral("MY_Grid")), others, sizes.at(4));
        QVERIFY(!QTest::currentTestFailed());
        // Only name and size: the link keeps its underline.
        QCOMPARE(bold->font().underline(), underlined);

        // Text boxes and the status bar keep their fonts.
        QCOMPARE(price->font().family(), priceFont.family());
        QCOMPARE(price->font().pointSizeF(), priceFont.pointSizeF());
        for (QWidget *edit : controls<QLineEdit>(window)) {
            QVERIFY(edit->font().family() != others);
            QVERIFY(edit->font().family() != labels);
        }
        for (QWidget *list : controls<QComboBox>(window))
            QVERIFY(list->font().family() != others);
        QCOMPARE(window.statusBar()->findChild<QLabel *>()->font(), statusFont);
    }

    void captionFontsAtStart()
    {
        MainWindow window;
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(option(window, QStringLiteral("Option1(%1)").arg(i))->font().family(),
                     QStringLiteral("ms sans seriff"));
            QCOMPARE(option(window, QStringLiteral("Option1(%1)").arg(i))->font().pointSizeF(), 8.5);
            QCOMPARE(option(window, QStringLiteral("Option2(%1)").arg(i))->font().pointSizeF(), 9.0);
        }
        QVERIFY(option(window, QStringLiteral("Option1(0)"))->isChecked());
        QVERIFY(option(window, QStringLiteral("Option2(0)"))->isChecked());
        // Nothing is coloured or restyled until a choice is made.
        for (QWidget *label : controls<QLabel>(window))
            QVERIFY2(!label->autoFillBackground(), qPrintable(qobject_cast<QLabel *>(label)->text()));
    }

    void choicesSurviveRestart()
    {
        const QColor teal(0, 128, 128);
        {
            MainWindow window;
            window.show();
            choose(window, QStringLiteral("Option1(3)"));
            choose(window, QStringLiteral("Option2(4)"));
            OptionStates::saveAll(&window);
        }
        MainWindow window;
        // Applied while loading, before the window is first shown.
        QVERIFY(!window.isVisible());
        QVERIFY(option(window, QStringLiteral("Option1(3)"))->isChecked());
        QVERIFY(!option(window, QStringLiteral("Option1(0)"))->isChecked());
        QVERIFY(option(window, QStringLiteral("Option2(4)"))->isChecked());
        QVERIFY(!option(window, QStringLiteral("Option2(0)"))->isChecked());
        for (QWidget *label : controls<QLabel>(window)) {
            QCOMPARE(background(label), teal);
            QCOMPARE(label->font().family(), QStringLiteral("Times New Roman "));
        }
        for (QWidget *frame : controls<QGroupBox>(window))
            QCOMPARE(background(frame), teal);
        QCOMPARE(window.totalsGrid()->font().pointSizeF(), 10.5);
        QCOMPARE(window.pageButton(0)->font().pointSizeF(), 9.0);
        QCOMPARE(option(window, QStringLiteral("Option10(0)"))->font().pointSizeF(), 8.0);
        // The captions of the two groups get their load-time fonts after the restored choice.
        QCOMPARE(option(window, QStringLiteral("Option1(2)"))->font().family(),
                 QStringLiteral("ms sans seriff"));
        QCOMPARE(option(window, QStringLiteral("Option1(2)"))->font().pointSizeF(), 8.5);
        QCOMPARE(option(window, QStringLiteral("Option2(2)"))->font().family(),
                 QStringLiteral("Times New Roman"));
        QCOMPARE(option(window, QStringLiteral("Option2(2)"))->font().pointSizeF(), 9.0);
    }

    void menusLightGrey_data()
    {
        QTest::addColumn<QString>("menu");
        for (const char *name :
             {"mnuFile", "mnuView", "mnuTools", "mnuScrSize", "mnuHelp", "mnuPop", "mnurtf", "mnugridEdit"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void menusLightGrey()
    {
        QFETCH(QString, menu);
        MainWindow window;
        window.show();
        auto *found = window.findChild<QMenu *>(menu);
        QVERIFY(found);
        found->ensurePolished();
        found->adjustSize();
        const QImage shot = found->grab().toImage();
        // Most of a menu is background; its text and frame are the rest.
        int grey = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x)
                grey += QColor(shot.pixel(x, y)) == QColor(0xE0, 0xE0, 0xE0);
        }
        QVERIFY2(grey > shot.width() * shot.height() / 2, qPrintable(QString::number(grey)));

        // The entry under the pointer still stands out in the highlight colour.
        const QColor highlight = found->palette().color(QPalette::Highlight);
        QAction *entry = nullptr;
        for (QAction *action : found->actions()) {
            if (!action->isSeparator() && !entry)
                entry = action;
        }
        QVERIFY(entry);
        found->setActiveAction(entry);
        const QImage selected = found->grab().toImage();
        const QRect entryArea = found->actionGeometry(entry);
        int highlighted = 0;
        for (int x = entryArea.left(); x <= entryArea.right(); ++x)
            highlighted += QColor(selected.pixel(x, entryArea.center().y())) == highlight;
        QVERIFY2(highlighted > entryArea.width() / 3, qPrintable(QString::number(highlighted)));
    }

    void menuBarLightGrey()
    {
        MainWindow window;
        window.show();
        QMenuBar *bar = window.menuBar();
        const QImage shot = bar->grab().toImage();
        // The empty right end of the bar.
        QCOMPARE(QColor(shot.pixel(shot.width() - 5, shot.height() / 2)), QColor(0xE0, 0xE0, 0xE0));
    }
};

MORTARIX_TEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
