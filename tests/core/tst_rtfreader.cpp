#include "core/RtfReader.h"

#include "support/CoreTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Loaded
{
    std::unique_ptr<QTextDocument> doc = std::make_unique<QTextDocument>();
    RtfReader::Result result;
};

Loaded load(const QByteArray &rtf)
{
    Loaded l;
    l.result = RtfReader::read(rtf, l.doc.get());
    return l;
}

// The document's text with blocks joined by "\n"; unlike toPlainText() it keeps non-breaking spaces
// and line separators as they are.
QString rawText(const QTextDocument &doc)
{
    QStringList blocks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        blocks << b.text();
    return blocks.join(u'\n');
}

// A run's formatting in a few words, leaving out what a fresh document has: no family, 12 pt, no
// attributes.
QString attributes(const QTextCharFormat &f)
{
    QStringList a;
    const QStringList families = f.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty())
        a << u"f=" + families.first();
    if (f.hasProperty(QTextFormat::FontPointSize) && f.fontPointSize() != 12)
        a << QString::number(f.fontPointSize()) + u"pt";
    if (f.fontWeight() >= QFont::DemiBold)
        a << QStringLiteral("b");
    if (f.fontItalic())
        a << QStringLiteral("i");
    if (f.fontUnderline())
        a << QStringLiteral("u");
    if (f.fontStrikeOut())
        a << QStringLiteral("s");
    if (f.fontCapitalization() == QFont::AllUppercase)
        a << QStringLiteral("caps");
    if (f.fontCapitalization() == QFont::SmallCaps)
        a << QStringLiteral("scaps");
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        a << QStringLiteral("sup");
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        a << QStringLiteral("sub");
    if (f.foreground().style() != Qt::NoBrush)
        a << f.foreground().color().name();
    if (f.background().style() != Qt::NoBrush)
        a << u"bg" + f.background().color().name();
    return a.join(u' ');
}

// Runs as "text[attributes]", neighbours with the same formatting merged, "¶" between paragraphs.
QStringList runs(const QTextDocument &doc)
{
    QStringList out;
    QString lastAttrs;
    bool canMerge = false;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        if (b != doc.begin()) {
            out << QStringLiteral("¶");
            canMerge = false;
        }
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QString attrs = attributes(it.fragment().charFormat());
            const QString text = it.fragment().text();
            if (canMerge && attrs == lastAttrs) {
                out.last().insert(out.last().size() - (attrs.isEmpty() ? 0 : attrs.size() + 2), text);
                continue;
            }
            out << (attrs.isEmpty() ? text : text + u'[' + attrs + u']');
            lastAttrs = attrs;
            canMerge = true;
        }
    }
    return out;
}

QString alignments(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const Qt::Alignment a = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        out << (a & Qt::AlignHCenter   ? u"C"_s
                : a & Qt::AlignRight   ? u"R"_s
                : a & Qt::AlignJustify ? u"J"_s
                                       : u"L"_s);
    }
    return out.join(u' ');
}

// The size of each paragraph mark, which sets the height of an empty line.
QString markSizes(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        out << QString::number(b.charFormat().fontPointSize());
    return out.join(u' ');
}

QString corpusFile(const QString &name)
{
    return TestSupport::corpusDir() + u"/rtf/" + name;
}

QByteArray readCorpusFile(const QString &name)
{
    QFile f(corpusFile(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void notRichText_data();
    void notRichText();
    void acceptedHeaders_data();
    void acceptedHeaders();
    void text_data();
    void text();
    void codePages_data();
    void codePages();
    void formatting_data();
    void formatting();
    void fontNamesInTheirCharset_data();
    void fontNamesInTheirCharset();
    void alignment_data();
    void alignment();
    void paragraphMarkSize_data();
    void paragraphMarkSize();
    void replacesContentAndUndo();
    void malformed_data();
    void malformed();
    void depthLimitKeepsTextAndScope_data();
    void depthLimitKeepsTextAndScope();
    void tableLimits();
    void manyCodePages();
    void randomInputNeverBreaks();
    void paragraphLimit();
    void runLimit();
    void largeInputInBoundedTime();
    void corpusReadsAsRichText_data();
    void corpusReadsAsRichText();
    void corpusText_data();
    void corpusText();
    void corpusFormatting_data();
    void corpusFormatting();
};

void TestRtfReader::notRichText_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("plain text") << QByteArray("Pour the footing first.");
    QTest::newRow("stray character before the brace") << QByteArray("/{\\rtf1 Hello}");
    QTest::newRow("text before the brace") << QByteArray("x {\\rtf1 Hello}");
    QTest::newRow("no brace") << QByteArray("\\rtf1 Hello");
    QTest::newRow("cut short") << QByteArray("{\\rt");
    QTest::newRow("other control word") << QByteArray("{\\ansi Hello}");
    QTest::newRow("html") << QByteArray("<html><body>{\\rtf1}</body></html>");
    QTest::newRow("utf-16") << QByteArray("\xFF\xFE{\0\\\0r\0t\0f\0", 10);
    QTest::newRow("two byte-order marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF{\\rtf1 A}");
}

void TestRtfReader::notRichText()
{
    QFETCH(QByteArray, input);
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("keep me"));
    const RtfReader::Result r = RtfReader::read(input, &doc);
    QVERIFY(!r.isRichText);
    QVERIFY(!r);
    QVERIFY(!RtfReader::isRichText(input));
    QCOMPARE(doc.toPlainText(), QStringLiteral("keep me"));
}

void TestRtfReader::acceptedHeaders_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::newRow("plain header") << QByteArray("{\\rtf1\\ansi A}");
    QTest::newRow("no version") << QByteArray("{\\rtf\\ansi A}");
    QTest::newRow("version 0") << QByteArray("{\\rtf0 A}");
    QTest::newRow("leading blank lines") << QByteArray("\r\n\r\n  \t{\\rtf1 A}");
    QTest::newRow("utf-8 byte-order mark") << QByteArray("\xEF\xBB\xBF{\\rtf1 A}");
}

