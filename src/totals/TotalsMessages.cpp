#include "totals/TotalsMessages.h"

#include "platform/Messages.h"

#include <QDir>

namespace TotalsMessages {

bool askPrintGrid(QWidget *parent)
{
    return Messages::show(parent,
                          QStringLiteral("You Are About To Print This Grid,\n\nDo You Want To Continue?"),
                          QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Question) == QMessageBox::Ok;
}

void printFailed(QWidget *parent, const QString &reason)
{
    Messages::show(parent, reason, QMessageBox::Ok, QMessageBox::Warning);
}

bool askExportGrid(QWidget *parent)
{
    return Messages::show(parent,
                          QStringLiteral("You Must Have MS-Excel On Your Computer To Export \n"
                                         "This Grid To A Spreadsheet.\n\nDo You Want To Continue?"),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) == QMessageBox::Yes;
}

void exportFailed(QWidget *parent, const QString &reason)
{
    Messages::warnExportFailed(parent, QStringLiteral("Grid"), reason);
}

void exportedButNotOpened(QWidget *parent, const QString &path)
{
    Messages::notifyExportedButNotOpened(parent, QStringLiteral("Excel"), QStringLiteral("grid"), path);
}

void pricesSaved(QWidget *parent)
{
    Messages::show(parent, QStringLiteral("Your Data Has Been Saved To A File."), QMessageBox::Ok,
                   QMessageBox::Information);
}

void pricesNotSaved(QWidget *parent, const QString &storePath)
{
    Messages::show(
        parent,
        QStringLiteral("Your Prices Could Not Be Saved To %1.").arg(QDir::toNativeSeparators(storePath)),
        QMessageBox::Ok, QMessageBox::Warning);
}

} // namespace TotalsMessages
