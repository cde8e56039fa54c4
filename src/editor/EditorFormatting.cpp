#include "editor/EditorFormatting.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <functional>

namespace EditorFormatting {

namespace {

// A stretch of the selection inside one fragment, so it has one character format.
struct Piece
{
    int start;
    int length;
    QTextCharFormat format;
};

QList<Piece> selectedPieces(const QTextCursor &cursor)
{
    QList<Piece> pieces;
    if (!cursor.hasSelection())
        return pieces;
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    const QTextDocument *document = cursor.document();
    for (QTextBlock block = document->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int from = std::max(fragment.position(), start);
            const int to = std::min(fragment.position() + fragment.length(), end);
            if (from < to)
                pieces.append({from, to - from, fragment.charFormat()});
        }
    }
    return pieces;
}

// The formats the selection is made of; with nothing selected (or only paragraph breaks), the
// format at the caret.
QList<QTextCharFormat> selectedFormats(const QTextEdit &edit)
{
    const QTextCursor cursor = edit.textCursor();
    QList<QTextCharFormat> formats;
    for (const Piece &piece : selectedPieces(cursor))
        formats.append(piece.format);
    if (formats.isEmpty())
        formats.append(cursor.charFormat());
    return formats;
}

QFont effectiveFont(const QTextCharFormat &format, const QFont &defaultFont)
{
    return format.font().resolve(defaultFont);
}

bool effectiveUnderline(const QTextCharFormat &format, const QFont &defaultFont)
{
    if (format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline))
        return format.fontUnderline();
    return defaultFont.underline();
}

bool effectiveStrikeOut(const QTextCharFormat &format, const QFont &defaultFont)
{
    if (format.hasProperty(QTextFormat::FontStrikeOut))
        return format.fontStrikeOut();
    return defaultFont.strikeOut();
}

template <typename T>
std::optional<T> uniform(const QList<QTextCharFormat> &formats,
                         const std::function<T(const QTextCharFormat &)> &get)
{
    std::optional<T> first;
    for (const QTextCharFormat &format : formats) {
        const T value = get(format);
        if (!first)
            first = value;
        else if (!(*first == value))
            return std::nullopt;
    }
    return first;
}

// An attribute is switched off by dropping the text's own value, so the text falls back to the
// document's default again (Bold twice gives back exactly what was there); only where the default
// itself has the attribute is the value set explicitly.
void setBold(QTextCharFormat &format, bool on, const QFont &defaultFont)
{
    format.clearProperty(QTextFormat::FontWeight);
    if (effectiveFont(format, defaultFont).bold() != on)
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
}

void setItalic(QTextCharFormat &format, bool on, const QFont &defaultFont)
{
    format.clearProperty(QTextFormat::FontItalic);
    if (effectiveFont(format, defaultFont).italic() != on)
        format.setFontItalic(on);
}

void setUnderline(QTextCharFormat &format, bool on, const QFont &defaultFont)
{
    format.clearProperty(QTextFormat::TextUnderlineStyle);
    format.clearProperty(QTextFormat::FontUnderline);
    if (effectiveUnderline(format, defaultFont) != on)
        format.setFontUnderline(on);
}

void setStrikeOut(QTextCharFormat &format, bool on, const QFont &defaultFont)
{
    format.clearProperty(QTextFormat::FontStrikeOut);
    if (effectiveStrikeOut(format, defaultFont) != on)
        format.setFontStrikeOut(on);
}

// Changes every piece of the selection through `change`, as one undo step; with nothing selected,
// changes the format the next typed text gets.
void changeFormat(QTextEdit &edit, const std::function<void(QTextCharFormat &)> &change)
{
    const QTextCursor cursor = edit.textCursor();
    const QList<Piece> pieces = selectedPieces(cursor);
    if (pieces.isEmpty()) {
        QTextCharFormat format = cursor.charFormat();
        change(format);
        edit.setCurrentCharFormat(format);
        return;
    }
    QTextCursor writer(edit.document());
    writer.beginEditBlock();
    for (const Piece &piece : pieces) {
        QTextCharFormat format = piece.format;
        change(format);
        writer.setPosition(piece.start);
        writer.setPosition(piece.start + piece.length, QTextCursor::KeepAnchor);
        writer.setCharFormat(format);
    }
    writer.endEditBlock();
}

QColor textColour(const QTextCharFormat &format, const QTextEdit &edit)
{
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        return format.foreground().color();
    return edit.palette().color(QPalette::Text);
}

} // namespace

SelectionFormat selectionFormat(const QTextEdit &edit)
{
    const QList<QTextCharFormat> formats = selectedFormats(edit);
    const QFont defaultFont = edit.document()->defaultFont();
    SelectionFormat result;
    result.bold = uniform<bool>(
        formats, [&](const QTextCharFormat &f) { return effectiveFont(f, defaultFont).bold(); });
    result.italic = uniform<bool>(
        formats, [&](const QTextCharFormat &f) { return effectiveFont(f, defaultFont).italic(); });
    result.underline =
        uniform<bool>(formats, [&](const QTextCharFormat &f) { return effectiveUnderline(f, defaultFont); });
    result.strikeOut =
        uniform<bool>(formats, [&](const QTextCharFormat &f) { return effectiveStrikeOut(f, defaultFont); });
    result.family = uniform<QString>(
        formats, [&](const QTextCharFormat &f) { return effectiveFont(f, defaultFont).family(); });
    result.pointSize = uniform<double>(
        formats, [&](const QTextCharFormat &f) { return effectiveFont(f, defaultFont).pointSizeF(); });
    result.colour = uniform<QColor>(formats, [&](const QTextCharFormat &f) { return textColour(f, edit); });
    return result;
}

