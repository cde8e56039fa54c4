// A seeded random user drives the whole window: it must never crash, and the totals must always
// add up. MONKEY_EVENTS sets the number of events, MONKEY_SEED replays a run.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "core/NumberFormat.h"
#include "shell/MainWindow.h"
#include "totals/TotalsGrid.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTextEdit>
#include <QTimer>

namespace {

// Entries that would end the run or leave the program rather than use it.
const QStringList kSkippedActions = {QStringLiteral("mnuExit"), QStringLiteral("mnuminimize")};

QString randomText(QRandomGenerator &random)
{
    static const QStringList pieces = {"0",     "1",     "5",  "8",    "12",   "100", "1000", "5000",  "5001",
                                       "10001", "99999", ".",  ".5",   "-",    "$",   ",",    "1,200", "e",
                                       "E9",    "D3",    "&H", "FF",   "&O",   " ",   "\t",   "'",     "\"",
                                       "abc",   "Ä",     "€",  "日本", "🧱", "x"};
    QString text;
    const int parts = random.bounded(1, 5);
    for (int i = 0; i < parts; ++i)
        text += pieces.at(random.bounded(int(pieces.size())));
    if (random.bounded(50) == 0)
        text = QString(random.bounded(200, 5000), QLatin1Char('9'));
    return text;
}

// Types `text` as key presses carrying the characters, whatever the keyboard layout would need.
void typeText(QWidget *widget, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        QString character(text.at(i));
        if (text.at(i).isHighSurrogate() && i + 1 < text.size())
            character += text.at(++i);
        const int key = character.size() == 1 && character.at(0).unicode() < 0x80
                            ? character.at(0).toUpper().unicode()
                            : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, character);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private:
    quint32 m_seed = 0;
    QTimer *m_answerer = nullptr;
    QRandomGenerator m_answers;

    // Answers whatever modal window or menu is open, at random among its buttons.
    void answerAnything()
    {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            popup->close();
            return;
        }
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            const QList<QAbstractButton *> buttons = box->buttons();
            if (!buttons.isEmpty()) {
                buttons.at(m_answers.bounded(int(buttons.size())))->click();
                return;
            }
        }
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else
            modal->close();
    }

    static void checkTotals(const TotalsGrid *grid, int event)
    {
        auto amount = [grid](int row, int column) {
            try {
                return Numbers::parseLocaleCurrency(grid->cell(row, column)).value_or(Numbers::Currency());
            } catch (const Numbers::NumberOverflow &) {
                return Numbers::Currency();
            }
        };
        for (int column : {TotalsGrid::kLabourColumn, TotalsGrid::kMaterialColumn}) {
            Numbers::Currency sum;
            for (int row = 1; row <= 8; ++row)
                sum = sum + amount(row, column);
            // The cell shows the sum rounded to cents.
            const qint64 cents = (sum.ticks() + (sum.ticks() >= 0 ? 50 : -50)) / 100;
            QVERIFY2(amount(14, column).ticks() / 100 == cents,
                     qPrintable(QStringLiteral("event %1: sub total %2 is not the rows' sum")
                                    .arg(event)
                                    .arg(grid->cell(14, column))));
        }
        QVERIFY2(amount(17, 2) == amount(14, 1) + amount(14, 2),
                 qPrintable(QStringLiteral("event %1: grand total %2").arg(event).arg(grid->cell(17, 2))));
    }

private slots:
    void initTestCase()
    {
        m_seed = qEnvironmentVariableIsSet("MONKEY_SEED") ? qEnvironmentVariable("MONKEY_SEED").toUInt()
                                                          : QRandomGenerator::system()->generate();
        qInfo("MONKEY_SEED=%u", m_seed);
        m_answers.seed(m_seed ^ 0x5eed);
        m_answerer = new QTimer(this);
        m_answerer->setInterval(0);
        connect(m_answerer, &QTimer::timeout, this, &TestMonkey::answerAnything);
        m_answerer->start();
    }

    void randomUser()
    {
        const int events =
            qEnvironmentVariableIsSet("MONKEY_EVENTS") ? qEnvironmentVariableIntValue("MONKEY_EVENTS") : 2000;
        FakeDesktop desktop;
        MainWindow window;
        window.show();
        QRandomGenerator random(m_seed);

        for (int event = 0; event < events; ++event) {
            const int kind = random.bounded(100);
            if (kind < 15) {
                const int page = random.bounded(MainWindow::kPageButtonCount);
                QTest::mouseClick(window.pageButton(page), Qt::LeftButton);
                checkTotals(window.totalsGrid(), event);
                if (QTest::currentTestFailed())
                    return;
                continue;
            }
            // Only what a user can reach: controls on the page in front (or on the start,
            // price list or options page when they are).
            QList<QWidget *> reachable;
            for (QWidget *widget : window.findChildren<QWidget *>()) {
                if (widget->isVisible() && widget->isEnabled() &&
                    (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget) ||
                     qobject_cast<QComboBox *>(widget) || qobject_cast<QTextEdit *>(widget)))
                    reachable << widget;
            }
            if (kind < 20) {
                const QList<QAction *> actions = window.findChildren<QAction *>();
                QAction *action = actions.at(random.bounded(int(actions.size())));
                if (!action->isSeparator() && action->isEnabled() && !action->menu() &&
                    !kSkippedActions.contains(action->objectName()))
                    action->trigger();
            } else if (!reachable.isEmpty()) {
                QWidget *target = reachable.at(random.bounded(int(reachable.size())));
                if (auto *list = qobject_cast<QComboBox *>(target)) {
                    if (list->isEditable() && random.bounded(2) == 0) {
                        list->setEditText(randomText(random));
                    } else if (list->count() > 0) {
                        list->setCurrentIndex(random.bounded(list->count()));
                    }
                } else if (auto *line = qobject_cast<QLineEdit *>(target)) {
                    QTest::mouseClick(line, Qt::LeftButton);
                    if (random.bounded(3) == 0)
                        line->selectAll();
                    typeText(line, randomText(random));
                    if (random.bounded(4) == 0)
                        QTest::keyClick(line, Qt::Key_Backspace);
                } else if (auto *text = qobject_cast<QTextEdit *>(target)) {
                    typeText(text, randomText(random));
                } else if (auto *button = qobject_cast<QAbstractButton *>(target)) {
                    QTest::mouseClick(button, random.bounded(10) == 0 ? Qt::RightButton : Qt::LeftButton);
                }
            }
            QCoreApplication::processEvents();
            QVERIFY2(window.isVisible(),
                     qPrintable(QStringLiteral("event %1: the window went away").arg(event)));
        }
        qInfo("%d events", events);
    }
};

MORTARIX_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