void TestRtfReader::acceptedHeaders()
{
    QFETCH(QByteArray, input);
    QVERIFY(RtfReader::isRichText(input));
    const Loaded l = load(input);
    QVERIFY(l.result.isRichText);
    QVERIFY(l.result.complete);
    QCOMPARE(rawText(*l.doc), QStringLiteral("A"));
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, const char *body, const QString &expected) {
        QTest::newRow(name) << (QByteArray("{\\rtf1 ") + body + '}') << expected;
    };
    row("space after a control word is eaten", "\\b Bold", u"Bold"_s);
    row("only one space is eaten", "\\b  A", u" A"_s);
    row("digits end the parameter", "\\fs24Text", u"Text"_s);
    row("parameter then letter", "a\\b0x", u"ax"_s);
    row("negative parameter", "\\li-720 A", u"A"_s);
    row("unknown words are ignored", "\\foo A\\bar12 B\\baz-3C", u"ABC"_s);
    row("overlong word is ignored", "\\abcdefghijklmnopqrstuvwxyzabcdefghij A", u"A"_s);
    row("line ends in the file are not text", "A\r\nB\rC\nD", u"ABCD"_s);
    row("escaped braces and backslash", "\\{ \\} \\\\", u"{ } \\"_s);
    row("non-breaking space, hyphens", "a\\~b\\-c\\_d", u"a\u00A0b\u00ADc\u2011d"_s);
    row("named characters", "\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote",
        u"\u2014\u2013\u2022\u2018\u2019\u201C\u201D"_s);
    row("tab and line break", "a\\tab b\\line c", u"a\tb\u2028c"_s);
    row("literal tab", "a\tb", u"a\tb"_s);
    row("paragraphs", "a\\par b\\par", u"a\nb\n"_s);
    row("backslash before line feed ends a paragraph", "a\\\nb", u"a\nb"_s);
    row("backslash before CR LF ends a paragraph", "a\\\r\nb", u"a\nb"_s);
    row("page break ends a paragraph", "a\\page b", u"a\nb"_s);
    row("hex byte, Windows-1252 by default", "caf\\'e9 \\'80", u"café €"_s);
    row("hex digits in upper case", "\\'C9", u"É"_s);
    row("bad hex is dropped", "a\\'zzb\\'4", u"azzb"_s);
    row("unicode with fallback", "\\u233?t\\u233?", u"été"_s);
    row("unicode fallback as hex byte", "\\u233\\'e9X", u"éX"_s);
    row("unicode fallback as control word", "\\u233\\emdash X", u"éX"_s);
    row("no fallback with uc0", "\\uc0\\u233 X", u"éX"_s);
    row("two-byte fallback", "\\uc2\\u12354\\'82\\'a0X", u"あX"_s);
    row("fallback ends at a group end", "\\uc3{\\u233}ab", u"éab"_s);
    row("uc is scoped to its group", "{\\uc2\\u233 ab}\\u233 cd", u"ééd"_s);
    row("negative unicode", "\\u-3913?", u"\uF0B7"_s);
    row("unicode minus three", "a\\u-3?b", u"a\uFFFDb"_s);
    row("surrogate pair", "\\u-10179?\\u-8704?", QString::fromUtf8("\xF0\x9F\x98\x80"));
    row("lone surrogate", "\\u-10179?x", u"\uFFFDx"_s);
    row("unicode out of range", "a\\u70000?b\\u-70000?c", u"abc"_s);
    row("unicode control characters dropped", "a\\u0?b\\u10?c\\u13?d", u"abcd"_s);
    row("paragraph separator becomes a line break", "a\\u8233?b", u"a\u2028b"_s);
    row("document structure characters replaced", "\\u65532?\\u-560?", u"\uFFFD\uFFFD"_s);
    row("control bytes in text dropped",
        "a\x01\x7F"
        "b",
        u"ab"_s);
    row("starred destination skipped", "{\\*\\foo hidden {nested} text}shown", u"shown"_s);
    row("starred known word still skipped", "{\\*\\b hidden}shown", u"shown"_s);
    row("font table not text", "{\\fonttbl{\\f0 Arial;}}A", u"A"_s);
    row("colour table not text", "{\\colortbl;\\red1\\green2\\blue3;}A", u"A"_s);
    row("stylesheet, info, picture skipped",
        "{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}{\\author Me}}{\\pict\\pngblip 89504e47}A", u"A"_s);
    row("header, footer, footnote skipped", "{\\header H}{\\footerl F}A{\\footnote N}B", u"AB"_s);
    row("field shows its result", "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}", u"link"_s);
    row("field instruction without star", "{\\field{\\fldinst PAGE}{\\fldrslt 3}}", u"3"_s);
    row("list text kept, list definition skipped", "{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody{\\pntxta .}}Item",
        u"1.\tItem"_s);
    row("binary data skipped in text", "a\\bin3 x}yb", u"ab"_s);
    row("binary data skipped in a skipped group", "a{\\*\\blob\\bin4 }}{{}b", u"ab"_s);
    row("hidden text left out", "a{\\v hidden}b\\v c\\v0 d", u"abd"_s);
    row("table cells tab-separated", "\\trowd\\cellx1000\\cellx2000 A\\cell B\\cell\\row C", u"A\tB\nC"_s);
    row("empty cells keep their tabs", "A\\cell\\cell C\\cell\\row", u"A\t\tC\n"_s);
    row("paragraphs inside a cell", "A\\par B\\cell C\\cell\\row", u"A\nB\tC\n"_s);
    row("nested table cells",
        "\\itap2 A\\nestcell B\\nestcell{\\*\\nesttableprops\\nestrow}{\\nonesttables X\\par}C",
        u"A\tB\nC"_s);
    row("text after the document is ignored", "A}B{\\rtf1 C", u"A"_s);
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    const Loaded l = load(input);
    QVERIFY(l.result.isRichText);
    QCOMPARE(rawText(*l.doc), expected);
}

