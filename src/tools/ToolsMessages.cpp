#include "tools/ToolsMessages.h"

#include "platform/Messages.h"

namespace ToolsMessages {

bool askOpenWebPage(QWidget *parent, const QString &question)
{
    return Messages::show(parent, question, QMessageBox::Ok | QMessageBox::Cancel,
                          QMessageBox::Information) == QMessageBox::Ok;
}

void noBrowser(QWidget *parent)
{
    Messages::show(parent, QStringLiteral("Unable to open URL. Install browser first!"), QMessageBox::Ok,
                   QMessageBox::NoIcon);
}

void noSystemInformation(QWidget *parent)
{
    Messages::show(parent, QStringLiteral("System Information Is Unavailable At This Time"), QMessageBox::Ok,
                   QMessageBox::NoIcon);
}

} // namespace ToolsMessages
