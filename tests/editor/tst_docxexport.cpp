// Export To Word: the .docx package read back with libzip, its paragraphs, its name, and the
// export command on the editor page.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "core/DocxExport.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QFile>
#include <QTextCursor>
#include <QTextEdit>
#include <QXmlStreamReader>

#include <zip.h>

namespace {

// The named entries of a zip archive held in `bytes`, read with libzip; empty when it is not one.
QMap<QString, QByteArray> unzip(const QByteArray &bytes)
{
    QMap<QString, QByteArray> entries;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t *archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        return entries;
    }
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t stat;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0)
            continue;
        QByteArray data(qsizetype(stat.size), '\0');
        if (zip_file_t *file = zip_fopen_index(archive, zip_uint64_t(i), 0)) {
            if (zip_fread(file, data.data(), stat.size) == zip_int64_t(stat.size))
                entries.insert(QString::fromUtf8(stat.name), data);
            zip_fclose(file);
        }
    }
    zip_close(archive);
    return entries;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The paragraphs of word/document.xml as text, tab marks as "\t"; a parse error gives "<error>".
QStringList paragraphs(const QByteArray &xml, bool *formatted = nullptr)
{
    QStringList result;
    QXmlStreamReader reader(xml);
    const QString w = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement() || reader.namespaceUri() != w)
            continue;
        if (reader.name() == QLatin1String("p"))
            result.append(QString());
        else if (reader.name() == QLatin1String("t") && !result.isEmpty())
            result.last() += reader.readElementText();
        else if (reader.name() == QLatin1String("tab") && !result.isEmpty())
            result.last() += QLatin1Char('\t');
        else if (formatted &&
                 (reader.name() == QLatin1String("rPr") || reader.name() == QLatin1String("pPr")))
            *formatted = true;
    }
    if (reader.hasError())
        return {QStringLiteral("<error>") + reader.errorString()};
    return result;
}

