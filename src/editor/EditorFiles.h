#pragma once

#include <QString>

class QTextDocument;

// Reading and writing the editor's documents: rich text in, rich text or plain text out.
namespace EditorFiles {

// True when `fileName` ends in ".txt", in any mix of case: such names are written as plain text
// where the command allows it.
bool isPlainTextName(const QString &fileName);

// Replaces the content of `document` with the RTF file at `path`. Returns why it could not (the
// file cannot be read, or is not rich text), empty on success; on failure `document` is untouched.
QString loadRichText(const QString &path, QTextDocument *document);

// True when `document`, laid out `width` pixels wide, could stand taller than a text view can
// lay out: Qt's layout stops working past 2^23 pixels of height and would hang the window. The
// height is estimated generously (average character widths, each paragraph's largest font), so
// a document refused may in fact have fitted; one accepted always fits.
bool tooTallToShow(const QTextDocument &document, int width);

enum class Format { RichText, PlainText };

// Writes `document` to `path` in `format`. The file is replaced only by a complete new one, so a
// failed write never truncates what was there. Returns why it failed, empty on success.
QString save(const QTextDocument &document, const QString &path, Format format);

} // namespace EditorFiles
