// A seeded random user drives the whole window: it must never crash, and the totals must always
// add up. MONKEY_EVENTS sets the number of events, MONKEY_SEED replays a run.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "core/NumberFormat.h"
#include "shell/MainWindow.h"
#include "totals/TotalsGrid.h"

#include <QRandomGenerator>
#include <QtWidgets>

class TestMonkey : public QObject
{
    Q_OBJECT

    QRandomGenerator m_random, m_answers;

    QString randomText()
    {
        static const QStringList pieces = {"0", "1", "5", "8", "12", "100", "1000", "5000", "5001", "10001", "99999",
                                           ".", ".5", "-", "$", ",", "1,200", "e", "E9", "D3", "&H", "FF", "&O", " ",
                                           "\t", "'", "\"", "abc", "Ä", "€", "日本", "🧱", "x"};
        QString text;
        for (int i = m_random.bounded(1, 5); i > 0; --i)
            text += pieces.at(m_random.bounded(int(pieces.size())));
        return m_random.bounded(50) == 0 ? QString(m_random.bounded(200, 5000), '9') : text;
    }
    // Key presses carrying the characters, whatever the keyboard layout would need.
    static void typeText(QWidget *widget, const QString &text)
    {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QString character = text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1);
            i += character.size() - 1;
            const bool ascii = character.size() == 1 && character.at(0).unicode() < 0x80;
            const int key = ascii ? character.at(0).toUpper().unicode() : int(Qt::Key_unknown);
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, key, Qt::NoModifier, character);
                QApplication::sendEvent(widget, &event);
            }
        }
    }
    // Whatever modal window or menu is open is answered at random among its buttons.
    void answerAnything()
    {
        QWidget *modal = QApplication::activeModalWidget();
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        else if (box && !box->buttons().isEmpty())
            box->buttons().at(m_answers.bounded(int(box->buttons().size())))->click();
        else if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        else if (modal)
            modal->close();
    }
    // The sub totals show the rows' sums rounded to cents; the grand total adds the sub totals.
    static QString totalsWrong(const TotalsGrid *grid)
    {
        const auto amount = [grid](int row, int column) {
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
            if (amount(14, column).ticks() / 100 != (sum.ticks() + (sum.ticks() >= 0 ? 50 : -50)) / 100)
                return "sub total " + grid->cell(14, column) + " is not the rows' sum";
        }
        return amount(17, 2) == amount(14, 1) + amount(14, 2) ? QString() : "grand total " + grid->cell(17, 2);
    }

private slots:
    void randomUser()
    {
        const quint32 seed = qEnvironmentVariableIsSet("MONKEY_SEED") ? qEnvironmentVariable("MONKEY_SEED").toUInt()
                                                                      : QRandomGenerator::system()->generate();
        const int events =
            qEnvironmentVariableIsSet("MONKEY_EVENTS") ? qEnvironmentVariableIntValue("MONKEY_EVENTS") : 2000;
        qInfo("MONKEY_SEED=%u", seed);
        m_random.seed(seed);
        m_answers.seed(seed ^ 0x5eed);
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, this, &TestMonkey::answerAnything);
        answerer.start(0);
        FakeDesktop desktop; MainWindow window; window.show();
        for (int event = 0; event < events; ++event) {
            const int kind = m_random.bounded(100);
            if (kind < 15) {
                QTest::mouseClick(window.pageButton(m_random.bounded(MainWindow::kPageButtonCount)), Qt::LeftButton);
                const QString wrong = totalsWrong(window.totalsGrid());
                QVERIFY2(wrong.isEmpty(), qPrintable(QString("event %1: %2").arg(event).arg(wrong)));
                continue;
            }
            // Only what a user can reach: controls on the page in front (or the start, price list or
            // options page when they are); any menu entry but those leaving the program.
            QList<QWidget *> reachable;
            for (QWidget *widget : window.findChildren<QWidget *>()) {
                if (widget->isVisible() && widget->isEnabled() &&
                    (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget) ||
                     qobject_cast<QComboBox *>(widget) || qobject_cast<QTextEdit *>(widget)))
                    reachable << widget;
            }
            const QList<QAction *> actions = window.findChildren<QAction *>();
            QAction *action = kind < 20 ? actions.at(m_random.bounded(int(actions.size()))) : nullptr;
            QWidget *target =
                kind < 20 || reachable.isEmpty() ? nullptr : reachable.at(m_random.bounded(int(reachable.size())));
            auto *list = qobject_cast<QComboBox *>(target);
            auto *line = qobject_cast<QLineEdit *>(target);
            if (action && !action->isSeparator() && action->isEnabled() && !action->menu() &&
                action->objectName() != "mnuExit" && action->objectName() != "mnuminimize") {
                action->trigger();
            } else if (list && list->isEditable() && m_random.bounded(2) == 0) {
                list->setEditText(randomText());
            } else if (list && list->count() > 0) {
                list->setCurrentIndex(m_random.bounded(list->count()));
            } else if (line) {
                QTest::mouseClick(line, Qt::LeftButton);
                if (m_random.bounded(3) == 0)
                    line->selectAll();
                typeText(line, randomText());
                if (m_random.bounded(4) == 0)
                    QTest::keyClick(line, Qt::Key_Backspace);
            } else if (auto *text = qobject_cast<QTextEdit *>(target)) {
                typeText(text, randomText());
            } else if (auto *button = qobject_cast<QAbstractButton *>(target)) {
                QTest::mouseClick(button, m_random.bounded(10) == 0 ? Qt::RightButton : Qt::LeftButton);
            }
            QCoreApplication::processEvents();
            QVERIFY2(window.isVisible(), qPrintable(QString("event %1: the window went away").arg(event)));
        }
        qInfo("%d events", events);
    }
};

MORTARIX_TEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
