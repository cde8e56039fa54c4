// The Text Editor page's documents through the menus: open, save, save as, close, real RTF files,
// and files far larger than any notes.
#include "EditorKit.h"

namespace {

const QString kNotOpened = QStringLiteral("Mortarix / Warning / Ok / The File Could Not Be Opened.\n\n%1\n");
const QString kSaveChanges = QStringLiteral("Mortarix / NoIcon / Yes|No / Would you like to save your changes?");
const QString kRtfFilter = QStringLiteral("Rich Text (*.rtf)|*.rtf");

// An editor holding first.rtf (or `name` in `dir`) as opened, then `typed` typed at its start.
struct Opened : Editor
{
    QString first;
    explicit Opened(const QString &typed = {}, const QTemporaryDir *dir = nullptr, const QString &name = "first.rtf")
        : first(writeFile(dir ? *dir : files, name,
                          "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 First notes\\par Second line}"))
    {
        open(first);
        type(typed);
    }
};

} // namespace

class TestEditorDocuments : public QObject
{
    Q_OBJECT

private slots:
    // The editor holds first.rtf with typing; a load replaces both, anything else leaves them. The
    // main window's Open (mnuopen) first brings the editor forward from the Options page.
    void open_data()
    {
        QTest::addColumn<QString>("entry"); QTest::addColumn<QString>("name"); QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message"); // "": it loads
        const QString notRtf = kNotOpened + "It is not a Rich Text (RTF) file.";
        const QByteArray other = "{\\rtf1 Other\\par notes}";
        QTest::newRow("main menu, from options") << "mnuopen" << "b.rtf" << other << "";
        QTest::newRow("cancel") << "mnuRTFFLEOPN" << "" << QByteArray() << "Mortarix / NoIcon / Ok / No file selected";
        QTest::newRow("not rich text") << "mnuRTFFLEOPN" << "p.rtf" << QByteArray("Just words\n") << notRtf;
        QTest::newRow("missing") << "mnuRTFFLEOPN" << "gone.rtf" << QByteArray() << kNotOpened + "No such";
    }
    void open()
    {
        QFETCH(QString, entry); QFETCH(QString, name); QFETCH(QByteArray, content); QFETCH(QString, message);
        Opened editor(QStringLiteral(" typed"));
        MainWindow &window = editor.window;
        const bool main = entry == "mnuopen";
        window.switchToPage(main ? 1 : MainWindow::kEditorPage);
        window.page(MainWindow::kOptionsPage)->setVisible(main);
        const QString before = editor.text->toPlainText(), file = name.isEmpty() ? name : editor.path(name);
        if (!content.isNull())
            writeFile(editor.files, name, content);
        editor.desktop.commonDialog().title = QStringLiteral("Left Over");
        editor.desktop.openAnswers.enqueue(file);
        Answers answers({QMessageBox::Ok});
        editor.trigger(entry);
        const Desktop::CommonDialogState seen = editor.desktop.openSeen.constLast();
        QCOMPARE(QStringList({seen.filter, seen.initialDir, seen.title}),
                 QStringList({kRtfFilter, QDir::homePath(), "Left Over"}));
        QVERIFY(seen.fileMustExist && !seen.overwritePrompt && editor.page->isModified()); // only Close clears it
        QVERIFY(window.page(MainWindow::kEditorPage)->isVisible());
        QVERIFY(!window.page(MainWindow::kOptionsPage)->isVisible());
        QCOMPARE(window.statusText(MainWindow::StatusPanel::Page), "Text Editor");
        QCOMPARE(answers.seen.size(), message.isEmpty() ? 0 : 1);
        QVERIFY2(message.isEmpty() || summary(answers.seen[0]).startsWith(QString(message).replace("%1", file)),
                 qPrintable(summary(answers.seen.value(0))));
        QCOMPARE(editor.text->toPlainText(), message.isEmpty() ? QStringLiteral("Other\nnotes") : before);
        QCOMPARE(editor.label->text(), message.isEmpty() ? file : editor.first);
    }

