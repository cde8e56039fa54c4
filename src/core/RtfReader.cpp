#include "core/RtfReader.h"

#include "core/CodePages.h"
#include "core/RtfCharProps.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <climits>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace RtfReader {

namespace {

enum class Kw : unsigned char {
    Unknown,
    // Destinations: read ours, skip the rest whether or not they are marked with \*.
    FontTable,
    ColorTable,
    ReadDestination,
    SkipDestination,
    // Document and tables.
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCodePage,
    DefaultFont,
    Bin,
    FontCharset,
    Red,
    Green,
    Blue,
    // Character formatting.
    Plain,
    Font,
    FontSize,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    Caps,
    SmallCaps,
    Super,
    Sub,
    NoSuperSub,
    Colour,
    Highlight,
    Hidden,
    UnicodeSkip,
    Unicode,
    // Paragraphs and special characters.
    ParagraphDefault,
    Paragraph,
    Line,
    Tab,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    Cell,
    Row,
    Character,
};

struct Keyword
{
    std::string_view name;
    Kw kind;
    char16_t character = 0;
};

// Sorted by name for binary search. Control words not listed here are ignored; a group they open is
// read as ordinary text unless it is marked with \*.
constexpr Keyword kKeywords[] = {
    {"aftncn", Kw::SkipDestination},
    {"aftnsep", Kw::SkipDestination},
    {"aftnsepc", Kw::SkipDestination},
    {"annotation", Kw::SkipDestination},
    {"ansi", Kw::Ansi},
    {"ansicpg", Kw::AnsiCodePage},
    {"atnauthor", Kw::SkipDestination},
    {"atndate", Kw::SkipDestination},
    {"atnicn", Kw::SkipDestination},
    {"atnid", Kw::SkipDestination},
    {"atnparent", Kw::SkipDestination},
    {"atnref", Kw::SkipDestination},
    {"atntime", Kw::SkipDestination},
    {"atrfend", Kw::SkipDestination},
    {"atrfstart", Kw::SkipDestination},
    {"author", Kw::SkipDestination},
    {"b", Kw::Bold},
    {"background", Kw::SkipDestination},
    {"bin", Kw::Bin},
    {"bkmkend", Kw::SkipDestination},
    {"bkmkstart", Kw::SkipDestination},
    {"blipuid", Kw::SkipDestination},
    {"blue", Kw::Blue},
    {"bullet", Kw::Character, 0x2022},
    {"buptim", Kw::SkipDestination},
    {"caps", Kw::Caps},
    {"category", Kw::SkipDestination},
    {"cell", Kw::Cell},
    {"cf", Kw::Colour},
    {"colorschememapping", Kw::SkipDestination},
    {"colortbl", Kw::ColorTable},
    {"comment", Kw::SkipDestination},
    {"company", Kw::SkipDestination},
    {"creatim", Kw::SkipDestination},
    {"datafield", Kw::SkipDestination},
    {"datastore", Kw::SkipDestination},
    {"defchp", Kw::SkipDestination},
    {"deff", Kw::DefaultFont},
    {"defpap", Kw::SkipDestination},
    {"do", Kw::SkipDestination},
    {"doccomm", Kw::SkipDestination},
    {"docvar", Kw::SkipDestination},
    {"dptxbxtext", Kw::SkipDestination},
    {"ebcend", Kw::SkipDestination},
    {"ebcstart", Kw::SkipDestination},
    {"emdash", Kw::Character, 0x2014},
    {"emspace", Kw::Character, 0x2003},
    {"endash", Kw::Character, 0x2013},
    {"enspace", Kw::Character, 0x2002},
    {"f", Kw::Font},
    {"factoidname", Kw::SkipDestination},
    {"falt", Kw::SkipDestination},
    {"fchars", Kw::SkipDestination},
    {"fcharset", Kw::FontCharset},
    {"ffdeftext", Kw::SkipDestination},
    {"ffentrymcr", Kw::SkipDestination},
    {"ffexitmcr", Kw::SkipDestination},
    {"ffformat", Kw::SkipDestination},
    {"ffhelptext", Kw::SkipDestination},
    {"ffl", Kw::SkipDestination},
    {"ffname", Kw::SkipDestination},
    {"ffstattext", Kw::SkipDestination},
    {"field", Kw::ReadDestination},
    {"file", Kw::SkipDestination},
    {"filetbl", Kw::SkipDestination},
    {"fldinst", Kw::SkipDestination},
    {"fldrslt", Kw::ReadDestination},
    {"fldtype", Kw::SkipDestination},
    {"fname", Kw::SkipDestination},
    {"fontemb", Kw::SkipDestination},
    {"fontfile", Kw::SkipDestination},
    {"fonttbl", Kw::FontTable},
    {"footer", Kw::SkipDestination},
    {"footerf", Kw::SkipDestination},
    {"footerl", Kw::SkipDestination},
    {"footerr", Kw::SkipDestination},
    {"footnote", Kw::SkipDestination},
    {"formfield", Kw::SkipDestination},
    {"fs", Kw::FontSize},
    {"ftncn", Kw::SkipDestination},
    {"ftnsep", Kw::SkipDestination},
    {"ftnsepc", Kw::SkipDestination},
    {"g", Kw::SkipDestination},
    {"generator", Kw::SkipDestination},
    {"green", Kw::Green},
    {"gridtbl", Kw::SkipDestination},
    {"header", Kw::SkipDestination},
    {"headerf", Kw::SkipDestination},
    {"headerl", Kw::SkipDestination},
    {"headerr", Kw::SkipDestination},
    {"highlight", Kw::Highlight},
    {"hl", Kw::SkipDestination},
    {"hlfr", Kw::SkipDestination},
    {"hlinkbase", Kw::SkipDestination},
    {"hlloc", Kw::SkipDestination},
    {"hlsrc", Kw::SkipDestination},
    {"hsv", Kw::SkipDestination},
    {"htmltag", Kw::SkipDestination},
    {"i", Kw::Italic},
    {"info", Kw::SkipDestination},
    {"keycode", Kw::SkipDestination},
    {"keywords", Kw::SkipDestination},
    {"latentstyles", Kw::SkipDestination},
    {"lchars", Kw::SkipDestination},
    {"ldblquote", Kw::Character, 0x201C},
    {"levelnumbers", Kw::SkipDestination},
    {"leveltext", Kw::SkipDestination},
    {"lfolevel", Kw::SkipDestination},
    {"line", Kw::Line},
    {"linkval", Kw::SkipDestination},
    {"list", Kw::SkipDestination},
    {"listlevel", Kw::SkipDestination},
    {"listname", Kw::SkipDestination},
    {"listoverride", Kw::SkipDestination},
    {"listoverridetable", Kw::SkipDestination},
    {"listpicture", Kw::SkipDestination},
    {"liststylename", Kw::SkipDestination},
    {"listtable", Kw::SkipDestination},
    {"listtext", Kw::ReadDestination},
    {"lquote", Kw::Character, 0x2018},
    {"lsdlockedexcept", Kw::SkipDestination},
    {"ltrmark", Kw::Character, 0x200E},
    {"mac", Kw::Mac},
    {"mailmerge", Kw::SkipDestination},
    {"manager", Kw::SkipDestination},
    {"nestcell", Kw::Cell},
    {"nestrow", Kw::Row},
    {"nesttableprops", Kw::ReadDestination},
    {"nextfile", Kw::SkipDestination},
    {"nonesttables", Kw::SkipDestination},
    {"nonshppict", Kw::SkipDestination},
    {"nosupersub", Kw::NoSuperSub},
    {"objalias", Kw::SkipDestination},
    {"objclass", Kw::SkipDestination},
    {"objdata", Kw::SkipDestination},
    {"object", Kw::SkipDestination},
    {"objname", Kw::SkipDestination},
    {"objsect", Kw::SkipDestination},
    {"objtime", Kw::SkipDestination},
    {"oldcprops", Kw::SkipDestination},
    {"oldpprops", Kw::SkipDestination},
    {"oldsprops", Kw::SkipDestination},
    {"oldtprops", Kw::SkipDestination},
    {"oleclsid", Kw::SkipDestination},
    {"operator", Kw::SkipDestination},
    {"page", Kw::Paragraph},
    {"panose", Kw::SkipDestination},
    {"par", Kw::Paragraph},
    {"pard", Kw::ParagraphDefault},
    {"password", Kw::SkipDestination},
    {"passwordhash", Kw::SkipDestination},
    {"pc", Kw::Pc},
    {"pca", Kw::Pca},
    {"pgp", Kw::SkipDestination},
    {"pgptbl", Kw::SkipDestination},
    {"picprop", Kw::SkipDestination},
    {"pict", Kw::SkipDestination},
    {"plain", Kw::Plain},
    {"pn", Kw::SkipDestination},
    {"pnseclvl", Kw::SkipDestination},
    {"pntext", Kw::ReadDestination},
    {"pntxta", Kw::SkipDestination},
    {"pntxtb", Kw::SkipDestination},
    {"printim", Kw::SkipDestination},
    {"private", Kw::SkipDestination},
    {"propname", Kw::SkipDestination},
    {"protend", Kw::SkipDestination},
    {"protstart", Kw::SkipDestination},
    {"protusertbl", Kw::SkipDestination},
    {"pxe", Kw::SkipDestination},
    {"qc", Kw::AlignCenter},
    {"qd", Kw::AlignJustify},
    {"qj", Kw::AlignJustify},
    {"ql", Kw::AlignLeft},
    {"qmspace", Kw::Character, 0x2005},
    {"qr", Kw::AlignRight},
    {"rdblquote", Kw::Character, 0x201D},
    {"red", Kw::Red},
    {"result", Kw::SkipDestination},
    {"revtbl", Kw::SkipDestination},
    {"revtim", Kw::SkipDestination},
    {"row", Kw::Row},
    {"rquote", Kw::Character, 0x2019},
    {"rsidtbl", Kw::SkipDestination},
    {"rtlmark", Kw::Character, 0x200F},
    {"rxe", Kw::SkipDestination},
    {"scaps", Kw::SmallCaps},
    {"shp", Kw::SkipDestination},
    {"shpgrp", Kw::SkipDestination},
    {"shpinst", Kw::SkipDestination},
    {"shppict", Kw::SkipDestination},
    {"shprslt", Kw::SkipDestination},
    {"shptxt", Kw::SkipDestination},
    {"sn", Kw::SkipDestination},
    {"sp", Kw::SkipDestination},
    {"staticval", Kw::SkipDestination},
    {"strike", Kw::Strike},
    {"striked", Kw::Strike},
    {"stylesheet", Kw::SkipDestination},
    {"sub", Kw::Sub},
    {"subject", Kw::SkipDestination},
    {"super", Kw::Super},
    {"sv", Kw::SkipDestination},
    {"svb", Kw::SkipDestination},
    {"tab", Kw::Tab},
    {"tc", Kw::SkipDestination},
    {"template", Kw::SkipDestination},
    {"themedata", Kw::SkipDestination},
    {"title", Kw::SkipDestination},
    {"txe", Kw::SkipDestination},
    {"u", Kw::Unicode},
    {"uc", Kw::UnicodeSkip},
    {"ud", Kw::SkipDestination},
    {"ul", Kw::Underline},
    {"uld", Kw::Underline},
    {"uldash", Kw::Underline},
    {"uldashd", Kw::Underline},
    {"uldashdd", Kw::Underline},
    {"uldb", Kw::Underline},
    {"ulhwave", Kw::Underline},
    {"ulldash", Kw::Underline},
    {"ulnone", Kw::UnderlineNone},
    {"ulth", Kw::Underline},
    {"ulthd", Kw::Underline},
    {"ulthdash", Kw::Underline},
    {"ulthdashd", Kw::Underline},
    {"ulthdashdd", Kw::Underline},
    {"ulthldash", Kw::Underline},
    {"ululdbwave", Kw::Underline},
    {"ulw", Kw::Underline},
    {"ulwave", Kw::Underline},
    {"upr", Kw::ReadDestination},
    {"userprops", Kw::SkipDestination},
    {"v", Kw::Hidden},
    {"wgrffmtfilter", Kw::SkipDestination},
    {"windowcaption", Kw::SkipDestination},
    {"writereservation", Kw::SkipDestination},
    {"writereservhash", Kw::SkipDestination},
    {"xe", Kw::SkipDestination},
    {"xform", Kw::SkipDestination},
    {"xmlattrname", Kw::SkipDestination},
    {"xmlattrvalue", Kw::SkipDestination},
    {"xmlclose", Kw::SkipDestination},
    {"xmlname", Kw::SkipDestination},
    {"xmlnstbl", Kw::SkipDestination},
    {"xmlopen", Kw::SkipDestination},
    {"zwbo", Kw::Character, 0x200B},
    {"zwj", Kw::Character, 0x200D},
    {"zwnj", Kw::Character, 0x200C},
};

static_assert(std::is_sorted(std::begin(kKeywords), std::end(kKeywords),
                             [](const Keyword &a, const Keyword &b) { return a.name < b.name; }));

const Keyword *findKeyword(std::string_view name)
{
    const auto it = std::lower_bound(std::begin(kKeywords), std::end(kKeywords), name,
                                     [](const Keyword &k, std::string_view n) { return k.name < n; });
    return it != std::end(kKeywords) && it->name == name ? it : nullptr;
}

// Longest control word RTF allows; longer runs of letters are read whole but match nothing.
constexpr std::size_t kMaxWordLength = 32;
// Text is decoded and inserted in parts of about this many bytes or characters, so that a long run
// is not held twice over.
constexpr qsizetype kChunk = qsizetype(1) << 20;
// Real documents stay far below these; hostile ones must not turn a byte of input into a hundred
// of memory or into a code page lookup each.
constexpr std::size_t kMaxTableEntries = 65536;
constexpr qsizetype kMaxFontNameLength = 256;
constexpr std::size_t kMaxCodePages = 16;
constexpr std::size_t kMaxCachedFormats = 4096;

enum class Destination : unsigned char { Body, FontTable, ColorTable };
enum class Alignment : unsigned char { Left, Center, Right, Justify };

using CharProps = RtfCharProps;

struct CharPropsHash
{
    std::size_t operator()(const CharProps &p) const
    {
        std::size_t h = std::hash<int>()(p.font);
        for (const int v : {p.halfPoints, p.colour, p.highlight,
                            p.vertical * 128 + p.bold + 2 * p.italic + 4 * p.underline + 8 * p.strike +
                                16 * p.caps + 32 * p.smallCaps + 64 * p.hidden})
            h = h * 1000003u ^ std::hash<int>()(v);
        return h;
    }
};

struct GroupState
{
    CharProps chr;
    Alignment alignment = Alignment::Left;
    int unicodeSkip = 1; // \ucN: bytes of fallback text after each \uN
    Destination destination = Destination::Body;
};

struct FontEntry
{
    QString name;
    int charset = -1;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isPlainTextByte(char c)
{
    return c != '{' && c != '}' && c != '\\' && c != '\r' && c != '\n';
}

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Removes what QTextDocument would misread as structure (block and frame separators, object
// placeholders) or cannot show (control characters, unpaired surrogates). Tabs and line separators
// stay.
// Only the part from `from` on is looked at.
void sanitize(QString &text, qsizetype from = 0)
{
    const qsizetype size = text.size();
    // Nearly all text is printable ASCII or Latin, which stays as it is: pass over it without
    // writing.
    const QChar *clean = text.constData();
    while (from < size) {
        const char16_t c = clean[from].unicode();
        if (!((c >= 0x20 && c < 0x7F) || c == u'\t' || (c >= 0xA0 && c < 0x2000)))
            break;
        ++from;
    }
    if (from == size)
        return;
    qsizetype out = from;
    QChar *data = text.data();
    for (qsizetype i = from; i < size; ++i) {
        char16_t c = data[i].unicode();
        if ((c < 0x20 && c != u'\t') || c == 0x7F)
            continue;
        if (c == 0x2029)
            c = 0x2028;
        else if (c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c == 0xFFFE || c == 0xFFFF)
            c = 0xFFFD;
        else if (isHighSurrogate(c)) {
            if (i + 1 < size && isLowSurrogate(data[i + 1].unicode())) {
                data[out++] = QChar(c);
                c = data[++i].unicode();
            } else {
                c = 0xFFFD;
            }
        } else if (isLowSurrogate(c)) {
            c = 0xFFFD;
        }
        data[out++] = QChar(c);
    }
    text.truncate(out);
}

class Parser
{
public:
    Parser(QByteArrayView rtf, QTextDocument *doc) : m_data(rtf.data()), m_size(rtf.size()), m_cursor(doc) {}

    Result run(qsizetype start);

private:
    GroupState &state() { return m_stack.back(); }

    // Groups.
    void openGroup();
    void closeGroup();
    void skipGroup();

    // Tokens.
    void controlSymbol();
    void controlWord();
    void keyword(const Keyword *kw, bool hasParam, int param, bool starred);
    void textRun();
    void hexByte();
    bool consumeFallback();

    // Text.
    int currentCodePage() const;
    CodePages::Decoder &decoder(int codePage);
    void addBytes(const char *bytes, qsizetype count);
    void flushBytes(bool all = true);
    void emitText(QStringView text);
    void emitCharacter(char16_t c);
    void emitPendingCellTab();
    void flushText(bool all = true);
    const QTextCharFormat &charFormat(const CharProps &props);
    QTextBlockFormat blockFormat(Alignment alignment) const;
    void endParagraph();
    void finishBlock();
    void endCell();
    void endRow();

    // Tables.
    void startFontEntry(int index);
    void appendToFontName(QStringView text);
    void finishFontEntry();
    void finishColour();
    const FontEntry *fontEntry(int index) const;
    std::optional<QColor> colour(int index) const;

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;
    Result m_result;

    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0; // groups opened beyond kMaxGroupDepth and not yet closed
    bool m_starred = false;  // the last token was \*
    int m_fallbackToSkip = 0;

    int m_docCodePage = 1252;
    int m_defaultFont = -1;
    std::map<int, FontEntry> m_fonts;
    std::map<int, CodePages::Decoder> m_decoders;
    std::vector<std::optional<QColor>> m_colours;

    // The font table entry being read.
    bool m_fontEntryOpen = false;
    std::size_t m_fontEntryDepth = 0; // the group depth at its \f
    int m_fontEntryIndex = 0;
    FontEntry m_fontEntry;

    // The colour table entry being read.
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colourSet = false;

    // Text bytes not yet decoded, all in one code page and for one destination.
    QByteArray m_bytes;
    int m_bytesCodePage = 1252;
    qsizetype m_bytesFlushAt = kChunk;
    Destination m_bytesDestination = Destination::Body;
    QString m_decoded;

    // Body text not yet inserted, all in one format.
    QString m_text;
    CharProps m_textProps;
    bool m_cellTabPending = false;

    // The formats the block under the cursor has now, to set them only when they change.
    Alignment m_blockAlignment = Alignment::Left;
    std::optional<CharProps> m_blockCharProps;

    // Formats built so far: documents switch among a few dozen, and building one costs more than
    // inserting its text.
    std::unordered_map<CharProps, QTextCharFormat, CharPropsHash> m_formats;
    // Where the part of m_text not yet cleaned of characters that would break the document starts.
    qsizetype m_textCheckedUpTo = 0;
    int m_paragraphs = 0;
    int m_runs = 0;
};

Result Parser::run(qsizetype start)
{
    m_result.isRichText = true;
    m_pos = start;
    m_stack.reserve(64);
    m_cursor.beginEditBlock();
    // The opening brace.
    ++m_pos;
    m_stack.emplace_back();
    while (m_pos < m_size && !m_stack.empty()) {
        switch (m_data[m_pos]) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            closeGroup();
            break;
        case '\\':
            ++m_pos;
            controlSymbol();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            textRun();
            break;
        }
    }
    m_result.complete = m_stack.empty();
    if (!m_result.complete) {
        // Truncated input: keep what was read.
        flushBytes();
        flushText();
        finishBlock();
    }
    m_cursor.endEditBlock();
    return m_result;
}

void Parser::openGroup()
{
    flushBytes();
    m_starred = false;
    m_fallbackToSkip = 0;
    if (std::ssize(m_stack) >= kMaxGroupDepth) {
        ++m_overflowDepth;
        m_result.depthLimited = true;
        return;
    }
    const GroupState inner = state();
    m_stack.push_back(inner);
}

void Parser::closeGroup()
{
    flushBytes();
    m_starred = false;
    m_fallbackToSkip = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    const Destination closing = state().destination;
    const auto closingDepth = m_stack.size();
    if (m_stack.size() == 1) {
        // The document ends here; its last paragraph takes the properties in effect at this point.
        flushText();
        finishBlock();
    }
    m_stack.pop_back();
    const bool tableEnds = m_stack.empty() || state().destination != closing;
    // An entry ends with the group it started in, not with a {\*\panose} or similar inside it.
    if (closing == Destination::FontTable && closingDepth <= m_fontEntryDepth)
        finishFontEntry();
    else if (closing == Destination::ColorTable && tableEnds && m_colourSet)
        finishColour();
}

// Skips the rest of the current group without reading it, so that pictures, objects and other data
// cost neither state nor depth however deeply they nest.
void Parser::skipGroup()
{
    flushBytes();
    int nesting = 0;
    while (m_pos < m_size) {
        const char c = m_data[m_pos++];
        if (c == '{') {
            ++nesting;
        } else if (c == '}') {
            if (nesting == 0) {
                closeGroup();
                return;
            }
            --nesting;
        } else if (c == '\\' && m_pos < m_size) {
            if (!isLetter(m_data[m_pos])) {
                ++m_pos; // an escaped brace or backslash must not count
                continue;
            }
            const qsizetype nameStart = m_pos;
            while (m_pos < m_size && isLetter(m_data[m_pos]))
                ++m_pos;
            const std::string_view name(m_data + nameStart, static_cast<std::size_t>(m_pos - nameStart));
            qint64 value = 0;
            while (m_pos < m_size && isDigit(m_data[m_pos])) {
                value = std::min<qint64>(value * 10 + (m_data[m_pos] - '0'), qint64(INT_MAX));
                ++m_pos;
            }
            // Binary data may hold braces of its own.
            if (name == "bin") {
                if (m_pos < m_size && m_data[m_pos] == ' ')
                    ++m_pos;
                m_pos += std::min<qint64>(value, m_size - m_pos);
            }
        }
    }
}

void Parser::controlSymbol()
{
    if (m_pos >= m_size)
        return;
    const char c = m_data[m_pos];
    if (isLetter(c)) {
        controlWord();
        return;
    }
    ++m_pos;
    if (c == '*') {
        m_starred = true;
        return;
    }
    m_starred = false;
    if (c == '\'') {
        hexByte();
        return;
    }
    if (consumeFallback())
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        addBytes(&c, 1);
        break;
    case '~':
        emitCharacter(0x00A0);
        break;
    case '-':
        emitCharacter(0x00AD);
        break;
    case '_':
        emitCharacter(0x2011);
        break;
    case '\r':
    case '\n':
        flushBytes();
        endParagraph();
        break;
    default:
        break;
    }
}

void Parser::controlWord()
{
    const qsizetype nameStart = m_pos;
    while (m_pos < m_size && isLetter(m_data[m_pos]))
        ++m_pos;
    const auto nameLength = static_cast<std::size_t>(m_pos - nameStart);

    bool hasParam = false;
    bool negative = false;
    qint64 value = 0;
    if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    while (m_pos < m_size && isDigit(m_data[m_pos])) {
        hasParam = true;
        // Saturate: absurd parameters must neither overflow nor shift the tokens that follow.
        value = std::min<qint64>(value * 10 + (m_data[m_pos] - '0'), qint64(INT_MAX));
        ++m_pos;
    }
    if (m_pos < m_size && m_data[m_pos] == ' ')
        ++m_pos;
    const int param = static_cast<int>(negative ? -value : value);

    const bool starred = m_starred;
    m_starred = false;
    const Keyword *kw = nameLength <= kMaxWordLength
                            ? findKeyword(std::string_view(m_data + nameStart, nameLength))
                            : nullptr;
    keyword(kw, hasParam, param, starred);
}

void Parser::keyword(const Keyword *kw, bool hasParam, int param, bool starred)
{
    const Kw kind = kw ? kw->kind : Kw::Unknown;
    if (kind == Kw::Bin) {
        const qint64 length = hasParam ? std::max(param, 0) : 0;
        m_pos += std::min<qint64>(length, m_size - m_pos);
        consumeFallback();
        return;
    }
    // An unknown destination marked with \* is to be skipped, as is every destination we do not read.
    const bool isDestination = kind == Kw::FontTable || kind == Kw::ColorTable || kind == Kw::ReadDestination;
    if ((starred && !isDestination) || kind == Kw::SkipDestination) {
        skipGroup();
        return;
    }
    if (consumeFallback())
        return;

    GroupState &s = state();
    CharProps &chr = s.chr;
    const bool on = !hasParam || param != 0;
    switch (kind) {
    case Kw::Unknown:
    case Kw::ReadDestination:
    case Kw::SkipDestination:
    case Kw::Bin:
        break;
    case Kw::FontTable:
        // Beyond the depth limit the state is shared with the enclosing groups; a table there would
        // swallow their text.
        if (m_overflowDepth > 0) {
            skipGroup();
            return;
        }
        flushBytes();
        s.destination = Destination::FontTable;
        m_fontEntryOpen = false;
        break;
    case Kw::ColorTable:
        if (m_overflowDepth > 0) {
            skipGroup();
            return;
        }
        flushBytes();
        s.destination = Destination::ColorTable;
        m_colourSet = false;
        m_red = m_green = m_blue = 0;
        break;
    case Kw::Ansi:
        flushBytes();
        m_docCodePage = 1252;
        break;
    case Kw::Mac:
        flushBytes();
        m_docCodePage = 10000;
        break;
    case Kw::Pc:
        flushBytes();
        m_docCodePage = 437;
        break;
    case Kw::Pca:
        flushBytes();
        m_docCodePage = 850;
        break;
    case Kw::AnsiCodePage:
        flushBytes();
        if (param > 0)
            m_docCodePage = param;
        break;
    case Kw::DefaultFont:
        flushBytes();
        m_defaultFont = param;
        break;
    case Kw::FontCharset:
        if (s.destination == Destination::FontTable && m_fontEntryOpen) {
            flushBytes();
            m_fontEntry.charset = param;
        }
        break;
    case Kw::Red:
    case Kw::Green:
    case Kw::Blue:
        if (s.destination == Destination::ColorTable) {
            const int v = std::clamp(param, 0, 255);
            (kind == Kw::Red ? m_red : kind == Kw::Green ? m_green : m_blue) = v;
            m_colourSet = true;
        }
        break;
    case Kw::Font:
        flushBytes();
        if (s.destination == Destination::FontTable)
            startFontEntry(param);
        else
            chr.font = param;
        break;
    case Kw::Plain:
        flushBytes();
        chr = CharProps();
        break;
    case Kw::FontSize:
        flushBytes();
        chr.halfPoints = hasParam && param > 0
                             ? std::clamp(param, CharProps::kMinHalfPoints, CharProps::kMaxHalfPoints)
                             : CharProps::kDefaultHalfPoints;
        break;
    case Kw::Bold:
        flushBytes();
        chr.bold = on;
        break;
    case Kw::Italic:
        flushBytes();
        chr.italic = on;
        break;
    case Kw::Underline:
        flushBytes();
        chr.underline = on;
        break;
    case Kw::UnderlineNone:
        flushBytes();
        chr.underline = false;
        break;
    case Kw::Strike:
        flushBytes();
        chr.strike = on;
        break;
    case Kw::Caps:
        flushBytes();
        chr.caps = on;
        break;
    case Kw::SmallCaps:
        flushBytes();
        chr.smallCaps = on;
        break;
    case Kw::Super:
        flushBytes();
        chr.vertical = on ? 1 : 0;
        break;
    case Kw::Sub:
        flushBytes();
        chr.vertical = on ? -1 : 0;
        break;
    case Kw::NoSuperSub:
        flushBytes();
        chr.vertical = 0;
        break;
    case Kw::Colour:
        flushBytes();
        chr.colour = std::max(param, 0);
        break;
    case Kw::Highlight:
        flushBytes();
        chr.highlight = std::max(param, 0);
        break;
    case Kw::Hidden:
        flushBytes();
        chr.hidden = on;
        break;
    case Kw::UnicodeSkip:
        s.unicodeSkip = hasParam ? std::clamp(param, 0, 0xFFFF) : 1;
        break;
    case Kw::Unicode: {
        flushBytes();
        // Parameters are signed 16-bit: code points above 32767 are written negative.
        const int code = param < 0 ? param + 0x10000 : param;
        if (hasParam && code >= 0 && code <= 0xFFFF)
            emitCharacter(static_cast<char16_t>(code));
        m_fallbackToSkip = s.unicodeSkip;
        break;
    }
    case Kw::ParagraphDefault:
        flushBytes();
        s.alignment = Alignment::Left;
        break;
    case Kw::AlignLeft:
        s.alignment = Alignment::Left;
        break;
    case Kw::AlignCenter:
        s.alignment = Alignment::Center;
        break;
    case Kw::AlignRight:
        s.alignment = Alignment::Right;
        break;
    case Kw::AlignJustify:
        s.alignment = Alignment::Justify;
        break;
    case Kw::Paragraph:
        flushBytes();
        endParagraph();
        break;
    case Kw::Line:
        emitCharacter(0x2028);
        break;
    case Kw::Tab:
        emitCharacter(u'\t');
        break;
    case Kw::Cell:
        flushBytes();
        endCell();
        break;
    case Kw::Row:
        flushBytes();
        endRow();
        break;
    case Kw::Character:
        emitCharacter(kw->character);
        break;
    }
}

// Fallback text after \uN is skipped: each byte, \'hh, or control word counts as one character, and
// skipping ends at a group boundary.
bool Parser::consumeFallback()
{
    if (m_fallbackToSkip <= 0)
        return false;
    --m_fallbackToSkip;
    return true;
}

void Parser::hexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_size) {
        const int h = hexValue(m_data[m_pos]);
        if (h < 0)
            break;
        value = value * 16 + h;
        ++digits;
        ++m_pos;
    }
    if (digits < 2 || consumeFallback())
        return;
    const char byte = static_cast<char>(value);
    addBytes(&byte, 1);
}

