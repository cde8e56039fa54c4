#include "core/RtfReader.h"
#include "core/RtfWriter.h"

#include "support/CoreTestSupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The font the editor starts with, at a size RTF can hold exactly.
QFont editorFont()
{
    QFont f(u"Bookman Old Style"_s);
    f.setPointSizeF(10);
    f.setWeight(QFont::Light);
    return f;
}

std::unique_ptr<QTextDocument> newDocument()
{
    auto doc = std::make_unique<QTextDocument>();
    doc->setDefaultFont(editorFont());
    return doc;
}

std::unique_ptr<QTextDocument> fromHtml(const QString &html)
{
    auto doc = newDocument();
    doc->setHtml(html);
    return doc;
}

std::unique_ptr<QTextDocument> fromText(const QString &text, const QTextCharFormat &format = {})
{
    auto doc = newDocument();
    QTextCursor(doc.get()).insertText(text, format);
    return doc;
}

std::unique_ptr<QTextDocument> readBack(const QByteArray &rtf)
{
    auto doc = newDocument();
    const RtfReader::Result r = RtfReader::read(rtf, doc.get());
    if (!r.isRichText || !r.complete)
        return nullptr;
    return doc;
}

// What a run looks like on screen, as far as the editor formats text: only what differs from the
// document's default font is named.
QString attributes(const QTextCharFormat &f, const QFont &d)
{
    QStringList a;
    const QStringList families = f.property(QTextFormat::FontFamilies).toStringList();
    const QString family = families.isEmpty() ? d.family() : families.first();
    if (family != d.family())
        a << u"f=" + family;
    const qreal size = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize() : d.pointSizeF();
    if (size != d.pointSizeF())
        a << QString::number(size) + u"pt";
    if ((f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : d.weight()) >= QFont::DemiBold)
        a << u"b"_s;
    if (f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : d.italic())
        a << u"i"_s;
    if (f.fontUnderline() || d.underline())
        a << u"u"_s;
    if (f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : d.strikeOut())
        a << u"s"_s;
    const QFont::Capitalization caps =
        f.hasProperty(QTextFormat::FontCapitalization) ? f.fontCapitalization() : d.capitalization();
    if (caps == QFont::AllUppercase)
        a << u"caps"_s;
    if (caps == QFont::SmallCaps)
        a << u"scaps"_s;
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        a << u"sup"_s;
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        a << u"sub"_s;
    if (f.foreground().style() != Qt::NoBrush)
        a << f.foreground().color().name();
    if (f.background().style() != Qt::NoBrush)
        a << u"bg" + f.background().color().name();
    return a.join(u' ');
}

// Paragraphs as "L|", "C|", "R|" or "J|" for their alignment, then their runs as "text[attributes]",
// neighbours that look the same merged.
QStringList runs(const QTextDocument &doc)
{
    QStringList out;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const Qt::Alignment al = b.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        out << (al & Qt::AlignHCenter   ? u"C|"_s
                : al & Qt::AlignRight   ? u"R|"_s
                : al & Qt::AlignJustify ? u"J|"_s
                                        : u"L|"_s);
        QString lastAttrs;
        bool canMerge = false;
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const QString attrs = attributes(it.fragment().charFormat(), doc.defaultFont());
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

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private slots:
    void roundTripFormatting_data();
    void roundTripFormatting();
    void roundTripText_data();
    void roundTripText();
    void output_data();
    void output();
    void outputIsSevenBit();
    void sizesRoundToHalfPoints_data();
    void sizesRoundToHalfPoints();
    void plainText_data();
    void plainText();
    void plainTextLeavesOutImages();
    void corpusRoundTrip_data();
    void corpusRoundTrip();
};