QFont fontDialogSeed(const SelectionFormat &format)
{
    QFont seed;
    seed.setBold(format.bold.value_or(false));
    seed.setItalic(format.italic.value_or(false));
    seed.setUnderline(format.underline.value_or(false));
    seed.setStrikeOut(format.strikeOut.value_or(false));
    if (format.family)
        seed.setFamily(*format.family);
    if (format.pointSize && *format.pointSize > 0)
        seed.setPointSizeF(*format.pointSize);
    return seed;
}

QColor colourDialogSeed(const SelectionFormat &format)
{
    return format.colour.value_or(QColor(Qt::black));
}

void applyFont(QTextEdit &edit, const QFont &font)
{
    const QFont defaultFont = edit.document()->defaultFont();
    changeFormat(edit, [&](QTextCharFormat &format) {
        setBold(format, font.bold(), defaultFont);
        setItalic(format, font.italic(), defaultFont);
        if (!font.family().isEmpty())
            format.setFontFamilies(QStringList{font.family()});
        if (font.pointSizeF() > 0)
            format.setFontPointSize(font.pointSizeF());
        setStrikeOut(format, font.strikeOut(), defaultFont);
        setUnderline(format, font.underline(), defaultFont);
    });
}

void applyColour(QTextEdit &edit, const QColor &colour)
{
    changeFormat(edit, [&](QTextCharFormat &format) { format.setForeground(colour); });
}

void toggleBold(QTextEdit &edit)
{
    const bool on = !selectionFormat(edit).bold.value_or(false);
    const QFont defaultFont = edit.document()->defaultFont();
    changeFormat(edit, [&](QTextCharFormat &format) { setBold(format, on, defaultFont); });
}

void toggleItalic(QTextEdit &edit)
{
    const bool on = !selectionFormat(edit).italic.value_or(false);
    const QFont defaultFont = edit.document()->defaultFont();
    changeFormat(edit, [&](QTextCharFormat &format) { setItalic(format, on, defaultFont); });
}

void toggleUnderline(QTextEdit &edit)
{
    const bool on = !selectionFormat(edit).underline.value_or(false);
    const QFont defaultFont = edit.document()->defaultFont();
    changeFormat(edit, [&](QTextCharFormat &format) { setUnderline(format, on, defaultFont); });
}

void makeUpperCase(QTextEdit &edit)
{
    const QTextCursor cursor = edit.textCursor();
    const QList<Piece> pieces = selectedPieces(cursor);
    if (pieces.isEmpty())
        return;
    const int start = cursor.selectionStart();
    int end = cursor.selectionEnd();
    QTextCursor writer(edit.document());
    writer.beginEditBlock();
    // From the back, so the positions of the pieces still to do stay valid when a piece changes
    // length (as "ß" does, becoming "SS").
    for (qsizetype i = pieces.size() - 1; i >= 0; --i) {
        const Piece &piece = pieces.at(i);
        writer.setPosition(piece.start);
        writer.setPosition(piece.start + piece.length, QTextCursor::KeepAnchor);
        const QString text = writer.selectedText();
        const QString upper = text.toUpper();
        if (upper == text)
            continue;
        writer.insertText(upper, piece.format);
        end += int(upper.size() - text.size());
    }
    writer.endEditBlock();
    QTextCursor selection(edit.document());
    selection.setPosition(start);
    selection.setPosition(end, QTextCursor::KeepAnchor);
    edit.setTextCursor(selection);
}

QString selectedPlainText(const QTextEdit &edit)
{
    return edit.textCursor().selection().toPlainText();
}

void copy(const QTextEdit &edit, Clipboard mode)
{
    const QString text = selectedPlainText(edit);
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (mode == Clipboard::Emptied) {
        clipboard->clear();
        clipboard->setText(text);
        return;
    }
    auto *data = new QMimeData;
    if (const QMimeData *previous = clipboard->mimeData()) {
        const QStringList formats = previous->formats();
        for (const QString &format : formats) {
            if (!format.startsWith(QLatin1String("text/plain")))
                data->setData(format, previous->data(format));
        }
    }
    data->setText(text);
    clipboard->setMimeData(data);
}

void cut(QTextEdit &edit, Clipboard mode)
{
    copy(edit, mode);
    QTextCursor cursor = edit.textCursor();
    cursor.removeSelectedText();
    edit.setTextCursor(cursor);
}

void pastePlainText(QTextEdit &edit)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    // Nothing to paste: the selection stays rather than being replaced by nothing.
    if (!data || !data->hasText())
        return;
    QString text = data->text();
    // Windows line ends would otherwise become two paragraph breaks each.
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QTextCursor cursor = edit.textCursor();
    cursor.insertText(text);
    edit.setTextCursor(cursor);
}

} // namespace EditorFormatting