void TestRtfReader::codePages_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QByteArray>("needsDecoder");
    auto row = [](const char *name, const char *rtf, const QString &expected, const char *decoder = "") {
        QTest::newRow(name) << QByteArray(rtf) << expected << QByteArray(decoder);
    };
    row("1250 Central European", "{\\rtf1\\ansi\\ansicpg1250 \\'8a\\'b9\\'e8}", u"Šąč"_s);
    row("1251 Cyrillic", "{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1\\'b2}", u"АбІ"_s);
    row("1252 Western", "{\\rtf1\\ansi\\ansicpg1252 \\'80\\'9c\\'e9}", u"€œé"_s);
    row("1253 Greek", "{\\rtf1\\ansi\\ansicpg1253 \\'c1\\'e2\\'e3}", u"Αβγ"_s);
    row("1254 Turkish", "{\\rtf1\\ansi\\ansicpg1254 \\'fd\\'f0\\'de}", u"ığŞ"_s);
    row("1255 Hebrew", "{\\rtf1\\ansi\\ansicpg1255 \\'e0\\'e1}", u"אב"_s);
    row("1256 Arabic", "{\\rtf1\\ansi\\ansicpg1256 \\'c7\\'e1}", u"ال"_s);
    row("1257 Baltic", "{\\rtf1\\ansi\\ansicpg1257 \\'e0\\'f0}", u"ąš"_s);
    row("1258 Vietnamese", "{\\rtf1\\ansi\\ansicpg1258 \\'d2\\'fe}", u"\u0309₫"_s);
    row("874 Thai", "{\\rtf1\\ansi\\ansicpg874 \\'a1\\'e0}", u"กเ"_s);
    row("437 by \\pc", "{\\rtf1\\pc \\'82\\'db}", u"é█"_s);
    row("850 by \\pca", "{\\rtf1\\pca \\'9d\\'82}", u"Øé"_s);
    row("Mac Roman by \\mac", "{\\rtf1\\mac \\'8e\\'d0}", u"é–"_s);
    row("undefined byte", "{\\rtf1\\ansi \\'81}", u"\uFFFD"_s);
    row("unknown code page reads as 1252", "{\\rtf1\\ansi\\ansicpg99999 \\'e9}", u"é"_s);
    row("raw 8-bit bytes", "{\\rtf1\\ansi\\ansicpg1251 \xc0\xe1}", u"Аб"_s);
    row("932 Japanese", "{\\rtf1\\ansi\\ansicpg932 \\'82\\'a0\\'8a\\'bf}", u"あ漢"_s, "windows-932");
    row("932 trail byte written as escaped backslash", "{\\rtf1\\ansicpg932 \\'83\\\\}", u"ソ"_s,
        "windows-932");
    row("932 trail byte written as text", "{\\rtf1\\ansicpg932 \\'83T}", u"サ"_s, "windows-932");
    row("932 character across an ignored word", "{\\rtf1\\ansicpg932 \\'82\\lang1041\\'a0}", u"あ"_s,
        "windows-932");
    row("932 lead byte at the end", "{\\rtf1\\ansicpg932 A\\'82}", u"A\uFFFD"_s, "windows-932");
    row("936 Chinese", "{\\rtf1\\ansi\\ansicpg936 \\'c4\\'e3\\'ba\\'c3}", u"你好"_s, "windows-936");
    row("949 Korean", "{\\rtf1\\ansi\\ansicpg949 \\'c7\\'d1}", u"한"_s, "windows-949");
    row("950 Traditional Chinese", "{\\rtf1\\ansi\\ansicpg950 \\'a4\\'a4}", u"中"_s, "windows-950");
    row("font charset says more than ansicpg",
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset222 B;}}\\f1\\'e0\\f0\\'e0}",
        u"เà"_s);
    row("charset 204 under 1252", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 A;}}\\f0\\'c4}", u"Д"_s);
    row("charset 0 means Windows-1252", "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 A;}}\\f0\\'e9}",
        u"é"_s);
    row("font without charset follows ansicpg", "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 A;}}\\f0\\'e9}",
        u"й"_s);
    row("default font's charset", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fcharset162 A;}}\\'fd}", u"ı"_s);
    row("symbol charset follows ansicpg", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset2 Symbol;}}\\f0\\'b7}",
        u"·"_s);
}

void TestRtfReader::codePages()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QFETCH(QByteArray, needsDecoder);
    if (!needsDecoder.isEmpty() && !QStringDecoder(needsDecoder.constData()).isValid())
        QSKIP("This Qt has no decoder for this double-byte code page");
    QCOMPARE(rawText(*load(input).doc), expected);
}

