#pragma once

#include <QMessageBox>
#include <QString>

class QDateTime;
class QWidget;

// The messages and questions of start-up and closing. A Yes/No question returns true for Yes.
namespace ShellMessages {

// The warning shown on a 640 x 480 screen, and the question it asks.
QString lowResolutionWarning();
bool askChangeLowResolution();
bool askContinueStarting();

void displaySettingsUnavailable(QWidget *parent);
void displaySettingsChanged(QWidget *parent);

// The closing steps' questions: whether to save the editor's notes (Yes, No or Cancel), and whether
// to close at all, asked as "close the form" for the close box and "exit the application" otherwise.
QMessageBox::StandardButton askSaveNotesBeforeClosing(QWidget *parent);
bool askClose(QWidget *parent, bool closeBox);

// Jobs. Whether to save the changes to the job `name` first: Yes, No or Cancel.
QMessageBox::StandardButton askSaveJob(QWidget *parent, const QString &name);
void jobOpenFailed(QWidget *parent, const QString &path, const QString &reason);
void jobSaveFailed(QWidget *parent, const QString &path, const QString &reason);
// A recent job whose file is gone; it is taken off the list.
void recentJobMissing(QWidget *parent, const QString &path);
// After a run that did not end normally: recover the job its recovery copy holds, saved at `when`?
bool askRecover(QWidget *parent, const QDateTime &when);

// Business details. A field refused with the reason (naming the field), a logo that could not be
// stored (the reason names the file).
void businessFieldRefused(QWidget *parent, const QString &reason);
void logoNotStored(QWidget *parent, const QString &reason);

// Material factors. A field that is no number or out of its range, named by its caption with its
// range ("Concrete waste", "0", "50", "%").
void factorRefused(QWidget *parent, const QString &caption, const QString &minimum, const QString &maximum,
                   const QString &unit);

// Settings of a dialog of their own ("business details", "material factors") that the settings
// store at `path` could not take.
void settingsNotSaved(QWidget *parent, const QString &what, const QString &path);

} // namespace ShellMessages
