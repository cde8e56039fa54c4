#pragma once

#include <QMessageBox>
#include <QString>

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

} // namespace ShellMessages