void TestRtfReader::formatting_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QStringList>("expected");
    auto row = [](const char *name, const char *body, const QStringList &expected) {
        QTest::newRow(name) << (QByteArray("{\\rtf1 ") + body + '}') << expected;
    };
    row("bold on and off", "a\\b b\\b0 c", {u"a"_s, u"b[b]"_s, u"c"_s});
    row("bold with parameter", "\\b1 a\\b0 b", {u"a[b]"_s, u"b"_s});
    row("group restores formatting", "{\\b\\i a}b", {u"a[b i]"_s, u"b"_s});
    row("underline variants", "\\ul a\\ulnone b\\uldb c\\ul0 d\\ulw e",
        {u"a[u]"_s, u"b"_s, u"c[u]"_s, u"d"_s, u"e[u]"_s});
    row("strikethrough", "\\strike a\\strike0 b\\striked1 c", {u"a[s]"_s, u"b"_s, u"c[s]"_s});
    row("capitals", "\\caps a\\caps0\\scaps b", {u"a[caps]"_s, u"b[scaps]"_s});
    row("superscript and subscript", "x\\super 2\\nosupersub y\\sub 3",
        {u"x"_s, u"2[sup]"_s, u"y"_s, u"3[sub]"_s});
    row("sizes in half points", "\\fs20 a\\fs41 b\\fs c", {u"a[10pt]"_s, u"b[20.5pt]"_s, u"c"_s});
    row("absurd sizes are clamped", "\\fs999999999999 a\\fs1 b\\fs-5 c",
        {u"a[1638pt]"_s, u"b[1pt]"_s, u"c"_s});
    row("fonts from the table",
        "\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}a\\f0 b\\f7 c\\plain d",
        {u"a[f=Arial]"_s, u"b[f=Times New Roman]"_s, u"c"_s, u"d[f=Arial]"_s});
    row("font table without groups",
        "{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;\\f1\\fnil Menlo;}\\f1 a\\f0 b",
        {u"a[f=Menlo]"_s, u"b[f=Helvetica]"_s});
    row("font table extras skipped",
        "{\\fonttbl{\\f0\\fnil{\\*\\panose 02020603}Times{\\*\\falt Roman};}}\\f0 a", {u"a[f=Times]"_s});
    row("font name with unicode", "{\\fonttbl{\\f0 \\u12513?\\u12452?\\u12522?\\u12458?;}}\\f0 a",
        {u"a[f=メイリオ]"_s});
    row("colours",
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}a\\cf1 b\\cf2 c\\cf0 d\\cf9 e",
        {u"a"_s, u"b[#ff0000]"_s, u"c[#0000ff]"_s, u"de"_s});
    row("colour components clamped", "{\\colortbl;\\red999\\green-4\\blue128;}\\cf1 a", {u"a[#ff0080]"_s});
    row("colour 0 is automatic", "{\\colortbl\\red1\\green2\\blue3;\\red0\\green128\\blue0;}\\cf0 a\\cf1 b",
        {u"a"_s, u"b[#008000]"_s});
    row("highlight", "{\\colortbl;\\red255\\green255\\blue0;}\\highlight1 a\\highlight0 b",
        {u"a[bg#ffff00]"_s, u"b"_s});
    row("plain resets everything",
        "{\\colortbl;\\red255\\green0\\blue0;}\\b\\i\\ul\\strike\\caps\\super\\cf1\\fs30 a\\plain b",
        {u"a[15pt b i u s caps sup #ff0000]"_s, u"b"_s});
    row("formatting carries over paragraphs", "\\b a\\par b", {u"a[b]"_s, u"¶"_s, u"b[b]"_s});
    row("paragraph default keeps character formatting", "\\b a\\pard b", {u"ab[b]"_s});
}

void TestRtfReader::formatting()
{
    QFETCH(QByteArray, input);
    QFETCH(QStringList, expected);
    QCOMPARE(runs(*load(input).doc), expected);
}

void TestRtfReader::fontNamesInTheirCharset_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("family");
    QTest::addColumn<QByteArray>("needsDecoder");
    QTest::newRow("Korean name") << QByteArray("{\\rtf1\\ansicpg949{\\fonttbl{\\f0\\fcharset129 "
                                               "\\'b8\\'bc\\'c0\\'ba \\'b0\\'ed\\'b5\\'f1;}}\\f0 a}")
                                 << u"맑은 고딕"_s << QByteArray("windows-949");
    QTest::newRow("Japanese name under Western code page")
        << QByteArray(
               "{\\rtf1\\ansicpg1252{\\fonttbl{\\f0\\fcharset128 \\'82\\'6c\\'82\\'72 Mincho;}}\\f0 a}")
        << u"ＭＳ Mincho"_s << QByteArray("windows-932");
    QTest::newRow("Cyrillic name")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset204 \\'c0\\'f0\\'e8\\'e0\\'eb;}}\\f0 a}") << u"Ариал"_s
        << QByteArray();
}

void TestRtfReader::fontNamesInTheirCharset()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, family);
    QFETCH(QByteArray, needsDecoder);
    if (!needsDecoder.isEmpty() && !QStringDecoder(needsDecoder.constData()).isValid())
        QSKIP("This Qt has no decoder for this double-byte code page");
    QCOMPARE(runs(*load(input).doc), QStringList{u"a[f=" + family + u']'});
}

void TestRtfReader::alignment_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("left by default") << QByteArray("{\\rtf1 a\\par b}") << u"L L"_s;
    QTest::newRow("alignment carries over") << QByteArray("{\\rtf1\\qc a\\par b}") << u"C C"_s;
    QTest::newRow("pard resets") << QByteArray("{\\rtf1\\qc a\\par\\pard b}") << u"C L"_s;
    QTest::newRow("each kind") << QByteArray("{\\rtf1\\qr a\\par\\qj b\\par\\ql c\\par\\qd d}")
                               << u"R J L J"_s;
    QTest::newRow("set at the paragraph mark") << QByteArray("{\\rtf1 a\\qc\\par\\pard b}") << u"C L"_s;
    QTest::newRow("scoped to its group") << QByteArray("{\\rtf1 {\\qc a}\\par b}") << u"L L"_s;
    QTest::newRow("last paragraph without a mark") << QByteArray("{\\rtf1 a\\par\\qr b}") << u"L R"_s;
    QTest::newRow("truncated last paragraph") << QByteArray("{\\rtf1 a\\par\\qc b") << u"L C"_s;
}

void TestRtfReader::alignment()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QCOMPARE(alignments(*load(input).doc), expected);
}

void TestRtfReader::paragraphMarkSize_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::newRow("empty large line") << QByteArray("{\\rtf1 {\\fs48 \\par}b}") << u"24 12"_s;
    QTest::newRow("size carries over") << QByteArray("{\\rtf1\\fs48 a\\par b}") << u"24 24"_s;
    QTest::newRow("set at the paragraph mark") << QByteArray("{\\rtf1 a\\fs48\\par b}") << u"24 24"_s;
    QTest::newRow("changed between runs of paragraphs")
        << QByteArray("{\\rtf1 a\\par b\\par\\fs16 c\\par d\\par\\fs40\\par}") << u"12 12 8 8 20 20"_s;
}

void TestRtfReader::paragraphMarkSize()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QCOMPARE(markSizes(*load(input).doc), expected);
}

