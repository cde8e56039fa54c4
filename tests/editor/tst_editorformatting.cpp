// The editor's Format and Edit menus: toggles and their check marks, and the plain-text clipboard.
#include "EditorKit.h"

class TestEditorFormatting : public QObject
{
    Q_OBJECT

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

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
        Editor editor;
        editor.text->setPlainText(QStringLiteral("plain words here"));
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

    // On "notes\nhere" with [from, to) selected and `before` on the clipboard (null: a picture only,
    // else with other formats beside it): Copy and Cut put plain text there, Format's alone, Edit's
    // beside the other formats; Paste inserts the plain text, never its formatting.
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
            QTest::addRow("%s, empty text", entry) << entry << "" << 5 << 10 << "notes" << "" << true;
            QTest::addRow("%s, no text", entry) << entry << QString() << 0 << 4 << text << QString() << false;
        }
    }
    void clipboard()
    {
        QFETCH(QString, entry); QFETCH(QString, before); QFETCH(int, from); QFETCH(int, to); QFETCH(QString, text);
        QFETCH(QString, after); QFETCH(bool, kept);
        Editor editor;
        editor.text->setPlainText(QStringLiteral("notes\nhere"));
        auto *data = new QMimeData;
        data->setData(QStringLiteral("image/png"), "picture");
        if (!before.isNull()) {
            data->setText(before);
            data->setHtml("<b style=\"color:#ff0000\">" + before.toHtmlEscaped() + "</b>");
        }
        QGuiApplication::clipboard()->setMimeData(data);
        editor.select(from, to);
        editor.trigger(entry);
        QCOMPARE(editor.text->toPlainText(), text);
        for (int i = 0; i < int(text.size()); ++i)
            QVERIFY(!editor.fontAt(i).bold() && editor.colourAt(i) == Qt::black);
        const QMimeData *now = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(now->text(), after);
        QCOMPARE(now->data(QStringLiteral("image/png")), QByteArray(kept || before.isNull() ? "picture" : ""));
        QCOMPARE(now->hasHtml(), kept && !before.isNull());
        if (!kept && !before.isNull())
            QCOMPARE(now->formats(), QStringList{QStringLiteral("text/plain")});
    }
};

MORTARIX_TEST_MAIN(TestEditorFormatting)
#include "tst_editorformatting.moc"
