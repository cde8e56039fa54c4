#include "core/RtfWriter.h"

#include "core/CodePages.h"
#include "core/RtfCharProps.h"

#include <QColor>
#include <QHash>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <charconv>
#include <iterator>

namespace RtfWriter {

namespace {

using RunProps = RtfCharProps;

class Writer
{
public:
    explicit Writer(const QTextDocument &document);

    QByteArray write();

private:
    RunProps propsOf(const QTextCharFormat &format);
    const RunProps &propsOf(const QTextFragment &fragment);
    int fontIndex(const QString &family);
    int colourIndex(const QColor &colour);

    void word(const char *name);
    void word(const char *name, int param);
    void toggle(const char *name, bool on);
    void changeProps(const RunProps &to);
    void text(QStringView text, bool inFontTable = false);
    void plainAscii(const QChar *from, qsizetype count);

    const QTextDocument &m_document;
    QFont m_defaultFont;
    QByteArray m_out;
    bool m_needDelimiter = false; // the last thing written was a control word
    // A fresh document's state; the header makes font 0 the default (\deff0).
    RunProps m_current{.font = 0};
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    QList<QColor> m_colours;
    QHash<QRgb, int> m_colourIndex;
    // Documents use few formats for many runs; reading a format's properties costs more than the
    // run's text.
    QHash<int, RunProps> m_propsByFormat;
};

Writer::Writer(const QTextDocument &document) : m_document(document), m_defaultFont(document.defaultFont())
{
    // Font 0 is the document's default font, the one \deff0 names.
    fontIndex(m_defaultFont.family());
}

QByteArray Writer::write()
{
    // One copy of the whole text, where each fragment's position finds its characters.
    const QString all = m_document.toRawText();
    m_out.reserve(all.size() + all.size() / 8 + 1024);
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        if (block != m_document.begin()) {
            word("par");
            m_out += '\n';
            m_needDelimiter = false;
        }
        word("pard");
        const Qt::Alignment alignment = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
        if (alignment & Qt::AlignHCenter)
            word("qc");
        else if (alignment & (Qt::AlignRight | Qt::AlignTrailing))
            word("qr");
        else if (alignment & Qt::AlignJustify)
            word("qj");
        // Fragments follow each other, so their positions add up from the block's (asking each
        // fragment for its own would walk the document's tree every time).
        int position = block.position();
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const int length = fragment.length();
            changeProps(propsOf(fragment));
            text(QStringView(all).sliced(position, length));
            position += length;
        }
    }
    const QByteArray body = std::exchange(m_out, QByteArray());

    m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (qsizetype i = 0; i < m_fonts.size(); ++i) {
        m_out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        m_needDelimiter = false;
        text(m_fonts.at(i), true);
        m_out += ";}";
    }
    m_out += "}\n{\\colortbl;";
    for (const QColor &c : std::as_const(m_colours)) {
        m_out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) +
                 "\\blue" + QByteArray::number(c.blue()) + ';';
    }
    m_out += "}\n";
    m_out += body;
    m_out += "}\n";
    return std::exchange(m_out, QByteArray());
}

const RunProps &Writer::propsOf(const QTextFragment &fragment)
{
    const int index = fragment.charFormatIndex();
    auto found = m_propsByFormat.find(index);
    if (found == m_propsByFormat.end())
        found = m_propsByFormat.insert(index, propsOf(fragment.charFormat()));
    return *found;
}

RunProps Writer::propsOf(const QTextCharFormat &format)
{
    RunProps p = RtfCharProps::of(format, m_defaultFont);
    QString family;
    const QStringList families = format.property(QTextFormat::FontFamilies).toStringList();
    if (!families.isEmpty())
        family = families.first();
    p.font = fontIndex(family.isEmpty() ? m_defaultFont.family() : family);
    if (format.foreground().style() != Qt::NoBrush)
        p.colour = colourIndex(format.foreground().color());
    if (format.background().style() != Qt::NoBrush)
        p.highlight = colourIndex(format.background().color());
    return p;
}

int Writer::fontIndex(const QString &family)
{
    const auto it = m_fontIndex.constFind(family);
    if (it != m_fontIndex.cend())
        return *it;
    const int index = int(m_fonts.size());
    m_fonts.append(family);
    m_fontIndex.insert(family, index);
    return index;
}

// Index 0 of the colour table is the automatic colour, so the first real colour is 1.
int Writer::colourIndex(const QColor &colour)
{
    const QRgb rgb = colour.rgb() | 0xFF000000u;
    const auto it = m_colourIndex.constFind(rgb);
    if (it != m_colourIndex.cend())
        return *it;
    m_colours.append(QColor::fromRgb(rgb));
    const int index = int(m_colours.size());
    m_colourIndex.insert(rgb, index);
    return index;
}

