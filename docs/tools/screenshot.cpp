// Takes the pictures of the user guide and the README. It opens the real main window, works the
// guide's example estimate (a small garage) through the real pages the way a user does — picking
// list entries with the keyboard, typing into fields, clicking into price fields, pressing the step
// buttons, answering the confirmation — and saves a picture of each calculator page after its
// example and of the Totals page at the end. Every value the pages showed is printed, so the guide
// quotes the program's own numbers.
//
// Usage: mortarix_screenshots <output folder>
//
// A step that shows a message where none is expected, or a field that cannot be found, ends the run
// with an error: a picture of a half-worked page would be worse than none.

#include "core/AppInfo.h"
#include "shell/MainWindow.h"
#include "shell/Resources.h"
#include "totals/TotalsGrid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <stdexcept>

namespace {

// Ends the run: something on a page is not as the example needs it.
[[noreturn]] void fail(const QString &what)
{
    throw std::runtime_error(what.toStdString());
}

void print(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// Runs `action` on the next modal window (a message box, a dialog) while it is alive. Modal
// windows block the call that opens them, so the action has to be queued before that call.
class ModalHandler final
{
public:
    explicit ModalHandler(std::function<void(QWidget *)> action) : m_action(std::move(action))
    {
        m_poll.setInterval(10);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || m_handled)
                return;
            m_handled = true;
            m_poll.stop();
            // The action runs inside the window's own event loop: an exception must not leave it.
            try {
                m_action(modal);
            } catch (const std::exception &error) {
                m_error = QString::fromStdString(error.what());
            }
            if (modal->isVisible())
                modal->close();
        });
        m_poll.start();
    }

    bool handled() const { return m_handled; }
    QString error() const { return m_error; }

private:
    std::function<void(QWidget *)> m_action;
    QTimer m_poll;
    bool m_handled = false;
    QString m_error;
};

const QString kSentToTotals = QStringLiteral(
    "Your Info Has Been Sent To The Totals Page.\n\n To View Your Results, Click On Totals Button!");
const QString kPricesSaved = QStringLiteral("Your Data Has Been Saved To A File.");

// The example user: finds the controls of the main window by name and works them.
class User
{
public:
    explicit User(MainWindow &window) : m_window(window) {}

    template <class T> T *find(const QString &name) const
    {
        T *widget = m_window.findChild<T *>(name);
        if (!widget)
            fail(QStringLiteral("no control %1").arg(name));
        return widget;
    }

    // Lets the window finish what the last action started (layout, queued clicks).
    static void settle() { QTest::qWait(60); }

    void openPage(int index)
    {
        QTest::mouseClick(m_window.pageButton(index), Qt::LeftButton);
        settle();
        if (!m_window.page(index)->isVisible())
            fail(QStringLiteral("page %1 did not open").arg(index));
    }

    // Picks `entry` from a list with the arrow keys, as a keyboard user does.
    void choose(const QString &listName, const QString &entry) { choose(find<QComboBox>(listName), entry); }

    static void choose(QComboBox *list, const QString &entry)
    {
        const QString listName = list->objectName();
        const int wanted = list->findText(entry, Qt::MatchExactly);
        if (wanted < 0)
            fail(QStringLiteral("%1 has no entry %2").arg(listName, entry));
        list->setFocus();
        // Arrow keys step through the entries, also in a list that takes typed values.
        while (list->currentIndex() != wanted) {
            const int before = list->currentIndex();
            QTest::keyClick(list, before < wanted ? Qt::Key_Down : Qt::Key_Up);
            if (list->currentIndex() == before)
                fail(QStringLiteral("%1 does not move to %2").arg(listName, entry));
        }
        if (list->currentText() != entry)
            fail(QStringLiteral("%1 shows %2, not %3").arg(listName, list->currentText(), entry));
        settle();
    }

