// The editor's Format and Edit menus (toggles and their check marks, the plain-text clipboard) and
// Export To Word, the .docx read back with libzip.
#include "EditorKit.h"

#include "core/DocxExport.h"

#include <zip.h>

namespace {

// The named entries of a zip archive held in `bytes`; empty when it is not one.
QMap<QString, QByteArray> unzip(const QByteArray &bytes)
{
    QMap<QString, QByteArray> entries;
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, nullptr);
    zip_t *archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, nullptr) : nullptr;
    if (!archive)
        zip_source_free(source);
    for (zip_int64_t i = 0; archive && i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        zip_file_t *file = zip_stat_index(archive, i, 0, &stat) == 0 ? zip_fopen_index(archive, i, 0) : nullptr;
        QByteArray data(qsizetype(file ? stat.size : 0), '\0');
        if (file && zip_fread(file, data.data(), stat.size) == zip_int64_t(stat.size))
            entries.insert(QString::fromUtf8(stat.name), data);
        if (file)
            zip_fclose(file);
    }
    if (archive)
        zip_close(archive);
    return entries;
}

// The paragraphs of word/document.xml, tab marks as "\t", or "<error>" when it is not well formed;
// `formatted` tells whether any run or paragraph has properties.
QStringList paragraphs(const QByteArray &xml, bool *formatted = nullptr)
{
    QStringList result;
    QXmlStreamReader reader(xml);
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (!reader.isStartElement()
            || reader.namespaceUri() != u"http://schemas.openxmlformats.org/wordprocessingml/2006/main")
            continue;
        if (reader.name() == u"p")
            result.append(QString());
        else if ((reader.name() == u"t" || reader.name() == u"tab") && !result.isEmpty())
            result.last() += reader.name() == u"t" ? reader.readElementText() : QStringLiteral("\t");
        else if (formatted && (reader.name() == u"rPr" || reader.name() == u"pPr"))
            *formatted = true;
    }
    return reader.hasError() ? QStringList{"<error>" + reader.errorString()} : result;
}

QStringList documentIn(const QString &docx, bool *formatted = nullptr)
{
    return paragraphs(unzip(readFile(docx)).value(QStringLiteral("word/document.xml")), formatted);
}

} // namespace

const QString kNotes = QStringLiteral("Footing pour Monday\nRebar delivery Tuesday\nBlock crew Friday");

