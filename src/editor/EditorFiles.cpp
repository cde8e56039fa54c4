#include "editor/EditorFiles.h"

#include "editor/RtfReader.h"
#include "editor/RtfWriter.h"

#include <QFile>
#include <QSaveFile>

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

QString save(const QTextDocument &document, const QString &path, Format format)
{
    const QByteArray bytes =
        format == Format::PlainText ? RtfWriter::writePlainText(document) : RtfWriter::write(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace EditorFiles
