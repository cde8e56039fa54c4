// The editor's Format and Edit menus: toggles and their check marks, All Caps, the font and colour
// dialogs seeded from the selection, and the plain-text clipboard.
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

    // Character 0 is bold and the last one red beforehand; both stay so.
    void allCaps_data()
    {
        QTest::addColumn<QString>("text"); QTest::addColumn<int>("from"); QTest::addColumn<int>("to");
        QTest::addColumn<QString>("expected"); QTest::addColumn<QString>("selected");
        QTest::newRow("part") << "mixed Case words" << 0 << 10 << "MIXED CASE words" << "MIXED CASE";
        QTest::newRow("nothing selected") << "lower" << 2 << 2 << "lower" << "";
        QTest::newRow("already upper") << "ABC def" << 0 << 3 << "ABC def" << "ABC";
        QTest::newRow("across paragraphs") << "one\ntwo" << 1 << 6 << "oNE\nTWo" << "NE\nTW";
        QTest::newRow("grows: sharp s") << "straße x" << 0 << 6 << "STRASSE x" << "STRASSE";
        QTest::newRow("accents, all") << "élan ça" << 0 << 7 << "ÉLAN ÇA" << "ÉLAN ÇA";
        QTest::newRow("digits and signs") << "2x4 @ $5.50" << 0 << 11 << "2X4 @ $5.50" << "2X4 @ $5.50";
    }
    void allCaps()
    {
        QFETCH(QString, text); QFETCH(int, from); QFETCH(int, to); QFETCH(QString, expected); QFETCH(QString, selected);
        Editor editor;
        editor.text->setPlainText(text);
        editor.format(0, 1, charFormat(true));
        editor.format(int(text.size()) - 1, int(text.size()), charFormat(false, false, false, Qt::red));
        editor.select(from, to);
        editor.trigger(QStringLiteral("mnuPopcaps"));
        QCOMPARE(editor.text->toPlainText(), expected);
        QCOMPARE(editor.text->textCursor().selection().toPlainText(), selected);
        QVERIFY(editor.fontAt(0).bold() && !editor.fontAt(1).bold());
        QCOMPARE(editor.colourAt(int(expected.size()) - 1), QColor(Qt::red));
        QCOMPARE(editor.colourAt(1), QColor(Qt::black));
    }

    // The dialog starts from the selection (where mixed: all off, no family or size) and its choice
    // replaces weight, slant, lines, family and size, never the colour it has no field for.
    void fontDialog_data()
    {
        QTest::addColumn<bool>("mixed"); QTest::addColumn<bool>("all"); QTest::addColumn<QString>("family");
        QTest::addColumn<double>("size"); QTest::addColumn<bool>("accept");
        QTest::newRow("uniform, all set") << false << true << "DejaVu Serif" << 14.0 << true;
        QTest::newRow("uniform, none set") << false << false << "DejaVu Sans" << 11.0 << true;
        QTest::newRow("mixed") << true << true << "DejaVu Serif" << 20.0 << true;
        QTest::newRow("mixed, cancelled") << true << true << "DejaVu Serif" << 20.0 << false;
    }
    void fontDialog()
    {
        QFETCH(bool, mixed); QFETCH(bool, all); QFETCH(QString, family); QFETCH(double, size); QFETCH(bool, accept);
        Editor editor;
        editor.text->setPlainText(QStringLiteral("first second"));
        QTextCharFormat f = charFormat(all, all, all, Qt::red);
        f.setFontStrikeOut(all);
        f.setFontFamilies(QStringList{family});
        f.setFontPointSize(size);
        editor.format(0, mixed ? 5 : 12, f);
        editor.format(6, 12, charFormat(false, false, false, Qt::green));
        editor.select(0, 12);
        const QString before = editor.text->toHtml();
        QFont chosen(QStringLiteral("DejaVu Sans"), 16);
        chosen.setBold(true);
        chosen.setUnderline(true);
        if (accept)
            editor.desktop.fontAnswer = chosen;
        editor.trigger(QStringLiteral("mnuPopRTfntedt"));
        QCOMPARE(editor.desktop.fontsSeen.size(), 1);
        const QFont seed = editor.desktop.fontsSeen.constFirst();
        const bool on = all && !mixed;
        QCOMPARE(QList<bool>({seed.bold(), seed.italic(), seed.underline(), seed.strikeOut()}), QList<bool>(4, on));
        QCOMPARE(bool(seed.resolveMask() & QFont::FamiliesResolved), !mixed);
        QCOMPARE(bool(seed.resolveMask() & QFont::SizeResolved), !mixed);
        if (!mixed)
            QCOMPARE(QPair(seed.family(), seed.pointSizeF()), QPair(family, size));
        if (!accept)
            QCOMPARE(editor.text->toHtml(), before);
        for (int i : {0, 4, 11}) {
            const QFont f = editor.fontAt(i);
            QVERIFY(!accept || (face(f) == "DejaVu Sans 16 700" && !f.italic() && f.underline() && !f.strikeOut()));
            QCOMPARE(editor.colourAt(i), QColor(i < 6 ? Qt::red : Qt::green));
        }
    }

    // Red on [0, red), blue on [4, 7) where red is 3; `after` per character: r(ed), b(lue), k (black)
    // or n(ew); from == to: "c" typed there.
    void colourDialog_data()
    {
        QTest::addColumn<int>("red"); QTest::addColumn<int>("from"); QTest::addColumn<int>("to");
        QTest::addColumn<bool>("accept"); QTest::addColumn<QColor>("seed"); QTest::addColumn<QString>("after");
        QTest::newRow("uniform red") << 7 << 0 << 7 << true << QColor(Qt::red) << "nnnnnnn";
        QTest::newRow("no colour of its own") << 0 << 0 << 7 << true << QColor(Qt::black) << "nnnnnnn";
        QTest::newRow("two colours") << 3 << 0 << 7 << true << QColor(Qt::black) << "nnnnnnn";
        QTest::newRow("part") << 0 << 2 << 5 << true << QColor(Qt::black) << "kknnnkk";
        QTest::newRow("caret: typed text") << 0 << 7 << 7 << true << QColor(Qt::black) << "kkkkkkkn";
        QTest::newRow("cancelled") << 3 << 0 << 7 << false << QColor(Qt::black) << "rrrkbbb";
    }
    void colourDialog()
    {
        QFETCH(int, red); QFETCH(int, from); QFETCH(int, to); QFETCH(bool, accept); QFETCH(QColor, seed);
        QFETCH(QString, after);
        Editor editor;
        editor.text->setPlainText(QStringLiteral("aaa bbb"));
        editor.format(0, red, charFormat(false, false, false, Qt::red));
        editor.format(4, red == 3 ? 7 : 4, charFormat(false, false, false, Qt::blue));
        editor.select(from, to);
        if (accept)
            editor.desktop.colorAnswer = QColor(10, 120, 200);
        editor.trigger(QStringLiteral("mnuPopRTcoloredit"));
        if (from == to)
            QTest::keyClicks(editor.text, QStringLiteral("c"));
        QCOMPARE(editor.desktop.colorsSeen, QList<QColor>{seed});
        const QList<QColor> colours{Qt::red, Qt::blue, Qt::black, QColor(10, 120, 200)};
        QString seen;
        for (int i = 0; i < editor.text->document()->characterCount() - 1; ++i)
            seen += "?rbkn"[colours.indexOf(editor.colourAt(i)) + 1];
        QCOMPARE(seen, after);
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