void Parser::textRun()
{
    const qsizetype start = m_pos;
    while (m_pos < m_size && isPlainTextByte(m_data[m_pos]))
        ++m_pos;
    const char *bytes = m_data + start;
    qsizetype count = m_pos - start;
    m_starred = false;
    const qsizetype skipped = std::min<qsizetype>(count, std::max(m_fallbackToSkip, 0));
    m_fallbackToSkip -= static_cast<int>(skipped);
    bytes += skipped;
    count -= skipped;
    if (count == 0)
        return;

    const Destination dest = state().destination;
    if (dest == Destination::Body) {
        addBytes(bytes, count);
        return;
    }
    // In the tables a semicolon ends an entry.
    for (qsizetype i = 0; i < count; ++i) {
        if (bytes[i] != ';') {
            if (dest == Destination::FontTable && m_fontEntryOpen)
                addBytes(bytes + i, 1);
            continue;
        }
        if (dest == Destination::FontTable)
            finishFontEntry();
        else
            finishColour();
    }
}

int Parser::currentCodePage() const
{
    int fontIndex = -1;
    if (m_stack.back().destination == Destination::FontTable) {
        if (m_fontEntryOpen && m_fontEntry.charset >= 0) {
            if (const int cp = CodePages::forCharset(m_fontEntry.charset))
                return cp;
        }
        return m_docCodePage;
    }
    fontIndex = m_stack.back().chr.font >= 0 ? m_stack.back().chr.font : m_defaultFont;
    if (const FontEntry *font = fontEntry(fontIndex)) {
        if (const int cp = CodePages::forCharset(font->charset))
            return cp;
    }
    return m_docCodePage;
}

