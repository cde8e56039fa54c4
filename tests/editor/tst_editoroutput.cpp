// The notes leaving the program through Export To Word, the .docx read back with libzip.
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

const char kWordNamespace[] = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";

// The paragraphs of word/document.xml, tab marks as "\t", or "<error>" when it is not well formed;
// `formatted` tells whether any run or paragraph has properties.
QStringList paragraphs(const QByteArray &xml, bool *formatted = nullptr)
{
    QStringList result;
    QXmlStreamReader reader(xml);
    while (reader.readNext() != QXmlStreamReader::Invalid && !reader.atEnd()) {
        if (!reader.isStartElement() || reader.namespaceUri() != QLatin1String(kWordNamespace))
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

class TestEditorOutput : public QObject
{
    Q_OBJECT

private slots:
    void documentParagraphs_data()
    {
        QTest::addColumn<QString>("text"); QTest::addColumn<QStringList>("expected");
        QTest::newRow("lines, empty ones kept") << "top\n\nbottom\n" << QStringList{"top", "", "bottom", ""};
        QTest::newRow("characters XML reserves") << "5 < 6 & <w:t> \"q\" 's'" << QStringList{"5 < 6 & <w:t> \"q\" 's'"};
        QTest::newRow("spaces and tabs kept") << "  qty\tsize\t\tcost  " << QStringList{"  qty\tsize\t\tcost  "};
        const QString world = QString::fromUtf8("Béton ½\" ça — 混凝土 👷");
        QTest::newRow("accents and other scripts") << world << QStringList{world};
        QTest::newRow("control characters and lone surrogates left out")
            << "a" + QString(QChar(0x01)) + "b" + QChar(0x0B) + QChar(0xFFFF) + "c" + QChar(0xD800) + "d"
                   + QChar(0xDC00)
            << QStringList{"abcd"};
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
        QCOMPARE(DocxExport::baseName(QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59))),
                 "Mortarix Notes 2023-12-31 235959");
        QTemporaryDir folder;
        const QDateTime when(QDate(2024, 3, 5), QTime(7, 8, 9));
        const QString name = folder.filePath(QStringLiteral("Mortarix Notes 2024-03-05 070809"));
        writeFile(name + ".docx", "somebody else's");
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
        for (const QString &part : entries.keys()) {
            QXmlStreamReader reader(entries.value(part));
            while (!reader.atEnd())
                reader.readNext();
            QVERIFY2(!reader.hasError(), qPrintable(part + ": " + reader.errorString()));
        }
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
        QTest::newRow("empty editor") << "" << QMessageBox::Yes << true << QStringList{};
        QTest::newRow("no application to open it") << "notes" << QMessageBox::Yes << false << QStringList{"notes"};
    }
    void exportCommand()
    {
        QFETCH(QString, text); QFETCH(QMessageBox::StandardButton, answer); QFETCH(bool, opens);
        QFETCH(QStringList, expected);
        Editor editor;
        editor.desktop.openSucceeds = opens;
        editor.text->setPlainText(text);
        editor.format(0, std::min(4, int(text.size())), charFormat(true, true, true, Qt::red));
        Answers answers({answer, QMessageBox::Ok});
        editor.trigger(QStringLiteral("mnuxprToWrd"));
        QCOMPARE(answers.seen.size(), opens ? 1 : 2);
        QCOMPARE(shown(answers.seen[0]), "Mortarix, question, Yes No: You Must Have MS-Word On Your Computer To "
                                         "Export \n"
                                         "This Text To A Word Document.\n\nDo You Want To Continue?");
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
        QCOMPARE(shown(answers.seen[1]), "Mortarix, information, OK: Sorry, Unable To Execute That Request.\n"
                                         "You Do Not Have MS - Word Installed On Your Computer.\n\n"
                                         "The text has been saved as:\n" + path);
    }
};

MORTARIX_TEST_MAIN(TestEditorOutput)
#include "tst_editoroutput.moc"
