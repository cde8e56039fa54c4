#pragma once

// What the totals tests share: answering a run of message boxes, and driving the grid the way the
// calculators and the page buttons do.
#include "support/TestSupport.h"

#include "shell/MainWindow.h"
#include "totals/TotalsGrid.h"

#include <QPushButton>

namespace TotalsTestKit {

// What one message box showed.
struct Shown
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Answers the next message boxes in turn, one answer each, and records what they showed. Keep it
// alive until the last box has been answered.
class MessageScript final
{
public:
    explicit MessageScript(QList<QMessageBox::StandardButton> answers) : m_answers(std::move(answers))
    {
        watchNext();
    }

    QList<Shown> seen;

private:
    void watchNext()
    {
        if (m_answers.isEmpty())
            return;
        m_watch = TestSupport::onNextModalWidget([this](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (!box)
                return;
            seen << Shown{box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
            const QMessageBox::StandardButton answer = m_answers.takeFirst();
            // Watch for the box that may follow before this one closes.
            watchNext();
            if (QAbstractButton *button = box->button(answer))
                button->click();
            else
                box->reject();
        });
    }

    QList<QMessageBox::StandardButton> m_answers;
    TestSupport::ModalWatch m_watch;
};

// A post as "Send " makes it: the calculator's texts written into its row, as they stand.
struct Post
{
    int row = 0;
    QString labour;
    QString material;
};

inline void post(MainWindow &window, const QList<Post> &posts)
{
    for (const Post &p : posts) {
        window.totalsGrid()->setCell(p.row, TotalsGrid::kLabourColumn, p.labour);
        window.totalsGrid()->setCell(p.row, TotalsGrid::kMaterialColumn, p.material);
    }
}

// A click of the "Totals" page button: recomputes and shows the Totals page.
inline void clickTotals(MainWindow &window)
{
    QTest::mouseClick(window.pageButton(MainWindow::kTotalsPage), Qt::LeftButton);
}

inline QPushButton *button(MainWindow &window, const char *name)
{
    return window.findChild<QPushButton *>(QLatin1String(name));
}

} // namespace TotalsTestKit

Q_DECLARE_METATYPE(QList<TotalsTestKit::Post>)