CodePages::Decoder &Parser::decoder(int codePage)
{
    auto it = m_decoders.find(codePage);
    if (it == m_decoders.end()) {
        if (m_decoders.size() >= kMaxCodePages)
            codePage = 1252;
        it = m_decoders.try_emplace(codePage, codePage).first;
    }
    return it->second;
}

void Parser::addBytes(const char *bytes, qsizetype count)
{
    const Destination dest = state().destination;
    if (dest == Destination::ColorTable)
        return;
    if (m_bytes.isEmpty()) {
        m_bytesCodePage = currentCodePage();
        m_bytesDestination = dest;
    }
    m_bytes.append(bytes, count);
    if (m_bytes.size() >= m_bytesFlushAt) {
        flushBytes(false);
        // Text with no safe place to split is left to grow, but not rescanned byte by byte.
        m_bytesFlushAt = m_bytes.size() + kChunk;
    }
}

// With `all` false, decodes only up to the last byte below 0x40, which no double-byte code page uses
// as a lead or trail byte, so a long run can be decoded in parts without splitting a character.
void Parser::flushBytes(bool all)
{
    if (m_bytes.isEmpty())
        return;
    qsizetype count = m_bytes.size();
    if (!all) {
        while (count > 0 && static_cast<unsigned char>(m_bytes.at(count - 1)) >= 0x40)
            --count;
        if (count == 0)
            return;
    }
    m_decoded.clear();
    decoder(m_bytesCodePage).decodeAppend(QByteArrayView(m_bytes).first(count), m_decoded);
    m_bytes.remove(0, count);
    if (m_bytes.isEmpty())
        m_bytesFlushAt = kChunk;
    if (m_bytesDestination == Destination::FontTable)
        appendToFontName(m_decoded);
    else
        emitText(m_decoded);
}