void TestRtfReader::replacesContentAndUndo()
{
    QTextDocument doc;
    QFont defaultFont(QStringLiteral("Bookman Old Style"));
    defaultFont.setPointSizeF(9.75);
    doc.setDefaultFont(defaultFont);
    doc.setPlainText(QStringLiteral("old text\nin two paragraphs"));
    QTextCursor(&doc).insertText(QStringLiteral("typed "));
    QVERIFY(doc.isUndoAvailable());

    QVERIFY(RtfReader::read("{\\rtf1\\qc New\\par}", &doc).isRichText);
    QCOMPARE(rawText(doc), QStringLiteral("New\n"));
    QVERIFY(!doc.isUndoAvailable());
    QVERIFY(doc.isUndoRedoEnabled());
    QVERIFY(doc.isModified());
    QCOMPARE(doc.defaultFont(), defaultFont);
}

void TestRtfReader::malformed_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("complete");
    QTest::newRow("truncated in text") << QByteArray("{\\rtf1 Hel") << u"Hel"_s << false;
    QTest::newRow("truncated in a word") << QByteArray("{\\rtf1 A\\b") << u"A"_s << false;
    QTest::newRow("truncated after backslash") << QByteArray("{\\rtf1 A\\") << u"A"_s << false;
    QTest::newRow("truncated hex byte") << QByteArray("{\\rtf1 A\\'") << u"A"_s << false;
    QTest::newRow("truncated hex digit") << QByteArray("{\\rtf1 A\\'4") << u"A"_s << false;
    QTest::newRow("truncated unicode") << QByteArray("{\\rtf1 A\\u-") << u"A"_s << false;
    QTest::newRow("truncated star") << QByteArray("{\\rtf1 A{\\*") << u"A"_s << false;
    QTest::newRow("truncated font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari") << u""_s << false;
    QTest::newRow("truncated colour table") << QByteArray("{\\rtf1{\\colortbl;\\red255") << u""_s << false;
    QTest::newRow("truncated picture") << QByteArray("{\\rtf1 A{\\pict 0123") << u"A"_s << false;
    QTest::newRow("truncated binary") << QByteArray("{\\rtf1 A\\bin999999999 xyz") << u"A"_s << false;
    QTest::newRow("negative binary length") << QByteArray("{\\rtf1 A\\bin-5 B}") << u"AB"_s << true;
    QTest::newRow("extra closing braces") << QByteArray("{\\rtf1 A}}}}B") << u"A"_s << true;
    QTest::newRow("unclosed groups") << QByteArray("{\\rtf1 {{{A") << u"A"_s << false;
    QTest::newRow("absurd uc skips to the group end")
        << QByteArray("{\\rtf1 {\\uc999999999999\\u65 BCD}E}") << u"AE"_s << true;
    QTest::newRow("absurd parameters")
        << QByteArray("{\\rtf1\\ansicpg-99999999999\\deff999999999999\\f-2147483648 "
                      "\\cf99999999999\\highlight-5\\li-99999999999 A}")
        << u"A"_s << true;
    QTest::newRow("nul bytes") << QByteArray("{\\rtf1 A\0B}", 11) << u"AB"_s << true;
    QTest::newRow("100 000 nested groups")
        << (QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + " after}")
        << u"deep after"_s << true;
    QTest::newRow("100 000 groups never closed")
        << (QByteArray("{\\rtf1 ") + QByteArray(100000, '{') + "x") << u"x"_s << false;
    QTest::newRow("100 000 stars") << (QByteArray("{\\rtf1 A") + QByteArray("{\\*").repeated(100000) + "}B")
                                   << u"AB"_s << false;
    QTest::newRow("skipped groups nest freely")
        << (QByteArray("{\\rtf1 A{\\*\\x") + QByteArray(100000, '{') + QByteArray(100000, '}') + "}B}")
        << u"AB"_s << true;
}

void TestRtfReader::malformed()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, expected);
    QFETCH(bool, complete);
    const Loaded l = load(input);
    QVERIFY(l.result.isRichText);
    QCOMPARE(l.result.complete, complete);
    QCOMPARE(rawText(*l.doc), expected);
}

void TestRtfReader::depthLimitKeepsTextAndScope_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<bool>("limited");
    // The document's own group counts as the first level.
    QTest::newRow("at the limit") << RtfReader::kMaxGroupDepth - 1 << false;
    QTest::newRow("one past the limit") << RtfReader::kMaxGroupDepth << true;
    QTest::newRow("far past the limit") << RtfReader::kMaxGroupDepth * 20 << true;
}

void TestRtfReader::depthLimitKeepsTextAndScope()
{
    QFETCH(int, depth);
    QFETCH(bool, limited);
    const QByteArray rtf = "{\\rtf1 a" + QByteArray(depth, '{') + "\\b b" + QByteArray(depth, '}') + "c}";
    const Loaded l = load(rtf);
    QCOMPARE(l.result.depthLimited, limited);
    QVERIFY(l.result.complete);
    // Past the limit, "b" may share its group's state, but the groups below the limit still restore it.
    QCOMPARE(runs(*l.doc), (QStringList{u"a"_s, u"b[b]"_s, u"c"_s}));
}

void TestRtfReader::tableLimits()
{
    // 65 536 colours are kept; more are ignored.
    const QByteArray colours = "{\\colortbl" + QByteArray("\\red1;").repeated(70000) + "}";
    QCOMPARE(runs(*load("{\\rtf1" + colours + "\\cf65535 a\\cf65536 b}").doc),
             (QStringList{u"a[#010000]"_s, u"b"_s}));
    // Font names are cut at 256 characters.
    const QByteArray longName = "{\\rtf1{\\fonttbl{\\f0 " + QByteArray(1000, 'A') + ";}}\\f0 a}";
    QCOMPARE(runs(*load(longName).doc), QStringList{u"a[f=" + QString(256, u'A') + u']'});
}

void TestRtfReader::manyCodePages()
{
    // Each new code page costs a decoder; past a handful per document they all read as Windows-1252.
    QByteArray rtf("{\\rtf1 ");
    for (int cp = 1; cp <= 100000; ++cp)
        rtf += "\\ansicpg" + QByteArray::number(cp) + "\\'e9";
    rtf += "\\ansicpg1251\\'e9}";
    const Loaded l = load(rtf);
    QVERIFY(l.result.complete);
    QCOMPARE(rawText(*l.doc), QString(100001, u'é'));
}

