// A document built from fuzzed text and formats keeps its text through the RTF writer and reader.
#include "FuzzSupport.h"

#include "core/RtfReader.h"
#include "core/RtfWriter.h"

#include <QTextCursor>
#include <QTextDocument>

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte of every chunk picks the format, the rest is UTF-8 text.
    QTextDocument source;
    QTextCursor cursor(&source);
    size_t at = 0;
    while (at < size) {
        const uint8_t format = data[at++];
        const size_t length = std::min<size_t>(size - at, 1 + (format >> 4));
        QString text =
            QString::fromUtf8(reinterpret_cast<const char *>(data + at), static_cast<qsizetype>(length));
        at += length;
        // Characters QTextDocument itself rewrites are not part of what must survive.
        text.remove(QChar(0));
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        text.replace(QChar(0xFDD0), QLatin1Char(' '));
        text.replace(QChar(0xFDD1), QLatin1Char(' '));
        // Noncharacters: the reader takes them for the replacement character, as a file may hold them
        // but no document should.
        text.replace(QChar(0xFFFE), QLatin1Char(' '));
        text.replace(QChar(0xFFFF), QLatin1Char(' '));
        text.replace(QChar::ObjectReplacementCharacter, QLatin1Char(' '));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        // Control characters other than tab and line break are not text: RTF has no way to write
        // them, and word processors drop them too.
        for (QChar &c : text) {
            if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
                c = QLatin1Char(' ');
            else if (c.unicode() == 0x7f)
                c = QLatin1Char(' ');
        }
        QTextCharFormat chars;
        chars.setFontWeight(format & 1 ? QFont::Bold : QFont::Normal);
        chars.setFontItalic(format & 2);
        chars.setFontUnderline(format & 4);
        chars.setFontStrikeOut(format & 8);
        chars.setForeground(QColor::fromRgb(format * 37 % 256, format * 11 % 256, format * 5 % 256));
        chars.setFontPointSize(6 + (format % 30));
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                cursor.insertBlock();
            cursor.insertText(lines.at(i), chars);
        }
    }

    const QByteArray rtf = RtfWriter::write(source);
    QTextDocument back;
    const RtfReader::Result result = RtfReader::read(rtf, &back);
    if (!result.isRichText || !result.complete)
        __builtin_trap();
    const QString expected = source.toPlainText();
    const QString got = back.toPlainText();
    if (got != expected) {
        qsizetype at = 0;
        while (at < expected.size() && at < got.size() && expected.at(at) == got.at(at))
            ++at;
        fprintf(stderr, "text differs at %lld: expected U+%04X, got U+%04X\n", static_cast<long long>(at),
                at < expected.size() ? expected.at(at).unicode() : 0u,
                at < got.size() ? got.at(at).unicode() : 0u);
        __builtin_trap();
    }
    return 0;
}