void Parser::emitCharacter(char16_t c)
{
    flushBytes();
    const Destination dest = state().destination;
    if (dest == Destination::FontTable) {
        if (m_fontEntryOpen)
            appendToFontName(QStringView(&c, 1));
    } else if (dest == Destination::Body) {
        emitText(QStringView(&c, 1));
    }
}

void Parser::emitText(QStringView text)
{
    const CharProps &props = state().chr;
    if (text.isEmpty() || props.hidden)
        return;
    emitPendingCellTab();
    if (props != m_textProps) {
        if (m_runs < kMaxRuns) {
            flushText();
            m_textProps = props;
        } else {
            m_result.sizeLimited = true;
        }
    }
    m_text += text;
    if (m_text.size() >= kChunk)
        flushText(false);
}

void Parser::emitPendingCellTab()
{
    if (!m_cellTabPending)
        return;
    m_cellTabPending = false;
    m_text += u'\t';
}

// With `all` false, keeps a trailing high surrogate back for the low one that should follow.
void Parser::flushText(bool all)
{
    if (m_text.isEmpty())
        return;
    QChar heldBack;
    if (!all && isHighSurrogate(m_text.back().unicode())) {
        heldBack = m_text.back();
        m_text.chop(1);
    }
    sanitize(m_text, m_textCheckedUpTo);
    m_cursor.insertText(m_text, charFormat(m_textProps));
    m_text.clear();
    m_textCheckedUpTo = 0;
    if (!heldBack.isNull())
        m_text += heldBack;
    ++m_runs;
}

