#pragma once

// What the calculator tests share: a step's outcome as comparable text, finding, picking and pressing
// a page's controls, and the two ways a test holds a page (on its own beside a price list and a
// totals grid, or inside a whole main window).
#include "support/TestSupport.h"

#include "core/CalculationStep.h"
#include "calculators/Workspace.h"
#include "shell/MainWindow.h"
#include "totals/PriceListPage.h"
#include "totals/TotalsGrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

namespace CalculatorTestKit {

// What messageOf gives for the two messages a step can show.
inline const QString kMissing = QStringLiteral("missing");
inline const QString kMaximum = QStringLiteral("maximum");

// The texts of those two messages as the page shows them.
inline const QString kDataMissingText = QStringLiteral("Please Enter Data To Complete Calculation");
inline const QString kMaximumText =
    QStringLiteral("This program has reached its maximum calculation.\n Please enter new values!");

// The outcome's message: kMissing, kMaximum, or an empty text for none.
QString messageOf(const StepOutcome &outcome);

// "field=text" for every write, in order; an emptied field shows as "field=".
QStringList writesOf(const StepOutcome &outcome);

// An outcome as one list: its message (empty for none), then each write as name=text.
QStringList describe(const StepOutcome &outcome);

// The child of `root` named `name`; a missing one ends the test program.
template <class T> T *child(const QObject *root, const char *name)
{
    T *widget = root->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no field %s", name);
    return widget;
}

// The entries of `list`, in order.
QStringList entriesOf(const QComboBox *list);

// The texts of every label inside `root`.
QStringList labelTexts(const QObject *root);

// True when a label inside `root` reads `text` and has `field` as its buddy.
bool isLabelled(const QObject *root, const QWidget *field, const QString &text);

// Chooses the entry of `list` that reads `entry`, which must be there.
void pick(QComboBox *list, const QString &entry);

// Picks entry `index` of a pick-only list as a user does, with the keyboard.
void choose(QComboBox *list, int index);

// Clicks `button`, answering the message it shows with OK, and returns that message's text, or an
// empty text when none came. A message under another title than "Mortarix" gives "wrong title: ".
QString press(QPushButton *button);

// A calculator page on its own in a shown window, beside a price list and a loaded totals grid.
// A test class derives from it and calls openPage() in init() and closePage() in cleanup().
template <class Page> class PageFixture
{
protected:
    void openPage()
    {
        m_window = new QWidget;
        m_prices = new PriceListPage(new QGroupBox(m_window));
        auto *grid = new TotalsGrid(m_window);
        grid->LoadGrid();
        Workspace workspace;
        workspace.priceList = m_prices;
        workspace.totals = grid;
        m_page = new Page(new QGroupBox(m_window), workspace);
        m_window->show();
    }

    void closePage() { delete m_window; }

    template <class T> T *field(const char *name) const { return child<T>(m_page, name); }
    void pick(const char *list, const QString &entry) const
    {
        CalculatorTestKit::pick(field<QComboBox>(list), entry);
    }
    // Clicks the page's button `button`; as CalculatorTestKit::press.
    QString press(const char *button) const { return CalculatorTestKit::press(field<QPushButton>(button)); }

    QWidget *m_window = nullptr;
    PriceListPage *m_prices = nullptr;
    Page *m_page = nullptr;
};

// A main window with fresh settings, shown on one calculator page. A test class derives from it and
// calls openWindowAt() in init() and closeWindow() in cleanup().
class MainWindowFixture
{
protected:
    void openWindowAt(int page);
    void closeWindow() { m_window.reset(); }

    // The field `name` of the page the window was opened at.
    template <class T> T *field(const char *name) const { return child<T>(m_window->page(m_page), name); }

    std::unique_ptr<MainWindow> m_window;

private:
    int m_page = 0;
};

} // namespace CalculatorTestKit
