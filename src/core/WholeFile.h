#pragma once

#include <QByteArray>
#include <QString>

// Writing a file in one piece: the bytes go to a temporary file beside it, which takes the name only
// once complete, so a full disk or a vanished folder leaves the earlier file as it was.
namespace WholeFile {

// Returns why the write failed, or an empty text.
QString write(const QString &path, const QByteArray &bytes);

} // namespace WholeFile
