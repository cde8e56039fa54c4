#pragma once

#include <QByteArray>
#include <QString>

class QDateTime;

// The editor's plain text as a word-processor document: a minimal Office Open XML package
// ([Content_Types].xml, _rels/.rels, word/document.xml) with one paragraph per line and no
// formatting, which every word processor opens.
namespace DocxExport {

struct Result
{
    QString path;  // the document written, when it was
    QString error; // what went wrong, empty on success

    bool ok() const { return error.isEmpty(); }
};

// word/document.xml for `text`: one paragraph per line ("\n", "\r\n" or "\r" ends a line), tabs
// as tab marks, and characters XML cannot hold (control characters, lone surrogates) left out.
QByteArray documentXml(const QString &text);

// The whole package as the bytes of a .docx file; empty if the archive could not be built.
QByteArray package(const QString &text);

// "Mortarix Notes YYYY-MM-DD HHMMSS", the name a document made at `when` is given.
QString baseName(const QDateTime &when);

// Writes `text` as a document into `folder` under baseName(when) + ".docx"; when that name is
// taken, " (2)", " (3)", ... is added, so an earlier document is never overwritten. The file is
// written under a temporary name in the same folder and renamed when complete, so a failure leaves
// no half-written document behind.
Result writeDocument(const QString &text, const QString &folder, const QDateTime &when);

} // namespace DocxExport