const QTextCharFormat &Parser::charFormat(const CharProps &props)
{
    if (const auto found = m_formats.find(props); found != m_formats.end())
        return found->second;
    // Hostile input could name a new format with every run.
    if (m_formats.size() >= kMaxCachedFormats)
        m_formats.clear();
    QTextCharFormat &format = m_formats[props];
    const FontEntry *font = fontEntry(props.font >= 0 ? props.font : m_defaultFont);
    if (font && !font->name.isEmpty())
        format.setFontFamilies(QStringList{font->name});
    props.applyTo(format);
    if (const std::optional<QColor> c = colour(props.colour))
        format.setForeground(*c);
    if (const std::optional<QColor> c = colour(props.highlight))
        format.setBackground(*c);
    return format;
}

QTextBlockFormat Parser::blockFormat(Alignment alignment) const
{
    QTextBlockFormat format;
    switch (alignment) {
    case Alignment::Left:
        break;
    case Alignment::Center:
        format.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Right:
        format.setAlignment(Qt::AlignRight);
        break;
    case Alignment::Justify:
        format.setAlignment(Qt::AlignJustify);
        break;
    }
    return format;
}

void Parser::endParagraph()
{
    if (state().destination != Destination::Body)
        return;
    emitPendingCellTab();
    if (m_paragraphs >= kMaxParagraphs) {
        m_result.sizeLimited = true;
        const char16_t lineBreak = 0x2028;
        emitText(QStringView(&lineBreak, 1));
        return;
    }
    ++m_paragraphs;
    const GroupState &s = state();
    if (s.alignment == m_blockAlignment && s.chr == m_textProps && m_blockCharProps == m_textProps) {
        // The paragraph ends in the formats it was given and the next one starts in them too: a
        // paragraph separator in the pending text makes the same block in the same insertion,
        // which spares inserting every paragraph on its own.
        sanitize(m_text, m_textCheckedUpTo);
        m_text += QChar::ParagraphSeparator;
        m_textCheckedUpTo = m_text.size();
        return;
    }
    flushText();
    finishBlock();
    // The next paragraph most likely keeps these formats; giving them to it now saves setting them at
    // its end.
    m_cursor.insertBlock(blockFormat(s.alignment), charFormat(s.chr));
    m_blockAlignment = s.alignment;
    m_blockCharProps = s.chr;
}

