#pragma once

// The calculators' tests: a step's outcome as comparable text, and a main window driven by scripts.
#include "support/TestSupport.h"

#include "core/CalculationStep.h"
#include "shell/MainWindow.h"

#include <memory>

namespace CalculatorTestKit {

// The message ("missing", "maximum" or empty), then each write as name=text.
QStringList describe(const StepOutcome &outcome);

// Every calculator page holding an entry everywhere: each field "12" (results too), each list its
// last entry; then every page's Send, each answered with OK.
void fillEveryPage(MainWindow &window);
void sendEveryPage(MainWindow &window);

// A shown main window with fresh settings, opened at one page and driven by a script: actions
// separated by ';', each "verb name rest", optionally ending in " => message" for the message it
// shows (answered with OK); an action without one must show none. See PageDriver::act.
class PageDriver
{
public:
    explicit PageDriver(int page);
    void run(const QString &script);
    MainWindow *window() const { return m_window.get(); }

private:
    void act(const QString &verb, const QString &name, const QString &rest);
    QWidget *find(const QString &name) const;
    void enter(QWidget *field, const QString &text);
    QWidget *focused() const;
    void checkTabOrder();

    std::unique_ptr<MainWindow> m_window;
    int m_page;
};

} // namespace CalculatorTestKit
