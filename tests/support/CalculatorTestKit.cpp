#include "support/CalculatorTestKit.h"

#include "calculators/CalculatorPage.h"
#include "core/SettingsStore.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace CalculatorTestKit {

namespace {

struct Message
{
    QString text;
    QMessageBox::Icon icon;
};

// The messages a script names after "=>".
const QHash<QString, Message> &messages()
{
    using Box = QMessageBox;
    static const QHash<QString, Message> known{
        {"missing", {"Please Enter Data To Complete Calculation", Box::Warning}},
        {"max", {"This program has reached its maximum calculation.\n Please enter new values!", Box::Information}},
        {"labour", {"Please Insert A Value Into The \n\"ADD LABOR\" \nText Box.", Box::Critical}},
        {"sent", {"Your Info Has Been Sent To The Totals Page.\n\n To View Your Results, Click On Totals Button!",
                  Box::Information}},
        {"thickness", {"Please enter thickness of concrete floor", Box::Warning}},
        {"hint", {"To Begin - \nEnter Values Into The Brick Calculator.", Box::Critical}},
        {"wall note", {"To Deduct Window And Door Openings:\n\nMultiply the sq. ft. area of the opening\n"
                       "times the wall thickness in inches.\nThen multiply that result by  .0031",
                       Box::Information}},
        {"flatwork note", {"Flatwork includes, but is not limited to :\n\nDriveways, Patios, Sidewalks, Garages,\n"
                           "Pool Areas and Basement Flooring\n just to name a few typical installations.",
                           Box::Information}},
        {"rebar note", {"This application is for estimating the quantity of steel \nreinforcement bars (rebar) set "
                        "into pre-formed footings\nor bond beams. \n \nThese calculations can also be used for "
                        "vertical\ncolumns, rebar matts and reinforced concrete\ninstallations.\n ",
                        Box::Information}},
        {"block note", {"This application is for calculating quantity of block \nunits in selected height and "
                        "length of walls.\n\nThese calculations do not include:\n\nCorner Block - Window Block or "
                        "Door Blocks",
                        Box::Information}},
        {"brick note", {"Brick Style Criteria\n\nModular Brick For Single Wythe Walls In running Bond.\n\n"
                        "No Allowances For Breakage Or Waste.",
                        Box::Information}},
        {"wire note", {"Common Industry dimension of Welded Wire Fabric is 6\" x  6\" \nand has a width of 60\". It "
                       "can be purchase in 100', 150' and 500' rolls.\n \n When installed, the wire is over-lapped "
                       "6 \n \n\n For More Information Select \" AREA COVERAGE \"\n",
                       Box::Information}},
    };
    return known;
}

QString textOf(const QWidget *w)
{
    if (auto *line = qobject_cast<const QLineEdit *>(w))
        return line->text();
    if (auto *list = qobject_cast<const QComboBox *>(w))
        return list->currentText();
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(w))
        return frame->title();
    return QStringLiteral("?");
}

// What a control is: "pick:" or "edit:" and a list's entries, "result", "max N" or "free" for a
// text field, else its text.
QString kindOf(const QWidget *w)
{
    if (auto *list = qobject_cast<const QComboBox *>(w)) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return (list->isEditable() ? "edit:" : "pick:") + entries.join('|');
    }
    if (auto *line = qobject_cast<const QLineEdit *>(w)) {
        if (line->isReadOnly())
            return QStringLiteral("result");
        return line->maxLength() < 32767 ? QString("max " + QString::number(line->maxLength())) : QString("free");
    }
    return textOf(w);
}

