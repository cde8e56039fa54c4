#pragma once

#include <QByteArrayView>

class QTextDocument;

// Reads RTF into a QTextDocument: the text, paragraphs with their alignment, and character runs with
// font, size, colour, bold, italic, underline, strikethrough, capitals, superscript/subscript and
// highlight. Tables become text, one paragraph per row with the cells separated by tabs. Pictures,
// objects, headers, footers, footnotes, comments, field instructions and every destination we do not
// read are skipped; a field shows its result, a list item its number or bullet; hidden text (\v) is
// left out.
//
// 8-bit text (\'hh and raw bytes) is decoded in the code page of its font's \fcharset where that names
// one (charset 0 means Windows-1252), else in the document's \ansicpg (or
// \mac, \pc, \pca; Windows-1252 when none is given). Bytes a code page leaves undefined become
// U+FFFD.
//
// Any input is safe: malformed, truncated or hostile bytes give a document or "not rich text", never
// a crash, and time and memory grow at most linearly with the input. Besides the limits below, the
// colour and font tables keep 65 536 entries, font names 256 characters, and a document may use 16
// code pages; text in any further one is read as Windows-1252.
namespace RtfReader {

// Groups may nest this deep; deeper groups share the state of the deepest one, so their text is still
// read but formatting set inside them is no longer undone when they close.
inline constexpr int kMaxGroupDepth = 1000;

// Past this many paragraphs (or character runs), further paragraph breaks become line breaks (and
// further runs take the format of the run before), so that hostile input cannot make a document whose
// bookkeeping dwarfs the file. Every character of text is still read.
inline constexpr int kMaxParagraphs = 500000;
inline constexpr int kMaxRuns = 2000000;

struct Result
{
    // False when the bytes are not rich text; the document was then left untouched.
    bool isRichText = false;
    // False when the input ended before the outermost group closed (what was read is kept).
    bool complete = false;
    // True when groups nested deeper than kMaxGroupDepth.
    bool depthLimited = false;
    // True when the paragraph or run limit was reached.
    bool sizeLimited = false;

    explicit operator bool() const { return isRichText; }
};

// True when `bytes` starts with "{\rtf", after optional whitespace and an optional UTF-8 byte-order
// mark. Anything else, including a file with stray characters before the opening brace, is not rich
// text.
bool isRichText(QByteArrayView bytes);

// Replaces the whole content of `into` with the document in `rtf`. When `rtf` is not rich text, returns
// a result with isRichText false and leaves `into` as it was. The document's undo history is cleared;
// its default font and other settings are not touched. Loading changes the content like any edit, so
// the document is modified afterwards; a caller for whom a freshly loaded file is unmodified clears
// the flag.
Result read(QByteArrayView rtf, QTextDocument *into);

} // namespace RtfReader