    // Real RTF files keep their text through Open, Save As and Open again.
    void corpusRoundTrip_data()
    {
        QTest::addColumn<QString>("file");
        if (TestSupport::corpusRtfFiles().isEmpty())
            QSKIP("The RTF sample corpus is not beside the project (set MORTARIX_CORPUS).");
        for (const QString &name : TestSupport::corpusRtfFiles())
            QTest::newRow(qPrintable(name)) << TestSupport::corpusDir() + "/rtf/" + name;
    }
    void corpusRoundTrip()
    {
        QFETCH(QString, file);
        Editor editor;
        Answers answers({QMessageBox::Ok});
        editor.open(file);
        if (!answers.seen.isEmpty() || !editor.page->hasText())
            QSKIP(qPrintable("Nothing to save. " + answers.seen.value(0).text));
        const QString text = editor.text->toPlainText(), copy = editor.path("copy.rtf");
        editor.desktop.saveAnswers.enqueue(copy);
        editor.trigger(QStringLiteral("mnuRTFSaveAs"));
        editor.open(copy);
        QVERIFY2(answers.seen.isEmpty(), qPrintable(answers.seen.value(0).text));
        QCOMPARE(editor.label->text(), copy);
        QCOMPARE(editor.text->toPlainText(), text);
    }

    // Save writes rich text whatever the name, Save As plain text for ".txt" in any case; rich text
    // keeps what Format gave "marked" (the font's choice keeping the colour). Nothing is left beside the file.
    void saveFormats_data()
    {
        QTest::addColumn<QString>("entry"); QTest::addColumn<QString>("name");
        for (const char *name : {"notes.rtf", "notes.txt"})
            QTest::addRow("Save, %s", name) << "mnuRFSave" << name;
        for (const char *name : {"notes.rtf", "notes.text", "notestxt", "notes", "notes.txt", "NOTES.TXT", "x.Txt"})
            QTest::addRow("Save As, %s", name) << "mnuRTFSaveAs" << name;
    }
    void saveFormats()
    {
        QFETCH(QString, entry); QFETCH(QString, name);
        const bool plain = entry == "mnuRTFSaveAs" && name.toLower().endsWith(".txt");
        Opened editor(QStringLiteral("marked "));
        editor.desktop.commonDialog().title = QStringLiteral("Earlier");
        editor.select(0, 6);
        editor.desktop.fontAnswer = QFont(QStringLiteral("DejaVu Serif"), 15);
        editor.desktop.colorAnswer = QColor(200, 30, 40);
        for (const char *format : {"mnuPopRTcoloredit", "mnuPopRTfntedt", "mnuPopRTboldedit", "mnuPopRTitalicedit",
                                   "mnuPopRTundrlneedit"})
            editor.trigger(QLatin1String(format));
        editor.desktop.saveAnswers.enqueue(editor.path(name));
        editor.trigger(entry);
        QVERIFY(editor.label->text() == editor.first && editor.page->isModified()); // saving touches neither
        // Save As proposes the document's name and asks before overwriting; Save names the dialog.
        const Desktop::CommonDialogState seen = editor.desktop.saveSeen.constLast();
        QCOMPARE(QStringList({seen.filter, seen.title, seen.initialDir}),
                 QStringList({kRtfFilter, entry == "mnuRFSave" ? "Save" : "Earlier", QDir::homePath()}));
        QVERIFY(entry == "mnuRFSave" || (seen.fileName == editor.first && seen.overwritePrompt && !seen.fileMustExist));
        QCOMPARE(filesIn(editor.files.path()).size(), 2);
        QCOMPARE(readFile(editor.path(name)).startsWith("{\\rtf"), !plain);
        if (!plain)
            editor.open(editor.path(name));
        QCOMPARE(plain ? QString::fromUtf8(readFile(editor.path(name))) : editor.text->toPlainText(),
                 QString("marked First notes\nSecond line"));
        for (int i = 0; i < (plain ? 0 : 10); ++i) {
            const QFont f = editor.fontAt(i);
            const QString seen = face(f) + (f.italic() ? " italic" : "") + (f.underline() ? " underline" : "")
                                 + editor.colourAt(i).name();
            QVERIFY2(i < 6 ? seen == "DejaVu Serif 15 700 italic underline#c81e28"
                           : !seen.contains(QRegularExpression(" 700| italic| underline|#c81e28")), qPrintable(seen));
        }
    }