void expectMessage(const QList<TestSupport::ShownMessage> &seen, const QString &expected)
{
    if (expected.isEmpty())
        QVERIFY2(seen.isEmpty(), qPrintable(seen.value(0).text));
    if (expected.isEmpty())
        return;
    QTRY_COMPARE(seen.size(), 1);
    QVERIFY2(messages().contains(expected), qPrintable(expected));
    QCOMPARE(seen[0].text, messages()[expected].text);
    QCOMPARE(seen[0].icon, messages()[expected].icon);
    QCOMPARE(seen[0].title, QStringLiteral("Mortarix"));
    QCOMPARE(seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

} // namespace

void fillEveryPage(MainWindow &window)
{
    for (CalculatorPage *page : window.calculators()) {
        for (QLineEdit *line : page->findChildren<QLineEdit *>()) {
            if (!qobject_cast<QComboBox *>(line->parentWidget()))
                line->setText(QStringLiteral("12"));
        }
        for (QComboBox *list : page->findChildren<QComboBox *>())
            list->setCurrentIndex(list->count() - 1);
    }
}

void sendEveryPage(MainWindow &window)
{
    TestSupport::MessageAnswers sent(QList<QMessageBox::StandardButton>(8, QMessageBox::Ok));
    for (CalculatorPage *page : window.calculators())
        page->postToTotals();
    QCOMPARE(sent.seen.size(), 8);
}

QStringList describe(const StepOutcome &outcome)
{
    const QString message[] = {{}, QStringLiteral("missing"), QStringLiteral("maximum")};
    QStringList described{message[int(outcome.message)]};
    for (const auto &[field, text] : outcome.writes)
        described << field + '=' + text;
    return described;
}

PageDriver::PageDriver(int page) : m_page(page)
{
    QFile::remove(SettingsStore::filePath());
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    if (m_page >= 0) // else the start page, for a script from the keyboard alone
        QTest::mouseClick(m_window->pageButton(m_page), Qt::LeftButton);
}

QWidget *PageDriver::find(const QString &name) const
{
    if (name == QLatin1String("page"))
        return m_window->page(m_page);
    for (QWidget *root : {QApplication::activeModalWidget(), static_cast<QWidget *>(m_window->page(m_page))}) {
        if (QWidget *found = root ? root->findChild<QWidget *>(name) : nullptr)
            return found;
    }
    qFatal("no field %s", qPrintable(name));
    return nullptr;
}

QWidget *PageDriver::focused() const
{
    // The offscreen platform has no window manager to give the window back its activation when a
    // message box closes; shortcuts only reach an active window.
    if (!QApplication::activeWindow()) {
        m_window->activateWindow();
        (void)QTest::qWaitForWindowActive(m_window.get());
    }
    return m_window->focusWidget() ? m_window->focusWidget() : m_window.get();
}

// Ctrl+N puts the focus on the page's first control; from there Tab follows the page top to bottom
// and left to right (back up only into a column further right), reaching every input, step button,
// the labour field, then Send; Shift+Tab leaves the labour field too.
void PageDriver::checkTabOrder()
{
    QGroupBox *page = m_window->page(m_page);
    QTest::keyClick(focused(), Qt::Key(Qt::Key_1 + m_page), Qt::ControlModifier);
    QList<QWidget *> reached;
    for (QWidget *w = focused(); page->isAncestorOf(w) && !reached.contains(w); w = focused()) {
        reached << w;
        QTest::keyClick(w, Qt::Key_Tab);
    }
    const auto labour =
        std::ranges::find_if(reached, [](auto *w) { return w->objectName().startsWith("myADDSigntbx("); });
    QVERIFY(labour != reached.cend() && labour != reached.cbegin() && labour + 1 != reached.cend());
    auto *send = qobject_cast<QPushButton *>(labour[1]);
    QVERIFY(send && send->text().startsWith("Send"));
    labour[0]->setFocus();
    QTest::keyClick(labour[0], Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), labour[-1]);
    const auto place = [page](const QWidget *w) { return QRect(w->mapTo(page, QPoint()), w->size()); };
    for (qsizetype i = 1; i < reached.size(); ++i)
        QVERIFY2(place(reached.at(i)).top() >= place(reached.at(i - 1)).top() - 2 ||
                     place(reached.at(i)).left() > place(reached.at(i - 1)).left(),
                 qPrintable(reached.at(i - 1)->objectName() + " before " + reached.at(i)->objectName()));
    for (QWidget *w : page->findChildren<QWidget *>()) {
        auto *line = qobject_cast<QLineEdit *>(w);
        const bool input = (line && !line->isReadOnly() && !qobject_cast<QComboBox *>(w->parentWidget())) ||
                           qobject_cast<QComboBox *>(w) || qobject_cast<QPushButton *>(w);
        QVERIFY2(!w->isVisible() || !input || reached.contains(w), qPrintable(w->objectName()));
        // A group of option buttons is reached through one of them.
        QVERIFY2(!w->isVisible() || !qobject_cast<QRadioButton *>(w) || std::ranges::any_of(reached, [w](auto *r) {
                     return qobject_cast<QRadioButton *>(r) && r->parentWidget() == w->parentWidget();
                 }),
                 qPrintable(w->objectName()));
    }
}

