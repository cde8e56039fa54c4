// Closing the main window with notes in the editor: the save question takes the place of the exit
// question, and the notes are saved, dropped, or the close is called off.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "editor/EditorPage.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString kSaveQuestion =
    QStringLiteral("You Have An Open File Or Text In The Text Editor,\nDo You Want To Save This Info?");

} // namespace

class TestEditorShutdown : public QObject
{
    Q_OBJECT

private slots:
    void closeWithNotes_data()
    {
        QTest::addColumn<QString>("how"); // "close box" or "File > Exit"
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("saveAs"); // the save dialog's answer; "" cancels, "folder" is a folder
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QString>("written"); // "plain", "rtf" or "" (nothing)

        for (const char *how : {"close box", "File > Exit"}) {
            const QString way = QLatin1String(how);
            QTest::addRow("%s, No", how) << way << QMessageBox::No << "" << true << "";
            QTest::addRow("%s, Cancel", how) << way << QMessageBox::Cancel << "" << false << "";
            QTest::addRow("%s, Yes, .TXT", how) << way << QMessageBox::Yes << "NOTES.TXT" << true << "plain";
            QTest::addRow("%s, Yes, .txt", how) << way << QMessageBox::Yes << "notes.txt" << true << "plain";
            QTest::addRow("%s, Yes, .rtf", how) << way << QMessageBox::Yes << "notes.rtf" << true << "rtf";
            QTest::addRow("%s, Yes, no extension", how)
                << way << QMessageBox::Yes << "notes" << true << "rtf";
            // Mended: a cancelled save dialog keeps the program and the notes.
            QTest::addRow("%s, Yes, dialog cancelled", how) << way << QMessageBox::Yes << "" << false << "";
        }
    }

    void closeWithNotes()
    {
        QFETCH(QString, how);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, saveAs);
        QFETCH(bool, ends);
        QFETCH(QString, written);

        FakeDesktop desktop;
        QTemporaryDir folder;
        MainWindow window;
        window.show();
        QSignalSpy unloaded(&window, &MainWindow::unloaded);
        auto *editor = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        editor->setFocus();
        QTest::keyClicks(editor, QStringLiteral("Pour footings at 8"));
        QVERIFY(!window.page(MainWindow::kEditorPage)->isVisible());
        const QString file = saveAs.isEmpty() ? QString() : folder.filePath(saveAs);
        desktop.saveAnswers.enqueue(file);

        TestSupport::MessageAnswers answers({answer});
        if (how == QLatin1String("close box"))
            window.close();
        else
            window.menuAction(QStringLiteral("mnuExit"))->trigger();

        QCOMPARE(answers.seen.size(), 1); // no exit question after the save question
        QCOMPARE(answers.seen.constFirst().text, kSaveQuestion);
        QCOMPARE(answers.seen.constFirst().buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(answers.seen.constFirst().icon, QMessageBox::Question);
        QCOMPARE(answers.seen.constFirst().title, QStringLiteral("Mortarix"));

        QCOMPARE(window.isVisible(), !ends);
        QCOMPARE(unloaded.count(), ends ? 1 : 0);
        QCOMPARE(editor->toPlainText(), QStringLiteral("Pour footings at 8"));

        if (answer == QMessageBox::Yes) {
            QCOMPARE(desktop.saveSeen.size(), 1);
            const Desktop::CommonDialogState seen = desktop.saveSeen.constFirst();
            QCOMPARE(seen.filter, QStringLiteral("Rich Text (*.rtf)|*.rtf|Text (*.txt)|*.txt"));
            QVERIFY(seen.overwritePrompt);
            QVERIFY(!seen.fileMustExist);
            QVERIFY(window.page(MainWindow::kEditorPage)->isVisibleTo(&window));
        } else {
            QVERIFY(desktop.saveSeen.isEmpty());
        }

        const QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        if (written.isEmpty()) {
            QVERIFY(files.isEmpty());
        } else {
            QCOMPARE(files, QStringList{saveAs});
            const QByteArray bytes = readFile(file);
            if (written == QLatin1String("plain"))
                QCOMPARE(bytes, QByteArray("Pour footings at 8"));
            else
                QVERIFY2(bytes.startsWith("{\\rtf") && bytes.contains("Pour footings at 8"),
                         bytes.constData());
        }
    }

