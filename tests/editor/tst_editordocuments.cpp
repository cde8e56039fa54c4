// The Text Editor page's documents, driven through the main window's menus with a scripted desktop:
// open, close, save, save as, and what the shared file dialog carries from one use to the next.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "editor/EditorPage.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>

namespace {

const QByteArray kFirstRtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 First notes\\par Second line}";

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// True when files can be kept out of `folder` by its permissions (not so for root).
bool permissionsApply(const QString &folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    const bool writable = probe.open(QIODevice::WriteOnly);
    if (writable)
        probe.remove();
    return !writable;
}

// `length` characters of `document` from `from`, paragraph ends as U+2029.
QString textAt(QTextDocument *document, int from, int length)
{
    QTextCursor cursor(document);
    cursor.setPosition(std::max(0, from));
    cursor.setPosition(std::min(from + length, document->characterCount() - 1), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

// A main window on a scripted desktop, with the editor page's parts at hand.
struct Editor
{
    FakeDesktop desktop;
    MainWindow window;
    EditorPage *page = window.editor();
    QTextEdit *text = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    QLabel *label = window.findChild<QLabel *>(QStringLiteral("Label2(64)"));
    QTemporaryDir files;

    Editor() { window.show(); }

    QString path(const QString &name) const { return QDir(files.path()).filePath(name); }

    void trigger(const char *entry) { window.menuAction(QLatin1String(entry))->trigger(); }

    // Opens `file` through the editor's File menu, expecting it to load.
    void open(const QString &file)
    {
        desktop.openAnswers.enqueue(file);
        trigger("mnuRTFFLEOPN");
    }

    void type(const QString &keys)
    {
        text->setFocus();
        QTest::keyClicks(text, keys);
    }
};

} // namespace

class TestEditorDocuments : public QObject
{
    Q_OBJECT

private slots:
    void pageStartsEmptyInItsFont()
    {
        Editor editor;
        QVERIFY(editor.text);
        QVERIFY(editor.label);
        QVERIFY(editor.text->toPlainText().isEmpty());
        QVERIFY(editor.label->text().isEmpty());
        QVERIFY(!editor.page->hasText());
        QVERIFY(!editor.page->isModified());
        const QFont font = editor.text->document()->defaultFont();
        QCOMPARE(font.family(), QStringLiteral("Bookman Old Style"));
        QCOMPARE(font.pointSizeF(), 9.75);
        QCOMPARE(font.weight(), QFont::Light);
        QCOMPARE(editor.window.page(MainWindow::kEditorPage)->title(), QStringLiteral("Text Editor"));
    }

    void menuButtonsOpenTheirMenus_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("menu");
        QTest::newRow("File") << 0 << "File"
                              << "mnurtf";
        QTest::newRow("Edit") << 1 << "Edit"
                              << "mnuPopEdit";
        QTest::newRow("Format") << 2 << "Format"
                                << "mnuPopRTformat";
    }

    void menuButtonsOpenTheirMenus()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, menu);
        Editor editor;
        editor.window.switchToPage(MainWindow::kEditorPage);
        auto *button =
            editor.window.findChild<QPushButton *>(QStringLiteral("myTxtEditcmd_menu(%1)").arg(index));
        QVERIFY(button);
        QCOMPARE(button->text(), caption);
        QMenu *popup = editor.window.popupMenu(menu);
        QVERIFY(!popup->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(popup->isVisible());
        popup->close();
    }

    void rightButtonOpensFormatMenu_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right") << Qt::RightButton << true;
        QTest::newRow("left") << Qt::LeftButton << false;
        QTest::newRow("middle") << Qt::MiddleButton << false;
    }

    void rightButtonOpensFormatMenu()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, opens);
        Editor editor;
        editor.window.switchToPage(MainWindow::kEditorPage);
        QMenu *format = editor.window.popupMenu(QStringLiteral("mnuPopRTformat"));
        QTest::mouseClick(editor.text->viewport(), button, {}, QPoint(20, 20));
        QCoreApplication::processEvents();
        QCOMPARE(format->isVisible(), opens);
        QVERIFY(!editor.window.popupMenu(QStringLiteral("mnurtf"))->isVisible());
        QVERIFY(!editor.window.popupMenu(QStringLiteral("mnuPopEdit"))->isVisible());
        format->close();
    }

    void openLoadsRichText()
    {
        Editor editor;
        const QString file = editor.path(QStringLiteral("first.rtf"));
        writeFile(file, kFirstRtf);
        editor.desktop.commonDialog().title = QStringLiteral("Left Over");
        editor.open(file);
        QCOMPARE(editor.text->toPlainText(), QStringLiteral("First notes\nSecond line"));
        QCOMPARE(editor.label->text(), file);
        QVERIFY(!editor.page->isModified()); // loading is not typing

        QCOMPARE(editor.desktop.openSeen.size(), 1);
        const Desktop::CommonDialogState seen = editor.desktop.openSeen.constFirst();
        QCOMPARE(seen.filter, QStringLiteral("Rich Text (*.rtf)|*.rtf"));
        QCOMPARE(seen.initialDir, QDir::homePath());
        QVERIFY(seen.fileMustExist);
        QVERIFY(!seen.overwritePrompt);
        QCOMPARE(seen.title, QStringLiteral("Left Over")); // not set by Open
    }

    // Every way Open can come to nothing leaves the notes and the name shown as they were.
    void openThatLoadsNothing_data()
    {
        QTest::addColumn<QString>("answer"); // file name relative to the test folder; "" cancels
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("cancelled") << "" << QByteArray() << "No file selected" << QMessageBox::NoIcon;
        QTest::newRow("not rich text")
            << "plain.rtf" << QByteArray("Just some words\n")
            << "The File Could Not Be Opened.\n\n%1\nIt is not a Rich Text (RTF) file."
            << QMessageBox::Warning;
        QTest::newRow("junk before the brace")
            << "junk.rtf" << QByteArray("xx{\\rtf1 Hidden}")
            << "The File Could Not Be Opened.\n\n%1\nIt is not a Rich Text (RTF) file."
            << QMessageBox::Warning;
        QTest::newRow("empty file")
            << "empty.rtf" << QByteArray("")
            << "The File Could Not Be Opened.\n\n%1\nIt is not a Rich Text (RTF) file."
            << QMessageBox::Warning;
        QTest::newRow("missing") << "gone.rtf" << QByteArray()
                                 << "The File Could Not Be Opened.\n\n%1\nNo such file"
                                 << QMessageBox::Warning;
        QTest::newRow("a folder") << "folder.rtf" << QByteArray() << "The File Could Not Be Opened.\n\n%1\n"
                                  << QMessageBox::Warning;
    }

    void openThatLoadsNothing()
    {
        QFETCH(QString, answer);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QFETCH(QMessageBox::Icon, icon);
        Editor editor;
        const QString first = editor.path(QStringLiteral("first.rtf"));
        writeFile(first, kFirstRtf);
        editor.open(first);
        editor.type(QStringLiteral(" typed"));
        const QString before = editor.text->toPlainText();

        QString file;
        if (!answer.isEmpty()) {
            file = editor.path(answer);
            if (answer == QLatin1String("folder.rtf"))
                QVERIFY(QDir().mkpath(file));
            else if (answer != QLatin1String("gone.rtf"))
                writeFile(file, content);
        }
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        editor.open(file);
        QVERIFY(seen->shown);
        QVERIFY2(seen->text.startsWith(message.arg(file)), qPrintable(seen->text));
        QCOMPARE(seen->icon, icon);
        QCOMPARE(seen->title, QStringLiteral("Mortarix"));
        QCOMPARE(seen->buttons, QMessageBox::Ok);
        QCOMPARE(editor.text->toPlainText(), before);
        QCOMPARE(editor.label->text(), first);
        QVERIFY(editor.page->isModified());
    }

    void cancelledOpenDoesNotReloadTheEarlierFile()
    {
        Editor editor;
        const QString first = editor.path(QStringLiteral("first.rtf"));
        writeFile(first, kFirstRtf);
        editor.open(first);
        editor.text->selectAll();
        editor.type(QStringLiteral("replaced"));
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        editor.trigger("mnuRTFFLEOPN");
        QVERIFY(seen->shown);
        QCOMPARE(editor.text->toPlainText(), QStringLiteral("replaced"));
        QCOMPARE(editor.desktop.openSeen.size(), 2);
    }

    // File > Open of the main window puts the editor in front first, and it stays there when the
    // dialog is cancelled.
    void mainMenuOpenBringsTheEditorForward_data()
    {
        QTest::addColumn<int>("shown"); // the page shown before
        QTest::addColumn<QString>("status");
        QTest::newRow("options page") << int(MainWindow::kOptionsPage) << "Text Editor";
        QTest::newRow("price list") << int(MainWindow::kPriceListPage) << "Text Editor";
        QTest::newRow("start page") << int(MainWindow::kStartPage) << "Text Editor";
        // Already visible: nothing else changes, the status text included.
        QTest::newRow("editor already") << int(MainWindow::kEditorPage) << "Text Editor";
        QTest::newRow("editor under the price list") << -1 << "Price List";
    }

    void mainMenuOpenBringsTheEditorForward()
    {
        QFETCH(int, shown);
        QFETCH(QString, status);
        Editor editor;
        MainWindow &window = editor.window;
        if (shown == MainWindow::kOptionsPage) {
            window.switchToPage(1);
            window.page(MainWindow::kOptionsPage)->show();
            window.page(MainWindow::kOptionsPage)->raise();
        } else if (shown == MainWindow::kPriceListPage) {
            window.switchToPage(1);
            window.showPriceList();
        } else if (shown == MainWindow::kEditorPage) {
            window.switchToPage(MainWindow::kEditorPage);
        } else if (shown == -1) {
            window.switchToPage(MainWindow::kEditorPage);
            window.showPriceList();
        }
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        window.menuAction(QStringLiteral("mnuopen"))->trigger();
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, QStringLiteral("No file selected"));
        QCOMPARE(editor.desktop.openSeen.size(), 1);
        QVERIFY(window.page(MainWindow::kEditorPage)->isVisible());
        QVERIFY(!window.page(MainWindow::kOptionsPage)->isVisible());
        QVERIFY(!window.page(MainWindow::kPriceListPage)->isVisible());
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), status);
    }

    void mainMenuOpenLoadsTheFile()
    {
        Editor editor;
        const QString file = editor.path(QStringLiteral("first.rtf"));
        writeFile(file, kFirstRtf);
        editor.desktop.openAnswers.enqueue(file);
        editor.window.menuAction(QStringLiteral("mnuopen"))->trigger();
        QCOMPARE(editor.text->toPlainText(), QStringLiteral("First notes\nSecond line"));
        QCOMPARE(editor.label->text(), file);
    }

    void corpusFileOpensWithItsText()
    {
        const QString corpus = TestSupport::corpusDir();
        if (corpus.isEmpty())
            QSKIP("The RTF sample corpus is not beside the project (set MORTARIX_CORPUS).");
        const QString file = QDir(corpus).filePath(QStringLiteral("rtf/rtfjs-wordpad-colors.rtf"));
        if (!QFileInfo::exists(file))
            QSKIP("rtfjs-wordpad-colors.rtf is not in the corpus.");
        Editor editor;
        editor.open(file);
        QCOMPARE(editor.label->text(), file);
        const QString text = editor.text->toPlainText();
        for (const char *line : {"Normal Line 1", "Normal Line 2", "Colored Line", "Highlighted Line",
                                 "Colored & Highlighted Line"})
            QVERIFY2(text.contains(QLatin1String(line)), line);
    }

    // Save writes rich text whatever the name; Save As writes plain text for ".txt" in any case.
    void saveFormats_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        QTest::newRow("Save, .rtf") << "mnuRFSave"
                                    << "notes.rtf" << false;
        QTest::newRow("Save, .txt") << "mnuRFSave"
                                    << "notes.txt" << false;
        QTest::newRow("Save As, .rtf") << "mnuRTFSaveAs"
                                       << "notes.rtf" << false;
        QTest::newRow("Save As, .txt") << "mnuRTFSaveAs"
                                       << "notes.txt" << true;
        QTest::newRow("Save As, .TXT") << "mnuRTFSaveAs"
                                       << "NOTES.TXT" << true;
        QTest::newRow("Save As, .Txt") << "mnuRTFSaveAs"
                                       << "notes.Txt" << true;
        QTest::newRow("Save As, .text") << "mnuRTFSaveAs"
                                        << "notes.text" << false;
        QTest::newRow("Save As, txt without dot") << "mnuRTFSaveAs"
                                                  << "notestxt" << false;
        QTest::newRow("Save As, no extension") << "mnuRTFSaveAs"
                                               << "notes" << false;
    }

    void saveFormats()
    {
        QFETCH(QString, entry);
        QFETCH(QString, name);
        QFETCH(bool, plain);
        Editor editor;
        const QString first = editor.path(QStringLiteral("first.rtf"));
        writeFile(first, kFirstRtf);
        editor.open(first);
        editor.text->moveCursor(QTextCursor::End);
        editor.type(QStringLiteral(" & more"));
        const QString file = editor.path(name);
        editor.desktop.saveAnswers.enqueue(file);
        editor.trigger(entry.toLatin1().constData());
        // Saving touches neither the name shown nor the flag Close reads.
        QCOMPARE(editor.label->text(), first);
        QVERIFY(editor.page->isModified());

        const QByteArray written = readFile(file);
        if (plain) {
            QCOMPARE(written, QByteArray("First notes\nSecond line & more"));
        } else {
            QVERIFY2(written.startsWith("{\\rtf"), written.left(40).constData());
            editor.open(file);
            QCOMPARE(editor.text->toPlainText(), QStringLiteral("First notes\nSecond line & more"));
        }
    }

    // What the Format menu gives the text comes back when the saved file is opened again.
    void formattingSurvivesSaveAndOpen_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("property");
        QTest::newRow("Bold") << "mnuPopRTboldedit"
                              << "bold";
        QTest::newRow("Italic") << "mnuPopRTitalicedit"
                                << "italic";
        QTest::newRow("Underline") << "mnuPopRTundrlneedit"
                                   << "underline";
        QTest::newRow("Color") << "mnuPopRTcoloredit"
                               << "colour";
        QTest::newRow("Font") << "mnuPopRTfntedt"
                              << "font";
    }

    void formattingSurvivesSaveAndOpen()
    {
        QFETCH(QString, entry);
        QFETCH(QString, property);
        Editor editor;
        editor.type(QStringLiteral("plain marked plain"));
        QTextCursor cursor(editor.text->document());
        cursor.setPosition(6);
        cursor.setPosition(12, QTextCursor::KeepAnchor);
        editor.text->setTextCursor(cursor);
        editor.desktop.colorAnswer = QColor(200, 30, 40);
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSizeF(15);
        editor.desktop.fontAnswer = chosen;
        editor.trigger(entry.toLatin1().constData());

        const QString file = editor.path(QStringLiteral("formatted.rtf"));
        editor.desktop.saveAnswers.enqueue(file);
        editor.trigger("mnuRFSave");
        editor.text->clear();
        editor.open(file);
        QCOMPARE(editor.text->toPlainText(), QStringLiteral("plain marked plain"));

        auto formatAt = [&](int position) {
            QTextCursor at(editor.text->document());
            at.setPosition(position + 1);
            return at.charFormat();
        };
        auto marked = [&](const QTextCharFormat &format) {
            const QFont font = format.font().resolve(editor.text->document()->defaultFont());
            if (property == QLatin1String("bold"))
                return font.bold();
            if (property == QLatin1String("italic"))
                return font.italic();
            if (property == QLatin1String("underline"))
                return format.fontUnderline();
            if (property == QLatin1String("colour"))
                return format.foreground().color() == QColor(200, 30, 40);
            return font.family() == QLatin1String("DejaVu Serif") && font.pointSizeF() == 15.0;
        };
        QVERIFY(!marked(formatAt(2)));
        QVERIFY(marked(formatAt(6)));
        QVERIFY(marked(formatAt(11)));
        QVERIFY(!marked(formatAt(14)));
    }

    void saveDialogSettings()
    {
        Editor editor;
        const QString first = editor.path(QStringLiteral("first.rtf"));
        writeFile(first, kFirstRtf);
        editor.open(first);
        Desktop::CommonDialogState &dialog = editor.desktop.commonDialog();
        dialog.initialDir = QStringLiteral("/somewhere");
        dialog.title = QStringLiteral("Earlier");

        // Save As proposes the document's name, asks before overwriting, keeps title and folder.
        dialog.fileName = QStringLiteral("stale.rtf");
        editor.trigger("mnuRTFSaveAs"); // cancelled
        Desktop::CommonDialogState seen = editor.desktop.saveSeen.constLast();
        QCOMPARE(seen.fileName, first);
        QCOMPARE(seen.filter, QStringLiteral("Rich Text (*.rtf)|*.rtf"));
        QCOMPARE(seen.title, QStringLiteral("Earlier"));
        QCOMPARE(seen.initialDir, QStringLiteral("/somewhere"));
        QVERIFY(seen.overwritePrompt);
        QVERIFY(!seen.fileMustExist);

        // Save sets title, folder and filter; flags and name stay as the last use left them.
        dialog.filter = QStringLiteral("Text (*.txt)|*.txt");
        editor.trigger("mnuRFSave"); // cancelled
        seen = editor.desktop.saveSeen.constLast();
        QCOMPARE(seen.title, QStringLiteral("Save"));
        QCOMPARE(seen.initialDir, QDir::homePath());
        QCOMPARE(seen.filter, QStringLiteral("Rich Text (*.rtf)|*.rtf"));
        QCOMPARE(seen.fileName, first);
        QVERIFY(seen.overwritePrompt);
        QCOMPARE(editor.desktop.saveSeen.size(), 2);
    }

    // The shared dialog keeps one set of flags for all its uses; a plain Save sees what the last use
    // left behind.
    void saveSeesFlagsOfTheLastUse_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("overwritePrompt");
        QTest::addColumn<bool>("fileMustExist");
        QTest::newRow("after Open") << "mnuRTFFLEOPN" << false << true;
        QTest::newRow("after Save As") << "mnuRTFSaveAs" << true << false;
        QTest::newRow("after Font") << "mnuPopRTfntedt" << true << false;
        QTest::newRow("after Color") << "mnuPopRTcoloredit" << false << false;
    }

    void saveSeesFlagsOfTheLastUse()
    {
        QFETCH(QString, before);
        QFETCH(bool, overwritePrompt);
        QFETCH(bool, fileMustExist);
        Editor editor;
        editor.type(QStringLiteral("notes"));
        std::shared_ptr<TestSupport::SeenMessage> noFile;
        if (before == QLatin1String("mnuRTFFLEOPN"))
            noFile = TestSupport::answerNextMessageBox(QMessageBox::Ok);
        editor.trigger(before.toLatin1().constData());
        editor.trigger("mnuRFSave");
        const Desktop::CommonDialogState seen = editor.desktop.saveSeen.constLast();
        QCOMPARE(seen.overwritePrompt, overwritePrompt);
        QCOMPARE(seen.fileMustExist, fileMustExist);
    }

    void emptyEditorSavesNothing_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("Save") << "mnuRFSave";
        QTest::newRow("Save As") << "mnuRTFSaveAs";
    }

    void emptyEditorSavesNothing()
    {
        QFETCH(QString, entry);
        Editor editor;
        editor.desktop.saveAnswers.enqueue(editor.path(QStringLiteral("never.rtf")));
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok, 300);
        editor.trigger(entry.toLatin1().constData());
        QTest::qWait(400);
        QVERIFY(!seen->shown);
        QVERIFY(editor.desktop.saveSeen.isEmpty());
        QVERIFY(!QFileInfo::exists(editor.path(QStringLiteral("never.rtf"))));
    }

    void close_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("answer");     // to "Would you like to save your changes?"; 0: not asked
        QTest::addColumn<QString>("saveAs"); // save dialog answer; "" cancels
        QTest::addColumn<bool>("emptied");
        QTest::newRow("unchanged") << false << 0 << "" << true;
        QTest::newRow("typed, No") << true << int(QMessageBox::No) << "" << true;
        QTest::newRow("typed, Yes, saved") << true << int(QMessageBox::Yes) << "kept.rtf" << true;
        QTest::newRow("typed, Yes, .txt saved as RTF") << true << int(QMessageBox::Yes) << "kept.txt" << true;
        QTest::newRow("typed, Yes, dialog cancelled") << true << int(QMessageBox::Yes) << "" << false;
    }

    void close()
    {
        QFETCH(bool, typed);
        QFETCH(int, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, emptied);
        Editor editor;
        const QString first = editor.path(QStringLiteral("first.rtf"));
        writeFile(first, kFirstRtf);
        editor.open(first);
        if (typed)
            editor.type(QStringLiteral("typed "));
        const QString before = editor.text->toPlainText();
        if (!saveAs.isEmpty())
            editor.desktop.saveAnswers.enqueue(editor.path(saveAs));
        editor.desktop.commonDialog().title = QStringLiteral("Last Use");

        auto seen = TestSupport::answerNextMessageBox(
            answer ? QMessageBox::StandardButton(answer) : QMessageBox::Ok, answer ? 5000 : 300);
        editor.trigger("mnuPopClse");
        if (!answer)
            QTest::qWait(400);
        QCOMPARE(seen->shown, answer != 0);
        if (answer) {
            QCOMPARE(seen->text, QStringLiteral("Would you like to save your changes?"));
            QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(seen->icon, QMessageBox::NoIcon);
            QCOMPARE(seen->title, QStringLiteral("Mortarix"));
        }
        if (answer == QMessageBox::Yes) {
            QCOMPARE(editor.desktop.saveSeen.size(), 1);
            QCOMPARE(editor.desktop.saveSeen.constFirst().title, QStringLiteral("Last Use"));
        } else {
            QVERIFY(editor.desktop.saveSeen.isEmpty());
        }
        if (!saveAs.isEmpty())
            QVERIFY(readFile(editor.path(saveAs)).startsWith("{\\rtf"));

        if (emptied) {
            QVERIFY(editor.text->toPlainText().isEmpty());
            QVERIFY(editor.label->text().isEmpty());
            QVERIFY(!editor.page->isModified());
        } else {
            QCOMPARE(editor.text->toPlainText(), before);
            QCOMPARE(editor.label->text(), first);
            QVERIFY(editor.page->isModified());
        }
    }

    void closeAfterSaveStillAsks()
    {
        Editor editor;
        editor.type(QStringLiteral("notes"));
        editor.desktop.saveAnswers.enqueue(editor.path(QStringLiteral("saved.rtf")));
        editor.trigger("mnuRFSave");
        QVERIFY(QFileInfo::exists(editor.path(QStringLiteral("saved.rtf"))));
        auto seen = TestSupport::answerNextMessageBox(QMessageBox::No);
        editor.trigger("mnuPopClse");
        QVERIFY(seen->shown);
        QVERIFY(editor.text->toPlainText().isEmpty());

        // After Close, typing sets the flag again.
        editor.type(QStringLiteral("more"));
        QVERIFY(editor.page->isModified());
    }

    // A save that cannot be written says so and changes nothing: not the notes, not the label,
    // not the flag, and not a file already there.
    void failedSaveKeepsEverything_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>(
            "target"); // "folder": a path that is a folder; "locked": a read-only folder
        QTest::newRow("Save, folder") << "mnuRFSave"
                                      << "folder";
        QTest::newRow("Save As, folder") << "mnuRTFSaveAs"
                                         << "folder";
        QTest::newRow("Save As .txt, folder") << "mnuRTFSaveAs"
                                              << "folder.txt";
        QTest::newRow("Close, folder") << "mnuPopClse"
                                       << "folder";
        QTest::newRow("Save, inside a file") << "mnuRFSave"
                                             << "file";
        QTest::newRow("Save As, inside a file") << "mnuRTFSaveAs"
                                                << "file";
        QTest::newRow("Save, read-only folder") << "mnuRFSave"
                                                << "locked";
        QTest::newRow("Save As, read-only folder") << "mnuRTFSaveAs"
                                                   << "locked";
        QTest::newRow("Close, read-only folder") << "mnuPopClse"
                                                 << "locked";
        // The folder of the file opened, or of the last Save As, was moved away meanwhile.
        QTest::newRow("Save, folder moved away") << "mnuRFSave"
                                                 << "moved";
        QTest::newRow("Save As, folder moved away") << "mnuRTFSaveAs"
                                                    << "moved";
        QTest::newRow("Close, folder moved away") << "mnuPopClse"
                                                  << "moved";
        QTest::newRow("Save As, folder of the last save moved away") << "mnuRTFSaveAs"
                                                                     << "moved after save";
    }

    void failedSaveKeepsEverything()
    {
        QFETCH(QString, entry);
        QFETCH(QString, target);
        Editor editor;
        // "moved": the notes come from site/notes.rtf; "moved after save": Save As put them there.
        const QString site = editor.path(QStringLiteral("site"));
        const QString moved = editor.path(QStringLiteral("moved"));
        const QString first = target == QLatin1String("moved")
                                  ? QDir(site).filePath(QStringLiteral("notes.rtf"))
                                  : editor.path(QStringLiteral("first.rtf"));
        QVERIFY(QDir().mkpath(site));
        writeFile(first, kFirstRtf);
        editor.open(first);
        editor.type(QStringLiteral("typed "));
        const QString before = editor.text->toPlainText();

        QString file;
        QByteArray movedBytes;
        if (target.startsWith(QLatin1String("moved"))) {
            file = QDir(site).filePath(QStringLiteral("notes.rtf"));
            if (target == QLatin1String("moved after save")) {
                editor.desktop.saveAnswers.enqueue(file);
                editor.trigger("mnuRTFSaveAs");
            }
            movedBytes = readFile(file);
            QVERIFY(!movedBytes.isEmpty());
            QVERIFY(QDir().rename(site, moved));
        } else if (target.startsWith(QLatin1String("folder"))) {
            file = editor.path(target);
            QVERIFY(QDir().mkpath(file));
        } else if (target == QLatin1String("file")) {
            writeFile(editor.path(QStringLiteral("plain")), "ORIGINAL");
            file = editor.path(QStringLiteral("plain/notes.rtf"));
        } else {
            const QString locked = editor.path(QStringLiteral("locked"));
            QVERIFY(QDir().mkpath(locked));
            file = QDir(locked).filePath(QStringLiteral("kept.rtf"));
            writeFile(file, "ORIGINAL");
            QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (!permissionsApply(locked)) {
                QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
                QSKIP("Folder permissions do not hold for this user.");
            }
        }
        editor.desktop.saveAnswers.enqueue(file);

        const bool closing = entry == QLatin1String("mnuPopClse");
        TestSupport::MessageAnswers answers(closing ? QList{QMessageBox::Yes, QMessageBox::Ok}
                                                    : QList{QMessageBox::Ok});
        editor.trigger(entry.toLatin1().constData());
        QCOMPARE(answers.seen.size(), closing ? 2 : 1);
        if (closing)
            QCOMPARE(answers.seen.constFirst().text, QStringLiteral("Would you like to save your changes?"));
        const TestSupport::ShownMessage failure = answers.seen.constLast();
        const QString heading = QStringLiteral("The File Could Not Be Saved.\n\n") + file + QLatin1Char('\n');
        QVERIFY2(failure.text.startsWith(heading), qPrintable(failure.text));
        QVERIFY2(failure.text.size() > heading.size(), "the reason is given");
        QCOMPARE(failure.icon, QMessageBox::Warning);
        QCOMPARE(failure.title, QStringLiteral("Mortarix"));

        QCOMPARE(editor.text->toPlainText(), before);
        QCOMPARE(editor.label->text(), first);
        QVERIFY(editor.page->isModified());
        if (target == QLatin1String("file"))
            QCOMPARE(readFile(editor.path(QStringLiteral("plain"))), QByteArray("ORIGINAL"));
        if (target.startsWith(QLatin1String("moved"))) {
            if (entry == QLatin1String("mnuRTFSaveAs"))
                QCOMPARE(editor.desktop.saveSeen.constLast().fileName, file); // the name proposed
            QCOMPARE(readFile(QDir(moved).filePath(QStringLiteral("notes.rtf"))), movedBytes);
            QVERIFY(!QFileInfo::exists(site));
        }
        if (target == QLatin1String("locked")) {
            QCOMPARE(readFile(file), QByteArray("ORIGINAL"));
            QFile::setPermissions(editor.path(QStringLiteral("locked")),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QCOMPARE(QDir(editor.path(QStringLiteral("locked"))).entryList(QDir::Files | QDir::Hidden),
                     QStringList{QStringLiteral("kept.rtf")});
        }
    }

    // Files far beyond any real notes open (or are refused with one message) in seconds, and the
    // window answers the keyboard afterwards.
    void hugeFilesOpenInTime_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("first"); // how the text starts and ends when it is shown
        QTest::addColumn<QString>("last");
        QTest::addColumn<bool>("mayRefuse"); // too long to lay out: a message instead

        const auto paragraphs = [](qsizetype megabytes, QByteArray *last) -> QByteArray {
            const char *const words[] = {"concrete", "footing", "rebar", "block", "mortar", "trowel", "slab"};
            QByteArray rtf = "{\\rtf1\\ansi ";
            rtf.reserve((megabytes + 1) * 1024 * 1024);
            for (int n = 0; rtf.size() < megabytes * 1024 * 1024; ++n) {
                *last = "Paragraph " + QByteArray::number(n) + ':';
                for (int w = 0; last->size() < 80; ++w)
                    *last += ' ' + QByteArray(words[(n + w) % 7]);
                rtf += (n ? "\\par\n" : "") + *last;
            }
            return rtf + '}';
        };
        // Sanitized and debugging builds read far slower; they check the same paths on less.
        const bool full = TestSupport::timingsApply();
        QByteArray last;
        const QByteArray large = paragraphs(full ? 10 : 2, &last);
        QTest::newRow("large file of paragraphs (10 MB)")
            << large << "Paragraph 0: concrete footing" << QString::fromLatin1(last) << false;
        const QByteArray huge = paragraphs(full ? 50 : 5, &last);
        QTest::newRow("huge file of paragraphs (50 MB)")
            << huge << "Paragraph 0: concrete footing" << QString::fromLatin1(last) << true;
        // Small on disk, but taller than a text view can lay out.
        QTest::newRow("60000 lines in 100 point type")
            << "{\\rtf1\\fs200 " + QByteArray("x\\par\n").repeated(60000) + "end}"
            << "x"
            << "end" << true;

        const QByteArray deep =
            "{\\rtf1 " + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + " after}";
        QTest::newRow("100000 nested groups") << deep << "deep"
                                              << "after" << false;
    }

    void hugeFilesOpenInTime()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(bool, mayRefuse);
        const qint64 budgetMs = TestSupport::timingsApply() ? 5000 : 120000;
        Editor editor;
        editor.window.switchToPage(MainWindow::kEditorPage);
        const QString file = editor.path(QStringLiteral("huge.rtf"));
        writeFile(file, rtf);
        rtf.clear();

        TestSupport::MessageAnswers answers({QMessageBox::Ok, QMessageBox::Ok});
        QElapsedTimer timer;
        timer.start();
        editor.open(file);
        QCoreApplication::processEvents();
        const qint64 openMs = timer.elapsed();
        qInfo("open: %lld ms", openMs);
        QTextDocument *document = editor.text->document();
        if (answers.seen.isEmpty()) {
            QCOMPARE(textAt(document, 0, int(first.size())), first);
            QCOMPARE(textAt(document, document->characterCount() - 1 - int(last.size()), int(last.size())),
                     last);
            QCOMPARE(editor.label->text(), file);
        } else {
            QVERIFY2(mayRefuse, qPrintable(answers.seen.constFirst().text));
            QCOMPARE(answers.seen.size(), 1);
            QVERIFY2(
                answers.seen.constFirst().text.startsWith(QStringLiteral("The File Could Not Be Opened.")),
                qPrintable(answers.seen.constFirst().text));
            QVERIFY(document->isEmpty());
        }
        QVERIFY2(openMs < budgetMs, qPrintable(QStringLiteral("%1 ms").arg(openMs)));

        timer.start();
        editor.text->moveCursor(QTextCursor::Start);
        editor.type(QStringLiteral("Typed "));
        QCoreApplication::processEvents();
        const qint64 typingMs = timer.elapsed();
        qInfo("typing afterwards: %lld ms", typingMs);
        QCOMPARE(textAt(document, 0, 6), QStringLiteral("Typed "));
        QVERIFY(editor.page->isModified());
        QVERIFY2(typingMs < budgetMs, qPrintable(QStringLiteral("%1 ms").arg(typingMs)));
    }
};

MORTARIX_TEST_MAIN(TestEditorDocuments)
#include "tst_editordocuments.moc"
