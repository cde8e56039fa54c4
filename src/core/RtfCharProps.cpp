#include "core/RtfCharProps.h"

#include <QFont>
#include <QTextCharFormat>

#include <algorithm>

void RtfCharProps::applyTo(QTextCharFormat &format) const
{
    format.setFontPointSize(halfPoints / 2.0);
    if (bold)
        format.setFontWeight(QFont::Bold);
    if (italic)
        format.setFontItalic(true);
    if (underline)
        format.setFontUnderline(true);
    if (strike)
        format.setFontStrikeOut(true);
    if (caps)
        format.setFontCapitalization(QFont::AllUppercase);
    else if (smallCaps)
        format.setFontCapitalization(QFont::SmallCaps);
    if (vertical > 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (vertical < 0)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
}

RtfCharProps RtfCharProps::of(const QTextCharFormat &format, const QFont &font)
{
    RtfCharProps p;
    qreal points =
        format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize() : font.pointSizeF();
    if (points <= 0)
        points = 12;
    p.halfPoints = std::clamp(qRound(points * 2), kMinHalfPoints, kMaxHalfPoints);

    const int weight = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() : int(font.weight());
    p.bold = weight >= QFont::DemiBold;
    p.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : font.italic();
    p.underline =
        format.hasProperty(QTextFormat::TextUnderlineStyle) || format.hasProperty(QTextFormat::FontUnderline)
            ? format.fontUnderline() || format.underlineStyle() != QTextCharFormat::NoUnderline
            : font.underline();
    p.strike = format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut() : font.strikeOut();
    const QFont::Capitalization caps = format.hasProperty(QTextFormat::FontCapitalization)
                                           ? format.fontCapitalization()
                                           : font.capitalization();
    p.caps = caps == QFont::AllUppercase;
    p.smallCaps = caps == QFont::SmallCaps;
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        p.vertical = 1;
    else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        p.vertical = -1;
    return p;
}