    // Mended: a save that fails says why, and the program stays open with the notes.
    void failedExitSaveKeepsTheProgram()
    {
        FakeDesktop desktop;
        QTemporaryDir folder;
        MainWindow window;
        window.show();
        QSignalSpy unloaded(&window, &MainWindow::unloaded);
        auto *editor = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
        editor->setPlainText(QStringLiteral("notes"));
        const QString target = folder.filePath(QStringLiteral("a folder.rtf"));
        QVERIFY(QDir().mkpath(target));
        desktop.saveAnswers.enqueue(target);

        TestSupport::MessageAnswers answers({QMessageBox::Yes, QMessageBox::Ok});
        window.close();
        QCOMPARE(answers.seen.size(), 2);
        QCOMPARE(answers.seen.at(0).text, kSaveQuestion);
        const TestSupport::ShownMessage failure = answers.seen.at(1);
        QVERIFY2(failure.text.startsWith(QStringLiteral("The File Could Not Be Saved.\n\n") + target + u'\n'),
                 qPrintable(failure.text));
        QCOMPARE(failure.icon, QMessageBox::Warning);
        QVERIFY(window.isVisible());
        QCOMPARE(unloaded.count(), 0);
        QCOMPARE(editor->toPlainText(), QStringLiteral("notes"));

        // The user can then save elsewhere and leave.
        const QString elsewhere = folder.filePath(QStringLiteral("notes.txt"));
        desktop.saveAnswers.enqueue(elsewhere);
        TestSupport::MessageAnswers again({QMessageBox::Yes});
        window.close();
        QCOMPARE(again.seen.size(), 1);
        QVERIFY(!window.isVisible());
        QCOMPARE(unloaded.count(), 1);
        QCOMPARE(readFile(elsewhere), QByteArray("notes"));
    }

    // The exit save proposes the name of the document last opened.
    void exitSaveProposesTheDocumentName()
    {
        FakeDesktop desktop;
        QTemporaryDir folder;
        const QString opened = folder.filePath(QStringLiteral("job.rtf"));
        QFile file(opened);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1 Job 14 notes}");
        file.close();
        MainWindow window;
        window.show();
        desktop.openAnswers.enqueue(opened);
        window.menuAction(QStringLiteral("mnuRTFFLEOPN"))->trigger();
        QCOMPARE(window.findChild<QLabel *>(QStringLiteral("Label2(64)"))->text(), opened);
        desktop.commonDialog().fileName = QStringLiteral("something else.rtf");

        TestSupport::MessageAnswers answers({QMessageBox::Yes});
        window.close(); // save dialog cancelled: the window stays
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(desktop.saveSeen.size(), 1);
        QCOMPARE(desktop.saveSeen.constFirst().fileName, opened);
        QVERIFY(window.isVisible());
    }

    void emptyEditorAsksTheExitQuestion()
    {
        FakeDesktop desktop;
        MainWindow window;
        window.show();
        QVERIFY(!window.editor()->hasText());
        TestSupport::MessageAnswers answers({QMessageBox::No});
        window.close();
        QCOMPARE(answers.seen.size(), 1);
        QCOMPARE(answers.seen.constFirst().text, QStringLiteral("Do you really want to close the form?"));
        QVERIFY(desktop.saveSeen.isEmpty());
        QVERIFY(window.isVisible());
    }
};

MORTARIX_TEST_MAIN(TestEditorShutdown)
#include "tst_editorshutdown.moc"
