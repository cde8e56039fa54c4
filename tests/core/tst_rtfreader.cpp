// Reading RTF into a document, and writing documents as RTF that reads back the same.
#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "support/CoreTestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

using namespace Qt::StringLiterals;
using Document = std::unique_ptr<QTextDocument>;

namespace {

// A document in the editor's font at `points` (12 in RtfReader's terms) holding `text` as the editor makes
// it: HTML where the text starts with "<", else plain text.
Document newDocument(int points = 12, const QString &text = {})
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(QFont(u"Bookman Old Style"_s, points, QFont::Light));
    if (text.startsWith(u'<'))
        doc->setHtml(text);
    else
        QTextCursor(doc.get()).insertText(text);
    return doc;
}

std::pair<Document, RtfReader::Result> load(const QByteArray &rtf, int points = 12)
{
    Document doc = newDocument(points);
    const RtfReader::Result result = RtfReader::read(rtf, doc.get());
    return {std::move(doc), result};
}

// Blocks joined by "\n", non-breaking spaces and line separators kept.
QString rawText(const QTextDocument &doc)
{
    return doc.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

// What a run looks like beside the document's default font.
QString attributes(const QTextCharFormat &f, const QFont &d)
{
    const QFont font = f.font().resolve(d);
    const QString family = f.fontFamilies().toStringList().value(0, d.family());
    const std::pair<bool, QString> shown[] = {{family != d.family(), u"f=" + family},
        {font.pointSizeF() != d.pointSizeF(), QString::number(font.pointSizeF()) + u"pt"}, {font.bold(), u"b"_s},
        {font.italic(), u"i"_s}, {font.underline(), u"u"_s}, {font.strikeOut(), u"s"_s},
        {font.capitalization() == QFont::AllUppercase, u"caps"_s},
        {font.capitalization() == QFont::SmallCaps, u"scaps"_s},
        {f.verticalAlignment() == QTextCharFormat::AlignSuperScript, u"sup"_s},
        {f.verticalAlignment() == QTextCharFormat::AlignSubScript, u"sub"_s},
        {f.foreground().style() != Qt::NoBrush, f.foreground().color().name()},
        {f.background().style() != Qt::NoBrush, u"bg" + f.background().color().name()}};
    QStringList a;
    for (const auto &[on, text] : shown)
        if (on)
            a << text;
    return a.join(u' ');
}

// Paragraphs joined by "¶", each "[C]", "[R]" or "[J]" unless left, then runs "text[attributes]" joined by "|".
QString runs(const QTextDocument &doc)
{
    QStringList paragraphs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const Qt::Alignment al = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        QString text = al & Qt::AlignHCenter ? u"[C]"_s : al & Qt::AlignRight ? u"[R]"_s
                       : al & Qt::AlignJustify ? u"[J]"_s : u""_s;
        QString last = u"none"_s;
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QString attrs = attributes(it.fragment().charFormat(), doc.defaultFont());
            if (attrs == last)
                text.insert(text.size() - (attrs.isEmpty() ? 0 : attrs.size() + 2), it.fragment().text());
            else
                text += (last == u"none" ? u""_s : u"|"_s) + it.fragment().text() +
                        (attrs.isEmpty() ? u""_s : u'[' + attrs + u']');
            last = attrs;
        }
        paragraphs << text;
    }
    return paragraphs.join(u"¶");
}

