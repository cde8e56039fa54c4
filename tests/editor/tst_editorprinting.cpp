// Print . . . on the editor page: the confirmation, the print dialog and what reaches the page,
// printed to PDF through the scripted desktop and read back with pdftotext.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "shell/MainWindow.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextEdit>

namespace {

// The text of a PDF as pdftotext reads it, or a null string when it cannot be read.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestEditorPrinting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed.");
    }

    void print_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from"); // selection; from == to: nothing selected
        QTest::addColumn<int>("to");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("dialogAccepts");
        QTest::addColumn<QStringList>("printed");    // must be on the page
        QTest::addColumn<QStringList>("notPrinted"); // must not be
        QTest::addColumn<int>("dialogs");

        const QString notes =
            QStringLiteral("Footing pour Monday\nRebar delivery Tuesday\nBlock crew Friday");
        QTest::newRow("whole text") << notes << 0 << 0 << QMessageBox::Yes << true
                                    << QStringList{"Footing pour Monday", "Rebar delivery Tuesday",
                                                   "Block crew Friday"}
                                    << QStringList{} << 1;
        QTest::newRow("selection only")
            << notes << 20 << 42 << QMessageBox::Yes << true << QStringList{"Rebar delivery Tuesday"}
            << QStringList{"Footing", "Block crew"} << 1;
        QTest::newRow("dialog cancelled")
            << notes << 0 << 0 << QMessageBox::Yes << false << QStringList{} << QStringList{} << 1;
        QTest::newRow("No") << notes << 0 << 0 << QMessageBox::No << true << QStringList{} << QStringList{}
                            << 0;
        QTest::newRow("empty editor")
            << "" << 0 << 0 << QMessageBox::Yes << true << QStringList{} << QStringList{} << 0;
    }

    void print()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, dialogAccepts);
        QFETCH(QStringList, printed);
        QFETCH(QStringList, notPrinted);
        QFETCH(int, dialogs);

        FakeDesktop desktop;
        QTemporaryDir folder;
        desktop.pdfPath = folder.filePath(QStringLiteral("notes.pdf"));
        desktop.printDialogAccepts = dialogAccepts;
        MainWindow window;
        window.show();
        auto *editor = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        editor->setPlainText(text);
        QTextCursor cursor(editor->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        desktop.commonDialog().title = QStringLiteral("Before");

        auto seen = TestSupport::answerNextMessageBox(answer);
        window.menuAction(QStringLiteral("mnuPopPrnt"))->trigger();
        QVERIFY(seen->shown);
        QCOMPARE(seen->text,
                 QStringLiteral("You Are About To Print This Information,\n\nDo You Want To Print Now?"));
        QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(seen->icon, QMessageBox::Question);
        QCOMPARE(seen->title, QStringLiteral("Mortarix"));
        QCOMPARE(desktop.printDialogs, dialogs);
        QCOMPARE(desktop.commonDialog().title, dialogs ? QStringLiteral("Print") : QStringLiteral("Before"));

        if (printed.isEmpty()) {
            QVERIFY(!QFileInfo::exists(desktop.pdfPath));
            return;
        }
        const QString onPaper = pdfText(desktop.pdfPath);
        QVERIFY2(!onPaper.isNull(), "pdftotext could not read the PDF");
        for (const QString &line : printed)
            QVERIFY2(onPaper.contains(line), qPrintable(onPaper));
        for (const QString &line : notPrinted)
            QVERIFY2(!onPaper.contains(line), qPrintable(onPaper));
        // Printing changes nothing in the editor.
        QCOMPARE(editor->toPlainText(), text);
        QCOMPARE(editor->textCursor().selectionStart(), from);
        QCOMPARE(editor->textCursor().selectionEnd(), to);
    }

    void printKeepsFormattedText()
    {
        FakeDesktop desktop;
        QTemporaryDir folder;
        desktop.pdfPath = folder.filePath(QStringLiteral("formatted.pdf"));
        desktop.printDialogAccepts = true;
        MainWindow window;
        auto *editor = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        editor->setPlainText(QStringLiteral("Heading in bold\nbody text"));
        QTextCursor cursor(editor->document());
        cursor.setPosition(0);
        cursor.setPosition(15, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        format.setFontPointSize(20);
        cursor.mergeCharFormat(format);

        auto yes = TestSupport::answerNextMessageBox(QMessageBox::Yes);
        window.menuAction(QStringLiteral("mnuPopPrnt"))->trigger();
        QVERIFY(yes->shown);
        const QString onPaper = pdfText(desktop.pdfPath);
        QVERIFY(onPaper.contains(QStringLiteral("Heading in bold")));
        QVERIFY(onPaper.contains(QStringLiteral("body text")));
        // Real text in a real font, not a picture of the page.
        QProcess fonts;
        fonts.start(QStringLiteral("pdffonts"), {desktop.pdfPath});
        if (fonts.waitForFinished(30000) && fonts.exitCode() == 0) {
            const QStringList lines =
                QString::fromUtf8(fonts.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            // Two heading lines, then one line per font: the bold heading's and the body's.
            QVERIFY2(lines.size() >= 4, qPrintable(lines.join(QLatin1Char('\n'))));
        }
    }
};

MORTARIX_TEST_MAIN(TestEditorPrinting)
#include "tst_editorprinting.moc"
