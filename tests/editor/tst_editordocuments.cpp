// The Text Editor page's documents through the menus: open, save, save as, close, what the shared
// file dialog carries between uses, real RTF files, and files far larger than any notes.
#include "EditorKit.h"

namespace {

const QString kNotSaved = QStringLiteral("The File Could Not Be Saved.\n\n%1\n");
const QString kNotOpened = QStringLiteral("The File Could Not Be Opened.\n\n%1\n");
const QString kSaveChanges = QStringLiteral("Would you like to save your changes?");
const QString kRtfFilter = QStringLiteral("Rich Text (*.rtf)|*.rtf");

// An editor holding `file` (first.rtf beside it by default) as opened, then `typed` typed at its start.
struct Opened : Editor
{
    QString first;
    explicit Opened(const QString &typed = {}, const QString &file = {})
        : first(file.isEmpty() ? path(QStringLiteral("first.rtf")) : file)
    {
        writeFile(first, "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 First notes\\par Second line}");
        open(first);
        type(typed);
    }
};

void expectMessage(const TestSupport::ShownMessage &shown, const QString &start, QMessageBox::Icon icon)
{
    QVERIFY2(shown.text.startsWith(start), qPrintable(shown.text));
    QCOMPARE(shown.icon, icon);
    QCOMPARE(shown.title, QStringLiteral("Mortarix"));
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
    // File > Open of the main window (mnuopen) first brings the editor page forward from `shown`.
    void open_data()
    {
        QTest::addColumn<QString>("entry"); QTest::addColumn<int>("shown"); QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); QTest::addColumn<QString>("message"); // "": it loads
        const QString notRtf = kNotOpened + "It is not a Rich Text (RTF) file.";
        const QByteArray other = "{\\rtf1 Other\\par notes}";
        const int editor = MainWindow::kEditorPage, options = MainWindow::kOptionsPage;
        QTest::newRow("loads") << "mnuRTFFLEOPN" << editor << "b.rtf" << other << "";
        QTest::newRow("main menu, from options") << "mnuopen" << options << "b.rtf" << other << "";
        QTest::newRow("main menu, from price list") << "mnuopen" << int(MainWindow::kPriceListPage) << "" << other
                                                   << "No file selected";
        QTest::newRow("main menu, from start page") << "mnuopen" << int(MainWindow::kStartPage) << "" << other
                                                   << "No file selected";
        QTest::newRow("main menu, price list over editor") << "mnuopen" << -1 << "" << other << "No file selected";
        QTest::newRow("cancelled") << "mnuRTFFLEOPN" << editor << "" << other << "No file selected";
        QTest::newRow("not rich text") << "mnuRTFFLEOPN" << editor << "p.rtf" << QByteArray("Just words\n") << notRtf;
        QTest::newRow("junk before the brace") << "mnuRTFFLEOPN" << editor << "j.rtf" << QByteArray("x{\\rtf1 a}")
                                               << notRtf;
        QTest::newRow("empty file") << "mnuRTFFLEOPN" << editor << "e.rtf" << QByteArray("") << notRtf;
        QTest::newRow("missing") << "mnuRTFFLEOPN" << editor << "gone.rtf" << QByteArray() << kNotOpened + "No such file";
        QTest::newRow("a folder") << "mnuRTFFLEOPN" << editor << "folder.rtf" << QByteArray() << kNotOpened;
    }