    // `answer` to the question (0: not asked); `saveAs` "" cancels. Emptied, the editor keeps its font and has
    // nothing for Save or Save As to write.
    void close_data()
    {
        QTest::addColumn<QString>("typed"); QTest::addColumn<int>("answer"); QTest::addColumn<QString>("saveAs");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("unchanged") << "" << 0 << "" << true;
        QTest::newRow("typed, No") << "typed " << int(QMessageBox::No) << "" << true;
        QTest::newRow("typed, Yes, saved") << "typed " << int(QMessageBox::Yes) << "kept.rtf" << true;
        QTest::newRow("typed, Yes, dialog cancelled") << "typed " << int(QMessageBox::Yes) << "" << false;
    }
    void close()
    {
        QFETCH(QString, typed); QFETCH(int, answer); QFETCH(QString, saveAs); QFETCH(bool, emptied);
        Opened editor(typed);
        const QString before = editor.text->toPlainText();
        editor.desktop.saveAnswers << (saveAs.isEmpty() ? saveAs : editor.path(saveAs));
        editor.desktop.commonDialog().title = QStringLiteral("Last Use");
        const qsizetype saves = editor.desktop.saveSeen.size();
        Answers answers({QMessageBox::StandardButton(answer), QMessageBox::Ok});
        editor.trigger(QStringLiteral("mnuPopClse"));
        if (emptied) {
            editor.trigger(QStringLiteral("mnuRFSave"));
            editor.trigger(QStringLiteral("mnuRTFSaveAs"));
        }
        QCOMPARE(answers.seen.size(), answer ? 1 : 0);
        QVERIFY(!answer || summary(answers.seen[0]) == kSaveChanges);
        QCOMPARE(editor.desktop.saveSeen.size() - saves, answer == QMessageBox::Yes ? 1 : 0);
        QVERIFY(answer != QMessageBox::Yes || editor.desktop.saveSeen.constLast().title == "Last Use"); // as left
        QVERIFY(saveAs.isEmpty() || readFile(editor.path(saveAs)).startsWith("{\\rtf"));
        QCOMPARE(editor.text->toPlainText(), emptied ? QString() : before);
        QCOMPARE(editor.label->text(), emptied ? QString() : editor.first);
        QCOMPARE(editor.page->isModified(), !emptied);
        QCOMPARE(face(editor.text->document()->defaultFont()), QStringLiteral("Bookman Old Style 9.75 300"));
        editor.type(QStringLiteral("more")); // typing after Close counts again
        QVERIFY(editor.page->isModified());
    }

    // A save that cannot be written says why and changes nothing: not the notes, the label, the flag,
    // nor a file already there. "moved": the notes came from a folder moved away since.
    void failedSaveKeepsEverything_data()
    {
        QTest::addColumn<QString>("entry"); QTest::addColumn<QString>("target");
        for (const char *entry : {"mnuRFSave", "mnuRTFSaveAs", "mnuPopClse"})
            for (const char *target : {"folder", "locked/kept.rtf", "moved/notes.rtf"})
                QTest::addRow("%s, %s", entry, target) << entry << target;
    }
    void failedSaveKeepsEverything()
    {
        QFETCH(QString, entry); QFETCH(QString, target);
        const bool moved = target.startsWith("moved"), closing = entry == "mnuPopClse";
        QTemporaryDir scratch;
        const QString file = scratch.filePath(target), folder = QFileInfo(file).path();
        QVERIFY(QDir().mkpath(target == "folder" ? file : folder));
        Opened editor(QStringLiteral("typed "), moved ? &scratch : nullptr, moved ? target : "first.rtf");
        const QString before = editor.text->toPlainText();
        editor.desktop.saveAnswers << file;
        const QByteArray kept = moved ? readFile(file) : QByteArray("ORIGINAL");
        QVERIFY(!moved || QDir().rename(folder, scratch.filePath("away")));
        if (target.startsWith("locked"))
            writeFile(scratch, target, kept);
        const auto rwx = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        QFile::setPermissions(scratch.filePath("locked"), rwx & ~QFileDevice::WriteOwner);
        if (target.startsWith("locked") && QFile(scratch.filePath("locked/probe")).open(QIODevice::WriteOnly))
            QSKIP("Folder permissions do not hold for this user.");
        Answers answers(closing ? QList{QMessageBox::Yes, QMessageBox::Ok} : QList{QMessageBox::Ok});
        editor.trigger(entry);
        QFile::setPermissions(scratch.filePath("locked"), rwx);
        QCOMPARE(answers.seen.size(), closing ? 2 : 1);
        QCOMPARE(summary(answers.seen[0]) == kSaveChanges, closing);
        const QString heading = "Mortarix / Warning / Ok / The File Could Not Be Saved.\n\n" + file + "\n";
        QVERIFY2(summary(answers.seen.constLast()).startsWith(heading) && summary(answers.seen.constLast()) != heading,
                 qPrintable(summary(answers.seen.constLast()))); // with the reason
        QVERIFY(editor.text->toPlainText() == before && editor.label->text() == editor.first);
        QVERIFY(editor.page->isModified());
        QVERIFY(!moved || !QFileInfo::exists(folder)); // not made again
        if (target == "folder")
            return;
        const QString now = moved ? scratch.filePath("away/notes.rtf") : file;
        QCOMPARE(readFile(now), kept);
        QCOMPARE(filesIn(QFileInfo(now).path()), QStringList{QFileInfo(file).fileName()}); // nothing half written
    }

