// The Text Editor page's documents through the menus: open, save, save as, close, what the shared
// file dialog carries between uses, real RTF files, and files far larger than any notes.
#include "EditorKit.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>

namespace {

const QByteArray kFirstRtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 First notes\\par Second line}";
const QString kNotSaved = QStringLiteral("The File Could Not Be Saved.\n\n%1\n");
const QString kNotOpened = QStringLiteral("The File Could Not Be Opened.\n\n%1\n");
const QString kSaveChanges = QStringLiteral("Would you like to save your changes?");

// An editor holding first.rtf, opened, with `typed` typed at its start.
struct Opened : Editor
{
    QString first = path(QStringLiteral("first.rtf"));
    explicit Opened(const QString &typed = {}, const QString &file = {})
    {
        if (!file.isEmpty())
            first = file;
        writeFile(first, kFirstRtf);
        open(first);
        type(typed);
    }
};

// `length` characters of `document` from `from`, paragraph ends as U+2029.
QString textAt(QTextDocument *document, int from, int length)
{
    QTextCursor cursor(document);
    cursor.setPosition(std::max(0, from));
    cursor.setPosition(std::min(from + length, document->characterCount() - 1), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

class TestEditorDocuments : public QObject
{
    Q_OBJECT

private slots:
    void pageAndItsMenus()
    {
        Editor editor;
        MainWindow &window = editor.window;
        window.switchToPage(MainWindow::kEditorPage);
        QCOMPARE(window.page(MainWindow::kEditorPage)->title(), QStringLiteral("Text Editor"));
        QVERIFY(editor.text->toPlainText().isEmpty() && editor.label->text().isEmpty());
        QVERIFY(!editor.page->hasText() && !editor.page->isModified());
        const QFont font = editor.text->document()->defaultFont();
        QCOMPARE(QPair(font.family(), font.pointSizeF()), QPair(QStringLiteral("Bookman Old Style"), 9.75));
        QCOMPARE(font.weight(), QFont::Light);
        const QStringList captions{"File", "Edit", "Format"}, menus{"mnurtf", "mnuPopEdit", "mnuPopRTformat"};
        for (int i = 0; i < 3; ++i) {
            auto *button = window.findChild<QPushButton *>(QStringLiteral("myTxtEditcmd_menu(%1)").arg(i));
            QCOMPARE(button->text(), captions[i]);
            QTest::mouseClick(button, Qt::LeftButton);
            QTRY_VERIFY(window.popupMenu(menus[i])->isVisible());
            window.popupMenu(menus[i])->close();
        }
        // Only the right button opens a menu on the text, and that is Format.
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton}) {
            QTest::mouseClick(editor.text->viewport(), button, {}, QPoint(20, 20));
            QCoreApplication::processEvents();
            QCOMPARE(window.popupMenu(menus[2])->isVisible(), button == Qt::RightButton);
            QVERIFY(!window.popupMenu(menus[0])->isVisible() && !window.popupMenu(menus[1])->isVisible());
        }
        window.popupMenu(menus[2])->close();
    }

    // The editor holds first.rtf with typing; a load replaces both, anything else leaves them.
    void open_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name"); // "" cancels; "folder.rtf" is a folder, "gone.rtf" missing
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message"); // "": it loads
        const QString notRtf = kNotOpened + QStringLiteral("It is not a Rich Text (RTF) file.");
        QTest::newRow("loads") << "mnuRTFFLEOPN" << "b.rtf" << QByteArray("{\\rtf1 Other\\par notes}") << "";
        QTest::newRow("main menu loads") << "mnuopen" << "b.rtf" << QByteArray("{\\rtf1 Other\\par notes}") << "";
        QTest::newRow("cancelled") << "mnuRTFFLEOPN" << "" << QByteArray() << "No file selected";
        QTest::newRow("not rich text") << "mnuRTFFLEOPN" << "p.rtf" << QByteArray("Just words\n") << notRtf;
        QTest::newRow("junk before the brace") << "mnuopen" << "j.rtf" << QByteArray("x{\\rtf1 Hid}") << notRtf;
        QTest::newRow("empty file") << "mnuRTFFLEOPN" << "e.rtf" << QByteArray("") << notRtf;
        QTest::newRow("missing") << "mnuRTFFLEOPN" << "gone.rtf" << QByteArray() << kNotOpened + "No such file";
        QTest::newRow("a folder") << "mnuRTFFLEOPN" << "folder.rtf" << QByteArray() << kNotOpened;
    }

    void open()
    {
        QFETCH(QString, entry); QFETCH(QString, name); QFETCH(QByteArray, content); QFETCH(QString, message);
        Opened editor(QStringLiteral(" typed"));
        const QString before = editor.text->toPlainText();
        const QString file = name.isEmpty() ? QString() : editor.path(name);
        if (name == QLatin1String("folder.rtf"))
            QVERIFY(QDir().mkpath(file));
        else if (!file.isEmpty() && name != QLatin1String("gone.rtf"))
            writeFile(file, content);
        editor.desktop.commonDialog().title = QStringLiteral("Left Over");
        editor.desktop.openAnswers.enqueue(file);
        Answers answers({QMessageBox::Ok});
        editor.trigger(entry);
        const Desktop::CommonDialogState seen = editor.desktop.openSeen.constLast();
        QCOMPARE(QPair(seen.filter, seen.initialDir), QPair(QStringLiteral("Rich Text (*.rtf)|*.rtf"), QDir::homePath()));
        QVERIFY(seen.fileMustExist && !seen.overwritePrompt);
        QCOMPARE(seen.title, QStringLiteral("Left Over"));
        if (message.isEmpty()) {
            QVERIFY(answers.seen.isEmpty());
            QCOMPARE(editor.text->toPlainText(), QStringLiteral("Other\nnotes"));
            QCOMPARE(editor.label->text(), file);
            QVERIFY(editor.page->isModified()); // only Close clears it
            return;
        }
        QCOMPARE(answers.seen.size(), 1);
        const TestSupport::ShownMessage shown = answers.seen.constFirst();
        QVERIFY2(shown.text.startsWith(QString(message).replace(QStringLiteral("%1"), file)), qPrintable(shown.text));
        QCOMPARE(shown.icon, file.isEmpty() ? QMessageBox::NoIcon : QMessageBox::Warning);
        QCOMPARE(shown.title, QStringLiteral("Mortarix"));
        QCOMPARE(shown.buttons, QMessageBox::Ok);
        QCOMPARE(editor.text->toPlainText(), before);
        QCOMPARE(editor.label->text(), editor.first);
        QVERIFY(editor.page->isModified());
    }

    // File > Open of the main window brings the editor forward first; it stays when cancelled.
    void mainMenuOpenBringsTheEditorForward_data()
    {
        QTest::addColumn<int>("shown"); // -1: the price list over the editor
        QTest::addColumn<QString>("status");
        QTest::newRow("options page") << int(MainWindow::kOptionsPage) << "Text Editor";
        QTest::newRow("price list") << int(MainWindow::kPriceListPage) << "Text Editor";
        QTest::newRow("start page") << int(MainWindow::kStartPage) << "Text Editor";
        QTest::newRow("editor already") << int(MainWindow::kEditorPage) << "Text Editor";
        QTest::newRow("editor under the price list") << -1 << "Price List"; // the status stays
    }

    void mainMenuOpenBringsTheEditorForward()
    {
        QFETCH(int, shown); QFETCH(QString, status);
        Editor editor;
        MainWindow &window = editor.window;
        if (shown != MainWindow::kStartPage)
            window.switchToPage(shown == MainWindow::kEditorPage || shown == -1 ? MainWindow::kEditorPage : 1);
        if (shown == MainWindow::kOptionsPage) {
            window.page(shown)->show();
            window.page(shown)->raise();
        } else if (shown == MainWindow::kPriceListPage || shown == -1) {
            window.showPriceList();
        }
        Answers answers({QMessageBox::Ok});
        editor.trigger(QStringLiteral("mnuopen"));
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(editor.desktop.openSeen.size(), 1);
        QVERIFY(window.page(MainWindow::kEditorPage)->isVisible());
        QVERIFY(!window.page(MainWindow::kOptionsPage)->isVisible());
        QVERIFY(!window.page(MainWindow::kPriceListPage)->isVisible());
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), status);
    }

    // Real RTF files keep their text through Open, Save and Open again.
    void corpusRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &name : TestSupport::corpusRtfFiles())
            QTest::newRow(qPrintable(name)) << TestSupport::corpusDir() + QStringLiteral("/rtf/") + name;
        if (TestSupport::corpusRtfFiles().isEmpty())
            QSKIP("The RTF sample corpus is not beside the project (set MORTARIX_CORPUS).");
    }

    void corpusRoundTrip()
    {
        QFETCH(QString, file);
        Editor editor;
        Answers answers({QMessageBox::Ok});
        editor.open(file);
        if (!answers.seen.isEmpty())
            QSKIP(qPrintable(answers.seen.constFirst().text));
        QCOMPARE(editor.label->text(), file);
        QVERIFY(!editor.page->isModified()); // loading is not typing
        const QString text = editor.text->toPlainText();
        if (file.endsWith(QLatin1String("rtfjs-wordpad-colors.rtf")))
            QVERIFY2(text.contains(QLatin1String("Colored & Highlighted Line")), qPrintable(text));
        if (!editor.page->hasText())
            QSKIP("Nothing in it to save.");
        const QString copy = editor.path(QStringLiteral("copy.rtf"));
        editor.desktop.saveAnswers.enqueue(copy);
        editor.trigger(QStringLiteral("mnuRTFSaveAs"));
        editor.open(copy);
        QVERIFY2(answers.seen.isEmpty(), qPrintable(answers.seen.value(0).text));
        QCOMPARE(editor.label->text(), copy);
        QCOMPARE(editor.text->toPlainText(), text);
    }

    // Save writes rich text whatever the name; Save As writes plain text for ".txt" in any case.
    void saveFormats_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("plain");
        for (const char *name : {"notes.rtf", "notes.txt"})
            QTest::addRow("Save, %s", name) << "mnuRFSave" << name << false;
        for (const char *name : {"notes.rtf", "notes.text", "notestxt", "notes"})
            QTest::addRow("Save As, %s", name) << "mnuRTFSaveAs" << name << false;
        for (const char *name : {"notes.txt", "NOTES.TXT", "notes.Txt"})
            QTest::addRow("Save As, %s", name) << "mnuRTFSaveAs" << name << true;
    }

    void saveFormats()
    {
        QFETCH(QString, entry); QFETCH(QString, name); QFETCH(bool, plain);
        Opened editor;
        editor.text->moveCursor(QTextCursor::End);
        editor.type(QStringLiteral(" & more"));
        const QString file = editor.path(name);
        editor.desktop.saveAnswers.enqueue(file);
        editor.trigger(entry);
        // Saving touches neither the name shown nor the flag Close reads.
        QCOMPARE(editor.label->text(), editor.first);
        QVERIFY(editor.page->isModified());
        QCOMPARE(QDir(editor.files.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // nothing left over
        QCOMPARE(readFile(file).startsWith("{\\rtf"), !plain);
        if (!plain)
            editor.open(file);
        QCOMPARE(plain ? QString::fromUtf8(readFile(file)) : editor.text->toPlainText(),
                 QStringLiteral("First notes\nSecond line & more"));
    }

    // What the Format menu gives the text comes back when the saved file is opened again.
    void formattingSurvivesSaveAndOpen_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("property");
        const char *entries[] = {"mnuPopRTboldedit", "mnuPopRTitalicedit", "mnuPopRTundrlneedit",
                                 "mnuPopRTcoloredit", "mnuPopRTfntedt"};
        for (int i = 0; i < 5; ++i)
            QTest::newRow(entries[i]) << entries[i] << i;
    }

    void formattingSurvivesSaveAndOpen()
    {
        QFETCH(QString, entry); QFETCH(int, property);
        Editor editor;
        editor.type(QStringLiteral("plain marked plain"));
        editor.select(6, 12);
        editor.desktop.colorAnswer = QColor(200, 30, 40);
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSizeF(15);
        editor.desktop.fontAnswer = chosen;
        editor.trigger(entry);
        const QString file = editor.path(QStringLiteral("formatted.rtf"));
        editor.desktop.saveAnswers.enqueue(file);
        editor.trigger(QStringLiteral("mnuRFSave"));
        editor.text->clear();
        editor.open(file);
        QCOMPARE(editor.text->toPlainText(), QStringLiteral("plain marked plain"));
        for (int i : {2, 6, 11, 14}) {
            const QFont f = editor.fontAt(i);
            const bool marked[] = {f.bold(), f.italic(), editor.at(i).fontUnderline(),
                                   editor.colourAt(i) == QColor(200, 30, 40),
                                   f.family() == QLatin1String("DejaVu Serif") && f.pointSizeF() == 15.0};
            QVERIFY2(marked[property] == (i >= 6 && i < 12), qPrintable(QString::number(i)));
        }
    }

    void saveDialogSettings()
    {
        Opened editor;
        Desktop::CommonDialogState &dialog = editor.desktop.commonDialog();
        dialog.initialDir = QStringLiteral("/somewhere");
        dialog.title = QStringLiteral("Earlier");
        // Save As proposes the document's name and asks before overwriting; title and folder stay.
        dialog.fileName = QStringLiteral("stale.rtf");
        editor.trigger(QStringLiteral("mnuRTFSaveAs")); // cancelled
        Desktop::CommonDialogState seen = editor.desktop.saveSeen.constLast();
        QCOMPARE(QList<QString>({seen.fileName, seen.filter, seen.title, seen.initialDir}),
                 QList<QString>({editor.first, "Rich Text (*.rtf)|*.rtf", "Earlier", "/somewhere"}));
        QVERIFY(seen.overwritePrompt && !seen.fileMustExist);
        // Save sets title, folder and filter; flags and name stay as the last use left them.
        dialog.filter = QStringLiteral("Text (*.txt)|*.txt");
        editor.trigger(QStringLiteral("mnuRFSave")); // cancelled
        seen = editor.desktop.saveSeen.constLast();
        QCOMPARE(QList<QString>({seen.fileName, seen.filter, seen.title, seen.initialDir}),
                 QList<QString>({editor.first, "Rich Text (*.rtf)|*.rtf", "Save", QDir::homePath()}));
        QVERIFY(seen.overwritePrompt);
        QCOMPARE(editor.desktop.saveSeen.size(), 2);
    }

    // The shared dialog keeps one set of flags for all its uses; a plain Save sees the last use's.
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
        QFETCH(QString, before); QFETCH(bool, overwritePrompt); QFETCH(bool, fileMustExist);
        Editor editor;
        editor.type(QStringLiteral("notes"));
        Answers noFile({QMessageBox::Ok});
        editor.trigger(before);
        editor.trigger(QStringLiteral("mnuRFSave"));
        const Desktop::CommonDialogState seen = editor.desktop.saveSeen.constLast();
        QCOMPARE(QPair(seen.overwritePrompt, seen.fileMustExist), QPair(overwritePrompt, fileMustExist));
    }

    // `answer` to "Would you like to save your changes?" (0: not asked); `saveAs` "" cancels.
    void close_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("unchanged") << "" << 0 << "" << true;
        QTest::newRow("typed, No") << "typed " << int(QMessageBox::No) << "" << true;
        QTest::newRow("typed, Yes, saved") << "typed " << int(QMessageBox::Yes) << "kept.rtf" << true;
        QTest::newRow("typed, Yes, .txt saved as RTF") << "typed " << int(QMessageBox::Yes) << "kept.txt" << true;
        QTest::newRow("typed, Yes, dialog cancelled") << "typed " << int(QMessageBox::Yes) << "" << false;
        QTest::newRow("saved earlier, still asks") << "saved " << int(QMessageBox::No) << "" << true;
    }

    void close()
    {
        QFETCH(QString, typed); QFETCH(int, answer); QFETCH(QString, saveAs); QFETCH(bool, emptied);
        Opened editor(typed);
        const QString before = editor.text->toPlainText();
        if (typed == QLatin1String("saved ")) {
            editor.desktop.saveAnswers.enqueue(editor.path(QStringLiteral("saved.rtf")));
            editor.trigger(QStringLiteral("mnuRFSave"));
            QVERIFY(QFileInfo::exists(editor.path(QStringLiteral("saved.rtf"))));
        }
        if (!saveAs.isEmpty())
            editor.desktop.saveAnswers.enqueue(editor.path(saveAs));
        editor.desktop.commonDialog().title = QStringLiteral("Last Use");
        const int savesBefore = int(editor.desktop.saveSeen.size());
        Answers answers({QMessageBox::StandardButton(answer)});
        editor.trigger(QStringLiteral("mnuPopClse"));
        QCOMPARE(answers.seen.size(), answer ? 1 : 0);
        if (answer) {
            const TestSupport::ShownMessage shown = answers.seen.constFirst();
            QCOMPARE(QPair(shown.text, shown.title), QPair(kSaveChanges, QStringLiteral("Mortarix")));
            QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(shown.icon, QMessageBox::NoIcon);
        }
        QCOMPARE(editor.desktop.saveSeen.size() - savesBefore, answer == QMessageBox::Yes ? 1 : 0);
        if (answer == QMessageBox::Yes)
            QCOMPARE(editor.desktop.saveSeen.constLast().title, QStringLiteral("Last Use"));
        if (!saveAs.isEmpty())
            QVERIFY(readFile(editor.path(saveAs)).startsWith("{\\rtf"));
        QCOMPARE(editor.text->toPlainText(), emptied ? QString() : before);
        QCOMPARE(editor.label->text(), emptied ? QString() : editor.first);
        QCOMPARE(editor.page->isModified(), !emptied);
        editor.type(QStringLiteral("more")); // typing after Close counts again
        QVERIFY(editor.page->isModified());
    }

    void emptyEditorSavesNothing()
    {
        Editor editor;
        Answers answers({QMessageBox::Ok});
        for (const char *entry : {"mnuRFSave", "mnuRTFSaveAs"}) {
            editor.desktop.saveAnswers.enqueue(editor.path(QStringLiteral("never.rtf")));
            editor.trigger(QLatin1String(entry));
        }
        QVERIFY(answers.seen.isEmpty());
        QVERIFY(editor.desktop.saveSeen.isEmpty());
        QVERIFY(QDir(editor.files.path()).isEmpty());
    }

    // A save that cannot be written says so and changes nothing: not the notes, not the label,
    // not the flag, and not a file already there.
    void failedSaveKeepsEverything_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("target"); // see below
        for (const char *entry : {"mnuRFSave", "mnuRTFSaveAs", "mnuPopClse"}) {
            for (const char *target : {"folder", "plain/notes.rtf", "locked/kept.rtf", "moved"})
                QTest::addRow("%s, %s", entry, target) << entry << target;
        }
        QTest::newRow("Save As .txt, folder") << "mnuRTFSaveAs" << "folder.txt";
        QTest::newRow("Save As, folder of the last save moved") << "mnuRTFSaveAs" << "moved after save";
    }

    void failedSaveKeepsEverything()
    {
        QFETCH(QString, entry); QFETCH(QString, target);
        // "moved": the notes come from site/notes.rtf, and site is moved away before saving.
        const bool moved = target.startsWith(QLatin1String("moved"));
        QTemporaryDir scratch;
        const QString site = scratch.filePath(QStringLiteral("site")), away = scratch.filePath(QStringLiteral("away"));
        QVERIFY(QDir().mkpath(site));
        Opened editor(QStringLiteral("typed "), target == QLatin1String("moved") ? site + "/notes.rtf" : QString());
        const QString before = editor.text->toPlainText();
        QString file = moved ? site + QStringLiteral("/notes.rtf") : editor.path(target);
        QByteArray kept = "ORIGINAL";
        if (target == QLatin1String("moved after save")) {
            editor.desktop.saveAnswers.enqueue(file);
            editor.trigger(QStringLiteral("mnuRTFSaveAs"));
        }
        if (moved) {
            kept = readFile(file);
            QVERIFY(QDir().rename(site, away));
        } else if (target.startsWith(QLatin1String("folder"))) {
            QVERIFY(QDir().mkpath(file));
        } else if (target.startsWith(QLatin1String("plain"))) {
            writeFile(editor.path(QStringLiteral("plain")), kept);
        } else {
            QVERIFY(QDir().mkpath(editor.path(QStringLiteral("locked"))));
            writeFile(file, kept);
            QFile::setPermissions(editor.path(QStringLiteral("locked")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (QFile(editor.path(QStringLiteral("locked/probe"))).open(QIODevice::WriteOnly))
                QSKIP("Folder permissions do not hold for this user.");
        }
        editor.desktop.saveAnswers.enqueue(file);
        const bool closing = entry == QLatin1String("mnuPopClse");
        Answers answers(closing ? QList{QMessageBox::Yes, QMessageBox::Ok} : QList{QMessageBox::Ok});
        editor.trigger(entry);
        QCOMPARE(answers.seen.size(), closing ? 2 : 1);
        QCOMPARE(answers.seen.constFirst().text == kSaveChanges, closing);
        const TestSupport::ShownMessage failure = answers.seen.constLast();
        QVERIFY2(failure.text.startsWith(kNotSaved.arg(file)), qPrintable(failure.text));
        QVERIFY2(failure.text.size() > kNotSaved.arg(file).size(), "the reason is given");
        QCOMPARE(failure.icon, QMessageBox::Warning);
        QCOMPARE(failure.title, QStringLiteral("Mortarix"));
        QCOMPARE(editor.text->toPlainText(), before);
        QCOMPARE(editor.label->text(), editor.first);
        QVERIFY(editor.page->isModified());
        if (entry == QLatin1String("mnuRTFSaveAs") && moved)
            QCOMPARE(editor.desktop.saveSeen.constLast().fileName, file); // the name proposed
        if (moved) {
            QCOMPARE(readFile(away + QStringLiteral("/notes.rtf")), kept);
            QVERIFY(!QFileInfo::exists(site));
        } else if (target.startsWith(QLatin1String("plain"))) {
            QCOMPARE(readFile(editor.path(QStringLiteral("plain"))), kept);
        } else if (target.startsWith(QLatin1String("locked"))) {
            const QString locked = editor.path(QStringLiteral("locked"));
            QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QCOMPARE(readFile(file), kept);
            QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kept.rtf")});
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
        QTest::newRow("10 MB of paragraphs") << large << "Paragraph 0: concrete footing" << QString::fromLatin1(last) << false;
        const QByteArray huge = paragraphs(full ? 50 : 5, &last);
        QTest::newRow("50 MB of paragraphs") << huge << "Paragraph 0: concrete footing" << QString::fromLatin1(last) << true;
        // Small on disk, but taller than a text view can lay out.
        QTest::newRow("60000 lines in 100 point type")
            << "{\\rtf1\\fs200 " + QByteArray("x\\par\n").repeated(60000) + "end}" << "x" << "end" << true;
        QTest::newRow("100000 nested groups")
            << "{\\rtf1 " + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + " after}" << "deep" << "after" << false;
    }

    void hugeFilesOpenInTime()
    {
        QFETCH(QByteArray, rtf); QFETCH(QString, first); QFETCH(QString, last); QFETCH(bool, mayRefuse);
        const qint64 budgetMs = TestSupport::timingsApply() ? 5000 : 120000;
        Editor editor;
        editor.window.switchToPage(MainWindow::kEditorPage);
        const QString file = editor.path(QStringLiteral("huge.rtf"));
        writeFile(file, rtf);
        rtf.clear();
        Answers answers({QMessageBox::Ok, QMessageBox::Ok});
        QElapsedTimer timer;
        timer.start();
        editor.open(file);
        QCoreApplication::processEvents();
        const qint64 openMs = timer.elapsed();
        QTextDocument *document = editor.text->document();
        if (answers.seen.isEmpty()) {
            QCOMPARE(textAt(document, 0, int(first.size())), first);
            QCOMPARE(textAt(document, document->characterCount() - 1 - int(last.size()), int(last.size())), last);
            QCOMPARE(editor.label->text(), file);
        } else {
            QVERIFY2(mayRefuse, qPrintable(answers.seen.constFirst().text));
            QCOMPARE(answers.seen.size(), 1);
            QCOMPARE(answers.seen.constFirst().text, kNotOpened.arg(file) + "It is too long for the editor to show.");
            QVERIFY(document->isEmpty());
        }
        QVERIFY2(openMs < budgetMs, qPrintable(QStringLiteral("open: %1 ms").arg(openMs)));
        timer.start();
        editor.text->moveCursor(QTextCursor::Start);
        editor.type(QStringLiteral("Typed "));
        QCoreApplication::processEvents();
        QCOMPARE(textAt(document, 0, 6), QStringLiteral("Typed "));
        QVERIFY(editor.page->isModified());
        QVERIFY2(timer.elapsed() < budgetMs, qPrintable(QStringLiteral("typing: %1 ms").arg(timer.elapsed())));
    }
};

MORTARIX_TEST_MAIN(TestEditorDocuments)
#include "tst_editordocuments.moc"
