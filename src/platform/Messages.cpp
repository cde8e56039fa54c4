#include "platform/Messages.h"

namespace Messages {

QString applicationTitle()
{
    return QStringLiteral("Mortarix");
}

QMessageBox::StandardButton show(QWidget *parent, const QString &text, QMessageBox::StandardButtons buttons,
                                 QMessageBox::Icon icon, const QString &title)
{
    QMessageBox box(icon, title, text, buttons, parent);
    box.setWindowModality(Qt::ApplicationModal);
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

} // namespace Messages
