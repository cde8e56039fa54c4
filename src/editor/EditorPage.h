#pragma once

#include <QWidget>

#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QTextDocument;
class QTextEdit;

// The Text Editor page: the user's job notes. Its File, Edit and Format menus are the main
// window's pop-up menus mnurtf, mnuPopEdit and mnuPopRTformat; the page fills them with its entries
// when it is built.
class EditorPage final : public QWidget
{
    Q_OBJECT

public:
    // The window's pop-up menus the page fills.
    struct Menus
    {
        QMenu *file = nullptr;
        QMenu *edit = nullptr;
        QMenu *format = nullptr;
    };

    // Built inside `frame` (myframe(9)), which the main window lays it into.
    EditorPage(QGroupBox *frame, Menus menus);

    // What saving the notes on exit came to.
    enum class ExitSave { Saved, Cancelled, Failed };

    // True when the editor holds any text.
    bool hasText() const;
    // SaveEditorOnExit: the save dialog with the document's name proposed, then the save (plain
    // text for a ".txt" name in any case, rich text otherwise). A cancelled dialog or a failed
    // write (reported to the user) keeps the notes and tells the caller not to close.
    ExitSave SaveEditorOnExit();

    // EditorModified: set by any change of the text, cleared only by Close.
    bool isModified() const { return m_modified; }

    QTextEdit *textBox() const { return m_text; }

    // Open: the file dialog, then the file read in whole or a message saying why not.
    void openDocument();

    // The notes as rich text (RTF), for the job they belong to.
    QByteArray notes() const;
    // Replaces the notes with those of a job (empty for none); they count as unchanged and belong to
    // no file. Text that is not rich text is shown as none.
    void replaceNotes(const QByteArray &rtf);

signals:
    // The notes' text or formatting changed.
    void notesEdited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillMenus();
    static void popUp(QMenu *menu, const QPoint &globalPos);

    void closeDocument();
    void saveDocument();
    void saveDocumentAs();
    // Writes the notes to `fileName`; a failure is reported to the user and returns false.
    bool write(const QString &fileName, bool plainTextAllowed);

    void chooseFont();
    void chooseColour();

    void print();
    void exportToWord();
    // Typing into `document` marks the notes as changed.
    void watchForEdits(QTextDocument *document);
    // Shows `loaded` (a document parented to the text box) in place of the current one.
    void showDocument(QTextDocument *loaded);
    // A new document ready to load into, set up as the shown one is.
    QTextDocument *newDocument() const;

    Menus m_menus;
    QTextEdit *m_text = nullptr;
    QLabel *m_documentLabel = nullptr;
    // The name proposed by Save As and the exit save: the file last opened or saved.
    QString m_documentName;
    bool m_modified = false;
};