    // Files far beyond any real notes open in seconds, and the window answers the keyboard afterwards. Taller than a
    // text view can lay out (2^23 pixels) is refused with a message, a little less is shown; `refused` 2: either way.
    // Sanitized and debug builds check the same on less.
    void bigFiles_data()
    {
        QTest::addColumn<QByteArray>("rtf"); QTest::addColumn<int>("refused");
        const QByteArray line = "concrete footing rebar block mortar trowel slab, 12 yd at $95 a yard\\par\n";
        const QByteArray paragraph = QByteArray("word ").repeated(200) + "\\par\n", tall = "{\\rtf1\\fs200 start ";
        QTest::newRow("60000 lines in 100 point type") << tall + QByteArray("x\\par\n").repeated(60000) + "end}" << 1;
        QTest::newRow("30000 lines in 100 point type") << tall + QByteArray("x\\par\n").repeated(30000) + "end}" << 0;
        QTest::newRow("1000 long paragraphs") << tall + paragraph.repeated(1000) + "end}" << 1;
        QTest::newRow("100 long paragraphs") << tall + paragraph.repeated(100) + "end}" << 0;
        for (int megabytes : {10, 50}) {
            const int size = (TestSupport::timingsApply() ? megabytes : megabytes / 5) * 1024 * 1024;
            QTest::addRow("%d MB of paragraphs", megabytes)
                << "{\\rtf1\\ansi start " + line.repeated(size / line.size()) + "end}" << (megabytes == 50 ? 2 : 0);
        }
    }
    void bigFiles()
    {
        QFETCH(QByteArray, rtf); QFETCH(int, refused);
        const qint64 budgetMs = TestSupport::timingsApply() ? 5000 : 120000;
        Editor editor;
        editor.window.switchToPage(MainWindow::kEditorPage);
        const QString file = writeFile(editor.files, QStringLiteral("big.rtf"), rtf);
        rtf.clear();
        Answers answers({QMessageBox::Ok, QMessageBox::Ok});
        QElapsedTimer timer;
        timer.start();
        editor.open(file);
        QCoreApplication::processEvents();
        const qint64 openMs = timer.elapsed();
        const QString text = editor.text->toPlainText();
        QVERIFY2(answers.seen.size() == (text.isEmpty() ? 1 : 0) && (text.isEmpty() ? refused != 0 : refused != 1),
                 qPrintable(answers.seen.value(0).text));
        const QString tooLong = kNotOpened.arg(file) + "It is too long for the editor to show.";
        QVERIFY(text.isEmpty() ? summary(answers.seen[0]) == tooLong
                               : text.startsWith("start") && text.endsWith("end") && editor.label->text() == file
                                     && !editor.page->isModified()); // loading is not typing
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