void Writer::word(const char *name)
{
    m_out += '\\';
    m_out += name;
    m_needDelimiter = true;
}

void Writer::word(const char *name, int param)
{
    word(name);
    char digits[12];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), param).ptr;
    m_out.append(digits, end - digits);
}

void Writer::toggle(const char *name, bool on)
{
    if (on)
        word(name);
    else
        word(name, 0);
}

void Writer::changeProps(const RunProps &to)
{
    RunProps &from = m_current;
    if (to.font != from.font)
        word("f", to.font);
    if (to.halfPoints != from.halfPoints)
        word("fs", to.halfPoints);
    if (to.bold != from.bold)
        toggle("b", to.bold);
    if (to.italic != from.italic)
        toggle("i", to.italic);
    if (to.underline != from.underline)
        word(to.underline ? "ul" : "ulnone");
    if (to.strike != from.strike)
        toggle("strike", to.strike);
    if (to.caps != from.caps)
        toggle("caps", to.caps);
    if (to.smallCaps != from.smallCaps)
        toggle("scaps", to.smallCaps);
    if (to.vertical != from.vertical)
        word(to.vertical > 0 ? "super" : to.vertical < 0 ? "sub" : "nosupersub");
    if (to.colour != from.colour)
        word("cf", to.colour);
    if (to.highlight != from.highlight)
        word("highlight", to.highlight);
    from = to;
}

// Printable ASCII other than the three RTF specials.
bool isPlainAscii(char16_t c)
{
    return c >= 0x20 && c < 0x7F && c != u'\\' && c != u'{' && c != u'}';
}

void Writer::plainAscii(const QChar *from, qsizetype count)
{
    if (m_needDelimiter)
        m_out += ' ';
    m_needDelimiter = false;
    const qsizetype start = m_out.size();
    m_out.resize(start + count);
    char *to = m_out.data() + start;
    for (qsizetype i = 0; i < count; ++i)
        to[i] = char(from[i].unicode());
}

void Writer::text(QStringView text, bool inFontTable)
{
    const QChar *data = text.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = data[i].unicode();
        if (isPlainAscii(c) && !(inFontTable && c == u';')) {
            // Most text is a run of such characters: copy it at once.
            qsizetype end = i + 1;
            while (end < size && isPlainAscii(data[end].unicode()) && !(inFontTable && data[end] == u';'))
                ++end;
            plainAscii(data + i, end - i);
            i = end - 1;
            continue;
        }
        switch (c) {
        case u'\\':
        case u'{':
        case u'}':
            m_out += '\\';
            m_out += char(c);
            m_needDelimiter = false;
            continue;
        case u'\t':
            word("tab");
            continue;
        case 0x2028: // line break inside a paragraph
        case 0x2029:
            word("line");
            continue;
        case 0x00A0:
            m_out += "\\~";
            m_needDelimiter = false;
            continue;
        case 0x00AD:
            m_out += "\\-";
            m_needDelimiter = false;
            continue;
        case 0x2011:
            m_out += "\\_";
            m_needDelimiter = false;
            continue;
        case 0xFFFC: // embedded objects and frame marks have no text to write
        case 0xFDD0:
        case 0xFDD1:
            continue;
        case u';':
            // A semicolon would end a font name early.
            if (inFontTable)
                continue;
            break;
        default:
            break;
        }
        if (c < 0x20 || c == 0x7F)
            continue;
        if (c < 0x80) {
            if (m_needDelimiter)
                m_out += ' ';
            m_out += char(c);
            m_needDelimiter = false;
            continue;
        }
        // \uN takes a signed 16-bit number; the fallback is for readers without Unicode.
        word("u", c > 0x7FFF ? int(c) - 0x10000 : int(c));
        if (const std::optional<char> fallback = CodePages::toWindows1252(c)) {
            static const char hex[] = "0123456789abcdef";
            const auto b = static_cast<unsigned char>(*fallback);
            m_out += "\\'";
            m_out += hex[b >> 4];
            m_out += hex[b & 0xF];
        } else {
            m_out += '?';
        }
        m_needDelimiter = false;
    }
}

} // namespace

QByteArray write(const QTextDocument &document)
{
    return Writer(document).write();
}

QByteArray writePlainText(const QTextDocument &document)
{
    QString text = document.toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    return text.toUtf8();
}

} // namespace RtfWriter