    // Clicks into a text field (which fills a price field from the price list), selects what it
    // holds and types `text` over it.
    void type(const QString &fieldName, const QString &text)
    {
        QWidget *target = nullptr;
        if (auto *list = m_window.findChild<QComboBox *>(fieldName); list && list->isEditable())
            target = list->lineEdit();
        else
            target = find<QLineEdit>(fieldName);
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::keyClick(target, Qt::Key_End);
        QTest::keyClick(target, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClicks(target, text);
        settle();
        if (value(fieldName) != text)
            fail(QStringLiteral("%1 holds %2 after typing %3").arg(fieldName, value(fieldName), text));
    }

    // Clicks into a field without typing: the price fields copy their price-list entry.
    void clickInto(const QString &fieldName)
    {
        QTest::mouseClick(find<QWidget>(fieldName), Qt::LeftButton);
        settle();
    }

    // Clicks an option button on its round mark: a wide option takes clicks only over its mark
    // and caption, not over the empty room to their right.
    static void clickMark(QRadioButton *option)
    {
        QTest::mouseClick(option, Qt::LeftButton, {},
                          QPoint(qMin(10, option->width() / 2), option->height() / 2));
    }

    void clickOption(const QString &name)
    {
        auto *option = find<QRadioButton>(name);
        clickMark(option);
        settle();
        if (!option->isChecked())
            fail(QStringLiteral("%1 is not chosen").arg(name));
    }

    // Presses a button and answers what it shows with OK; `expected` is the message it should
    // show, empty for none.
    void press(const QString &buttonName, const QString &expected = {})
    {
        QString shown;
        ModalHandler answerer([&shown](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (!box)
                fail(QStringLiteral("a window other than a message box opened"));
            shown = box->text();
            if (QAbstractButton *ok = box->button(QMessageBox::Ok))
                ok->click();
        });
        QTest::mouseClick(find<QPushButton>(buttonName), Qt::LeftButton);
        settle();
        if (!answerer.error().isEmpty())
            fail(answerer.error());
        if (shown != expected)
            fail(QStringLiteral("%1 showed \"%2\" instead of \"%3\"").arg(buttonName, shown, expected));
    }

    // Releases the mouse over a "More Info" option, picks `entry` from the pop-up menu it shows
    // and lets `inWindow` work the window that entry opens.
    void openFromMoreInfo(const QString &optionName, const QString &menuName, const QString &entry,
                          const std::function<void(QWidget *)> &inWindow)
    {
        clickMark(find<QRadioButton>(optionName));
        settle();
        QMenu *menu = m_window.popupMenu(menuName);
        auto *action = menu ? menu->findChild<QAction *>(entry) : nullptr;
        if (!action || !menu->isVisible())
            fail(QStringLiteral("%1 did not show the menu %2").arg(optionName, menuName));
        ModalHandler handler(inWindow);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        settle();
        if (!handler.handled())
            fail(QStringLiteral("%1 opened no window").arg(entry));
        if (!handler.error().isEmpty())
            fail(handler.error());
    }

    QString value(const QString &fieldName) const
    {
        QObject *field = m_window.findChild<QObject *>(fieldName);
        if (auto *line = qobject_cast<QLineEdit *>(field))
            return line->text();
        if (auto *list = qobject_cast<QComboBox *>(field))
            return list->currentText();
        if (auto *label = qobject_cast<QLabel *>(field))
            return label->text();
        fail(QStringLiteral("no field %1").arg(fieldName));
    }

    // Prints what a field shows, for the guide.
    void report(const QString &page, const QString &fieldName) const
    {
        print(QStringLiteral("%1  %2 = %3").arg(page, fieldName, value(fieldName)));
    }

    // The labour cost in whole dollars, then Send with its confirmation answered.
    void send(int labourIndex, const QString &labour, const QString &sendButton)
    {
        type(QStringLiteral("myADDSigntbx(%1)").arg(labourIndex), labour);
        press(sendButton, kSentToTotals);
    }

    void snap(const QString &folder, const QString &fileName) const
    {
        settle();
        const QString path = QDir(folder).filePath(fileName);
        if (!m_window.grab().save(path, "PNG"))
            fail(QStringLiteral("cannot write %1").arg(path));
        print(QStringLiteral("saved %1").arg(path));
    }

private:
    MainWindow &m_window;
};

// Example prices: at most four characters each, as the price list takes them. They are only
// examples, not anyone's current prices.
void fillPriceList(User &user, MainWindow &window)
{
    window.menuAction(QStringLiteral("mnuPrceList"))->trigger();
    User::settle();
    const QStringList prices = {QStringLiteral("85"),   QStringLiteral("1.60"), QStringLiteral("1.25"),
                                QStringLiteral("120"),  QStringLiteral("45"),   QStringLiteral("32"),
                                QStringLiteral(".45"),  QStringLiteral(".70"),  QStringLiteral(".95"),
                                QStringLiteral("1.60"), QStringLiteral("2.45")};
    for (int i = 0; i < prices.size(); ++i)
        user.type(QStringLiteral("text1(%1)").arg(i), prices.at(i));
    user.press(QStringLiteral("MyPriceListcmd_Save"), kPricesSaved);
}

void footing(User &user)
{
    const QString page = QStringLiteral("Footing");
    user.openPage(0);
    user.choose(QStringLiteral("MyFNGcbo_Wdth"), QStringLiteral("16\""));
    user.choose(QStringLiteral("MyFNGcbo_Hght"), QStringLiteral("8\""));
    user.type(QStringLiteral("MyFNGtbx_lngth"), QStringLiteral("100"));
    user.press(QStringLiteral("MyFNGcmd_TLCY"));
    user.clickInto(QStringLiteral("MyFNGcbx_CPCY"));
    user.press(QStringLiteral("MyFNGcmd_TC"));
    for (const char *field : {"MyFNGtbx_TLCY", "MyFNGcbx_CPCY", "MyFNGtbx_TC"})
        user.report(page, QLatin1String(field));
    user.send(6, QStringLiteral("450"), QStringLiteral("Myfngcmd_send"));
}

void piers(User &user)
{
    const QString page = QStringLiteral("Piers");
    user.openPage(1);
    user.choose(QStringLiteral("MyPRScbo_Width"), QStringLiteral("12\""));
    user.choose(QStringLiteral("MyPRScbo_lngth"), QStringLiteral("12\""));
    user.choose(QStringLiteral("MyPRScbo_Depth"), QStringLiteral("48\""));
    user.choose(QStringLiteral("MyPRStbx_Qnty"), QStringLiteral("4"));
    user.press(QStringLiteral("MYPRScmd_TCY"));
    user.clickInto(QStringLiteral("MyPRStbx_CPY_TWO"));
    user.press(QStringLiteral("MYPRScmd_TC"));
    for (const char *field : {"MyPRStbx_TCY", "MyPRStbx_CPY_TWO", "MyPRStbx_TCOCY"})
        user.report(page, QLatin1String(field));
    user.send(4, QStringLiteral("200"), QStringLiteral("MYPRScmd_Send"));
}

void rebar(User &user)
{
    const QString page = QStringLiteral("Rebar");
    user.openPage(2);
    // Two rows of bar along the footing.
    user.clickOption(QStringLiteral("rbropt_visible(0)"));
    user.type(QStringLiteral("MyRbrtbx_TLF"), QStringLiteral("100"));
    user.choose(QStringLiteral("MYRBRcbo_Qnty"), QStringLiteral("2"));
    user.press(QStringLiteral("MyRbrcmd_TQ"));
    // Vertical bars in the block wall, 2 feet on centre; the wall length is typed.
    user.clickOption(QStringLiteral("rbropt_visible(1)"));
    user.choose(QStringLiteral("MyRbrVcbx_OCD"), QStringLiteral("2'"));
    user.choose(QStringLiteral("MyRbrVcbx_HOW"), QStringLiteral("4'"));
    user.type(QStringLiteral("MyRbrVcbx_LOW"), QStringLiteral("100"));
    user.press(QStringLiteral("MyRbrVcmd_QLF"));
    // Mats under the four piers.
    user.clickOption(QStringLiteral("rbropt_visible(2)"));
    user.choose(QStringLiteral("MyRbrRMcbx_LOM"), QStringLiteral("24\""));
    user.choose(QStringLiteral("MyRbrRMcbx_WOM"), QStringLiteral("24\""));
    user.choose(QStringLiteral("MyRbrRMcbx_DOC"), QStringLiteral("6\""));
    user.choose(QStringLiteral("MyRbrRMcbx_QOM"), QStringLiteral("4"));
    user.press(QStringLiteral("MyRbrRMcmd_QLF"));
    user.press(QStringLiteral("MyRbrVcmd_TtLLF"));
    user.clickOption(QStringLiteral("Option3(0)"));
    user.press(QStringLiteral("MyRbrVcmd_TC"));
    for (const char *field : {"MyRbrtbx_TQLF", "MyRbrVtbx_QLF", "MyRbrRMtbx_QLF", "MyRbrVtbx_TtlLF",
                              "MyRbrVtbx_CPLF", "MyRbrtVtbx_TC"})
        user.report(page, QLatin1String(field));
    user.send(1, QStringLiteral("250"), QStringLiteral("MyRbrRMcmd_STOS"));
}

void flatwork(User &user)
{
    const QString page = QStringLiteral("Flatwork");
    user.openPage(3);
    user.choose(QStringLiteral("MyFWcbo_Thkns"), QStringLiteral("4\""));
    user.type(QStringLiteral("MyFWtbx_Lngth"), QStringLiteral("30"));
    user.type(QStringLiteral("MyFWtbx_Wdth"), QStringLiteral("20"));
    user.press(QStringLiteral("MyFWcmd_TLCY"));
    user.clickInto(QStringLiteral("MyFWtbx_CPCY"));
    user.press(QStringLiteral("MyFWcmd_TC"));
    for (const char *field : {"MyFWtbx_TLCY", "MyFWlbl_TSFt", "MyFWtbx_CPCY", "MyFwtbx_TC"})
        user.report(page, QLatin1String(field));
    user.send(2, QStringLiteral("900"), QStringLiteral("MyFNGFWcmd_send"));
}

// The square feet one cubic yard covers at each thickness the coverage window offers.
void slabCoverage(User &user)
{
    user.openPage(3);
    user.openFromMoreInfo(QStringLiteral("Option10(3)"), QStringLiteral("mnuPop"),
                          QStringLiteral("mnuPopACovr"), [](QWidget *window) {
                              auto *thickness =
                                  window->findChild<QComboBox *>(QStringLiteral("MyFWsq2cycbx_thickness"));
                              auto *total = window->findChild<QLabel *>(QStringLiteral("MYACtbx_TSF"));
                              if (!thickness || !total)
                                  fail(QStringLiteral("the slab coverage window lacks its fields"));
                              for (int i = 0; i < thickness->count(); ++i) {
                                  User::choose(thickness, thickness->itemText(i));
                                  print(QStringLiteral("Slab coverage  %1 = %2 sq. ft.")
                                            .arg(thickness->itemText(i), total->text()));
                              }
                              window->findChild<QPushButton *>(QStringLiteral("MYSQFTfrmcmd_close"))->click();
                          });
}

// The square feet of each roll the roll coverage window offers.
void rollCoverage(User &user)
{
    user.openPage(4);
    user.openFromMoreInfo(
        QStringLiteral("Option10(4)"), QStringLiteral("mnuPopww"), QStringLiteral("mnuPAreaCOv"),
        [](QWidget *window) {
            auto *total = window->findChild<QLabel *>(QStringLiteral("MYAREAlbl_TotSF"));
            if (!total)
                fail(QStringLiteral("the roll coverage window lacks its display"));
            for (const char *name : {"MYAREAopt_100", "MYAREAopt_150", "MYAREAopt_500"}) {
                auto *roll = window->findChild<QRadioButton *>(QLatin1String(name));
                if (!roll)
                    fail(QStringLiteral("no option %1").arg(QLatin1String(name)));
                User::clickMark(roll);
                print(QStringLiteral("Roll coverage  %1 = %2").arg(roll->text(), total->text()));
            }
            window->findChild<QPushButton *>(QStringLiteral("MYfrmWWcmd_close"))->click();
        });
}

void weldedWire(User &user)
{
    const QString page = QStringLiteral("Weld Wire");
    user.openPage(4);
    user.choose(QStringLiteral("MyWWcbo_size"), QStringLiteral("150 '"));
    user.type(QStringLiteral("MyFWWWtbx_Length"), QStringLiteral("30"));
    user.type(QStringLiteral("MyFWWWtbx_Width"), QStringLiteral("20"));
    user.press(QStringLiteral("MyFWWWcmd_TSF"));
    user.press(QStringLiteral("MYWWcmd_ToTCst"));
    for (const char *field :
         {"MyFWWWtbx_TSF", "MYWWlbl_PercentBox", "MYWWlbl_TSQOW", "MYWWtbx_CPRoll", "MYWWtbx_TotalCost"})
        user.report(page, QLatin1String(field));
    user.send(3, QStringLiteral("100"), QStringLiteral("MyFWWWcmd_SITS"));
}

void block(User &user)
{
    const QString page = QStringLiteral("Block");
    user.openPage(5);
    user.choose(QStringLiteral("MyBLCKcbx_WallHght"), QStringLiteral("4'"));
    user.type(QStringLiteral("MyBLKtbx_length"), QStringLiteral("100"));
    user.clickOption(QStringLiteral("BLCKopt(0)"));
    user.press(QStringLiteral("MyBLKcmd_TQ"));
    user.press(QStringLiteral("MyBLKcmd_TC"));
    for (const char *field : {"MyBLKtbx_TQ", "MyBLKtbx_CPB", "MyBLKtbx_TC"})
        user.report(page, QLatin1String(field));
    user.send(5, QStringLiteral("1200"), QStringLiteral("MyBLKcmd_Send"));
}

void pouredWalls(User &user)
{
    const QString page = QStringLiteral("PRD Walls");
    user.openPage(6);
    user.choose(QStringLiteral("MyCWcbx_WH"), QStringLiteral("4'"));
    user.choose(QStringLiteral("MyCWcbx_WL"), QStringLiteral("30'"));
    user.choose(QStringLiteral("MyCWcbx_WT"), QStringLiteral("8\""));
    user.press(QStringLiteral("MYTQCUcmd"));
    user.clickInto(QStringLiteral("MyCWtbx_CPCY"));
    user.press(QStringLiteral("MYCYPLF"));
    for (const char *field : {"MyCWtbx_TQCY", "MyCWtbx_CPCY", "MyCWtbx_TCOM"})
        user.report(page, QLatin1String(field));
    user.send(7, QStringLiteral("600"), QStringLiteral("MYCWcmd_Send"));
}

void brick(User &user)
{
    const QString page = QStringLiteral("Brick");
    user.openPage(7);
    user.choose(QStringLiteral("MyBrickcbo_Size"), QStringLiteral("4 x 2-3/4 x 8"));
    user.type(QStringLiteral("MYBricktbx_LOW"), QStringLiteral("20"));
    user.choose(QStringLiteral("MYBRICKcbo_HOW"), QStringLiteral("8'"));
    user.press(QStringLiteral("MYBRICKcmd_SqFT"));
    user.type(QStringLiteral("MyBRICKtxt_CstOfBrck"), QStringLiteral(".45"));
    user.press(QStringLiteral("MYBRICKcmd_TotalCost"));
    for (const char *field : {"MyBrickLBL_persqft", "MyBRICKlbl_CLCSqFt", "MyBRICKlbl_Count",
                              "MyBRICKtxt_CstOfBrck", "MYBRICKlbl_Ccost"})
        user.report(page, QLatin1String(field));
    user.send(0, QStringLiteral("800"), QStringLiteral("MyBRICKcmd_Send"));
}

// A few more readings the guide quotes to show how results are written: after the pictures, so
// they change neither a picture nor the totals.
void furtherReadings(User &user)
{
    const QString page = QStringLiteral("Further");
    user.openPage(0);
    user.choose(QStringLiteral("MyFNGcbo_Wdth"), QStringLiteral("8\""));
    user.choose(QStringLiteral("MyFNGcbo_Hght"), QStringLiteral("8\""));
    user.type(QStringLiteral("MyFNGtbx_lngth"), QStringLiteral("10"));
    user.press(QStringLiteral("MyFNGcmd_TLCY"));
    user.report(page + QStringLiteral(" footing 8\" x 8\" x 10 ft"), QStringLiteral("MyFNGtbx_TLCY"));

    user.openPage(6);
    user.choose(QStringLiteral("MyCWcbx_WH"), QStringLiteral("4'"));
    user.choose(QStringLiteral("MyCWcbx_WL"), QStringLiteral("10'"));
    user.choose(QStringLiteral("MyCWcbx_WT"), QStringLiteral("8\""));
    user.press(QStringLiteral("MYTQCUcmd"));
    user.report(page + QStringLiteral(" wall 4' x 10' x 8\""), QStringLiteral("MyCWtbx_TQCY"));

    user.openPage(5);
    const QStringList walls[] = {{QStringLiteral("3'"), QStringLiteral("10")},
                                 {QStringLiteral("5'"), QStringLiteral("10")},
                                 {QStringLiteral("8'"), QStringLiteral("12.5")}};
    for (const QStringList &wall : walls) {
        user.choose(QStringLiteral("MyBLCKcbx_WallHght"), wall.at(0));
        user.type(QStringLiteral("MyBLKtbx_length"), wall.at(1));
        user.press(QStringLiteral("MyBLKcmd_TQ"));
        user.report(page + QStringLiteral(" block %1 x %2 ft").arg(wall.at(0), wall.at(1)),
                    QStringLiteral("MyBLKtbx_TQ"));
    }

    user.openPage(2);
    user.clickOption(QStringLiteral("rbropt_visible(1)"));
    user.choose(QStringLiteral("MyRbrVcbx_OCD"), QStringLiteral("2'"));
    user.choose(QStringLiteral("MyRbrVcbx_HOW"), QStringLiteral("16'"));
    user.type(QStringLiteral("MyRbrVcbx_LOW"), QStringLiteral("200"));
    user.press(QStringLiteral("MyRbrVcmd_QLF"));
    user.report(page + QStringLiteral(" vertical rebar 2' o.c., 16' high, 200 ft"),
                QStringLiteral("MyRbrVtbx_QLF"));

    user.openPage(7);
    user.choose(QStringLiteral("MyBrickcbo_Size"), QStringLiteral("4 x 2-3/4 x 8"));
    user.type(QStringLiteral("MYBricktbx_LOW"), QStringLiteral("10"));
    user.choose(QStringLiteral("MYBRICKcbo_HOW"), QStringLiteral("3'"));
    user.press(QStringLiteral("MYBRICKcmd_SqFT"));
    user.report(page + QStringLiteral(" brick 4 x 2-3/4 x 8, 10 ft x 3'"),
                QStringLiteral("MyBRICKlbl_Count"));
    user.choose(QStringLiteral("MyBrickcbo_Size"), QStringLiteral("4 x 3 x 8"));
    user.report(page + QStringLiteral(" brick then 4 x 3 x 8"), QStringLiteral("MyBRICKlbl_Count"));
    user.press(QStringLiteral("MYBRICKcmd_SqFT"));
    user.report(page + QStringLiteral(" brick then Square Feet"), QStringLiteral("MyBRICKlbl_Count"));
}

// Prints the rows the estimate filled, the sub totals and the grand total.
void reportTotals(MainWindow &window)
{
    const TotalsGrid *grid = window.totalsGrid();
    for (int row = TotalsGrid::kFirstCalculatorRow; row < TotalsGrid::kRows; ++row) {
        QStringList cells;
        for (int column = 0; column < TotalsGrid::kColumns; ++column)
            cells << grid->cell(row, column);
        if (!cells.join(QString()).isEmpty())
            print(QStringLiteral("Totals  row %1: %2").arg(row).arg(cells.join(QStringLiteral(" | "))));
    }
}

int run(const QString &folder)
{
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        fail(QStringLiteral("the main window was not shown"));
    User user(window);

    fillPriceList(user, window);

    const struct
    {
        void (*work)(User &);
        const char *picture;
    } pages[] = {{footing, "page-footing.png"},
                 {piers, "page-piers.png"},
                 {rebar, "page-rebar.png"},
                 {flatwork, "page-flatwork.png"},
                 {weldedWire, "page-weldedwire.png"},
                 {block, "page-block.png"},
                 {pouredWalls, "page-pouredwalls.png"},
                 {brick, "page-brick.png"}};
    for (const auto &page : pages) {
        page.work(user);
        user.snap(folder, QLatin1String(page.picture));
    }

    slabCoverage(user);
    rollCoverage(user);

    // The page button recomputes the totals as it brings the page to the front.
    user.openPage(MainWindow::kTotalsPage);
    reportTotals(window);
    user.snap(folder, QStringLiteral("totals.png"));

    furtherReadings(user);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // A settings folder of its own, so the example prices never reach the user's price list.
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fputs("mortarix_screenshots: no temporary folder\n", stderr);
        return 1;
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));

    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: mortarix_screenshots <output folder>\n", stderr);
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "mortarix_screenshots: cannot create %s\n", argv[1]);
        return 1;
    }

    initMortarixResources();
    // The guide's amounts are in US dollars, whatever the machine's own settings.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    app.setApplicationName(AppInfo::title());
    app.setApplicationDisplayName(AppInfo::title());
    app.setApplicationVersion(AppInfo::versionTriple());

    try {
        return run(folder);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "mortarix_screenshots: %s\n", error.what());
        return 1;
    }
}
