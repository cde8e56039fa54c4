#include "editor/EditorFiles.h"

#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "core/WholeFile.h"

#include <QFile>
#include <QFontMetricsF>
#include <QHash>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <cmath>

namespace EditorFiles {

bool isPlainTextName(const QString &fileName)
{
    return fileName.right(4).toLower() == QLatin1String(".txt");
}

QString loadRichText(const QString &path, QTextDocument *document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    if (!RtfReader::read(bytes, document))
        return QStringLiteral("It is not a Rich Text (RTF) file.");
    return {};
}

bool tooTallToShow(const QTextDocument &document, int width)
{
    // Three quarters of the height where layout breaks, for what the estimate misses (ragged
    // line ends, mostly).
    constexpr qreal kMaxHeight = qreal(1 << 23) * 3 / 4;
    const qreal lineWidth = std::max(width, 100);
    // Each format's font, measured once: line spacing and average character width.
    QHash<int, std::pair<qreal, qreal>> metrics;
    const QFont base = document.defaultFont();
    const auto measure = [&](int index, const QTextCharFormat &format) {
        auto found = metrics.constFind(index);
        if (found == metrics.cend()) {
            const QFontMetricsF fm(format.font().resolve(base));
            found = metrics.insert(index, {fm.lineSpacing(), fm.averageCharWidth()});
        }
        return *found;
    };
    qreal height = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        auto [lineSpacing, widest] = measure(block.charFormatIndex(), block.charFormat());
        qreal textWidth = 0;
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const auto [spacing, charWidth] = measure(fragment.charFormatIndex(), fragment.charFormat());
            lineSpacing = std::max(lineSpacing, spacing);
            widest = std::max(widest, charWidth);
            textWidth += fragment.length() * charWidth;
        }
        // East Asian characters are about twice the average width: count them once more.
        const QString text = block.text();
        textWidth += widest * qreal(std::count_if(text.cbegin(), text.cend(),
                                                  [](QChar c) { return c.unicode() >= 0x1100; }));
        height += std::max<qreal>(1, std::ceil(textWidth / lineWidth)) * lineSpacing;
        if (height > kMaxHeight)
            return true;
    }
    return false;
}

QString save(const QTextDocument &document, const QString &path, Format format)
{
    const QByteArray bytes =
        format == Format::PlainText ? RtfWriter::writePlainText(document) : RtfWriter::write(document);
    return WholeFile::write(path, bytes);
}

} // namespace EditorFiles
