#pragma once

#include <QString>

class QWidget;

// The notes editor's messages and questions. A question returns true for Yes.
namespace EditorMessages {

void noFileSelected(QWidget *parent);
// `path` as the user knows it; `reason` says why.
void openFailed(QWidget *parent, const QString &path, const QString &reason);
void saveFailed(QWidget *parent, const QString &path, const QString &reason);
bool askSaveChanges(QWidget *parent);
bool askPrint(QWidget *parent);
bool askExportToWord(QWidget *parent);
void exportFailed(QWidget *parent, const QString &reason);
// The document was written but no program opens it: where it is, so the work is not lost.
void exportedButNotOpened(QWidget *parent, const QString &path);

} // namespace EditorMessages