void TestRtfWriter::roundTripFormatting_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("plain") << u"<p>Footing 24 x 12</p>"_s << QStringList{u"L|"_s, u"Footing 24 x 12"_s};
    QTest::newRow("bold, italic, underline, strikethrough")
        << u"<p>a <b>b</b> <i>i</i> <u>u</u> <s>s</s> <b><i><u>all</u></i></b></p>"_s
        << QStringList{u"L|"_s,   u"a "_s, u"b[b]"_s, u" "_s, u"i[i]"_s,      u" "_s,
                       u"u[u]"_s, u" "_s,  u"s[s]"_s, u" "_s, u"all[b i u]"_s};
    QTest::newRow("fonts") << u"<p><span style=\"font-family:'Courier New'\">mono</span> "
                              u"<span style=\"font-family:Arial\">sans</span> back</p>"_s
                           << QStringList{u"L|"_s, u"mono[f=Courier New]"_s, u" "_s, u"sans[f=Arial]"_s,
                                          u" back"_s};
    QTest::newRow("sizes, digits right after")
        << u"<p><span style=\"font-size:8pt\">8</span>"
           u"<span style=\"font-size:10.5pt\">10.5</span>"
           u"<span style=\"font-size:36pt\">36</span>9</p>"_s
        << QStringList{u"L|"_s, u"8[8pt]"_s, u"10.5[10.5pt]"_s, u"36[36pt]"_s, u"9"_s};
    QTest::newRow("colours")
        << u"<p><span style=\"color:#ff0000\">red</span> <span style=\"color:#000000\">black</span> "
           u"<span style=\"color:#0000ff\">blue</span> <span style=\"color:#ff0000\">red</span></p>"_s
        << QStringList{u"L|"_s, u"red[#ff0000]"_s,  u" "_s, u"black[#000000]"_s,
                       u" "_s,  u"blue[#0000ff]"_s, u" "_s, u"red[#ff0000]"_s};
    QTest::newRow("highlight") << u"<p>a<span style=\"background-color:#ffff00\">marked</span>b</p>"_s
                               << QStringList{u"L|"_s, u"a"_s, u"marked[bg#ffff00]"_s, u"b"_s};
    QTest::newRow("capitals") << u"<p><span style=\"text-transform:uppercase\">all caps</span> "
                                 u"<span style=\"font-variant:small-caps\">small caps</span></p>"_s
                              << QStringList{u"L|"_s, u"all caps[caps]"_s, u" "_s, u"small caps[scaps]"_s};
    QTest::newRow("superscript and subscript")
        << u"<p>H<sub>2</sub>O and x<sup>2</sup></p>"_s
        << QStringList{u"L|"_s, u"H"_s, u"2[sub]"_s, u"O and x"_s, u"2[sup]"_s};
    QTest::newRow("alignment") << u"<p align=center>c</p><p align=right>r</p><p align=justify>j</p><p>l</p>"_s
                               << QStringList{u"C|"_s, u"c"_s, u"R|"_s, u"r"_s,
                                              u"J|"_s, u"j"_s, u"L|"_s, u"l"_s};
    QTest::newRow("formatting across paragraphs")
        << u"<p><b>one</b></p><p><b>two</b> three</p>"_s
        << QStringList{u"L|"_s, u"one[b]"_s, u"L|"_s, u"two[b]"_s, u" three"_s};
    QTest::newRow("everything at once")
        << u"<p align=center><span style=\"font-family:Arial; font-size:14pt; font-weight:700; "
           u"font-style:italic; "
           u"text-decoration:underline line-through; color:#123456\">x</span></p>"_s
        << QStringList{u"C|"_s, u"x[f=Arial 14pt b i u s #123456]"_s};
}

void TestRtfWriter::roundTripFormatting()
{
    QFETCH(QString, html);
    QFETCH(QStringList, expected);
    const auto original = fromHtml(html);
    QCOMPARE(runs(*original), expected);
    const auto back = readBack(RtfWriter::write(*original));
    QVERIFY(back);
    QCOMPARE(runs(*back), expected);
}

