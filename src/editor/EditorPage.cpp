#include "editor/EditorPage.h"

#include "core/DocxExport.h"
#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "editor/EditorFiles.h"
#include "editor/EditorFormatting.h"
#include "editor/EditorMessages.h"
#include "platform/Desktop.h"
#include "platform/MenuEntries.h"
#include "platform/ModalDialog.h"

#include <QAction>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QString kRichTextFilter = QStringLiteral("Rich Text (*.rtf)|*.rtf");
const QString kPlainTextFilter = QStringLiteral("|Text (*.txt)|*.txt");

// The shared dialog keeps one flags value for all its uses (files, fonts, colours, printing). A
// file dialog reads two of its bits, so what a font or print use leaves behind also decides
// whether a later plain Save asks before overwriting.
namespace DialogFlags {
constexpr int OverwritePrompt = 0x2;
constexpr int HideReadOnly = 0x4;
constexpr int PathMustExist = 0x800;
constexpr int FileMustExist = 0x1000;
constexpr int SaveAs = OverwritePrompt | HideReadOnly | PathMustExist;
constexpr int Open = FileMustExist | HideReadOnly;
constexpr int FontScreenAndPrinter = 0x3;
constexpr int FontEffects = 0x100;
constexpr int ColourRgbInit = 0x1;
constexpr int PrintReturnDc = 0x100;
constexpr int PrintNoPageNumbers = 0x8;
constexpr int PrintSelection = 0x1;
} // namespace DialogFlags

void setDialogFlags(int flags)
{
    Desktop::CommonDialogState &dialog = Desktop::instance().commonDialog();
    dialog.overwritePrompt = (flags & DialogFlags::OverwritePrompt) != 0;
    dialog.fileMustExist = (flags & DialogFlags::FileMustExist) != 0;
}

QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

} // namespace

EditorPage::EditorPage(QGroupBox *frame, Menus menus) : QWidget(frame), m_menus(std::move(menus))
{
    setObjectName(QStringLiteral("EditorContent"));

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);

    auto *buttons = new QHBoxLayout;
    const struct
    {
        const char *caption;
        QMenu *menu;
    } menuButtons[] = {{"File", m_menus.file}, {"Edit", m_menus.edit}, {"Format", m_menus.format}};
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton(QLatin1String(menuButtons[i].caption), this);
        button->setObjectName(arrayName("myTxtEditcmd_menu", i));
        QMenu *menu = menuButtons[i].menu;
        connect(button, &QPushButton::clicked, this, [menu] { popUp(menu, QCursor::pos()); });
        buttons->addWidget(button);
    }
    buttons->addStretch();
    column->addLayout(buttons);

    m_documentLabel = new QLabel(this);
    m_documentLabel->setObjectName(arrayName("Label2", 64));
    // A long path must not widen the fixed-size window; it is clipped instead.
    m_documentLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    column->addWidget(m_documentLabel);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("RichTextBox1"));
    QFont font(QStringLiteral("Bookman Old Style"));
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Light);
    m_text->setFont(font);
    m_text->document()->setDefaultFont(font);
    // The right button opens the Format menu instead of the editor's own menu.
    m_text->setContextMenuPolicy(Qt::PreventContextMenu);
    m_text->viewport()->installEventFilter(this);
    column->addWidget(m_text, 1);

    watchForEdits(m_text->document());

    fillMenus();
}

void EditorPage::fillMenus()
{
    using namespace EditorFormatting;
    // A separator, or an entry and what choosing it does.
    struct Entry
    {
        const char *name = nullptr;
        const char *caption = nullptr;
        std::function<void()> chosen;
        // The check marks count how often each entry was chosen; they are never read from the text.
        bool checkable = false;
    };
    auto fill = [this](QMenu *menu, const std::initializer_list<Entry> &entries) {
        for (const Entry &entry : entries) {
            if (!menu)
                return;
            if (!entry.name) {
                menu->addSeparator();
                continue;
            }
            QAction *action = addMenuEntry(menu, entry.name, entry.caption);
            action->setCheckable(entry.checkable);
            connect(action, &QAction::triggered, this, entry.chosen);
        }
    };
    fill(m_menus.file, {{"mnuRTFFLEOPN", "Open . . .", [this] { openDocument(); }},
                        {"mnuPopClse", "Close", [this] { closeDocument(); }},
                        {},
                        {"mnuRFSave", "Save", [this] { saveDocument(); }},
                        {"mnuRTFSaveAs", "Save As . . .", [this] { saveDocumentAs(); }},
                        {},
                        {"mnuPopPrnt", "Print . . .", [this] { print(); }},
                        {},
                        {"mnuxprToWrd", "Export To Word . . . ", [this] { exportToWord(); }}});
    fill(m_menus.format, {{"mnuPopRTfntedt", "Font . . .", [this] { chooseFont(); }},
                          {"mnuPopRTcoloredit", "Color . . .", [this] { chooseColour(); }},
                          {},
                          {"mnuPopcaps", "All Caps", [this] { makeUpperCase(*m_text); }},
                          {"mnuPopRTboldedit", "Bold", [this] { toggleBold(*m_text); }, true},
                          {"mnuPopRTitalicedit", "Italic", [this] { toggleItalic(*m_text); }, true},
                          {"mnuPopRTundrlneedit", "Underline", [this] { toggleUnderline(*m_text); }, true},
                          {},
                          {"mnuPopRTfntcut", "Cut", [this] { cut(*m_text, Clipboard::Emptied); }},
                          {"mnuPopRTfntcopy", "Copy", [this] { copy(*m_text, Clipboard::Emptied); }},
                          {"mnuPopRTfntpaste", "Paste", [this] { pastePlainText(*m_text); }}});
    fill(m_menus.edit, {{"mnuPopEDcut", "Cut", [this] { cut(*m_text, Clipboard::Kept); }},
                        {},
                        {"mnuPOPEDcopy", "Copy", [this] { copy(*m_text, Clipboard::Kept); }},
                        {},
                        {"mnuPopEDpaste", "Paste", [this] { pastePlainText(*m_text); }}});
}

