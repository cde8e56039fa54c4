#pragma once

class QFont;
class QTextCharFormat;

// Character formatting as RTF counts it, and its one mapping to and from Qt's, shared by the reader
// and the writer so that both directions agree. The defaults are RTF's own after \plain. Fonts and
// colours are indexes into the document's tables, which the reader and the writer each keep.
struct RtfCharProps
{
    // Font sizes in half points, as far as word processors allow them.
    static constexpr int kMinHalfPoints = 2;
    static constexpr int kMaxHalfPoints = 3276;
    static constexpr int kDefaultHalfPoints = 24;

    int font = -1; // -1: the document's default font (\deff)
    int halfPoints = kDefaultHalfPoints;
    int colour = 0; // index into the colour table; 0 is "automatic"
    int highlight = 0;
    int vertical = 0; // 1 superscript, -1 subscript
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool caps = false;
    bool smallCaps = false;
    bool hidden = false;

    bool operator==(const RtfCharProps &) const = default;

    // Sets the size, weight, slant, lines, capitals and vertical position on `format`.
    void applyTo(QTextCharFormat &format) const;
    // Those of `format`; what it leaves unset is `font`'s. Font and colours stay unset.
    static RtfCharProps of(const QTextCharFormat &format, const QFont &font);
};