class TestEditorMenus : public QObject
{
    Q_OBJECT

private slots:
    // The attribute on [0, preset) first, then chosen `times` on [from, to) (from == to: "CD" typed
    // there); `marked`: which characters have it after. The check mark counts choices.
    void toggles_data()
    {
        QTest::addColumn<int>("attribute"); QTest::addColumn<int>("preset"); QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); QTest::addColumn<int>("times"); QTest::addColumn<QString>("marked");
        for (int a : {0, 1, 2}) {
            const char *n = a == 0 ? "Bold" : a == 1 ? "Italic" : "Underline";
            QTest::addRow("%s once", n) << a << 0 << 6 << 11 << 1 << "......xxxxx.....";
            QTest::addRow("%s twice", n) << a << 0 << 6 << 11 << 2 << "................";
            QTest::addRow("%s all set", n) << a << 16 << 0 << 5 << 1 << ".....xxxxxxxxxxx";
            QTest::addRow("%s mixed", n) << a << 5 << 0 << 11 << 1 << "xxxxxxxxxxx.....";
            QTest::addRow("%s caret", n) << a << 0 << 16 << 16 << 1 << "................xx";
        }
    }
    void toggles()
    {
        QFETCH(int, attribute); QFETCH(int, preset); QFETCH(int, from); QFETCH(int, to); QFETCH(int, times);
        QFETCH(QString, marked);
        Editor editor(QStringLiteral("plain words here"));
        editor.format(0, preset, charFormat(attribute == 0, attribute == 1, attribute == 2));
        const QString before = editor.text->toHtml();
        const char *entries[] = {"mnuPopRTboldedit", "mnuPopRTitalicedit", "mnuPopRTundrlneedit"};
        QAction *action = editor.window.menuAction(QLatin1String(entries[attribute]));
        QVERIFY(!action->isChecked());
        editor.select(from, to);
        for (int i = 0; i < times; ++i)
            action->trigger();
        if (from == to)
            QTest::keyClicks(editor.text, QStringLiteral("CD"));
        QString seen;
        for (int i = 0; i < editor.text->document()->characterCount() - 1; ++i) {
            const QFont f = editor.fontAt(i);
            seen += (attribute == 0 ? f.bold() : attribute == 1 ? f.italic() : f.underline()) ? 'x' : '.';
        }
        QCOMPARE(seen, marked);
        QCOMPARE(action->isChecked(), times == 1);
        if (!marked.contains('x'))
            QCOMPARE(editor.text->toHtml(), before); // the editor's own Light weight is back
    }

    // On "notes\nhere" with [from, to) selected and `before` on the clipboard beside other formats: Copy
    // and Cut put plain text there, Format's alone, Edit's beside the other formats; Paste inserts the
    // plain text, never its formatting.
    void clipboard_data()
    {
        QTest::addColumn<QString>("entry"); QTest::addColumn<QString>("before"); QTest::addColumn<int>("from");
        QTest::addColumn<int>("to"); QTest::addColumn<QString>("text"); QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("kept");
        const QString text = QStringLiteral("notes\nhere");
        for (const char *entry : {"mnuPopRTfntcopy", "mnuPopRTfntcut", "mnuPOPEDcopy", "mnuPopEDcut"}) {
            const bool cuts = QByteArray(entry).endsWith("cut"), kept = QByteArray(entry).toUpper().contains("POPED");
            QTest::addRow("%s", entry) << entry << "earlier" << 0 << 8 << (cuts ? "re" : text) << "notes\nhe" << kept;
            QTest::addRow("%s, nothing selected", entry) << entry << "earlier" << 2 << 2 << text << "" << kept;
        }
        for (const char *entry : {"mnuPopRTfntpaste", "mnuPopEDpaste"}) {
            QTest::addRow("%s, at the caret", entry) << entry << "NEW " << 0 << 0 << "NEW " + text << "NEW " << true;
            QTest::addRow("%s, over a selection", entry) << entry << "those" << 6 << 10 << "notes\nthose" << "those"
                                                         << true;
            for (auto [ends, lines] : {std::pair("LF", "a\nb"), {"CR LF", "a\r\nb"}, {"CR", "a\rb"}})
                QTest::addRow("%s, %s", entry, ends) << entry << lines << 5 << 5 << "notesa\nb\nhere" << lines << true;
        }
    }
    void clipboard()
    {
        QFETCH(QString, entry); QFETCH(QString, before); QFETCH(int, from); QFETCH(int, to); QFETCH(QString, text);
        QFETCH(QString, after); QFETCH(bool, kept);
        Editor editor(QStringLiteral("notes\nhere"));
        auto *data = new QMimeData;
        data->setData(QStringLiteral("image/png"), "picture");
        data->setText(before);
        data->setHtml("<b style=\"color:#ff0000\">" + before.toHtmlEscaped() + "</b>");
        QGuiApplication::clipboard()->setMimeData(data);
        editor.select(from, to);
        editor.trigger(entry);
        QCOMPARE(editor.text->toPlainText(), text);
        for (int i = 0; i < int(text.size()); ++i)
            QVERIFY(!editor.fontAt(i).bold() && editor.colourAt(i) == Qt::black);
        const QMimeData *now = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(now->text(), after);
        QCOMPARE(now->data(QStringLiteral("image/png")), QByteArray(kept ? "picture" : ""));
        QCOMPARE(now->hasHtml(), kept);
        if (!kept)
            QCOMPARE(now->formats(), QStringList{QStringLiteral("text/plain")});
    }

    void documentParagraphs_data()
    {
        QTest::addColumn<QString>("text"); QTest::addColumn<QStringList>("expected");
        QTest::newRow("lines, empty ones kept") << "top\n\nbottom\n" << QStringList{"top", "", "bottom", ""};
        // Characters XML reserves, spaces and tabs, accents and other scripts.
        for (const char *kept : {"  5 < 6 & <w:t>\t\"q\"\t\t's'  ", "Béton ½\" ça — 混凝土 👷"})
            QTest::addRow("kept: %s", kept) << QString(kept) << QStringList{kept};
        QTest::newRow("control characters and lone surrogates left out")
            << QString::fromUtf16(u"a\x01" u"b\x0b\xffff" u"c\xd800" u"d\xdc00") << QStringList{"abcd"};
    }
    void documentParagraphs()
    {
        QFETCH(QString, text); QFETCH(QStringList, expected);
        bool formatted = false;
        QCOMPARE(paragraphs(DocxExport::documentXml(text), &formatted), expected);
        QVERIFY(!formatted);
    }

    // A package of three well-formed parts, never over an earlier document, never a temporary file
    // left beside them.
    void writingDocuments()
    {
        QTemporaryDir folder;
        const QDateTime when(QDate(2024, 3, 5), QTime(19, 8, 9));
        const QString name = folder.filePath(QStringLiteral("Mortarix Notes 2024-03-05 190809"));
        writeFile(folder, QStringLiteral("Mortarix Notes 2024-03-05 190809.docx"), "somebody else's");
        for (int n : {2, 3}) {
            const DocxExport::Result written = DocxExport::writeDocument(QString::number(n), folder.path(), when);
            QVERIFY2(written.ok(), qPrintable(written.error));
            QCOMPARE(written.path, name + QStringLiteral(" (%1).docx").arg(n));
            QCOMPARE(documentIn(written.path), QStringList{QString::number(n)});
        }
        QCOMPARE(readFile(name + ".docx"), QByteArray("somebody else's"));
        const QString missing = folder.filePath(QStringLiteral("not here"));
        const DocxExport::Result failed = DocxExport::writeDocument(QStringLiteral("text"), missing, when);
        QVERIFY2(!failed.ok() && failed.path.isEmpty() && failed.error.contains(missing), qPrintable(failed.error));
        QCOMPARE(filesIn(folder.path()).size(), 3);
        const QMap<QString, QByteArray> entries = unzip(readFile(name + " (2).docx"));
        QCOMPARE(entries.keys(), (QStringList{"[Content_Types].xml", "_rels/.rels", "word/document.xml"}));
        for (const QString &part : entries.keys()) // well formed
            QVERIFY2(!paragraphs(entries.value(part)).value(0).startsWith("<error>"), qPrintable(part));
        QVERIFY(entries.first().contains("Extension=\"rels\"") && entries.first().contains(
            "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
            "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"));
        const QByteArray rels = entries.value(QStringLiteral("_rels/.rels"));
        QVERIFY(rels.contains("Target=\"word/document.xml\"") && rels.contains(
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\""));
    }

    // The command: a question, the document in the documents folder opened with the default
    // application (or a message saying where it is), its formatting left out.
    void exportCommand_data()
    {
        QTest::addColumn<QString>("text"); QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("opens"); QTest::addColumn<QStringList>("expected"); // empty: no document
        const QStringList notes{"Footing notes", "", "12 yd at $95"};
        QTest::newRow("Yes") << notes.join('\n') << QMessageBox::Yes << true << notes;
        QTest::newRow("No") << "Footing notes" << QMessageBox::No << true << QStringList{};
        QTest::newRow("no application to open it") << "notes" << QMessageBox::Yes << false << QStringList{"notes"};
    }
    void exportCommand()
    {
        QFETCH(QString, text); QFETCH(QMessageBox::StandardButton, answer); QFETCH(bool, opens);
        QFETCH(QStringList, expected);
        Editor editor(text);
        editor.desktop.openSucceeds = opens;
        editor.format(0, std::min(4, int(text.size())), charFormat(true, true, true));
        Answers answers({answer, QMessageBox::Ok});
        editor.trigger(QStringLiteral("mnuxprToWrd"));
        QCOMPARE(answers.seen.size(), opens ? 1 : 2);
        QCOMPARE(summary(answers.seen[0]), "Mortarix / Question / Yes|No / You Must Have MS-Word On Your Computer To "
                                           "Export \nThis Text To A Word Document.\n\nDo You Want To Continue?");
        const QStringList written = filesIn(editor.desktop.documents.path());
        QCOMPARE(written.size(), expected.isEmpty() ? 0 : 1);
        QCOMPARE(editor.desktop.documentsOpened.size(), written.size());
        if (expected.isEmpty())
            return;
        QVERIFY2(QRegularExpression("^Mortarix Notes \\d{4}-\\d\\d-\\d\\d \\d{6}\\.docx$").match(written[0]).hasMatch(),
                 qPrintable(written[0]));
        const QString path = QDir(editor.desktop.documents.path()).filePath(written[0]);
        QCOMPARE(editor.desktop.documentsOpened, QStringList{path});
        bool formatted = false;
        QCOMPARE(documentIn(path, &formatted), expected);
        QVERIFY(!formatted);
        if (opens)
            return;
        QCOMPARE(summary(answers.seen[1]), "Mortarix / Information / Ok / Sorry, Unable To Execute That Request.\n"
                                           "You Do Not Have MS - Word Installed On Your Computer.\n\n"
                                           "The text has been saved as:\n" + path);
    }

    // The first letter bold, the last red; both stay where they were as the text grows or not.
    void allCaps_data()
    {
        QTest::addColumn<QString>("text"); QTest::addColumn<int>("from"); QTest::addColumn<int>("to");
        QTest::addColumn<QString>("expected"); QTest::addColumn<QString>("selected");
        QTest::newRow("part") << "mixed Case words" << 0 << 10 << "MIXED CASE words" << "MIXED CASE";
        QTest::newRow("nothing selected") << "lower" << 2 << 2 << "lower" << "";
        QTest::newRow("across paragraphs") << "one\ntwo" << 1 << 6 << "oNE\nTWo" << "NE\nTW";
        QTest::newRow("grows: sharp s") << "straße x" << 0 << 6 << "STRASSE x" << "STRASSE";
        QTest::newRow("accents, digits, signs") << "élan 2x4 @ $5" << 0 << 13 << "ÉLAN 2X4 @ $5" << "ÉLAN 2X4 @ $5";
    }
    void allCaps()
    {
        QFETCH(QString, text); QFETCH(int, from); QFETCH(int, to); QFETCH(QString, expected); QFETCH(QString, selected);
        Editor editor(text);
        editor.format(0, 1, charFormat(true, false, false));
        QTextCharFormat red;
        red.setForeground(QColor(Qt::red));
        editor.format(int(text.size()) - 1, int(text.size()), red);
        editor.select(from, to);
        editor.trigger(QStringLiteral("mnuPopcaps"));
        QCOMPARE(editor.text->toPlainText(), expected);
        QCOMPARE(editor.text->textCursor().selection().toPlainText(), selected);
        QVERIFY(editor.fontAt(0).bold() && !editor.fontAt(1).bold());
        QCOMPARE(editor.colourAt(int(expected.size()) - 1), QColor(Qt::red));
        QCOMPARE(editor.colourAt(1), QColor(Qt::black));
    }

    // The font dialog starts from the selection: its attributes, family and size where uniform; where
    // mixed, all off and no family or size.
    void fontDialogSeed_data()
    {
        QTest::addColumn<bool>("mixed"); QTest::addColumn<bool>("all");
        QTest::newRow("uniform, all set") << false << true;
        QTest::newRow("uniform, none set") << false << false;
        QTest::newRow("mixed") << true << true;
    }
    void fontDialogSeed()
    {
        QFETCH(bool, mixed); QFETCH(bool, all);
        Editor editor(QStringLiteral("first second"));
        QTextCharFormat f = charFormat(all, all, all);
        f.setFontFamilies(QStringList{QStringLiteral("DejaVu Serif")});
        f.setFontPointSize(14);
        editor.format(0, mixed ? 5 : 12, f);
        editor.select(0, 12);
        editor.trigger(QStringLiteral("mnuPopRTfntedt"));
        QCOMPARE(editor.desktop.fontsSeen.size(), 1);
        const QFont seed = editor.desktop.fontsSeen.constFirst();
        QCOMPARE(QList<bool>({seed.bold(), seed.italic(), seed.underline()}), QList<bool>(3, all && !mixed));
        QCOMPARE(bool(seed.resolveMask() & QFont::SizeResolved), !mixed);
        if (!mixed)
            QCOMPARE(QPair(seed.family(), seed.pointSizeF()), QPair(QStringLiteral("DejaVu Serif"), 14.0));
    }

    // Selection [from, to); `printed`: the lines on paper (page numbers aside), empty: no page. A bold,
    // large heading prints all the same, and printing changes nothing in the editor.
    void print_data()
    {
        QTest::addColumn<int>("from"); QTest::addColumn<int>("to");
        QTest::addColumn<QMessageBox::StandardButton>("answer"); QTest::addColumn<bool>("accepts");
        QTest::addColumn<QStringList>("printed"); QTest::addColumn<int>("dialogs");
        QTest::newRow("whole text") << 0 << 0 << QMessageBox::Yes << true << kNotes.split('\n') << 1;
        QTest::newRow("selection only") << 20 << 42 << QMessageBox::Yes << true
                                        << QStringList{"Rebar delivery Tuesday"} << 1;
        QTest::newRow("dialog cancelled") << 0 << 0 << QMessageBox::Yes << false << QStringList{} << 1;
        QTest::newRow("No") << 0 << 0 << QMessageBox::No << true << QStringList{} << 0;
    }
    void print()
    {
        QFETCH(int, from); QFETCH(int, to); QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, accepts); QFETCH(QStringList, printed); QFETCH(int, dialogs);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed.");
        Editor editor(kNotes);
        editor.desktop.pdfPath = editor.path(QStringLiteral("notes.pdf"));
        editor.desktop.printDialogAccepts = accepts;
        QTextCharFormat heading = charFormat(true, false, false);
        heading.setFontPointSize(20);
        editor.format(0, 7, heading);
        editor.select(from, to);
        const QString html = editor.text->toHtml();
        Answers answers({answer});
        editor.trigger(QStringLiteral("mnuPopPrnt"));
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(summary(answers.seen[0]), "Mortarix / Question / Yes|No / You Are About To Print This Information,\n\n"
                                           "Do You Want To Print Now?");
        QCOMPARE(editor.desktop.printDialogs, dialogs);
        QCOMPARE(editor.text->toHtml(), html);
        QCOMPARE(QFileInfo::exists(editor.desktop.pdfPath), !printed.isEmpty());
        if (printed.isEmpty())
            return;
        const QString paper = TestSupport::output(QStringLiteral("pdftotext"), {editor.desktop.pdfPath, "-"});
        const QStringList lines = paper.split(QRegularExpression("[\n\f]"), Qt::SkipEmptyParts);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("\\D"))), printed);
    }
};

MORTARIX_TEST_MAIN(TestEditorMenus)
#include "tst_editormenus.moc"
