#include "editor/EditorMessages.h"

#include "platform/Messages.h"

#include <QDir>

namespace EditorMessages {

namespace {

QString withPath(const QString &heading, const QString &path, const QString &reason)
{
    return heading + QStringLiteral("\n\n") + QDir::toNativeSeparators(path) + QLatin1Char('\n') + reason;
}

bool yes(QWidget *parent, const QString &question, QMessageBox::Icon icon = QMessageBox::Question)
{
    return Messages::show(parent, question, QMessageBox::Yes | QMessageBox::No, icon) == QMessageBox::Yes;
}

} // namespace

void noFileSelected(QWidget *parent)
{
    Messages::show(parent, QStringLiteral("No file selected"), QMessageBox::Ok, QMessageBox::NoIcon);
}

void openFailed(QWidget *parent, const QString &path, const QString &reason)
{
    Messages::show(parent, withPath(QStringLiteral("The File Could Not Be Opened."), path, reason),
                   QMessageBox::Ok, QMessageBox::Warning);
}

void saveFailed(QWidget *parent, const QString &path, const QString &reason)
{
    Messages::show(parent, withPath(QStringLiteral("The File Could Not Be Saved."), path, reason),
                   QMessageBox::Ok, QMessageBox::Warning);
}

bool askSaveChanges(QWidget *parent)
{
    return yes(parent, QStringLiteral("Would you like to save your changes?"), QMessageBox::NoIcon);
}

bool askPrint(QWidget *parent)
{
    return yes(parent,
               QStringLiteral("You Are About To Print This Information,\n\nDo You Want To Print Now?"));
}

bool askExportToWord(QWidget *parent)
{
    return yes(parent, QStringLiteral("You Must Have MS-Word On Your Computer To Export \n"
                                      "This Text To A Word Document.\n\nDo You Want To Continue?"));
}

void exportFailed(QWidget *parent, const QString &reason)
{
    Messages::warnExportFailed(parent, QStringLiteral("Text"), reason);
}

void exportedButNotOpened(QWidget *parent, const QString &path)
{
    Messages::notifyExportedButNotOpened(parent, QStringLiteral("Word"), QStringLiteral("text"), path);
}

} // namespace EditorMessages
