#include "platform/Messages.h"

#include "platform/ModalDialog.h"

#include <QDir>
#include <QKeyEvent>

namespace Messages {

QString applicationTitle()
{
    return QStringLiteral("Mortarix");
}

namespace {

// A question answered only Yes or No has no safe way out: Escape or the close box must not
// count as an answer (as "No" to "save your changes?" would throw the changes away).
class AnswerRequired final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            return true;
        if (event->type() == QEvent::Close && !static_cast<QMessageBox *>(watched)->clickedButton()) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

QMessageBox::StandardButton show(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::Icon icon, const QString &title)
{
    ModalDialog<QMessageBox> box(icon, title, text, buttons, parent);
    box->setWindowModality(Qt::ApplicationModal);
    if (buttons == (QMessageBox::Yes | QMessageBox::No))
        box->installEventFilter(new AnswerRequired(box.get()));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void warnDataMissing(QWidget *parent)
{
    show(parent, QStringLiteral("Please Enter Data To Complete Calculation"), QMessageBox::Ok,
         QMessageBox::Warning);
}

void warnMaximumCalculation(QWidget *parent)
{
    show(parent,
         QStringLiteral("This program has reached its maximum calculation.\n Please enter new values!"),
         QMessageBox::Ok, QMessageBox::Information);
}

void warnLabourMissing(QWidget *parent)
{
    show(parent, QStringLiteral("Please Insert A Value Into The \n\"ADD LABOR\" \nText Box."),
         QMessageBox::Ok, QMessageBox::Critical);
}

void notifySentToTotals(QWidget *parent)
{
    show(parent,
         QStringLiteral(
             "Your Info Has Been Sent To The Totals Page.\n\n To View Your Results, Click On Totals Button!"),
         QMessageBox::Ok, QMessageBox::Information);
}

void showNote(QWidget *parent, const QString &note)
{
    show(parent, note, QMessageBox::Ok, QMessageBox::Information);
}

void showStartHint(QWidget *parent, const QString &hint)
{
    show(parent, hint, QMessageBox::Ok, QMessageBox::Critical);
}

void warnExportFailed(QWidget *parent, const QString &what, const QString &reason)
{
    show(parent, QStringLiteral("The %1 Could Not Be Exported.\n\n").arg(what) + reason, QMessageBox::Ok,
         QMessageBox::Warning);
}

void notifyExportedButNotOpened(QWidget *parent, const QString &program, const QString &what,
                                const QString &path)
{
    show(parent,
         QStringLiteral("Sorry, Unable To Execute That Request.\n"
                        "You Do Not Have MS - %1 Installed On Your Computer.\n\n"
                        "The %2 has been saved as:\n")
                 .arg(program, what) +
             QDir::toNativeSeparators(path),
         QMessageBox::Ok, QMessageBox::Information);
}

void warnThicknessMissing(QWidget *parent)
{
    show(parent, QStringLiteral("Please enter thickness of concrete floor"), QMessageBox::Ok,
         QMessageBox::Warning);
}

} // namespace Messages