void EditorPage::popUp(QMenu *menu, const QPoint &globalPos)
{
    if (menu)
        menu->popup(globalPos);
}

bool EditorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            popUp(m_menus.format, mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool EditorPage::hasText() const
{
    return !m_text->document()->isEmpty();
}

void EditorPage::openDocument()
{
    Desktop &desktop = Desktop::instance();
    Desktop::CommonDialogState &dialog = desktop.commonDialog();
    dialog.filter = kRichTextFilter;
    dialog.initialDir = QDir::homePath();
    setDialogFlags(DialogFlags::Open);
    const QString fileName = desktop.openFileName(window());
    if (fileName.isEmpty()) {
        EditorMessages::noFileSelected(this);
        return;
    }

    // The file is read into a document of its own and shown only when complete and not too long
    // to lay out, so a failure leaves the notes as they were and a long file costs no waiting for
    // its layout.
    QTextDocument *loaded = newDocument();
    QString failure = EditorFiles::loadRichText(fileName, loaded);
    if (failure.isEmpty() && EditorFiles::tooTallToShow(*loaded, m_text->viewport()->width()))
        failure = QStringLiteral("It is too long for the editor to show.");
    if (!failure.isEmpty()) {
        delete loaded;
        // The notes and the name shown stay as they were, so the label never names a file the
        // editor does not hold.
        EditorMessages::openFailed(this, fileName, failure);
        return;
    }
    showDocument(loaded);
    m_documentLabel->setText(fileName);
    m_documentName = fileName;
}

QTextDocument *EditorPage::newDocument() const
{
    auto *document = new QTextDocument(m_text);
    document->setDefaultFont(m_text->document()->defaultFont());
    document->setDocumentMargin(m_text->document()->documentMargin());
    return document;
}

void EditorPage::showDocument(QTextDocument *loaded)
{
    // Loading is not an edit: what Close asks depends on typing only.
    loaded->setModified(false);
    // The text box deletes the document it made itself; one loaded earlier is ours to delete.
    QTextDocument *previous = m_text->document();
    const bool ours = previous->parent() == m_text;
    m_text->setDocument(loaded);
    watchForEdits(loaded);
    if (ours)
        previous->deleteLater();
}

QByteArray EditorPage::notes() const
{
    return hasText() ? RtfWriter::write(*m_text->document()) : QByteArray();
}

void EditorPage::replaceNotes(const QByteArray &rtf)
{
    QTextDocument *loaded = newDocument();
    if (!rtf.isEmpty())
        RtfReader::read(rtf, loaded);
    showDocument(loaded);
    m_documentLabel->clear();
    m_documentName.clear();
    m_modified = false;
}

void EditorPage::watchForEdits(QTextDocument *document)
{
    connect(document, &QTextDocument::contentsChanged, this, [this] {
        m_modified = true;
        emit notesEdited();
    });
}

void EditorPage::closeDocument()
{
    if (m_modified) {
        const bool save = EditorMessages::askSaveChanges(this);
        // A question dismissed because the program is ending is no "No": the notes stay for the
        // closing steps to offer saving them.
        if (Modal::isEnding())
            return;
        if (save) {
            // The dialog as the last use left it.
            const QString fileName = Desktop::instance().saveFileName(window());
            if (fileName.isEmpty() || !write(fileName, false))
                return;
            m_documentLabel->clear();
        }
    }
    m_text->clear();
    m_documentLabel->clear();
    m_documentName.clear();
    m_modified = false;
}

void EditorPage::saveDocument()
{
    if (!hasText())
        return;
    Desktop &desktop = Desktop::instance();
    Desktop::CommonDialogState &dialog = desktop.commonDialog();
    dialog.title = QStringLiteral("Save");
    dialog.initialDir = QDir::homePath();
    dialog.filter = kRichTextFilter;
    const QString fileName = desktop.saveFileName(window());
    if (!fileName.isEmpty())
        write(fileName, false);
}

void EditorPage::saveDocumentAs()
{
    if (!hasText())
        return;
    Desktop &desktop = Desktop::instance();
    Desktop::CommonDialogState &dialog = desktop.commonDialog();
    dialog.fileName = m_documentName;
    dialog.filter = kRichTextFilter;
    setDialogFlags(DialogFlags::SaveAs);
    const QString fileName = desktop.saveFileName(window());
    if (!fileName.isEmpty())
        write(fileName, true);
}

EditorPage::ExitSave EditorPage::SaveEditorOnExit()
{
    if (QWidget *editorPage = parentWidget(); editorPage && !editorPage->isVisibleTo(window()))
        editorPage->show();
    Desktop &desktop = Desktop::instance();
    Desktop::CommonDialogState &dialog = desktop.commonDialog();
    dialog.fileName = m_documentName;
    dialog.filter = kRichTextFilter + kPlainTextFilter;
    setDialogFlags(DialogFlags::SaveAs);
    const QString fileName = desktop.saveFileName(window());
    if (fileName.isEmpty())
        return ExitSave::Cancelled;
    return write(fileName, true) ? ExitSave::Saved : ExitSave::Failed;
}

bool EditorPage::write(const QString &fileName, bool plainTextAllowed)
{
    const auto format = plainTextAllowed && EditorFiles::isPlainTextName(fileName)
                            ? EditorFiles::Format::PlainText
                            : EditorFiles::Format::RichText;
    const QString failure = EditorFiles::save(*m_text->document(), fileName, format);
    if (!failure.isEmpty()) {
        EditorMessages::saveFailed(this, fileName, failure);
        return false;
    }
    m_documentName = fileName;
    return true;
}

void EditorPage::chooseFont()
{
    setDialogFlags(DialogFlags::FontScreenAndPrinter | DialogFlags::FontEffects);
    const QFont seed = EditorFormatting::fontDialogSeed(EditorFormatting::selectionFormat(*m_text));
    // A cancelled dialog changes nothing, even on a selection that mixes fonts.
    if (const auto font = Desktop::instance().chooseFont(window(), seed))
        EditorFormatting::applyFont(*m_text, *font);
}

void EditorPage::chooseColour()
{
    setDialogFlags(DialogFlags::ColourRgbInit);
    const QColor seed = EditorFormatting::colourDialogSeed(EditorFormatting::selectionFormat(*m_text));
    // A cancelled dialog changes nothing, even on a selection that mixes colours.
    if (const auto colour = Desktop::instance().chooseColor(window(), seed))
        EditorFormatting::applyColour(*m_text, *colour);
}

void EditorPage::print()
{
    if (!EditorMessages::askPrint(this) || !hasText())
        return;

    Desktop &desktop = Desktop::instance();
    const bool selection = m_text->textCursor().hasSelection();
    desktop.commonDialog().title = QStringLiteral("Print");
    setDialogFlags(DialogFlags::PrintReturnDc | DialogFlags::PrintNoPageNumbers |
                   (selection ? DialogFlags::PrintSelection : 0));
    std::unique_ptr<QPrinter> printer = desktop.defaultPrinter();
    if (!printer)
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const QPrinter::PrintRange range = selection ? QPrinter::Selection : QPrinter::AllPages;
    printer->setPrintRange(range); // preselects the selection choice in the dialog
    printer->setDocName(m_documentName.isEmpty() ? QStringLiteral("Mortarix Notes")
                                                 : QFileInfo(m_documentName).fileName());
    if (!desktop.choosePrinter(window(), printer.get()))
        return;
    // The selection when text is selected, else everything, as formatted text.
    printer->setPrintRange(range);
    m_text->print(printer.get());
}

void EditorPage::exportToWord()
{
    if (!EditorMessages::askExportToWord(this) || !hasText())
        return;

    Desktop &desktop = Desktop::instance();
    const QString text = QString::fromUtf8(RtfWriter::writePlainText(*m_text->document()));
    const DocxExport::Result written =
        DocxExport::writeDocument(text, desktop.documentsFolder(), QDateTime::currentDateTime());
    if (!written.ok()) {
        EditorMessages::exportFailed(this, written.error);
        return;
    }
    if (!desktop.openDocument(written.path)) {
        // The document is on disk all the same; say where, so the work is not lost.
        EditorMessages::exportedButNotOpened(this, written.path);
    }
}