// Gives the paragraph under the cursor the alignment and character format in effect at its end, as
// RTF applies paragraph properties at the paragraph mark.
void Parser::finishBlock()
{
    const GroupState &s = state();
    if (s.alignment != m_blockAlignment) {
        m_cursor.setBlockFormat(blockFormat(s.alignment));
        m_blockAlignment = s.alignment;
    }
    if (s.chr != m_blockCharProps) {
        m_cursor.setBlockCharFormat(charFormat(s.chr));
        m_blockCharProps = s.chr;
    }
}

// Cells become tab-separated text; the tab after a row's last cell is dropped.
void Parser::endCell()
{
    if (state().destination != Destination::Body)
        return;
    emitPendingCellTab();
    m_cellTabPending = true;
}

void Parser::endRow()
{
    if (state().destination != Destination::Body)
        return;
    m_cellTabPending = false;
    endParagraph();
}

void Parser::startFontEntry(int index)
{
    finishFontEntry();
    m_fontEntryOpen = true;
    m_fontEntryDepth = m_stack.size();
    m_fontEntryIndex = index;
    m_fontEntry = FontEntry();
}

void Parser::appendToFontName(QStringView text)
{
    m_fontEntry.name += text.first(std::min(text.size(), kMaxFontNameLength - m_fontEntry.name.size()));
}

