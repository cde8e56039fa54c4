#pragma once

#include <QWidget>

class QGroupBox;

// The Text Editor page: the user's job notes.
class EditorPage final : public QWidget
{
    Q_OBJECT

public:
    // Fills `frame` (myframe(9)) and lives inside it.
    explicit EditorPage(QGroupBox *frame);

    // What saving the notes on exit came to.
    enum class ExitSave { Saved, Cancelled, Failed };

    // True when the editor holds any text.
    bool hasText() const;
    // SaveEditorOnExit: the save dialog with the document's name proposed, then the save (plain
    // text for a ".txt" name in any case, rich text otherwise). A cancelled dialog or a failed
    // write (reported to the user) keeps the notes and tells the caller not to close.
    ExitSave SaveEditorOnExit();
};
