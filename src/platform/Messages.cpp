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

} // namespace Messages
