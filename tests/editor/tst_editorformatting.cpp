// The editor's Format and Edit menus through the main window: font and colour dialogs seeded from
// the selection, All Caps, the three toggles and their check marks, and the plain-text clipboard.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "shell/MainWindow.h"

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

// A main window on a scripted desktop, its editor holding `text` with some of it formatted.
struct Editor
{
    FakeDesktop desktop;
    MainWindow window;
    QTextEdit *text = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));

    Editor() { window.show(); }

    void trigger(const char *entry) { window.menuAction(QLatin1String(entry))->trigger(); }
    QAction *entry(const char *name) const { return window.menuAction(QLatin1String(name)); }

    void setText(const QString &plain)
    {
        text->setPlainText(plain);
        select(0, 0);
    }

    // Gives characters [from, to) `change`, as a user would through some earlier command.
    void format(int from, int to, const std::function<void(QTextCharFormat &)> &change)
    {
        QTextCursor cursor(text->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        change(format);
        cursor.mergeCharFormat(format);
    }

    void select(int from, int to)
    {
        QTextCursor cursor(text->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        text->setTextCursor(cursor);
    }

    // The format of the character at `position`, as the document holds it.
    QTextCharFormat at(int position) const
    {
        QTextCursor cursor(text->document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }

    // The font the character at `position` is drawn in.
    QFont fontAt(int position) const { return at(position).font().resolve(text->document()->defaultFont()); }
};

enum class Attribute { Bold, Italic, Underline };

bool has(const QFont &font, Attribute attribute)
{
    switch (attribute) {
    case Attribute::Bold:
        return font.bold();
    case Attribute::Italic:
        return font.italic();
    case Attribute::Underline:
        return font.underline();
    }
    return false;
}

void give(QTextCharFormat &format, Attribute attribute)
{
    switch (attribute) {
    case Attribute::Bold:
        format.setFontWeight(QFont::Bold);
        break;
    case Attribute::Italic:
        format.setFontItalic(true);
        break;
    case Attribute::Underline:
        format.setFontUnderline(true);
        break;
    }
}

QColor colourAt(const Editor &editor, int position)
{
    const QTextCharFormat format = editor.at(position);
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor(Qt::black);
}

} // namespace

Q_DECLARE_METATYPE(Attribute)

class TestEditorFormatting : public QObject
{
    Q_OBJECT

private:
    static void addToggleRows()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<Attribute>("attribute");
        QTest::newRow("Bold") << "mnuPopRTboldedit" << Attribute::Bold;
        QTest::newRow("Italic") << "mnuPopRTitalicedit" << Attribute::Italic;
        QTest::newRow("Underline") << "mnuPopRTundrlneedit" << Attribute::Underline;
    }

private slots:
    void init() { QGuiApplication::clipboard()->clear(); }

    void toggleTwiceRestores_data() { addToggleRows(); }

    void toggleTwiceRestores()
    {
        QFETCH(QString, entry);
        QFETCH(Attribute, attribute);
        Editor editor;
        editor.setText(QStringLiteral("plain words here"));
        const QString before = editor.text->toHtml();
        QAction *action = editor.entry(entry.toLatin1().constData());
        QVERIFY(action->isCheckable());
        QVERIFY(!action->isChecked());

        editor.select(6, 11);
        action->trigger();
        for (int i = 0; i < 16; ++i)
            QCOMPARE(has(editor.fontAt(i), attribute), i >= 6 && i < 11);
        QVERIFY(action->isChecked());

        action->trigger();
        QVERIFY(!action->isChecked());
        QCOMPARE(editor.text->toHtml(), before);
        QCOMPARE(editor.fontAt(7).weight(), QFont::Light); // the editor's own weight is back
    }

    // The check mark counts choices; it is never read from the text.
    void toggleOnFormattedSelection_data() { addToggleRows(); }

    void toggleOnFormattedSelection()
    {
        QFETCH(QString, entry);
        QFETCH(Attribute, attribute);
        Editor editor;
        editor.setText(QStringLiteral("one two"));
        editor.format(0, 7, [&](QTextCharFormat &f) { give(f, attribute); });
        editor.select(0, 3);
        editor.trigger(entry.toLatin1().constData());
        QVERIFY(!has(editor.fontAt(0), attribute));
        QVERIFY(!has(editor.fontAt(2), attribute));
        QVERIFY(has(editor.fontAt(4), attribute));
        QVERIFY(editor.entry(entry.toLatin1().constData())->isChecked());
    }

    void toggleOnMixedSelectionSetsIt_data() { addToggleRows(); }

    void toggleOnMixedSelectionSetsIt()
    {
        QFETCH(QString, entry);
        QFETCH(Attribute, attribute);
        Editor editor;
        editor.setText(QStringLiteral("one two"));
        editor.format(0, 3, [&](QTextCharFormat &f) { give(f, attribute); });
        editor.select(0, 7);
        editor.trigger(entry.toLatin1().constData());
        for (int i = 0; i < 7; ++i)
            QVERIFY(has(editor.fontAt(i), attribute));
    }

    void toggleWithoutSelectionAppliesToTyping()
    {
        Editor editor;
        editor.setText(QStringLiteral("ab"));
        editor.select(2, 2);
        editor.trigger("mnuPopRTboldedit");
        QTest::keyClicks(editor.text, QStringLiteral("CD"));
        QCOMPARE(editor.text->toPlainText(), QStringLiteral("abCD"));
        QVERIFY(!editor.fontAt(1).bold());
        QVERIFY(editor.fontAt(2).bold());
        QVERIFY(editor.fontAt(3).bold());
    }

    void allCaps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("selected");
        QTest::newRow("part") << "mixed Case words" << 0 << 10 << "MIXED CASE words"
                              << "MIXED CASE";
        QTest::newRow("nothing selected") << "lower" << 2 << 2 << "lower"
                                          << "";
        QTest::newRow("already upper") << "ABC def" << 0 << 3 << "ABC def"
                                       << "ABC";
        QTest::newRow("across paragraphs") << "one\ntwo" << 1 << 6 << "oNE\nTWo"
                                           << "NE\nTW";
        QTest::newRow("grows: sharp s") << "straße x" << 0 << 6 << "STRASSE x"
                                        << "STRASSE";
        QTest::newRow("accents") << "élan ça" << 0 << 7 << "ÉLAN ÇA"
                                 << "ÉLAN ÇA";
        QTest::newRow("digits and signs") << "2x4 @ $5.50" << 0 << 11 << "2X4 @ $5.50"
                                          << "2X4 @ $5.50";
    }

    void allCaps()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, expected);
        QFETCH(QString, selected);
        Editor editor;
        editor.setText(text);
        editor.select(from, to);
        editor.trigger("mnuPopcaps");
        QCOMPARE(editor.text->toPlainText(), expected);
        QCOMPARE(editor.text->textCursor().selection().toPlainText(), selected);
    }

    void allCapsKeepsFormatting()
    {
        Editor editor;
        editor.setText(QStringLiteral("bold plain red"));
        editor.format(0, 4, [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); });
        editor.format(11, 14, [](QTextCharFormat &f) { f.setForeground(QColor(Qt::red)); });
        editor.select(0, 14);
        editor.trigger("mnuPopcaps");
        QCOMPARE(editor.text->toPlainText(), QStringLiteral("BOLD PLAIN RED"));
        QVERIFY(editor.fontAt(0).bold());
        QVERIFY(editor.fontAt(3).bold());
        QVERIFY(!editor.fontAt(5).bold());
        QCOMPARE(colourAt(editor, 12), QColor(Qt::red));
        QCOMPARE(colourAt(editor, 6), QColor(Qt::black));
    }

    void fontDialogSeed_data()
    {
        QTest::addColumn<bool>("mixed");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikeOut");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("size");
        QTest::newRow("uniform, all set") << false << true << true << true << true << "DejaVu Serif" << 14.0;
        QTest::newRow("uniform, none set")
            << false << false << false << false << false << "DejaVu Sans" << 11.0;
        // Mixed attributes fall back to off, and no family or size of their own.
        QTest::newRow("mixed") << true << false << false << false << false << "" << 0.0;
    }

    void fontDialogSeed()
    {
        QFETCH(bool, mixed);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(bool, strikeOut);
        QFETCH(QString, family);
        QFETCH(double, size);
        Editor editor;
        editor.setText(QStringLiteral("first second"));
        auto uniform = [&](QTextCharFormat &f) {
            f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
            f.setFontItalic(italic);
            f.setFontUnderline(underline);
            f.setFontStrikeOut(strikeOut);
            f.setFontFamilies(QStringList{family});
            f.setFontPointSize(size);
        };
        if (mixed) {
            editor.format(0, 5, [](QTextCharFormat &f) {
                f.setFontWeight(QFont::Bold);
                f.setFontItalic(true);
                f.setFontUnderline(true);
                f.setFontStrikeOut(true);
                f.setFontFamilies(QStringList{QStringLiteral("DejaVu Serif")});
                f.setFontPointSize(20);
            });
        } else {
            editor.format(0, 12, uniform);
        }
        editor.select(0, 12);
        editor.trigger("mnuPopRTfntedt");
        QCOMPARE(editor.desktop.fontsSeen.size(), 1);
        const QFont seed = editor.desktop.fontsSeen.constFirst();
        QCOMPARE(seed.bold(), bold);
        QCOMPARE(seed.italic(), italic);
        QCOMPARE(seed.underline(), underline);
        QCOMPARE(seed.strikeOut(), strikeOut);
        if (mixed) {
            QVERIFY(!(seed.resolveMask() & QFont::FamiliesResolved));
            QVERIFY(!(seed.resolveMask() & QFont::SizeResolved));
        } else {
            QCOMPARE(seed.family(), family);
            QCOMPARE(seed.pointSizeF(), size);
        }
    }

    // A cancelled dialog changes nothing, even where the selection mixes attributes.
    void cancelledDialogsChangeNothing_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("Font") << "mnuPopRTfntedt";
        QTest::newRow("Color") << "mnuPopRTcoloredit";
    }

    void cancelledDialogsChangeNothing()
    {
        QFETCH(QString, entry);
        Editor editor;
        editor.setText(QStringLiteral("red green plain"));
        editor.format(0, 3, [](QTextCharFormat &f) {
            f.setForeground(QColor(Qt::red));
            f.setFontWeight(QFont::Bold);
            f.setFontPointSize(18);
        });
        editor.format(4, 9, [](QTextCharFormat &f) {
            f.setForeground(QColor(Qt::green));
            f.setFontItalic(true);
        });
        editor.select(0, 15);
        const QString before = editor.text->toHtml();
        editor.trigger(entry.toLatin1().constData());
        QCOMPARE(editor.desktop.fontsSeen.size() + editor.desktop.colorsSeen.size(), 1);
        QCOMPARE(editor.text->toHtml(), before);
        QCOMPARE(colourAt(editor, 1), QColor(Qt::red));
        QCOMPARE(colourAt(editor, 5), QColor(Qt::green));
    }

    void fontDialogAppliesItsChoice()
    {
        Editor editor;
        editor.setText(QStringLiteral("red green"));
        editor.format(0, 3, [](QTextCharFormat &f) { f.setForeground(QColor(Qt::red)); });
        editor.format(4, 9, [](QTextCharFormat &f) { f.setForeground(QColor(Qt::green)); });
        editor.select(0, 9);
        QFont chosen(QStringLiteral("DejaVu Sans"));
        chosen.setPointSizeF(16);
        chosen.setBold(true);
        chosen.setUnderline(true);
        editor.desktop.fontAnswer = chosen;
        editor.trigger("mnuPopRTfntedt");
        for (int i : {0, 2, 4, 8}) {
            const QFont font = editor.fontAt(i);
            QCOMPARE(font.family(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(font.pointSizeF(), 16.0);
            QVERIFY(font.bold());
            QVERIFY(!font.italic());
            QVERIFY(font.underline());
            QVERIFY(!font.strikeOut());
        }
        // This font dialog has no colour field, so the colours the user never saw are left alone.
        QCOMPARE(colourAt(editor, 1), QColor(Qt::red));
        QCOMPARE(colourAt(editor, 5), QColor(Qt::green));
    }

    void colourDialog_data()
    {
        QTest::addColumn<QString>("layout"); // "red", "default", "two colours"
        QTest::addColumn<QColor>("seed");
        QTest::newRow("uniform red") << "red" << QColor(Qt::red);
        QTest::newRow("no colour of its own") << "default" << QColor(Qt::black);
        QTest::newRow("two colours") << "two colours" << QColor(Qt::black);
    }

    void colourDialog()
    {
        QFETCH(QString, layout);
        QFETCH(QColor, seed);
        Editor editor;
        editor.setText(QStringLiteral("aaa bbb"));
        if (layout == QLatin1String("red")) {
            editor.format(0, 7, [](QTextCharFormat &f) { f.setForeground(QColor(Qt::red)); });
        } else if (layout == QLatin1String("two colours")) {
            editor.format(0, 3, [](QTextCharFormat &f) { f.setForeground(QColor(Qt::red)); });
            editor.format(4, 7, [](QTextCharFormat &f) { f.setForeground(QColor(Qt::blue)); });
        }
        editor.select(0, 7);
        editor.desktop.colorAnswer = QColor(10, 120, 200);
        editor.trigger("mnuPopRTcoloredit");
        QCOMPARE(editor.desktop.colorsSeen, QList<QColor>{seed});
        for (int i = 0; i < 7; ++i)
            QCOMPARE(colourAt(editor, i), QColor(10, 120, 200));
    }

    void colourOfTypingWithoutSelection()
    {
        Editor editor;
        editor.setText(QStringLiteral("ab"));
        editor.select(2, 2);
        editor.desktop.colorAnswer = QColor(Qt::darkGreen);
        editor.trigger("mnuPopRTcoloredit");
        QTest::keyClicks(editor.text, QStringLiteral("c"));
        QCOMPARE(colourAt(editor, 1), QColor(Qt::black));
        QCOMPARE(colourAt(editor, 2), QColor(Qt::darkGreen));
    }

    // Format's Copy and Cut empty the clipboard first; Edit's keep what other programs put there.
    void copyAndCut_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("otherFormatsKept");
        QTest::addColumn<bool>("removesText");
        QTest::newRow("Format Copy") << "mnuPopRTfntcopy" << false << false;
        QTest::newRow("Format Cut") << "mnuPopRTfntcut" << false << true;
        QTest::newRow("Edit Copy") << "mnuPOPEDcopy" << true << false;
        QTest::newRow("Edit Cut") << "mnuPopEDcut" << true << true;
    }

    void copyAndCut()
    {
        QFETCH(QString, entry);
        QFETCH(bool, otherFormatsKept);
        QFETCH(bool, removesText);
        Editor editor;
        editor.setText(QStringLiteral("first line\nsecond line"));
        editor.format(0, 5, [](QTextCharFormat &f) { f.setFontWeight(QFont::Bold); });
        auto *earlier = new QMimeData;
        earlier->setText(QStringLiteral("earlier"));
        earlier->setHtml(QStringLiteral("<b>earlier</b>"));
        earlier->setData(QStringLiteral("application/x-other-program"), "payload");
        QGuiApplication::clipboard()->setMimeData(earlier);

        editor.select(0, 17);
        editor.trigger(entry.toLatin1().constData());
        const QMimeData *now = QGuiApplication::clipboard()->mimeData();
        QVERIFY(now);
        QCOMPARE(now->text(), QStringLiteral("first line\nsecond"));
        QCOMPARE(now->hasHtml(), otherFormatsKept);
        QCOMPARE(now->hasFormat(QStringLiteral("application/x-other-program")), otherFormatsKept);
        if (otherFormatsKept)
            QCOMPARE(now->data(QStringLiteral("application/x-other-program")), QByteArray("payload"));
        else
            QCOMPARE(now->formats(), QStringList{QStringLiteral("text/plain")});
        QCOMPARE(editor.text->toPlainText(),
                 removesText ? QStringLiteral(" line") : QStringLiteral("first line\nsecond line"));
    }

    void copyWithNothingSelected_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("otherFormatsKept");
        QTest::newRow("Format Copy") << "mnuPopRTfntcopy" << false;
        QTest::newRow("Format Cut") << "mnuPopRTfntcut" << false;
        QTest::newRow("Edit Copy") << "mnuPOPEDcopy" << true;
        QTest::newRow("Edit Cut") << "mnuPopEDcut" << true;
    }

    void copyWithNothingSelected()
    {
        QFETCH(QString, entry);
        QFETCH(bool, otherFormatsKept);
        Editor editor;
        editor.setText(QStringLiteral("words"));
        auto *earlier = new QMimeData;
        earlier->setText(QStringLiteral("earlier"));
        earlier->setHtml(QStringLiteral("<i>earlier</i>"));
        QGuiApplication::clipboard()->setMimeData(earlier);
        editor.select(2, 2);
        editor.trigger(entry.toLatin1().constData());
        const QMimeData *now = QGuiApplication::clipboard()->mimeData();
        QVERIFY(now->hasText());
        QCOMPARE(now->text(), QString());
        QCOMPARE(now->hasHtml(), otherFormatsKept);
        QCOMPARE(editor.text->toPlainText(), QStringLiteral("words"));
    }

    // Both Paste entries insert the clipboard's plain text, never its formatting.
    void paste_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("clipboardText");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("expected");
        for (const char *entry : {"mnuPopRTfntpaste", "mnuPopEDpaste"}) {
            const QString name = QLatin1String(entry);
            QTest::addRow("%s, at the caret", entry) << name << "NEW " << 0 << 0 << "NEW notes here";
            QTest::addRow("%s, over a selection", entry) << name << "those" << 6 << 10 << "notes those";
            QTest::addRow("%s, two lines", entry) << name << "a\nb" << 5 << 5 << "notesa\nb here";
            QTest::addRow("%s, Windows line ends", entry) << name << "a\r\nb" << 5 << 5 << "notesa\nb here";
            QTest::addRow("%s, empty text", entry) << name << "" << 5 << 10 << "notes";
        }
    }

    void paste()
    {
        QFETCH(QString, entry);
        QFETCH(QString, clipboardText);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, expected);
        Editor editor;
        editor.setText(QStringLiteral("notes here"));
        auto *data = new QMimeData;
        data->setText(clipboardText);
        data->setHtml(QStringLiteral("<b style=\"color:#ff0000\">") + clipboardText.toHtmlEscaped() +
                      QStringLiteral("</b>"));
        QGuiApplication::clipboard()->setMimeData(data);
        editor.select(from, to);
        editor.trigger(entry.toLatin1().constData());
        QCOMPARE(editor.text->toPlainText(), expected);
        for (int i = 0; i < int(expected.size()); ++i) {
            QVERIFY(!editor.fontAt(i).bold());
            QCOMPARE(colourAt(editor, i), QColor(Qt::black));
        }
    }

    void pasteWithoutTextKeepsTheSelection()
    {
        Editor editor;
        editor.setText(QStringLiteral("keep me"));
        auto *data = new QMimeData;
        data->setData(QStringLiteral("image/png"), "not text");
        QGuiApplication::clipboard()->setMimeData(data);
        editor.select(0, 4);
        editor.trigger("mnuPopEDpaste");
        QCOMPARE(editor.text->toPlainText(), QStringLiteral("keep me"));
    }
};

MORTARIX_TEST_MAIN(TestEditorFormatting)
#include "tst_editorformatting.moc"