void PageDriver::enter(QWidget *field, const QString &text)
{
    auto *list = qobject_cast<QComboBox *>(field);
    if (!list || list->isEditable()) {
        list ? list->clearEditText() : qobject_cast<QLineEdit *>(field)->clear();
        QTest::keyClicks(field, text);
        return;
    }
    if (text.isEmpty())
        return list->setCurrentIndex(-1);
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    // Chosen with the keyboard as a user does; End first, so even the entry already chosen is chosen again.
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex(), index);
}

void PageDriver::run(const QString &script)
{
    for (QString action : script.split(';')) {
        while (action.startsWith(' '))
            action.remove(0, 1);
        const QString expected = action.section(QStringLiteral(" => "), 1);
        action = action.section(QStringLiteral(" => "), 0, 0);
        TestSupport::MessageAnswers answers({QMessageBox::Ok});
        act(action.section(' ', 0, 0), action.section(' ', 1, 1), action.section(' ', 2));
        QCoreApplication::processEvents();
        if (!QTest::currentTestFailed())
            expectMessage(answers.seen, expected);
        if (QTest::currentTestFailed())
            return qWarning("in \"%s\"", qPrintable(action));
    }
}

// set: choose or type into a field; type: type more; put: set a text; is: the text shown;
// field: what the control is (see describe); label: a label's text, ">name" of its buddy;
// click: a mouse click (right, middle); key: keys; price: a price-list entry; open: a page;
// row, cell, only: the totals grid; status: the page's status panel; focus, shown, checked;
// menu, act: the pop-up menus;
// modal: the modal window in front and its frame's title; command: a menu entry of the window;
// from the keyboard alone, to whatever has the focus: tab/backtab (until the name has it), press
// (keys), write (text), pick (an entry of a list by arrow keys), tabs (the page's whole tab order).
void PageDriver::act(const QString &verb, const QString &name, const QString &rest)
{
    const TotalsGrid *grid = m_window->totalsGrid();
    if (verb == "set") {
        enter(find(name), rest);
    } else if (verb == "type") {
        QTest::keyClicks(find(name), rest);
    } else if (verb == "put") {
        name == "@clipboard" ? QGuiApplication::clipboard()->setText(rest)
                             : qobject_cast<QLineEdit *>(find(name))->setText(rest);
    } else if (verb == "is") {
        QCOMPARE(name == "@clipboard" ? QGuiApplication::clipboard()->text() : textOf(find(name)), rest);
    } else if (verb == "field") {
        QCOMPARE(kindOf(find(name)), rest);
        if (auto *list = qobject_cast<QComboBox *>(find(name)))
            QCOMPARE(list->currentText(), QString()); // nothing is chosen at first
    } else if (verb == "label") {
        const QString wanted = QString(name + ' ' + rest).trimmed();
        const QString text = wanted.section(QLatin1Char('>'), 0, 0), buddy = wanted.section(QLatin1Char('>'), 1);
        bool found = false;
        QWidget *root = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : find("page");
        for (const QLabel *label : root->findChildren<QLabel *>())
            found = found || (label->text() == text && (buddy.isEmpty() || label->buddy() == find(buddy)));
        QVERIFY2(found, qPrintable(text));
    } else if (verb == "click") {
        QWidget *target = find(name);
        const Qt::MouseButton button = rest == "right"    ? Qt::RightButton
                                       : rest == "middle" ? Qt::MiddleButton
                                                          : Qt::LeftButton;
        // An option is clicked on its indicator, where a click always lands.
        const QPoint at = qobject_cast<QRadioButton *>(target) ? QPoint(6, target->height() / 2) : QPoint();
        QTest::mouseClick(target, button, {}, at);
    } else if (verb == "key") {
        QWidget *target = find(name);
        target->setFocus();
        const QKeySequence keys = QKeySequence::fromString(rest);
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(target, keys[i].key(), keys[i].keyboardModifiers());
    } else if (verb == "price") {
        m_window->priceList()->entryField(name.toInt())->setText(rest);
    } else if (verb == "open") {
        m_page = name.toInt();
        QTest::mouseClick(m_window->pageButton(m_page), Qt::LeftButton);
    } else if (verb == "row" || verb == "only") {
        for (int r = 1; r <= 8; ++r) {
            QStringList cells;
            for (int c = 0; c < (verb == "row" ? TotalsGrid::kColumns : 3); ++c)
                cells << grid->cell(r, c);
            if (r == name.toInt() && verb == "row")
                QCOMPARE(cells.join('|'), rest);
            else if (r != name.toInt() && verb == "only") // no other calculator's row was written
                QCOMPARE(cells.last(), QStringLiteral("$0.00"));
        }
    } else if (verb == "cell") {
        QCOMPARE(grid->cell(name.section('/', 0, 0).toInt(), name.section('/', 1).toInt()), rest);
    } else if (verb == "status") {
        QCOMPARE(m_window->statusText(MainWindow::StatusPanel::Page), QString(name + ' ' + rest).trimmed());
    } else if (verb == "focus") {
        QCOMPARE(m_window->focusWidget(), find(name));
    } else if (verb == "shown") {
        QCOMPARE(find(name)->isVisible(), rest == "1");
    } else if (verb == "checked") {
        QCOMPARE(qobject_cast<QRadioButton *>(find(name))->isChecked(), rest == "1");
    } else if (verb == "menu") {
        QMenu *menu = m_window->popupMenu(name);
        if (rest == "1")
            QTRY_VERIFY(menu->isVisible());
        QCOMPARE(menu->isVisible(), rest == "1");
        menu->hide();
    } else if (verb == "act") {
        m_window->popupMenu(name.section('/', 0, 0))->findChild<QAction *>(name.section('/', 1))->trigger();
    } else if (verb == "modal") {
        QWidget *modal = QApplication::activeModalWidget();
        QCOMPARE(modal ? modal->objectName() : QString(), name);
        if (modal) {
            QCOMPARE(modal->windowTitle(), QStringLiteral("Mortarix"));
            QCOMPARE(modal->parentWidget(), static_cast<QWidget *>(m_window.get()));
            QCOMPARE(modal->findChild<QGroupBox *>()->title(), rest);
        }
    } else if (verb == "command") {
        m_window->menuAction(name)->trigger();
    } else if (verb == "tab" || verb == "backtab") {
        const bool back = verb == "backtab";
        for (int i = 0; i < 40 && focused()->objectName() != name; ++i)
            QTest::keyClick(focused(), back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(focused()->objectName(), name);
    } else if (verb == "press") {
        const QKeySequence keys = QKeySequence::fromString(name);
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(focused(), keys[i].key(), keys[i].keyboardModifiers());
    } else if (verb == "write") {
        QTest::keyClicks(focused(), QString(name + ' ' + rest).trimmed());
    } else if (verb == "pick") {
        QVERIFY2(qobject_cast<QComboBox *>(focused()), qPrintable(focused()->objectName()));
        enter(focused(), QString(name + ' ' + rest).trimmed());
    } else if (verb == "tabs") {
        checkTabOrder();
    } else if (!verb.isEmpty()) {
        QFAIL("unknown action");
    }
}

} // namespace CalculatorTestKit
