#include "shell/ShellMessages.h"

#include "core/AppInfo.h"
#include "platform/Messages.h"

#include <QDateTime>
#include <QLocale>
#include <QStringList>

namespace ShellMessages {

QString lowResolutionWarning()
{
    const QString blanks(62, QLatin1Char(' '));
    return QStringList{
        QStringLiteral("Warning:. . ."),
        QString(),
        QStringLiteral("Setup Has Determined That Your Screen Resolution Is Set At 640 x 480. "),
        QString(),
        QStringLiteral("This Program Is Best Viewed At 800 x 600 or Higher Resoulution"),
        blanks,
        blanks,
        QString(),
        QStringLiteral("Do You want To Change Your Sreen Resoulution To View This Program?")}
        .join(QLatin1Char('\n'));
}

bool askChangeLowResolution()
{
    return Messages::show(nullptr, lowResolutionWarning(), QMessageBox::Yes | QMessageBox::No,
                          QMessageBox::Critical) == QMessageBox::Yes;
}

bool askContinueStarting()
{
    return Messages::show(nullptr, QStringLiteral("Do You Want To Continue Starting Your Program?"),
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) == QMessageBox::Yes;
}

void displaySettingsUnavailable(QWidget *parent)
{
    Messages::show(parent, QStringLiteral("No Display Settings Program Could Be Started On This System."),
                   QMessageBox::Ok, QMessageBox::Warning);
}

void displaySettingsChanged(QWidget *parent)
{
    Messages::show(parent, QStringLiteral("Your Display Settings Have Been Changed"), QMessageBox::Ok,
                   QMessageBox::NoIcon);
}

QMessageBox::StandardButton askSaveNotesBeforeClosing(QWidget *parent)
{
    return Messages::show(
        parent,
        QStringLiteral("You Have An Open File Or Text In The Text Editor,\nDo You Want To Save This Info?"),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
}

bool askClose(QWidget *parent, bool closeBox)
{
    const QString question = closeBox ? QStringLiteral("Do you really want to close the form?")
                                      : QStringLiteral("Do you really want to exit the application?");
    return Messages::show(parent, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Question,
                          AppInfo::mainCaption()) == QMessageBox::Yes;
}

QMessageBox::StandardButton askSaveJob(QWidget *parent, const QString &name)
{
    return Messages::show(
        parent,
        QStringLiteral("The job \"%1\" has changes that are not saved.\nDo you want to save them?").arg(name),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
}

void jobOpenFailed(QWidget *parent, const QString &path, const QString &reason)
{
    Messages::show(parent, QStringLiteral("The job \"%1\" cannot be opened.\n%2").arg(path, reason),
                   QMessageBox::Ok, QMessageBox::Warning);
}

void jobSaveFailed(QWidget *parent, const QString &path, const QString &reason)
{
    Messages::show(
        parent, QStringLiteral("The job cannot be saved to \"%1\": %2\nIt stays unsaved.").arg(path, reason),
        QMessageBox::Ok, QMessageBox::Warning);
}

void recentJobMissing(QWidget *parent, const QString &path)
{
    Messages::show(
        parent,
        QStringLiteral("The job \"%1\" no longer exists. It is taken off the list of recent jobs.").arg(path),
        QMessageBox::Ok, QMessageBox::Warning);
}

bool askRecover(QWidget *parent, const QDateTime &when)
{
    const QString time = QLocale().toString(when, QLocale::ShortFormat);
    return Messages::show(
               parent,
               QStringLiteral("Mortarix did not close normally. Recover the unsaved job from %1?").arg(time),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::Question) == QMessageBox::Yes;
}

void businessFieldRefused(QWidget *parent, const QString &reason)
{
    Messages::show(parent, reason, QMessageBox::Ok, QMessageBox::Warning);
}

void logoNotStored(QWidget *parent, const QString &reason)
{
    Messages::show(parent, reason + QStringLiteral("\nChoose another picture, or clear the logo."),
                   QMessageBox::Ok, QMessageBox::Warning);
}

void settingsNotSaved(QWidget *parent, const QString &what, const QString &path)
{
    Messages::show(parent, QStringLiteral("The %1 cannot be saved to \"%2\".").arg(what, path),
                   QMessageBox::Ok, QMessageBox::Warning);
}

void factorRefused(QWidget *parent, const QString &caption, const QString &minimum, const QString &maximum,
                   const QString &unit)
{
    Messages::show(
        parent, QStringLiteral("%1 must be a number from %2 to %3 %4.").arg(caption, minimum, maximum, unit),
        QMessageBox::Ok, QMessageBox::Warning);
}

} // namespace ShellMessages