    void open()
    {
        QFETCH(QString, entry); QFETCH(int, shown); QFETCH(QString, name); QFETCH(QByteArray, content);
        QFETCH(QString, message);
        Opened editor(QStringLiteral(" typed"));
        MainWindow &window = editor.window;
        if (shown != MainWindow::kStartPage)
            window.switchToPage(shown == MainWindow::kOptionsPage || shown == MainWindow::kPriceListPage ? 1 : MainWindow::kEditorPage);
        if (shown == MainWindow::kOptionsPage)
            window.page(shown)->show();
        if (shown == MainWindow::kPriceListPage || shown == -1)
            window.showPriceList();
        const QString before = editor.text->toPlainText(), file = name.isEmpty() ? name : editor.path(name);
        if (name.startsWith(QLatin1String("folder")))
            QVERIFY(QDir().mkpath(file));
        else if (!file.isEmpty() && !content.isNull())
            writeFile(file, content);
        editor.desktop.commonDialog().title = QStringLiteral("Left Over");
        editor.desktop.openAnswers.enqueue(file);
        Answers answers({QMessageBox::Ok});
        editor.trigger(entry);
        const Desktop::CommonDialogState seen = editor.desktop.openSeen.constLast();
        QCOMPARE(QStringList({seen.filter, seen.initialDir, seen.title}), QStringList({kRtfFilter, QDir::homePath(), "Left Over"}));
        QVERIFY(seen.fileMustExist && !seen.overwritePrompt);
        QVERIFY(editor.page->isModified()); // only Close clears it
        if (entry == QLatin1String("mnuopen")) {
            QVERIFY(window.page(MainWindow::kEditorPage)->isVisible());
            QVERIFY(!window.page(MainWindow::kOptionsPage)->isVisible() && !window.page(MainWindow::kPriceListPage)->isVisible());
            QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), QString(shown == -1 ? "Price List" : "Text Editor"));
        }
        QCOMPARE(answers.seen.size(), message.isEmpty() ? 0 : 1);
        QCOMPARE(editor.text->toPlainText(), message.isEmpty() ? QStringLiteral("Other\nnotes") : before);
        QCOMPARE(editor.label->text(), message.isEmpty() ? file : editor.first);
        if (!message.isEmpty()) {
            expectMessage(answers.seen.constFirst(), QString(message).replace("%1", file), file.isEmpty() ? QMessageBox::NoIcon : QMessageBox::Warning);
            QCOMPARE(answers.seen.constFirst().buttons, QMessageBox::Ok);
        }
    }

    // Real RTF files keep their text through Open, Save As and Open again.
    void corpusRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        if (TestSupport::corpusRtfFiles().isEmpty())
            QSKIP("The RTF sample corpus is not beside the project (set MORTARIX_CORPUS).");
        for (const QString &name : TestSupport::corpusRtfFiles())
            QTest::newRow(qPrintable(name)) << TestSupport::corpusDir() + QStringLiteral("/rtf/") + name;
    }

    void corpusRoundTrip()
    {
        QFETCH(QString, file);
        Editor editor;
        Answers answers({QMessageBox::Ok});
        editor.open(file);
        if (!answers.seen.isEmpty() || !editor.page->hasText())
            QSKIP(qPrintable("Nothing to save. " + answers.seen.value(0).text));
        QCOMPARE(editor.label->text(), file);
        QVERIFY(!editor.page->isModified()); // loading is not typing
        const QString text = editor.text->toPlainText(), copy = editor.path(QStringLiteral("copy.rtf"));
        QVERIFY(!file.endsWith(QLatin1String("wordpad-colors.rtf")) || text.contains("Colored & Highlighted Line"));
        editor.desktop.saveAnswers.enqueue(copy);
        editor.trigger(QStringLiteral("mnuRTFSaveAs"));
        editor.open(copy);
        QVERIFY2(answers.seen.isEmpty(), qPrintable(answers.seen.value(0).text));
        QCOMPARE(editor.label->text(), copy);
        QCOMPARE(editor.text->toPlainText(), text);
    }

    // Save writes rich text whatever the name, Save As plain text for ".txt" in any case. Rich text
    // keeps what Format gave "marked"; nothing is left beside the file.
    void saveFormats_data()
    {
        QTest::addColumn<QString>("entry"); QTest::addColumn<QString>("name"); QTest::addColumn<bool>("plain");
        for (const char *name : {"notes.rtf", "notes.txt"})
            QTest::addRow("Save, %s", name) << "mnuRFSave" << name << false;
        for (const char *name : {"notes.rtf", "notes.text", "notestxt", "notes", "notes.txt", "NOTES.TXT", "notes.Txt"})
            QTest::addRow("Save As, %s", name) << "mnuRTFSaveAs" << name << QString(name).toLower().endsWith(".txt");
    }

    void saveFormats()
    {
        QFETCH(QString, entry); QFETCH(QString, name); QFETCH(bool, plain);
        Opened editor(QStringLiteral("marked "));
        editor.select(0, 6);
        editor.desktop.fontAnswer = QFont(QStringLiteral("DejaVu Serif"), 15);
        editor.desktop.colorAnswer = QColor(200, 30, 40);
        for (const char *format : {"mnuPopRTfntedt", "mnuPopRTboldedit", "mnuPopRTitalicedit", "mnuPopRTundrlneedit", "mnuPopRTcoloredit"})
            editor.trigger(QLatin1String(format));
        const QString file = editor.path(name);
        editor.desktop.saveAnswers.enqueue(file);
        editor.trigger(entry);
        // Saving touches neither the name shown nor the flag Close reads.
        QCOMPARE(editor.label->text(), editor.first);
        QVERIFY(editor.page->isModified());
        QCOMPARE(filesIn(editor.files.path()).size(), 2);
        QCOMPARE(readFile(file).startsWith("{\\rtf"), !plain);
        if (!plain)
            editor.open(file);
        QCOMPARE(plain ? QString::fromUtf8(readFile(file)) : editor.text->toPlainText(), QStringLiteral("marked First notes\nSecond line"));
        if (plain)
            return;
        for (int i : {0, 5, 6, 10}) {
            const QFont f = editor.fontAt(i);
            const bool marked = f.family() == "DejaVu Serif" && f.pointSizeF() == 15.0 && f.bold() && f.italic()
                                && f.underline() && editor.colourAt(i) == QColor(200, 30, 40);
            QVERIFY2(marked == (i < 6) && (i < 6 || !(f.bold() || f.italic() || f.underline())), qPrintable(QString::number(i)));
        }
    }

    // The shared dialog as Save sees it: Save As proposes the document's name and asks before
    // overwriting; Save sets title, folder and filter; flags stay as the last use left them.
    void saveDialog_data()
    {
        QTest::addColumn<QString>("before"); QTest::addColumn<QString>("entry"); QTest::addColumn<QStringList>("seen");
        QTest::addColumn<bool>("overwritePrompt"); QTest::addColumn<bool>("fileMustExist");
        const QStringList set{"stale.rtf", kRtfFilter, "Save", QDir::homePath()};
        QTest::newRow("Save As") << "" << "mnuRTFSaveAs" << QStringList{"first", kRtfFilter, "Earlier", "/somewhere"} << true << false;
        QTest::newRow("Save after Open") << "mnuRTFFLEOPN" << "mnuRFSave" << set << false << true;
        QTest::newRow("Save after Save As") << "mnuRTFSaveAs" << "mnuRFSave" << QStringList{"first", kRtfFilter, "Save", QDir::homePath()}
                                            << true << false;
        QTest::newRow("Save after Font") << "mnuPopRTfntedt" << "mnuRFSave" << set << true << false;
        QTest::newRow("Save after Color") << "mnuPopRTcoloredit" << "mnuRFSave" << set << false << false;
    }

    void saveDialog()
    {
        QFETCH(QString, before); QFETCH(QString, entry); QFETCH(QStringList, seen); QFETCH(bool, overwritePrompt);
        QFETCH(bool, fileMustExist);
        Opened editor;
        Desktop::CommonDialogState &dialog = editor.desktop.commonDialog();
        dialog.title = QStringLiteral("Earlier");
        dialog.initialDir = QStringLiteral("/somewhere");
        dialog.filter = QStringLiteral("Text (*.txt)|*.txt");
        dialog.fileName = QStringLiteral("stale.rtf");
        Answers noFile({QMessageBox::Ok});
        if (!before.isEmpty())
            editor.trigger(before); // cancelled
        editor.trigger(entry);
        const Desktop::CommonDialogState last = editor.desktop.saveSeen.constLast();
        QCOMPARE(QStringList({last.fileName, last.filter, last.title, last.initialDir}), seen.replaceInStrings(QRegularExpression("^first$"), editor.first));
        QCOMPARE(QPair(last.overwritePrompt, last.fileMustExist), QPair(overwritePrompt, fileMustExist));
    }

    // `answer` to the question (0: not asked); `saveAs` "" cancels; "saved " was saved first.
    void close_data()
    {
        QTest::addColumn<QString>("typed"); QTest::addColumn<int>("answer"); QTest::addColumn<QString>("saveAs");
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
        editor.desktop.saveAnswers << editor.path("saved.rtf") << (saveAs.isEmpty() ? saveAs : editor.path(saveAs));
        if (typed == QLatin1String("saved "))
            editor.trigger(QStringLiteral("mnuRFSave"));
        else
            editor.desktop.saveAnswers.dequeue();
        editor.desktop.commonDialog().title = QStringLiteral("Last Use");
        const qsizetype saves = editor.desktop.saveSeen.size();
        Answers answers({QMessageBox::StandardButton(answer)});
        editor.trigger(QStringLiteral("mnuPopClse"));
        QCOMPARE(answers.seen.size(), answer ? 1 : 0);
        if (answer) {
            expectMessage(answers.seen.constFirst(), kSaveChanges, QMessageBox::NoIcon);
            QCOMPARE(answers.seen.constFirst().text, kSaveChanges);
            QCOMPARE(answers.seen.constFirst().buttons, QMessageBox::Yes | QMessageBox::No);
        }
        QCOMPARE(editor.desktop.saveSeen.size() - saves, answer == QMessageBox::Yes ? 1 : 0);
        QVERIFY(answer != QMessageBox::Yes || editor.desktop.saveSeen.constLast().title == "Last Use");
        QVERIFY(saveAs.isEmpty() || readFile(editor.path(saveAs)).startsWith("{\\rtf"));
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
        editor.desktop.saveAnswers << editor.path("never.rtf") << editor.path("never.rtf");
        editor.trigger(QStringLiteral("mnuRFSave"));
        editor.trigger(QStringLiteral("mnuRTFSaveAs"));
        QVERIFY(answers.seen.isEmpty() && editor.desktop.saveSeen.isEmpty() && QDir(editor.files.path()).isEmpty());
    }

    // A save that cannot be written says so and changes nothing: not the notes, not the label, not
    // the flag, and not a file already there. "moved": the notes came from a folder moved away since.
    void failedSaveKeepsEverything_data()
    {
        QTest::addColumn<QString>("entry"); QTest::addColumn<QString>("target");
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
        const bool moved = target.startsWith(QLatin1String("moved"));
        QTemporaryDir scratch;
        const QString site = scratch.filePath("site"), file = moved ? site + "/notes.rtf" : scratch.filePath(target);
        QVERIFY(!moved || QDir().mkpath(site));
        Opened editor(QStringLiteral("typed "), target == QLatin1String("moved") ? file : QString());
        const QString before = editor.text->toPlainText();
        QByteArray kept = "ORIGINAL";
        editor.desktop.saveAnswers << file << file;
        if (target == QLatin1String("moved after save"))
            editor.trigger(QStringLiteral("mnuRTFSaveAs"));
        else
            editor.desktop.saveAnswers.dequeue();
        if (moved) {
            kept = readFile(file);
            QVERIFY(QDir().rename(site, scratch.filePath("away")));
        } else if (target.startsWith(QLatin1String("folder"))) {
            QVERIFY(QDir().mkpath(file));
        } else if (target.startsWith("plain")) {
            writeFile(scratch.filePath("plain"), kept);
        } else {
            QVERIFY(QDir().mkpath(scratch.filePath("locked")));
            writeFile(file, kept);
            QFile::setPermissions(scratch.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (QFile(scratch.filePath("locked/probe")).open(QIODevice::WriteOnly))
                QSKIP("Folder permissions do not hold for this user.");
        }
        const bool closing = entry == QLatin1String("mnuPopClse");
        Answers answers(closing ? QList{QMessageBox::Yes, QMessageBox::Ok} : QList{QMessageBox::Ok});
        editor.trigger(entry);
        QCOMPARE(answers.seen.size(), closing ? 2 : 1);
        QCOMPARE(answers.seen.constFirst().text == kSaveChanges, closing);
        expectMessage(answers.seen.constLast(), kNotSaved.arg(file), QMessageBox::Warning);
        QVERIFY2(answers.seen.constLast().text.size() > kNotSaved.arg(file).size(), "the reason is given");
        QCOMPARE(editor.text->toPlainText(), before);
        QCOMPARE(editor.label->text(), editor.first);
        QVERIFY(editor.page->isModified());
        QVERIFY(!moved || entry != "mnuRTFSaveAs" || editor.desktop.saveSeen.constLast().fileName == file); // as proposed
        QFile::setPermissions(scratch.filePath("locked"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (!target.startsWith("folder"))
            QCOMPARE(readFile(moved ? scratch.filePath("away/notes.rtf") : target.startsWith("plain") ? scratch.filePath("plain") : file), kept);
        if (moved || target.startsWith("locked"))
            QCOMPARE(filesIn(scratch.filePath(moved ? "away" : "locked")), QStringList{QFileInfo(file).fileName()});
        QVERIFY(!QFileInfo::exists(site));
    }

    // Files far beyond any real notes open (or are refused with one message) in seconds, and the
    // window answers the keyboard afterwards.
    void hugeFilesOpenInTime_data()
    {
        QTest::addColumn<QByteArray>("rtf"); QTest::addColumn<QString>("last"); QTest::addColumn<bool>("mayRefuse");
        // Sanitized and debugging builds read far slower; they check the same paths on less.
        const bool full = TestSupport::timingsApply();
        const QByteArray line = "concrete footing rebar block mortar trowel slab, 12 yd at $95 a yard\\par\n";
        for (int size : {10, 50}) {
            const int megabytes = full ? size : size / 5;
            QTest::addRow("%d MB of paragraphs", size) << "{\\rtf1\\ansi start " + line.repeated(megabytes * 1024 * 1024 / line.size()) + "end}"
                                                       << "end" << (size == 50);
        }
        // Small on disk, but taller than a text view can lay out.
        QTest::newRow("60000 lines in 100 point type") << "{\\rtf1\\fs200 start " + QByteArray("x\\par\n").repeated(60000) + "end}"
                                                       << "end" << true;
        QTest::newRow("100000 nested groups") << "{\\rtf1 " + QByteArray(100000, '{') + "start" + QByteArray(100000, '}') + " after}"
                                              << "after" << false;
    }

    void hugeFilesOpenInTime()
    {
        QFETCH(QByteArray, rtf); QFETCH(QString, last); QFETCH(bool, mayRefuse);
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
        const QString shown = editor.text->toPlainText();
        QVERIFY2(answers.seen.isEmpty() || mayRefuse, qPrintable(answers.seen.value(0).text));
        if (answers.seen.isEmpty())
            QVERIFY(shown.startsWith("start") && shown.endsWith(last) && editor.label->text() == file);
        else
            QCOMPARE(answers.seen.constFirst().text, kNotOpened.arg(file) + "It is too long for the editor to show.");
        QVERIFY(answers.seen.size() < 2 && (answers.seen.isEmpty() || shown.isEmpty()));
        QVERIFY2(openMs < budgetMs, qPrintable(QStringLiteral("open: %1 ms").arg(openMs)));
        timer.start();
        editor.text->moveCursor(QTextCursor::Start);
        editor.type(QStringLiteral("Typed "));
        QCoreApplication::processEvents();
        const qint64 typingMs = timer.elapsed();
        QVERIFY(editor.text->document()->firstBlock().text().startsWith("Typed ") && editor.page->isModified());
        QVERIFY2(typingMs < budgetMs, qPrintable(QStringLiteral("typing: %1 ms").arg(typingMs)));
    }
};

MORTARIX_TEST_MAIN(TestEditorDocuments)
#include "tst_editordocuments.moc"