void TestRtfReader::randomInputNeverBreaks()
{
    // Fragments that exercise every path; a run under the sanitizers turns a slip into a failure.
    static const char *const pieces[] = {"{",
                                         "}",
                                         "\\",
                                         "\\'",
                                         "\\'8",
                                         "\\'82",
                                         "\\u",
                                         "\\u-",
                                         "\\u12354",
                                         "\\uc2",
                                         "\\uc0",
                                         "\\*",
                                         "\\bin",
                                         "\\bin2 ",
                                         "\\fonttbl",
                                         "\\colortbl",
                                         "\\f1",
                                         "\\fcharset128",
                                         "\\red9",
                                         ";",
                                         "\\par",
                                         "\\cell",
                                         "\\row",
                                         "\\pict",
                                         "\\fs",
                                         "\\b",
                                         "\\ansicpg932",
                                         "\\plain",
                                         "x",
                                         "\xE9",
                                         " ",
                                         "0",
                                         "-",
                                         "\r\n",
                                         "\\~",
                                         "\\v",
                                         "\\deff1",
                                         "\\highlight1",
                                         "\\cf1",
                                         "\\line",
                                         "\\nestcell"};
    QRandomGenerator rng(20240601);
    for (int round = 0; round < 300; ++round) {
        QByteArray rtf("{\\rtf1 ");
        const int count = int(rng.bounded(400));
        for (int i = 0; i < count; ++i)
            rtf += pieces[rng.bounded(int(std::size(pieces)))];
        QTextDocument doc;
        const RtfReader::Result r = RtfReader::read(rtf, &doc);
        QVERIFY2(r.isRichText, rtf.constData());
        QVERIFY(doc.characterCount() >= 1);
    }
}

void TestRtfReader::paragraphLimit()
{
    const int paragraphs = RtfReader::kMaxParagraphs + 10;
    const QByteArray rtf = "{\\rtf1 " + QByteArray("x\\par ").repeated(paragraphs) + "end}";
    const Loaded l = load(rtf);
    QVERIFY(l.result.sizeLimited);
    QCOMPARE(l.doc->blockCount(), RtfReader::kMaxParagraphs + 1);
    // Breaks past the limit become line breaks: no text is lost.
    const QString text = rawText(*l.doc);
    QCOMPARE(text.count(u'x'), paragraphs);
    QCOMPARE(text.count(u'\u2028'), 10);
    QVERIFY(text.endsWith(u"x\u2028end"));
}

void TestRtfReader::runLimit()
{
    const int pairs = RtfReader::kMaxRuns / 2 + 10;
    const QByteArray rtf = "{\\rtf1 " + QByteArray("\\b x\\b0 y").repeated(pairs) + "}";
    const Loaded l = load(rtf);
    QVERIFY(l.result.sizeLimited);
    int fragments = 0;
    for (QTextBlock::iterator it = l.doc->begin().begin(); !it.atEnd(); ++it)
        ++fragments;
    QVERIFY(fragments <= RtfReader::kMaxRuns + 1);
    QCOMPARE(l.doc->characterCount() - 1, 2 * pairs);
}

void TestRtfReader::largeInputInBoundedTime()
{
    // Formatted paragraphs, plain text, Unicode escapes and picture data, over and over.
    const QByteArray unit =
        "Pour {\\b 12 cubic yards} at {\\i $95.00} per yard, \\cf1 then\\cf0  finish.\\par\n"
        "Block wall, 8 inch, running bond. Block wall, 8 inch, running bond. "
        "Block wall, 8 inch, running bond. \\u28151?\\u20957?\\u22303?"
        "{\\pict\\pngblip 89504e470d0a1a0a0000000d4948445200000001000000010806}\\par\n";
    const QString unitText = u"Pour 12 cubic yards at $95.00 per yard, then finish.\n"
                             u"Block wall, 8 inch, running bond. Block wall, 8 inch, running bond. "
                             u"Block wall, 8 inch, running bond. 混凝土\n"_s;
    auto timeToRead = [&](qsizetype megabytes) -> qint64 {
        const qsizetype repeats = megabytes * 1024 * 1024 / unit.size();
        const QByteArray rtf = "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}" + unit.repeated(repeats) + "}";
        QElapsedTimer timer;
        timer.start();
        const Loaded l = load(rtf);
        const qint64 ms = timer.elapsed();
        qInfo("%lld MB read in %lld ms", qint64(megabytes), ms);
        [&] {
            QVERIFY(l.result.complete);
            QVERIFY(!l.result.sizeLimited);
            const QString text = rawText(*l.doc);
            QCOMPARE(text.size(), unitText.size() * repeats);
            QVERIFY(text.startsWith(unitText + unitText));
            QVERIFY(text.endsWith(unitText));
        }();
        return ms;
    };
    const qint64 small = timeToRead(5);
    if (QTest::currentTestFailed())
        return;
    const qint64 large = timeToRead(50);
    // Ten times the input may take somewhat more than ten times as long (the document's own indexes
    // grow), but nowhere near the hundred times of a quadratic step; the slack covers a busy machine.
    if (TestSupport::timingsApply())
        QVERIFY2(large < 30 * small + 5000, qPrintable(u"5 MB: %1 ms, 50 MB: %2 ms"_s.arg(small).arg(large)));
}

void TestRtfReader::corpusReadsAsRichText_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &f : TestSupport::corpusRtfFiles())
        QTest::newRow(qPrintable(f)) << f;
}

void TestRtfReader::corpusReadsAsRichText()
{
    if (TestSupport::corpusDir().isEmpty())
        QSKIP("The sample corpus (../shared/corpus or MORTARIX_CORPUS) is not there");
    QFETCH(QString, file);
    const QByteArray bytes = readCorpusFile(file);
    QVERIFY(!bytes.isEmpty());
    const Loaded l = load(bytes);
    // The one sample with a stray character before "{\rtf" is, like in its own suite, not rich text.
    const bool junk = file == u"rtfpipe-malformed-leading-junk.rtf";
    QCOMPARE(l.result.isRichText, !junk);
    if (!junk) {
        QVERIFY(l.result.complete);
        QVERIFY(!l.result.depthLimited);
        QVERIFY(!l.result.sizeLimited);
    }
}

