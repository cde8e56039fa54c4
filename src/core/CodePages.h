#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <optional>

// Windows code pages as RTF files use them for their 8-bit text (\ansicpg, \fcharset, \'hh).
namespace CodePages {

// The code page a font's \fcharset value stands for, or 0 when the charset leaves the choice to the
// document's own code page (the "default" and "symbol" charsets and any value we do not know).
int forCharset(int charset);

// True for the code pages we decode from our own tables (437, 850, 874, 1250-1258, 10000), so they
// work the same whether or not Qt was built with ICU.
bool hasOwnTable(int codePage);

// Decodes byte text written in one code page. ASCII passes through unchanged; bytes a code page leaves
// undefined become U+FFFD. Double-byte pages (932, 936, 949, 950, ...) go through QStringDecoder when Qt
// knows them; any code page neither we nor Qt know is read as Windows-1252.
class Decoder final
{
public:
    explicit Decoder(int codePage);

    int codePage() const { return m_codePage; }

    // Appends the text of `bytes` to `out`. Each call stands alone: a double-byte character must not be
    // split across two calls.
    void decodeAppend(QByteArrayView bytes, QString &out);

private:
    int m_codePage;
    const char16_t *m_highHalf = nullptr; // 128 entries for bytes 0x80-0xFF
    std::optional<QStringDecoder> m_qtDecoder;
};

// The Windows-1252 byte for `c`, if that code page has one (ASCII included).
std::optional<char> toWindows1252(char16_t c);

} // namespace CodePages