void TestRtfWriter::roundTripText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("backslash and braces") << u"back\\slash {braces} \\par {\\rtf1}"_s;
    QTest::newRow("tabs") << u"\tqty\tprice\t"_s;
    QTest::newRow("line breaks inside a paragraph") << u"first\u2028second\u2028"_s;
    QTest::newRow("paragraphs, empty ones too") << u"one\n\nthree\n"_s;
    QTest::newRow("spaces kept") << u"  two leading, two trailing  "_s;
    QTest::newRow("special spaces and hyphens") << u"a\u00A0b\u00ADc\u2011d"_s;
    QTest::newRow("Western") << u"Größe €5 – “quoted” naïve façade"_s;
    QTest::newRow("Central European and Cyrillic") << u"Łódź Žluťoučký бетон"_s;
    QTest::newRow("CJK") << u"混凝土 ブロック 벽돌"_s;
    QTest::newRow("above U+7FFF") << u"\uFF21\uFFFD\uE000"_s;
    QTest::newRow("outside the BMP") << QString::fromUtf8("\xF0\x9F\x98\x80 \xF0\x9D\x84\x9E");
    QTest::newRow("question marks and semicolons") << u"? ?? ; \\'e9"_s;
    QTest::newRow("digits and letters after escapes") << u"é1 \u20AC2 \ta \u2028b"_s;
}

void TestRtfWriter::roundTripText()
{
    QFETCH(QString, text);
    const auto original = fromText(text);
    const auto back = readBack(RtfWriter::write(*original));
    QVERIFY(back);
    QCOMPARE(back->blockCount(), original->blockCount());
    QCOMPARE(back->toRawText(), original->toRawText());
}

void TestRtfWriter::output_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("html");
    QTest::addColumn<QByteArray>("contains");
    auto text = [](const char *name, const QString &t, const char *contains) {
        QTest::newRow(name) << t << QString() << QByteArray(contains);
    };
    auto html = [](const char *name, const QString &h, const char *contains) {
        QTest::newRow(name) << QString() << h << QByteArray(contains);
    };
    text("header", u"x"_s, "{\\rtf1\\ansi\\ansicpg1252\\deff0");
    text("default font is font 0", u"x"_s, "{\\fonttbl{\\f0\\fnil\\fcharset0 Bookman Old Style;}}");
    text("colour table with only the automatic colour", u"x"_s, "{\\colortbl;}");
    html("colour table from the colours used", u"<span style=\"color:#ff8000\">x</span>"_s,
         "{\\colortbl;\\red255\\green128\\blue0;}");
    html("colour reference", u"a<span style=\"color:#ff8000\">x</span>"_s, "a\\cf1 x");
    html("second font", u"a<span style=\"font-family:Arial\">x</span>"_s, "{\\f1\\fnil\\fcharset0 Arial;}");
    html("delimiter before digits", u"<b>12</b>3"_s, "\\b 12\\b0 3");
    html("underline off", u"<u>a</u>b"_s, "\\ul a\\ulnone b");
    html("capitals", u"<span style=\"text-transform:uppercase\">a</span>"_s, "\\caps a");
    html("centred paragraph", u"<p align=center>x</p>"_s, "\\pard\\qc\\fs20 x");
    html("paragraph mark", u"<p>a</p><p>b</p>"_s, "a\\par\n\\pard b");
    text("Western-1252 fallback", u"é"_s, "\\u233\\'e9");
    text("euro fallback", u"€"_s, "\\u8364\\'80");
    text("no 1252 fallback", u"混"_s, "\\u28151?");
    text("above U+7FFF is negative", u"\uFF21"_s, "\\u-223?");
    text("surrogate pair", QString::fromUtf8("\xF0\x9F\x98\x80"), "\\u-10179?\\u-8704?");
    text("escapes", u"\\{}"_s, "\\\\\\{\\}");
    text("tab", u"a\tb"_s, "a\\tab b");
    text("line break", u"a\u2028b"_s, "a\\line b");
    text("non-breaking space", u"a\u00A0b"_s, "a\\~b");
    text("control characters left out", u"a\u0001\u001Fb"_s, "\\pard\\fs20 ab}");
}

void TestRtfWriter::output()
{
    QFETCH(QString, text);
    QFETCH(QString, html);
    QFETCH(QByteArray, contains);
    const auto doc = html.isEmpty() ? fromText(text) : fromHtml(html);
    const QByteArray rtf = RtfWriter::write(*doc);
    QVERIFY2(rtf.contains(contains), rtf.constData());
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.endsWith("}\n"));
}