void TestRtfReader::corpusText_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");
    auto row = [](const char *file, const QStringList &present, const QStringList &absent = {}) {
        QTest::newRow(file) << QString::fromLatin1(file) << present << absent;
    };
    row("lo-abiword-header.rtf", {u"the big green dog bit the little afgan."_s}, {u"header"_s});
    row("lo-hyperlink-backslashes.rtf", {u"link"_s}, {u"doc1.doc"_s, u"HYPERLINK"_s});
    row("lo-math-eqarray.rtf", {}, {u"mscr"_s});
    row("lo-userprops.rtf", {}, {u"urn:bails"_s, u"2016"_s});
    row("lo-word-shapes-flip.rtf", {}, {u"shapeType"_s, u"h-and-v"_s});
    row("pandoc-accent.rtf", {u"le café où on ne fume pas"_s});
    row("pandoc-bookmark.rtf", {u"Bookmark_1\nclick me"_s}, {u"bookmark_1"_s, u"HYPERLINK"_s});
    row("pandoc-footnote.rtf",
        {u"Mead's landmark study has been amply annotated. It was her work in America"_s,
         u"this period was a turning point for Margaret Mead."_s},
        {u"Sahlins"_s, u"bibliography"_s});
    row("pandoc-formatting-word.rtf",
        {u"This is a test of formatting.  This is hidden: ."_s, u"Small Caps"_s, u"bold and italics"_s,
         u"xsuperscript\nxsubscript"_s},
        {u"John MacFarlane"_s});
    row("pandoc-list-complex-word.rtf", {u"One"_s, u"Twelve"_s, u"Out of list!"_s, u"Eight Continue"_s});
    row("pandoc-list-simple-textedit.rtf", {u"one"_s, u"sub"_s, u"new list"_s});
    row("pandoc-table-nested-itap.rtf",
        {u"Level two before\nDeep A\tDeep B\nDeep C\tDeep D"_s, u"Outside table"_s}, {u"FALLBACK"_s});
    row("rtfjs-png-hex.rtf", {}, {u"89504e47"_s, u"89504E47"_s});
    row("rtfjs-textedit-superscript.rtf", {u"Normalsupersub and normal once again."_s});
    row("rtfjs-word2003-sample.rtf",
        {u"Hi! I’m a test file."_s, u"Item 4"_s, u"Cell 1\tCell 2"_s, u"And here we’re on the next page."_s},
        {u"hidden"_s, u"actual content of the footnote"_s});
    row("rtfjs-wordpad-colors.rtf",
        {u"Normal Line 1\nNormal Line 2\nColored Line"_s, u"Colored & Highlighted Line"_s}, {u"Mirco"_s});
    row("rtfparserkit-cp1254-turkish.rtf", {u"Turkish Encoding."_s}, {u"Riched20"_s});
    row("rtfparserkit-cp932-riched-hex.rtf", {u"お元気ですか？"_s});
    row("rtfparserkit-cp949-korean.rtf", {u"MS Project Addin ProjectPlus"_s});
    row("rtfparserkit-cp950-textedit.rtf", {u"Test Text\nCopyright © 2004-2013 Test Project"_s},
        {u"Title"_s, u"Test Author"_s});
    row("rtfparserkit-itext.rtf",
        {u"INNEN. KÜCHE - TAG"_s,
         u"Ein Absatz mit Line-Separator:\nDer geht hier auf einer neuen Zeile weiter."_s},
        {u"PAGE"_s, u"iText"_s});
    row("rtfparserkit-word-tables-headers.rtf",
        {u"First Heading\nLorem ipsum"_s,
         u"Third Heading\nHere is a table:\nHeading 1\tHeading 2\tHeading 3\nAaa\tBbb\tCcc"_s,
         u"Jjj\tKkk\tLll"_s});
    row("rtfparserkit-wordpad-unicode.rtf", {u"Արամ"_s, u"Johann Strauß"_s, u"René Magritte"_s, u"বাংলা"_s,
                                             u"ᓄᓇᕗᒻᒥᐅᑦ"_s, u"中国"_s, u"Česká republika"_s});
    row("rtfpipe-cp1251-nested-table.rtf",
        {u"У Х В А Л А"_s, u"Б.І. Гулько"_s, u"М.Є.Червинська"_s, u"В.А.Черненко"_s});
    row("rtfpipe-malformed-extra-brace.rtf", {u"Hello world in {RTF}…"_s}, {u"Courier"_s});
    row("rtfpipe-openoffice-special-char.rtf", {u"úӤ"_s});
    row("rtfpipe-phprtflite-images.rtf",
        {u"Images (as files) with PHPRtfLite.\nJPEG\t"_s, u"Missing image or not readable"_s}, {u"ffd8"_s});
    row("rtfpipe-phprtflite-utf8.rtf",
        {u"Lietuviškos raidės ąčęėįšųūžĄČĘĖĮŠŲŪŽ\nRussian text: русский техт."_s, u"le code à côté de"_s,
         u"■"_s});
    row("rtfpipe-ted-mixed-faces.rtf",
        {u"Normal bold normal bold-italics normal"_s, u"Normal underlined Symbol normal"_s});
    row("rtfpipe-textedit-faces.rtf", {u"bold&underlined&italics"_s, u"font-geneva"_s});
    row("rtfpipe-word2002-hello.rtf", {u"Hello world in {RTF}…"_s}, {u"Microsoft"_s});
    row("rtfpipe-wordmac-color.rtf", {u"Normal:maroon:normal"_s, u"Normal:lavender:normal"_s});
    row("rtfpipe-wordmac-escaped-text.rtf",
        {u":{this text is between brackets}:"_s, u":\\\\text has two backslashes before it:"_s,
         u":\\tab text has a bogus tab character—a backslash"_s},
        {u"Cynthia"_s});
    row("rtfpipe-wordmac-headers-footers.rtf", {u"Body Text\n\nBody Text page 2"_s, u"Body Text page 3"_s},
        {u"Header"_s, u"Footer"_s});
    row("rtfpipe-wordmac-hyperlink.rtf",
        {u"Include www link http://www.cnn.com/"_s, u"mailto:phthenry@earthlink.net?subject=subject line"_s},
        {u"HYPERLINK"_s});
    row("rtfpipe-wordmac-japanese.rtf",
        {u"NeoOffice/JはPatrick LubyとEdward Peterlinによるオープンソース・ソフトウエアのプロジェクトです。"_s,
         u"ようこそ!"_s});
    row("rtfpipe-wordmac-table.rtf", {u"Cell one\tCell two\nCell three\tCell four"_s});
    row("rtfpipe-wordpad-cp932-japanese.rtf",
        {u"バージョン 8.5\nリリース ノート"_s, u"Copyright (C) 2006 McAfee, Inc."_s});
    row("rtfpipe-wordpad-list.rtf", {u"Paragraph\n·\tBullet\n·\tBullet 2"_s, u"1.\tList 1\n2.\tList 2"_s});
    row("striprtf-aspose-hyperlinks.rtf", {u"Wikipedia\nText"_s, u"Search"_s}, {u"HYPERLINK"_s});
    row("striprtf-cp1251-cyrillic.rtf", {u"УХВАЛА"_s, u"27 грудня 2018 року"_s, u"справа № 127\\7798/17"_s});
    row("striprtf-cp936-textedit.rtf",
        {u"印刷情况反映：\n201-003-00155 (Multiple)\n\n市政府情况反映：\n022-021-00768 (Multiple)"_s});
    row("striprtf-hello-abiword.rtf", {u"Hello"_s});
    row("striprtf-libreoffice-table.rtf",
        {u"Calcium-Score\nCoronararterie\tCalcium-Score\nRCA\t 0"_s, u"Gesamt Calcium-Score\t 0"_s});
    row("striprtf-libreoffice-unicode.rtf", {u"柔道"_s});
    row("striprtf-pages-table.rtf",
        {u"Header A\tHeader B\tHeader C\nA1\tB1\tC1"_s, u"Hier steht wieder normaler Text."_s});
    row("striprtf-textedit-hyperlink.rtf",
        {u"First one is: striprtf.dev (plain)"_s, u"Second one is: github (real)"_s});
    row("striprtf-textedit-thai.rtf", {u"  ü  เ ü  ü เ"_s});
    row("striprtf-txtextcontrol-unicode.rtf",
        {u"<=\t\t≤\t8804"_s, u"Beta\t\tβ\t946"_s, u"e(accent)\tĕ\t277"_s, u"VIII\t\tⅧ\t8551"_s,
         u"Up\t\t↑\t8593"_s});
}