QStringList documentsIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestDocxExport : public QObject
{
    Q_OBJECT

private slots:
    void paragraphsOfTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one line") << "Job notes" << QStringList{"Job notes"};
        QTest::newRow("three lines") << "one\ntwo\nthree" << QStringList{"one", "two", "three"};
        QTest::newRow("empty lines kept") << "top\n\nbottom\n" << QStringList{"top", "", "bottom", ""};
        QTest::newRow("Windows and old Mac line ends") << "a\r\nb\rc" << QStringList{"a", "b", "c"};
        QTest::newRow("XML specials")
            << "5 < 6 & 7 > 2 \"quoted\" 'single'" << QStringList{"5 < 6 & 7 > 2 \"quoted\" 'single'"};
        QTest::newRow("markup as text") << "<w:t>not a tag</w:t>" << QStringList{"<w:t>not a tag</w:t>"};
        QTest::newRow("spaces kept") << "  indented   gaps  " << QStringList{"  indented   gaps  "};
        QTest::newRow("tabs") << "qty\tsize\t\tcost" << QStringList{"qty\tsize\t\tcost"};
        QTest::newRow("accents and other scripts")
            << QString::fromUtf8("Béton ½\" ça — 混凝土 👷")
            << QStringList{QString::fromUtf8("Béton ½\" ça — 混凝土 👷")};
        QTest::newRow("control characters left out")
            << QStringLiteral("a") + QChar(0x01) + QStringLiteral("b") + QChar(0x0B) + QChar(0xFFFF) +
                   QStringLiteral("c")
            << QStringList{"abc"};
        QTest::newRow("lone surrogates left out")
            << QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y") + QChar(0xDC00) << QStringList{"xy"};
        QTest::newRow("empty") << "" << QStringList{""};
    }

    void paragraphsOfTheText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        bool formatted = false;
        QCOMPARE(paragraphs(DocxExport::documentXml(text), &formatted), expected);
        QVERIFY(!formatted);
    }

    void packageHoldsTheThreeParts()
    {
        const QByteArray bytes = DocxExport::package(QStringLiteral("first\nsecond"));
        QVERIFY(bytes.startsWith("PK"));
        const QMap<QString, QByteArray> entries = unzip(bytes);
        QCOMPARE(entries.keys(), (QStringList{"[Content_Types].xml", "_rels/.rels", "word/document.xml"}));
        const QByteArray types = entries.value(QStringLiteral("[Content_Types].xml"));
        QVERIFY(types.contains("<Override PartName=\"/word/document.xml\" "
                               "ContentType=\"application/"
                               "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"));
        QVERIFY(types.contains("Extension=\"rels\""));
        const QByteArray rels = entries.value(QStringLiteral("_rels/.rels"));
        QVERIFY(rels.contains(
            "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\""));
        QVERIFY(rels.contains("Target=\"word/document.xml\""));
        for (const QString &name : entries.keys()) {
            QXmlStreamReader reader(entries.value(name));
            while (!reader.atEnd())
                reader.readNext();
            QVERIFY2(!reader.hasError(), qPrintable(name + QStringLiteral(": ") + reader.errorString()));
        }
        QCOMPARE(paragraphs(entries.value(QStringLiteral("word/document.xml"))),
                 (QStringList{"first", "second"}));
    }

    void baseName_data()
    {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("expected");
        QTest::newRow("morning") << QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9))
                                 << "Mortarix Notes 2024-03-05 070809";
        QTest::newRow("evening") << QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59))
                                 << "Mortarix Notes 2023-12-31 235959";
    }

    void baseName()
    {
        QFETCH(QDateTime, when);
        QFETCH(QString, expected);
        QCOMPARE(DocxExport::baseName(when), expected);
    }

    void writingNeverOverwrites()
    {
        QTemporaryDir folder;
        const QDateTime when(QDate(2024, 6, 1), QTime(12, 0, 0));
        const QString first = folder.filePath(QStringLiteral("Mortarix Notes 2024-06-01 120000.docx"));
        QFile taken(first);
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("somebody else's");
        taken.close();

        const DocxExport::Result second =
            DocxExport::writeDocument(QStringLiteral("two"), folder.path(), when);
        QVERIFY2(second.ok(), qPrintable(second.error));
        QCOMPARE(second.path, folder.filePath(QStringLiteral("Mortarix Notes 2024-06-01 120000 (2).docx")));
        const DocxExport::Result third =
            DocxExport::writeDocument(QStringLiteral("three"), folder.path(), when);
        QCOMPARE(third.path, folder.filePath(QStringLiteral("Mortarix Notes 2024-06-01 120000 (3).docx")));

        QCOMPARE(readFile(first), QByteArray("somebody else's"));
        QCOMPARE(paragraphs(unzip(readFile(second.path)).value(QStringLiteral("word/document.xml"))),
                 QStringList{"two"});
        QCOMPARE(paragraphs(unzip(readFile(third.path)).value(QStringLiteral("word/document.xml"))),
                 QStringList{"three"});
        // No temporary file is left beside them.
        QCOMPARE(documentsIn(folder.path()).size(), 3);
    }

    void writingIntoAMissingFolderFails()
    {
        QTemporaryDir folder;
        const QString missing = folder.filePath(QStringLiteral("not here"));
        const DocxExport::Result result =
            DocxExport::writeDocument(QStringLiteral("text"), missing, QDateTime::currentDateTime());
        QVERIFY(!result.ok());
        QVERIFY(result.path.isEmpty());
        QVERIFY2(result.error.contains(missing), qPrintable(result.error));
        QVERIFY(documentsIn(folder.path()).isEmpty());
    }

    // The command on the editor page: confirmation, the document in the documents folder, opened
    // with the default application.
    void exportCommand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QStringList>("expected"); // paragraphs; empty: no document
        QTest::newRow("Yes") << "Footing notes\n\n12 yd at $95" << QMessageBox::Yes
                             << QStringList{"Footing notes", "", "12 yd at $95"};
        QTest::newRow("No") << "Footing notes" << QMessageBox::No << QStringList{};
        QTest::newRow("empty editor") << "" << QMessageBox::Yes << QStringList{};
    }

    void exportCommand()
    {
        QFETCH(QString, text);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QStringList, expected);
        FakeDesktop desktop;
        MainWindow window;
        window.show();
        auto *editor = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        editor->setPlainText(text);

        auto seen = TestSupport::answerNextMessageBox(answer);
        window.menuAction(QStringLiteral("mnuxprToWrd"))->trigger();
        QVERIFY(seen->shown);
        QCOMPARE(seen->text, QStringLiteral("You Must Have MS-Word On Your Computer To Export \n"
                                            "This Text To A Word Document.\n\nDo You Want To Continue?"));
        QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(seen->icon, QMessageBox::Question);
        QCOMPARE(seen->title, QStringLiteral("Mortarix"));

        const QStringList written = documentsIn(desktop.documents.path());
        if (expected.isEmpty()) {
            QVERIFY(written.isEmpty());
            QVERIFY(desktop.documentsOpened.isEmpty());
            return;
        }
        QCOMPARE(written.size(), 1);
        QVERIFY2(QRegularExpression(QStringLiteral("^Mortarix Notes \\d{4}-\\d\\d-\\d\\d \\d{6}\\.docx$"))
                     .match(written.constFirst())
                     .hasMatch(),
                 qPrintable(written.constFirst()));
        const QString path = QDir(desktop.documents.path()).filePath(written.constFirst());
        QCOMPARE(desktop.documentsOpened, QStringList{path});
        QCOMPARE(paragraphs(unzip(readFile(path)).value(QStringLiteral("word/document.xml"))), expected);
    }

    void exportCarriesNoFormatting()
    {
        FakeDesktop desktop;
        MainWindow window;
        auto *editor = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        editor->setPlainText(QStringLiteral("bold red\nplain"));
        QTextCursor cursor(editor->document());
        cursor.setPosition(0);
        cursor.setPosition(8, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        format.setForeground(QColor(Qt::red));
        cursor.mergeCharFormat(format);

        auto yes = TestSupport::answerNextMessageBox(QMessageBox::Yes);
        window.menuAction(QStringLiteral("mnuxprToWrd"))->trigger();
        QVERIFY(yes->shown);
        QCOMPARE(desktop.documentsOpened.size(), 1);
        const QByteArray xml =
            unzip(readFile(desktop.documentsOpened.constFirst())).value(QStringLiteral("word/document.xml"));
        bool formatted = false;
        QCOMPARE(paragraphs(xml, &formatted), (QStringList{"bold red", "plain"}));
        QVERIFY(!formatted);
    }

    void secondExportDoesNotOverwrite()
    {
        FakeDesktop desktop;
        MainWindow window;
        auto *editor = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        editor->setPlainText(QStringLiteral("first"));
        auto yes = TestSupport::answerNextMessageBox(QMessageBox::Yes);
        window.menuAction(QStringLiteral("mnuxprToWrd"))->trigger();
        QVERIFY(yes->shown);
        editor->setPlainText(QStringLiteral("second"));
        yes = TestSupport::answerNextMessageBox(QMessageBox::Yes);
        window.menuAction(QStringLiteral("mnuxprToWrd"))->trigger();
        QVERIFY(yes->shown);

        QCOMPARE(desktop.documentsOpened.size(), 2);
        QVERIFY(desktop.documentsOpened.at(0) != desktop.documentsOpened.at(1));
        QCOMPARE(documentsIn(desktop.documents.path()).size(), 2);
        QCOMPARE(
            paragraphs(
                unzip(readFile(desktop.documentsOpened.at(0))).value(QStringLiteral("word/document.xml"))),
            QStringList{"first"});
        QCOMPARE(
            paragraphs(
                unzip(readFile(desktop.documentsOpened.at(1))).value(QStringLiteral("word/document.xml"))),
            QStringList{"second"});
    }

    void noApplicationSaysWhereTheDocumentIs()
    {
        FakeDesktop desktop;
        desktop.openSucceeds = false;
        MainWindow window;
        window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"))->setPlainText(QStringLiteral("notes"));
        TestSupport::MessageAnswers answers({QMessageBox::Yes, QMessageBox::Ok});
        window.menuAction(QStringLiteral("mnuxprToWrd"))->trigger();
        QCOMPARE(answers.seen.size(), 2);
        QCOMPARE(desktop.documentsOpened.size(), 1);
        const QString path = desktop.documentsOpened.constFirst();
        QVERIFY(QFileInfo::exists(path));
        const TestSupport::ShownMessage sorry = answers.seen.constLast();
        QCOMPARE(sorry.text, QStringLiteral("Sorry, Unable To Execute That Request.\n"
                                            "You Do Not Have MS - Word Installed On Your Computer.\n\n"
                                            "The text has been saved as:\n") +
                                 path);
        QCOMPARE(sorry.icon, QMessageBox::Information);
        QCOMPARE(sorry.buttons, QMessageBox::Ok);
        QCOMPARE(sorry.title, QStringLiteral("Mortarix"));
    }
};

MORTARIX_TEST_MAIN(TestDocxExport)
#include "tst_docxexport.moc"