void TestRtfWriter::outputIsSevenBit()
{
    QTextCharFormat font;
    font.setFontFamilies({u"ＭＳ 明朝"_s});
    const auto doc = fromText(u"Größe 混凝土 😀 Łódź\tбетон"_s, font);
    const QByteArray rtf = RtfWriter::write(*doc);
    QVERIFY(
        std::all_of(rtf.cbegin(), rtf.cend(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
    QVERIFY(rtf.contains("{\\f1\\fnil\\fcharset0 \\u-211?\\u-205? \\u26126?\\u26397?;}"));
}

void TestRtfWriter::sizesRoundToHalfPoints_data()
{
    QTest::addColumn<qreal>("points");
    QTest::addColumn<QByteArray>("control");
    QTest::addColumn<qreal>("readSize");
    QTest::newRow("whole") << 11.0 << QByteArray("\\fs22 ") << 11.0;
    QTest::newRow("half") << 10.5 << QByteArray("\\fs21 ") << 10.5;
    QTest::newRow("the editor's 9.75") << 9.75 << QByteArray("\\fs20 ") << 10.0;
    QTest::newRow("just under a half") << 10.2 << QByteArray("\\fs20 ") << 10.0;
    QTest::newRow("tiny") << 0.25 << QByteArray("\\fs2 ") << 1.0;
    QTest::newRow("huge") << 5000.0 << QByteArray("\\fs3276 ") << 1638.0;
}

void TestRtfWriter::sizesRoundToHalfPoints()
{
    QFETCH(qreal, points);
    QFETCH(QByteArray, control);
    QFETCH(qreal, readSize);
    QTextCharFormat format;
    format.setFontPointSize(points);
    const QByteArray rtf = RtfWriter::write(*fromText(u"x"_s, format));
    QVERIFY2(rtf.contains(control), rtf.constData());
    const auto back = readBack(rtf);
    QVERIFY(back);
    QCOMPARE(back->begin().begin().fragment().charFormat().fontPointSize(), readSize);
}

void TestRtfWriter::plainText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("empty") << QString() << QByteArray();
    QTest::newRow("paragraphs") << u"one\ntwo\n"_s << QByteArray("one\ntwo\n");
    QTest::newRow("line break") << u"a\u2028b"_s << QByteArray("a\nb");
    QTest::newRow("non-breaking space") << u"a\u00A0b"_s << QByteArray("a b");
    QTest::newRow("tabs kept") << u"a\tb"_s << QByteArray("a\tb");
    QTest::newRow("UTF-8") << u"Größe €"_s
                           << QByteArray("Gr\xC3\xB6\xC3\x9F"
                                         "e \xE2\x82\xAC");
}

void TestRtfWriter::plainText()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    QCOMPARE(RtfWriter::writePlainText(*fromText(text, bold)), expected);
}

void TestRtfWriter::plainTextLeavesOutImages()
{
    auto doc = newDocument();
    QTextCursor cursor(doc.get());
    cursor.insertText(u"a"_s);
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    cursor.insertImage(image);
    cursor.insertText(u"b"_s);
    QCOMPARE(RtfWriter::writePlainText(*doc), QByteArray("ab"));
    // Images are not written to RTF either; the text around them is.
    const auto back = readBack(RtfWriter::write(*doc));
    QVERIFY(back);
    QCOMPARE(back->toPlainText(), u"ab"_s);
}

void TestRtfWriter::corpusRoundTrip_data()
{
    QTest::addColumn<QString>("file");
    for (const QString &f : TestSupport::corpusRtfFiles())
        QTest::newRow(qPrintable(f)) << f;
}

void TestRtfWriter::corpusRoundTrip()
{
    if (TestSupport::corpusDir().isEmpty())
        QSKIP("The sample corpus (../shared/corpus or MORTARIX_CORPUS) is not there");
    QFETCH(QString, file);
    QFile f(TestSupport::corpusDir() + u"/rtf/" + file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    if (!RtfReader::isRichText(bytes))
        QSKIP("Not rich text to begin with");
    const auto original = readBack(bytes);
    QVERIFY(original);
    const QByteArray rtf = RtfWriter::write(*original);
    const auto back = readBack(rtf);
    QVERIFY(back);
    QCOMPARE(back->toRawText(), original->toRawText());
    QCOMPARE(runs(*back), runs(*original));
    // Writing what was read back gives the same file again.
    QCOMPARE(RtfWriter::write(*back), rtf);
}

MORTARIX_CORE_TEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
