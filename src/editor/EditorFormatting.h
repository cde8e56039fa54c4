#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

class QTextEdit;

// Character formatting and plain-text clipboard work on the selection of a QTextEdit. With
// nothing selected, a format change applies to what is typed next at the caret.
namespace EditorFormatting {

// The character attributes of a selection; an attribute that differs inside the selection is
// mixed (nullopt).
struct SelectionFormat
{
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<bool> strikeOut;
    std::optional<QString> family;
    std::optional<double> pointSize;
    std::optional<QColor> colour;
};

// What the editor's selection (or, with none, the caret) has; attributes the text does not set
// itself come from the document's default font and the editor's text colour.
SelectionFormat selectionFormat(const QTextEdit &edit);

// The font dialog's starting font: each attribute of `format`, or where it is mixed: not bold,
// not italic, no underline, no strikeout, no family and no size of its own.
QFont fontDialogSeed(const SelectionFormat &format);
// The colour dialog's starting colour: the selection's colour, or black where it is mixed.
QColor colourDialogSeed(const SelectionFormat &format);

// Gives the selection the dialog font's weight, italic, family, size, underline and strikeout.
void applyFont(QTextEdit &edit, const QFont &font);
void applyColour(QTextEdit &edit, const QColor &colour);

// Inverts bold (italic, underline) on the selection. A selection that mixes both states becomes
// all bold (italic, underlined), as word processors do.
void toggleBold(QTextEdit &edit);
void toggleItalic(QTextEdit &edit);
void toggleUnderline(QTextEdit &edit);

// Replaces the selected text by its upper-case form, keeping each piece's formatting; the new
// text stays selected.
void makeUpperCase(QTextEdit &edit);

// The selected text as plain text, paragraphs separated by "\n".
QString selectedPlainText(const QTextEdit &edit);

// How the clipboard is treated before the text goes on it.
enum class Clipboard {
    Emptied, // everything on it is removed, so only the new plain text is left
    Kept,    // formats other than plain text that were on it stay beside the new text
};

void copy(const QTextEdit &edit, Clipboard mode);
void cut(QTextEdit &edit, Clipboard mode);
// Replaces the selection (or inserts at the caret) with the clipboard's plain text.
void pastePlainText(QTextEdit &edit);

} // namespace EditorFormatting