void Parser::finishFontEntry()
{
    flushBytes();
    if (!m_fontEntryOpen)
        return;
    m_fontEntryOpen = false;
    if (m_fonts.size() >= kMaxTableEntries && !m_fonts.contains(m_fontEntryIndex))
        return;
    m_fontEntry.name = m_fontEntry.name.trimmed();
    sanitize(m_fontEntry.name);
    m_fonts[m_fontEntryIndex] = m_fontEntry;
}

void Parser::finishColour()
{
    if (m_colours.size() < kMaxTableEntries) {
        if (m_colourSet)
            m_colours.emplace_back(QColor(m_red, m_green, m_blue));
        else
            m_colours.emplace_back(std::nullopt);
    }
    m_colourSet = false;
    m_red = m_green = m_blue = 0;
}

const FontEntry *Parser::fontEntry(int index) const
{
    const auto it = m_fonts.find(index);
    return it == m_fonts.end() ? nullptr : &it->second;
}

std::optional<QColor> Parser::colour(int index) const
{
    if (index <= 0 || index >= std::ssize(m_colours))
        return std::nullopt;
    return m_colours[static_cast<std::size_t>(index)];
}

// Where "{\rtf" starts, or -1.
qsizetype headerStart(QByteArrayView bytes)
{
    qsizetype pos = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        pos = 3;
    while (pos < bytes.size() && (bytes[pos] == ' ' || bytes[pos] == '\t' || bytes[pos] == '\r' ||
                                  bytes[pos] == '\n' || bytes[pos] == '\f' || bytes[pos] == '\v'))
        ++pos;
    return bytes.sliced(pos).startsWith("{\\rtf") ? pos : -1;
}

} // namespace

bool isRichText(QByteArrayView bytes)
{
    return headerStart(bytes) >= 0;
}

Result read(QByteArrayView rtf, QTextDocument *into)
{
    const qsizetype start = headerStart(rtf);
    if (start < 0 || !into)
        return {};
    // Loading is not an edit the user could undo, and keeping the old text for undo would double the
    // memory a large file needs.
    const bool undo = into->isUndoRedoEnabled();
    into->setUndoRedoEnabled(false);
    into->clear();
    Result result = Parser(rtf, into).run(start);
    into->setUndoRedoEnabled(undo);
    return result;
}

} // namespace RtfReader
