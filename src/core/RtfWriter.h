#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a QTextDocument as RTF or as plain text.
namespace RtfWriter {

// The document as RTF: a "\rtf1\ansi\ansicpg1252\deff0" header, a font table and a colour table built
// from what the text uses (font 0 is the document's default font), then one paragraph per block with
// its alignment, and character runs with font, size, colour, bold, italic, underline, strikethrough,
// capitals, superscript/subscript and highlight. Text other than printable ASCII is written as \uN
// with a Windows-1252 fallback where that code page has the character, "?" where it has not. Sizes
// are rounded to the nearest half point, the unit RTF counts in. Images and other embedded objects
// are left out; tables, if any, come out as one paragraph per cell.
QByteArray write(const QTextDocument &document);

// The document's text as UTF-8 plain text, one line per paragraph, lines separated by "\n" and no
// separator after the last; line breaks inside a paragraph also become "\n", non-breaking spaces
// plain spaces, and embedded objects are left out.
QByteArray writePlainText(const QTextDocument &document);

} // namespace RtfWriter