void rows(const char *fn, const QList<std::pair<QByteArray, QString>> &rows)
{
    for (const auto &[rtf, expected] : rows) // named in Latin-1: test logs stay valid UTF-8
        QTest::addRow("%s %s", fn, qPrintable(QString::fromLatin1(rtf.left(40)))) << QString(fn) << rtf << expected;
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    // "not" rich text, or the text, runs (also when "cut" short or nested past the depth limit, "deep") or paragraph
    // mark sizes of a document; bodies without "{\rtf" are wrapped in one.
    void read_data()
    {
        QTest::addColumn<QString>("fn");
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("expected");
        const auto nested = [](int depth) -> QByteArray {
            return "{\\rtf1 a" + QByteArray(depth, '{') + "\\b b" + QByteArray(depth, '}') + "c}";
        };
        QByteArray codePages("{\\rtf1 ");
        for (int cp = 1; cp <= 100000; ++cp)
            codePages += "\\ansicpg" + QByteArray::number(cp) + "\\'e9";
        const QByteArray many(100000, '{'), closing(100000, '}');
        rows("not", {{"", ""}, {"Pour the footing first.", ""}, {"/{\\rtf1 Hello}", ""}, {"\\rtf1 Hello", ""},
            {"{\\rt", ""}, {"<html><body>{\\rtf1}</body></html>", ""},
            {QByteArray("\xFF\xFE{\0\\\0r\0t\0f\0", 10), ""}, {"\xEF\xBB\xBF\xEF\xBB\xBF{\\rtf1 A}", ""}});
        rows("text", {{"{\\rtf1\\ansi A}", "A"}, {"{\\rtf\\ansi A}", "A"}, {"\r\n\r\n  \t{\\rtf1 A}", "A"},
            {"\xEF\xBB\xBF{\\rtf1 A}", "A"}, {"\\b  A", " A"}, {"\\fs24Text", "Text"}, {"A\r\nB\rC\nD", "ABCD"},
            {"\\foo A\\bar12 B\\baz-3C", "ABC"}, {"\\abcdefghijklmnopqrstuvwxyzabcdefghij A", "A"},
            {"a\\~b\\-c\\_d", "a\u00A0b\u00ADc\u2011d"},
            {"\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote", "—–•‘’“”"}, {"a\tb", "a\tb"},
            {"a\\\nb", "a\nb"}, {"a\\\r\nb", "a\nb"}, {"a\\page b", "a\nb"}, {"caf\\'e9 \\'80", "café €"},
            {"\\'C9", "É"}, {"a\\'zzb\\'4", "azzb"}, {"\\u233?t\\u233?", "été"}, {"\\u233\\'e9X", "éX"},
            {"\\u233\\emdash X", "éX"}, {"\\uc0\\u233 X", "éX"}, {"\\uc2\\u12354\\'82\\'a0X", "あX"},
            {"\\uc3{\\u233}ab", "éab"}, {"{\\uc2\\u233 ab}\\u233 cd", "ééd"}, {"\\u-3913?", "\uF0B7"},
            {"a\\u-3?b", "a\uFFFDb"}, {"\\u-10179?\\u-8704?", "😀"}, {"\\u-10179?x", "\uFFFDx"},
            {"a\\u70000?b\\u-70000?c", "abc"}, {"a\\u0?b\\u10?c\\u13?d", "abcd"}, {"a\\u8233?b", "a\u2028b"},
            {"\\u65532?\\u-560?", "\uFFFD\uFFFD"}, {"a\x01\x7F" "b", "ab"},
            {"{\\*\\foo hidden {nested} text}shown", "shown"}, {"{\\*\\b hidden}shown", "shown"},
            {"{\\header H}{\\footerl F}A{\\footnote N}B", "AB"}, {"{\\field{\\fldinst PAGE}{\\fldrslt 3}}", "3"},
            {"{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody{\\pntxta .}}Item", "1.\tItem"}, {"a\\bin3 x}yb", "ab"},
            {"a{\\*\\blob\\bin4 }}{{}b", "ab"}, {"a{\\v hidden}b\\v c\\v0 d", "abd"},
            {"\\trowd\\cellx1000\\cellx2000 A\\cell B\\cell\\row C", "A\tB\nC"},
            {"A\\cell\\cell C\\cell\\row", "A\t\tC\n"}, {"A\\par B\\cell C\\cell\\row", "A\nB\tC\n"},
            {"\\itap2 A\\nestcell B\\nestcell{\\*\\nesttableprops\\nestrow}{\\nonesttables X\\par}C", "A\tB\nC"},
            {"{\\rtf1 A}B{\\rtf1 C}", "A"}, {"{\\rtf1\\pc \\'82\\'db}", "é█"}, {"{\\rtf1\\pca \\'9d\\'82}", "Øé"},
            {"{\\rtf1\\mac \\'8e\\'d0}", "é–"}, {"{\\rtf1\\ansi \\'81}", "\uFFFD"},
            {"{\\rtf1\\ansi\\ansicpg99999 \\'e9}", "é"}, {"{\\rtf1\\ansi\\ansicpg1251 \xc0\xe1}", "Аб"},
            {"{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'8a\\'bf}", "あ漢"}, {"{\\rtf1\\ansicpg932 \\'83\\\\}", "ソ"},
            {"{\\rtf1\\ansicpg932 \\'83T}", "サ"}, {"{\\rtf1\\ansicpg932 \\'82\\lang1041\\'a0}", "あ"},
            {"{\\rtf1\\ansicpg932 A\\'82}", "A\uFFFD"},
            {"{\\rtf1\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset222 B;}}\\f1\\'e0\\f0\\'e0}", "เà"},
            {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 A;}}\\f0\\'c4}", "Д"},
            {"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 A;}}\\f0\\'e9}", "é"},
            {"{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 A;}}\\f0\\'e9}", "й"},
            {"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset162 A;}}\\'fd}", "ı"},
            {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset2 Symbol;}}\\f0\\'b7}", "·"},
            // One code page after another: each decodes its own bytes.
            {"{\\rtf1\\ansicpg1250 \\'8a\\'b9\\'e8\\ansicpg1251 \\'c0\\'e1\\'b2\\ansicpg1252 \\'80\\'9c\\'e9"
             "\\ansicpg1253 \\'c1\\'e2\\'e3\\ansicpg1254 \\'fd\\'f0\\'de\\ansicpg1255 \\'e0\\'e1"
             "\\ansicpg1256 \\'c7\\'e1\\ansicpg1257 \\'e0\\'f0\\ansicpg1258 \\'d2\\'fe\\ansicpg874 "
             "\\'a1\\'e0}",
             "ŠąčАбІ€œéΑβγığŞאבالąš\u0309₫กเ"},
            {"{\\rtf1\\ansicpg936 \\'c4\\'e3\\'ba\\'c3\\ansicpg949 \\'c7\\'d1\\ansicpg950 \\'a4\\'a4}", "你好한中"}});
        // Each new code page costs a decoder; past a handful per document they all read as Windows-1252.
        rows("text", {{codePages + "\\ansicpg1251\\'e9}", QString(100001, u'é')}, {"{\\rtf1 A\\bin-5 B}", "AB"},
            {"{\\rtf1 A}}}}B", "A"}, {"{\\rtf1 {\\uc999999999999\\u65 BCD}E}", "AE"},
            {"{\\rtf1\\ansicpg-99999999999\\deff999999999999\\f-2147483648 \\cf99999999999\\highlight-5"
             "\\li-99999999999 A}", "A"},
            {QByteArray("{\\rtf1 A\0B}", 11), "AB"},
            {"{\\rtf1 " + many + "deep" + closing + " after}", "deep after"},
            {"{\\rtf1 A{\\*\\x" + many + closing + "}B}", "AB"}});
        rows("cut", {{"{\\rtf1 Hel", "Hel"}, {"{\\rtf1 A\\b", "A"}, {"{\\rtf1 A\\", "A"}, {"{\\rtf1 A\\'", "A"},
            {"{\\rtf1 A\\'4", "A"}, {"{\\rtf1 A\\u-", "A"}, {"{\\rtf1 A{\\*", "A"},
            {"{\\rtf1{\\fonttbl{\\f0 Ari", ""}, {"{\\rtf1{\\colortbl;\\red255", ""}, {"{\\rtf1 A{\\pict 0123", "A"},
            {"{\\rtf1 A\\bin999999999 xyz", "A"}, {"{\\rtf1 {{{A", "A"}, {"{\\rtf1 " + many + "x", "x"},
            {"{\\rtf1 A" + QByteArray("{\\*").repeated(100000) + "}B", "AB"}, {"{\\rtf1 a\\par\\qc b", "a¶[C]b"}});
        rows("runs", {{"a\\b b\\b0 c", "a|b[b]|c"}, {"{\\b\\i a}b", "a[b i]|b"},
            {"\\ul a\\ulnone b\\uldb c\\ul0 d\\ulw e", "a[u]|b|c[u]|d|e[u]"},
            {"\\strike a\\strike0 b\\striked1 c", "a[s]|b|c[s]"}, {"\\caps a\\caps0\\scaps b", "a[caps]|b[scaps]"},
            {"x\\super 2\\nosupersub y\\sub 3", "x|2[sup]|y|3[sub]"},
            {"\\fs20 a\\fs41 b\\fs c", "a[10pt]|b[20.5pt]|c"},
            {"\\fs999999999999 a\\fs1 b\\fs-5 c", "a[1638pt]|b[1pt]|c"},
            {"\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}a\\f0 b\\f7 c\\plain d",
             "a[f=Arial]|b[f=Times New Roman]|c|d[f=Arial]"},
            {"{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;\\f1\\fnil Menlo;}\\f1 a\\f0 b",
             "a[f=Menlo]|b[f=Helvetica]"},
            {"{\\fonttbl{\\f0\\fnil{\\*\\panose 02020603}Times{\\*\\falt Roman};}}\\f0 a", "a[f=Times]"},
            {"{\\fonttbl{\\f0 \\u12513?\\u12452?\\u12522?\\u12458?;}}\\f0 a", "a[f=メイリオ]"},
            {"{\\rtf1\\ansicpg949{\\fonttbl{\\f0\\fcharset129 \\'b8\\'bc\\'c0\\'ba \\'b0\\'ed\\'b5\\'f1;}}\\f0 a}",
             "a[f=맑은 고딕]"},
            {"{\\rtf1{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c\\'82\\'72 Mincho;}}\\f0 a}", "a[f=ＭＳ Mincho]"},
            {"{\\rtf1{\\fonttbl{\\f0\\fcharset204 \\'c0\\'f0\\'e8\\'e0\\'eb;}}\\f0 a}", "a[f=Ариал]"},
            {"{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}a\\cf1 b\\cf2 c\\cf0 d\\cf9 e",
             "a|b[#ff0000]|c[#0000ff]|de"},
            {"{\\colortbl;\\red999\\green-4\\blue128;}\\cf1 a", "a[#ff0080]"},
            {"{\\colortbl\\red1\\green2\\blue3;\\red0\\green128\\blue0;}\\cf0 a\\cf1 b", "a|b[#008000]"},
            {"{\\colortbl;\\red255\\green255\\blue0;}\\highlight1 a\\highlight0 b", "a[bg#ffff00]|b"},
            {"{\\colortbl;\\red255\\green0\\blue0;}\\b\\i\\ul\\strike\\caps\\super\\cf1\\fs30 a\\plain b",
             "a[15pt b i u s caps sup #ff0000]|b"},
            {"\\b a\\par b", "a[b]¶b[b]"}, {"\\b a\\pard b", "ab[b]"}});
        // 65 536 colours are kept and font names cut at 256 characters.
        rows("runs", {
            {"{\\colortbl" + QByteArray("\\red1;").repeated(70000) + "}\\cf65535 a\\cf65536 b", "a[#010000]|b"},
            {"{\\fonttbl{\\f0 " + QByteArray(1000, 'A') + ";}}\\f0 a", "a[f=" + QString(256, u'A') + "]"},
            {"a\\par b", "a¶b"}, {"\\qc a\\par b", "[C]a¶[C]b"}, {"\\qc a\\par\\pard b", "[C]a¶b"},
            {"\\qr a\\par\\qj b\\par\\ql c\\par\\qd d", "[R]a¶[J]b¶c¶[J]d"}, {"a\\qc\\par\\pard b", "[C]a¶b"},
            {"{\\qc a}\\par b", "a¶b"}, {"a\\par\\qr b", "a¶[R]b"}});
        rows("marks", {{"{\\fs48 \\par}b", "24 12"}, {"\\fs48 a\\par b", "24 24"}, {"a\\fs48\\par b", "24 24"},
            {"a\\par b\\par\\fs16 c\\par d\\par\\fs40\\par", "12 12 8 8 20 20"}});
        // The document's own group is the first level; past the limit, groups below it still restore.
        rows("runs", {{nested(RtfReader::kMaxGroupDepth - 1), "a|b[b]|c"}});
        rows("deep", {{nested(RtfReader::kMaxGroupDepth), "a|b[b]|c"},
            {nested(RtfReader::kMaxGroupDepth * 20), "a|b[b]|c"}});
    }
    void read()
    {
        QFETCH(QString, fn);
        QFETCH(QByteArray, rtf);
        QFETCH(QString, expected);
        if (fn == u"not") {
            QTextDocument doc(u"keep me"_s);
            QVERIFY(!RtfReader::isRichText(rtf) && !RtfReader::read(rtf, &doc).isRichText);
            QCOMPARE(doc.toPlainText(), u"keep me"_s);
            return;
        }
        if (!rtf.contains("{\\rtf"))
            rtf = "{\\rtf1 " + rtf + "}";
        static const QRegularExpression doubleByte(u"cpg9[345]|fcharset12[89]"_s);
        if (doubleByte.match(QString::fromLatin1(rtf)).hasMatch() && !QStringDecoder("windows-932").isValid())
            QSKIP("This Qt has no decoders for double-byte code pages");
        // Reading replaces what the document held and its undo history, but not its default font.
        const Document doc = newDocument(12, u"typed"_s);
        const RtfReader::Result result = RtfReader::read(rtf, doc.get());
        QVERIFY(!doc->isUndoAvailable() && doc->isUndoRedoEnabled() && doc->isModified());
        QCOMPARE(doc->defaultFont(), newDocument()->defaultFont());
        QVERIFY(RtfReader::isRichText(rtf) && result.isRichText && !result.sizeLimited);
        QCOMPARE(result.complete, fn != u"cut");
        if (fn == u"runs" || fn == u"deep")
            QCOMPARE(result.depthLimited, fn == u"deep");
        QStringList marks; // the size of each paragraph mark, which sets the height of an empty line
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            marks << QString::number(b.charFormat().fontPointSize());
        QCOMPARE(fn == u"text" ? rawText(*doc) : fn == u"marks" ? marks.join(u' ') : runs(*doc), expected);
    }

    // Past the limits, further paragraph breaks become line breaks and runs merge: no text is lost.
    void sizeLimits()
    {
        const int paragraphs = RtfReader::kMaxParagraphs + 10, pairs = RtfReader::kMaxRuns / 2 + 10;
        auto [doc, result] = load("{\\rtf1 " + QByteArray("x\\par ").repeated(paragraphs) + "end}");
        QVERIFY(result.sizeLimited);
        QVERIFY(rawText(*doc) == u"x\n"_s.repeated(RtfReader::kMaxParagraphs) + u"x\u2028"_s.repeated(10) + u"end");
        std::tie(doc, result) = load("{\\rtf1 " + QByteArray("\\b x\\b0 y").repeated(pairs) + "}");
        QVERIFY(result.sizeLimited);
        int fragments = 0;
        for (QTextBlock::iterator it = doc->begin().begin(); !it.atEnd(); ++it)
            ++fragments;
        QVERIFY(fragments <= RtfReader::kMaxRuns + 1);
        QCOMPARE(doc->characterCount() - 1, 2 * pairs);
    }

    // Ten times the input may take somewhat longer than ten times as long, but nowhere near a quadratic hundred.
    void largeInputInBoundedTime()
    {
        const QByteArray unit = "Pour {\\b 12 cubic yards} at {\\i $95.00} per yard, \\cf1 then\\cf0  finish.\\par\n"
                                "Block wall, 8 inch, running bond. Block wall, 8 inch, running bond. "
                                "Block wall, 8 inch, running bond. \\u28151?\\u20957?\\u22303?"
                                "{\\pict\\pngblip 89504e470d0a1a0a0000000d4948445200000001000000010806}\\par\n";
        const QString unitText = u"Pour 12 cubic yards at $95.00 per yard, then finish.\n"
                                 u"Block wall, 8 inch, running bond. Block wall, 8 inch, running bond. "
                                 u"Block wall, 8 inch, running bond. 混凝土\n"_s;
        qint64 ms[2] = {};
        for (const int megabytes : {5, 50}) {
            const qsizetype repeats = megabytes * 1024 * 1024 / unit.size();
            const QByteArray rtf = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}" + unit.repeated(repeats) + "}";
            QElapsedTimer timer;
            timer.start();
            const auto [doc, result] = load(rtf);
            ms[megabytes / 50] = timer.elapsed();
            QVERIFY(result.complete && !result.sizeLimited);
            QVERIFY(rawText(*doc) == unitText.repeated(repeats));
        }
        if (TestSupport::timingsApply())
            QVERIFY2(ms[1] < 30 * ms[0] + 5000, qPrintable(u"5 MB in %1 ms, 50 MB in %2 ms"_s.arg(ms[0]).arg(ms[1])));
    }

    // An editor document (HTML or text) → what its RTF contains ("|" between pieces); runs read back if not as written;
    // its plain text where given. An object's place (U+FFFC, where an image is) is left out of both.
    void write_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QByteArray>("contains");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QByteArray>("plain");
        const auto row = [](const QString &input, const char *contains, const QString &expected = {},
                            const char *plain = nullptr) {
            QTest::newRow(qPrintable(input.left(40))) << input << QByteArray(contains) << expected << QByteArray(plain);
        };
        row(u"<p>a <b>b</b> <i>i</i> <u>u</u>3 <s>s</s> <b><i><u>all</u></i></b> H<sub>2</sub>O x<sup>2</sup> "
            u"<span style='text-transform:uppercase'>caps</span> <span style='font-variant:small-caps'>small</span> "
            u"<span style='background-color:#ffff00'>marked</span></p>"_s, "\\ul u\\ulnone 3|\\caps caps");
        row(u"<p><font face='Courier New' color=#ff8000>or</font> <font face=Arial color=#000000>bl</font> "
            u"<font color=#0000ff>bu</font> <font color=#ff8000>or</font></p>"_s,
            "{\\f1\\fnil\\fcharset0 Courier New;}{\\f2\\fnil\\fcharset0 Arial;}|{\\colortbl;\\red255\\green128\\blue0;"
            "\\red0\\green0\\blue0;\\red0\\green0\\blue255;}|\\cf0  \\cf3 bu\\cf0  \\cf1 or");
        row(u"<p align=center><span style='font-family:Arial; font-size:14pt; font-weight:700; font-style:italic; "
            u"text-decoration:underline line-through; color:#123456'>x</span></p><p align=right>r</p>"
            u"<p align=justify>j</p><p><b>one</b></p><p><b>two</b>3 three</p>"_s,
            "\\pard\\qc|\\par\n\\pard\\qr|\\b one\\par\n\\pard two\\b0 3 three");
        row(u"<p><span style='font-size:9.75pt'>a</span><span style='font-size:10.2pt'>b</span><span style='font-size:"
            u"10.5pt'>5</span><span style='font-size:0.25pt'>c</span><span style='font-size:5000pt'>d</span>9</p>"_s,
            "\\fs20 ab\\fs21 5\\fs2 c\\fs3276 d\\fs20 9", u"ab|5[10.5pt]|c[1pt]|d[1638pt]|9"_s);
        row(u"<p><font face='ＭＳ 明朝'>Größe 混凝土 😀 Łódź бетон</font><font face='Semi;colon'>x</font></p>"_s,
            "{\\f1\\fnil\\fcharset0 \\u-211?\\u-205? \\u26126?\\u26397?;}{\\f2\\fnil\\fcharset0 Semicolon;}",
            u"Größe 混凝土 😀 Łódź бетон[f=ＭＳ 明朝]|x[f=Semicolon]"_s);
        row(QString(), "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fnil\\fcharset0 Bookman Old Style;}}\n"
                       "{\\colortbl;}\n\\pard}\n");
        row(u"back\\slash {braces} \\par {\\rtf1} ? ?? ; \\'e9"_s, "back\\\\slash \\{braces\\} \\\\par \\{\\\\rtf1\\}");
        row(u"\tqty\u2028é1 €2 \ta \u2028"_s, "\\pard\\fs20\\tab qty\\line\\u233\\'e91 \\u8364\\'802 \\tab a \\line}");
        row(u"one\n\nthree\n"_s, "one\\par\n\\pard\\par\n\\pard three\\par\n\\pard}");
        row(u"  two\u00A0b\u00ADc\u2011d  "_s, "\\fs20   two\\~b");
        row(u"é€混\uFF21😀\uFFFD\uE000 \U0001D11E Łódź"_s, "\\u233\\'e9\\u8364\\'80\\u28151?\\u-223?\\u-10179?\\u-8704?");
        row(u"a\u0001\u001Fb"_s, "\\pard\\fs20 ab}", u"ab"_s);
        row(u"\uFFFCone\u2028a\u00A0b\tc Größe €\ntwo\n"_s, "\\pard\\fs20 one\\line a\\~b",
            u"one\u2028a\u00A0b\tc Größe €¶two¶"_s, "one\na b\tc Größe €\ntwo\n");
    }
    void write()
    {
        QFETCH(QString, input);
        QFETCH(QByteArray, contains);
        QFETCH(QString, expected);
        QFETCH(QByteArray, plain);
        const Document original = newDocument(10, input);
        const QByteArray rtf = RtfWriter::write(*original);
        QVERIFY(rtf.startsWith("{\\rtf1") && rtf.endsWith("}\n"));
        for (const QByteArray &piece : contains.split('|'))
            QVERIFY2(rtf.contains(piece), qPrintable(QString::fromLatin1(rtf))); // a log stays UTF-8
        QVERIFY(std::all_of(rtf.cbegin(), rtf.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
        const auto [back, read] = load(rtf, 10);
        QVERIFY(read.complete);
        QCOMPARE(runs(*back), expected.isEmpty() ? runs(*original) : expected);
        QCOMPARE(plain.isNull() ? plain : RtfWriter::writePlainText(*original), plain);
    }

    void corpus_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("checks");
        if (TestSupport::corpusRtfFiles().isEmpty())
            QSKIP("The RTF sample corpus is not beside the project (set MORTARIX_CORPUS).");
        // Some samples show (+) or hide (-) a text, or have a run (=).
        QHash<QString, QStringList> checks;
        for (const char *line : {"lo-math-eqarray|-mscr", "lo-word-shapes-flip|-shapeType|-h-and-v",
                 "pandoc-formatting-word|+This is a test of formatting.  This is hidden: .|=bold[f=Helvetica b]"
                 "|=formatting[f=Helvetica caps]|=Small Caps[f=Helvetica scaps]|=superscript[f=Helvetica sup]",
                 "pandoc-table-nested-itap|+Level two before\nDeep A\tDeep B\nDeep C\tDeep D|-FALLBACK",
                 "rtfjs-word2003-sample|+Hi! I’m a test file.|+Cell 1\tCell 2|-actual content of the footnote",
                 "rtfparserkit-cp932-riched-hex|=お元気ですか？[f=ＭＳ Ｐゴシック 9pt]", "striprtf-txtextcontrol-unicode|+<=\t\t≤",
                 "rtfparserkit-wordpad-unicode|+Արամ|+Johann Strauß|+বাংলা|+ᓄᓇᕗᒻᒥᐅᑦ|+中国|+Česká republika",
                 "rtfpipe-word2002-hello|=Hello world[f=Times New Roman 16pt]|={RTF}[f=Courier New 16pt b]",
                 "rtfpipe-wordmac-headers-footers|+Body Text\n\nBody Text page 2|-Header|-Footer",
                 "rtfpipe-wordmac-hyperlink|+mailto:phthenry@earthlink.net?subject=subject line|-HYPERLINK",
                 "rtfpipe-wordpad-list|+Paragraph\n·\tBullet\n·\tBullet 2|+1.\tList 1\n2.\tList 2",
                 "striprtf-cp936-textedit|+印刷情况反映：\n201-003-00155 (Multiple)\n\n市政府情况反映："}) {
            const QStringList parts = QString::fromUtf8(line).split(u'|');
            checks.insert(parts.first() + u".rtf", parts.mid(1));
        }
        for (const QString &file : TestSupport::corpusRtfFiles())
            QTest::newRow(qPrintable(file)) << file << checks.value(file);
    }

    // Every sample reads completely, shows what it should, and writes RTF that reads back the same.
    void corpus()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, checks);
        QFile f(TestSupport::corpusDir() + u"/rtf/" + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const auto [doc, result] = load(f.readAll());
        // Like in its own suite, the one sample with a stray character before "{\rtf" is not rich text.
        QCOMPARE(result.isRichText, file != u"rtfpipe-malformed-leading-junk.rtf");
        if (!result.isRichText)
            return;
        QVERIFY(result.complete && !result.depthLimited && !result.sizeLimited);
        const QString text = doc->toPlainText();
        const QStringList found = runs(*doc).split(QRegularExpression(u"[|¶]|\\[[CRJ]\\]"_s));
        for (const QString &check : checks) {
            const QString s = check.mid(1);
            QVERIFY2(check[0] == u'+' ? text.contains(s) : check[0] == u'-' ? !text.contains(s) : found.contains(s),
                     qPrintable(check));
        }
        const QByteArray rtf = RtfWriter::write(*doc);
        const auto [back, read] = load(rtf);
        QVERIFY(read.complete);
        QCOMPARE(runs(*back), runs(*doc));
        QCOMPARE(RtfWriter::write(*back), rtf); // writing what was read back gives the same file again
    }
};

MORTARIX_CORE_TEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