void TestRtfReader::corpusText()
{
    if (TestSupport::corpusDir().isEmpty())
        QSKIP("The sample corpus (../shared/corpus or MORTARIX_CORPUS) is not there");
    QFETCH(QString, file);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    const Loaded l = load(readCorpusFile(file));
    QVERIFY(l.result.isRichText);
    const QString text = l.doc->toPlainText();
    for (const QString &s : present)
        QVERIFY2(text.contains(s), qPrintable(u"missing: " + s));
    for (const QString &s : absent)
        QVERIFY2(!text.contains(s), qPrintable(u"should not be there: " + s));
}

void TestRtfReader::corpusFormatting_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("run");
    auto row = [](const char *name, const char *file, const QString &run) {
        QTest::newRow(name) << QString::fromLatin1(file) << run;
    };
    row("hello: size", "rtfpipe-word2002-hello.rtf", u"Hello world[f=Times New Roman 16pt]"_s);
    row("hello: bold font", "rtfpipe-word2002-hello.rtf", u"{RTF}[f=Courier New 16pt b]"_s);
    row("word: bold", "pandoc-formatting-word.rtf", u"bold[f=Helvetica b]"_s);
    row("word: italic", "pandoc-formatting-word.rtf", u"italics[f=Helvetica i]"_s);
    row("word: underline", "pandoc-formatting-word.rtf", u"underlined[f=Helvetica u]"_s);
    row("word: strike", "pandoc-formatting-word.rtf", u"strikeout[f=Helvetica s]"_s);
    row("word: all caps", "pandoc-formatting-word.rtf", u"formatting[f=Helvetica caps]"_s);
    row("word: small caps", "pandoc-formatting-word.rtf", u"Small Caps[f=Helvetica scaps]"_s);
    row("word: superscript", "pandoc-formatting-word.rtf", u"superscript[f=Helvetica sup]"_s);
    row("wordpad: colour", "rtfjs-wordpad-colors.rtf", u"Colored Line[f=Courier New 8.5pt #00ff00]"_s);
    row("wordpad: highlight", "rtfjs-wordpad-colors.rtf",
        u"Highlighted Line[f=Courier New 8.5pt bg#ff0000]"_s);
    row("textedit: superscript", "rtfjs-textedit-superscript.rtf", u"super[f=Helvetica sup]"_s);
    row("cp932: font name", "rtfparserkit-cp932-riched-hex.rtf", u"お元気ですか？[f=ＭＳ Ｐゴシック 9pt]"_s);
    row("cp949: font name", "rtfparserkit-cp949-korean.rtf",
        u"MS Project Addin ProjectPlus[f=맑은 고딕 10pt]"_s);
    row("word mac: colour", "rtfpipe-wordmac-color.rtf", u"maroon[f=Times #993300]"_s);
}

void TestRtfReader::corpusFormatting()
{
    if (TestSupport::corpusDir().isEmpty())
        QSKIP("The sample corpus (../shared/corpus or MORTARIX_CORPUS) is not there");
    QFETCH(QString, file);
    QFETCH(QString, run);
    const QStringList found = runs(*load(readCorpusFile(file)).doc);
    QVERIFY2(found.contains(run), qPrintable(found.join(u" | ").left(3000)));
}

MORTARIX_CORE_TEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
