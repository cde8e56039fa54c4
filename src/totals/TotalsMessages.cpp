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

void nothingPosted(QWidget *parent)
{
    Messages::show(parent, QStringLiteral("Nothing has been sent to the Totals page yet."), QMessageBox::Ok,
                   QMessageBox::Information);
}

void estimateOutOfRange(QWidget *parent)
{
    Messages::show(parent,
                   QStringLiteral("The totals are too large for an estimate. Please check the amounts on the "
                                  "Totals page."),
                   QMessageBox::Ok, QMessageBox::Warning);
}

void notWritten(QWidget *parent, const QString &what, const QString &path, const QString &reason)
{
    Messages::show(parent, QStringLiteral("The %1 cannot be saved to \"%2\": %3").arg(what, path, reason),
                   QMessageBox::Ok, QMessageBox::Warning);
}

void estimateNotOpened(QWidget *parent, const QString &path)
{
    Messages::show(
        parent,
        QStringLiteral("The estimate is saved as \"%1\", but no program to show it was found.").arg(path),
        QMessageBox::Ok, QMessageBox::Information);
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
