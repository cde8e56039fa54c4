#include "core/DocxExport.h"

#include "core/ExportFile.h"
#include "core/ExportLibraries.h"
#include "core/OnDemandLibrary.h"

#include <QDateTime>
#include <QDir>

#include <zip.h>

#include <array>
#include <cstdio>

namespace DocxExport {

namespace {

const char kContentTypes[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/word/document.xml" )"
    R"(ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
    R"(</Types>)";

const char kRelationships[] =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    "\n"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" )"
    R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" )"
    R"(Target="word/document.xml"/>)"
    R"(</Relationships>)";

// libzip is opened on the first export instead of being linked: it brings OpenSSL's libcrypto
// along, and loading that at start-up would slow every launch for a command few people use.
struct Zip
{
    decltype(&::zip_error_init) zip_error_init = nullptr;
    decltype(&::zip_error_fini) zip_error_fini = nullptr;
    decltype(&::zip_source_buffer_create) zip_source_buffer_create = nullptr;
    decltype(&::zip_open_from_source) zip_open_from_source = nullptr;
    decltype(&::zip_source_buffer) zip_source_buffer = nullptr;
    decltype(&::zip_file_add) zip_file_add = nullptr;
    decltype(&::zip_close) zip_close = nullptr;
    decltype(&::zip_discard) zip_discard = nullptr;
    decltype(&::zip_source_keep) zip_source_keep = nullptr;
    decltype(&::zip_source_free) zip_source_free = nullptr;
    decltype(&::zip_source_open) zip_source_open = nullptr;
    decltype(&::zip_source_read) zip_source_read = nullptr;
    decltype(&::zip_source_seek) zip_source_seek = nullptr;
    decltype(&::zip_source_tell) zip_source_tell = nullptr;
    decltype(&::zip_source_close) zip_source_close = nullptr;
    QString error; // why the library cannot be used; empty when every function was found
};

const Zip &zipLibrary()
{
    static const Zip functions = [] {
        OnDemandLibrary library(QStringLiteral("zip"), ExportLibraries::kZipMajor);
        Zip found;
#define MORTARIX_BIND(name) library.bind(found.name, #name)
        MORTARIX_BIND(zip_error_init);
        MORTARIX_BIND(zip_error_fini);
        MORTARIX_BIND(zip_source_buffer_create);
        MORTARIX_BIND(zip_open_from_source);
        MORTARIX_BIND(zip_source_buffer);
        MORTARIX_BIND(zip_file_add);
        MORTARIX_BIND(zip_close);
        MORTARIX_BIND(zip_discard);
        MORTARIX_BIND(zip_source_keep);
        MORTARIX_BIND(zip_source_free);
        MORTARIX_BIND(zip_source_open);
        MORTARIX_BIND(zip_source_read);
        MORTARIX_BIND(zip_source_seek);
        MORTARIX_BIND(zip_source_tell);
        MORTARIX_BIND(zip_source_close);
#undef MORTARIX_BIND
        found.error = library.errorString();
        return found;
    }();
    return functions;
}

// True for the characters XML 1.0 allows in text (the surrogate pairs are checked by the caller).
bool allowedInXml(char16_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD);
}

// The line as the runs of one paragraph: text pieces with tab marks between them.
QString paragraph(QStringView line)
{
    if (line.isEmpty())
        return QStringLiteral("<w:p/>");
    QString runs;
    QString text;
    auto flushText = [&] {
        if (!text.isEmpty())
            runs += QStringLiteral("<w:t xml:space=\"preserve\">") + text + QStringLiteral("</w:t>");
        text.clear();
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate()) {
            text += c;
            text += line.at(++i);
            continue;
        }
        switch (c.unicode()) {
        case '\t':
            flushText();
            runs += QStringLiteral("<w:tab/>");
            break;
        case '&':
            text += QStringLiteral("&amp;");
            break;
        case '<':
            text += QStringLiteral("&lt;");
            break;
        case '>':
            text += QStringLiteral("&gt;");
            break;
        case '"':
            text += QStringLiteral("&quot;");
            break;
        default:
            if (!c.isSurrogate() && allowedInXml(c.unicode()))
                text += c;
        }
    }
    flushText();
    if (runs.isEmpty())
        return QStringLiteral("<w:p/>");
    return QStringLiteral("<w:p><w:r>") + runs + QStringLiteral("</w:r></w:p>");
}

} // namespace

QByteArray documentXml(const QString &text)
{
    QString body;
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QList<QStringView> lines = QStringView(normalised).split(QLatin1Char('\n'));
    for (QStringView line : lines)
        body += paragraph(line);
    const QString xml =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
                       "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
                       "<w:body>") +
        body + QStringLiteral("</w:body></w:document>");
    return xml.toUtf8();
}

QByteArray package(const QString &text)
{
    const Zip &libzip = zipLibrary();
    if (!libzip.error.isEmpty())
        return {};
    const QByteArray document = documentXml(text);
    struct Part
    {
        const char *name;
        QByteArray bytes;
    };
    const std::array<Part, 3> parts = {{{"[Content_Types].xml", QByteArray(kContentTypes)},
                                        {"_rels/.rels", QByteArray(kRelationships)},
                                        {"word/document.xml", document}}};

    zip_error_t error;
    libzip.zip_error_init(&error);
    zip_source_t *buffer = libzip.zip_source_buffer_create(nullptr, 0, 0, &error);
    if (!buffer) {
        libzip.zip_error_fini(&error);
        return {};
    }
    zip_t *archive = libzip.zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
    libzip.zip_error_fini(&error);
    if (!archive) {
        libzip.zip_source_free(buffer);
        return {};
    }
    // The archive is written back into `buffer` when it closes; keep it to read the bytes from.
    libzip.zip_source_keep(buffer);

    bool added = true;
    for (const Part &part : parts) {
        zip_source_t *source =
            libzip.zip_source_buffer(archive, part.bytes.constData(), zip_uint64_t(part.bytes.size()), 0);
        if (!source || libzip.zip_file_add(archive, part.name, source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source)
                libzip.zip_source_free(source);
            added = false;
            break;
        }
    }
    if (!added || libzip.zip_close(archive) < 0) {
        libzip.zip_discard(archive);
        libzip.zip_source_free(buffer);
        return {};
    }

    QByteArray bytes;
    if (libzip.zip_source_open(buffer) == 0) {
        zip_int64_t size = -1;
        if (libzip.zip_source_seek(buffer, 0, SEEK_END) == 0)
            size = libzip.zip_source_tell(buffer);
        if (size > 0 && libzip.zip_source_seek(buffer, 0, SEEK_SET) == 0) {
            bytes.resize(qsizetype(size));
            if (libzip.zip_source_read(buffer, bytes.data(), zip_uint64_t(size)) != size)
                bytes.clear();
        }
        libzip.zip_source_close(buffer);
    }
    libzip.zip_source_free(buffer);
    return bytes;
}

QString baseName(const QDateTime &when)
{
    return ExportFile::baseName(QStringLiteral("Notes"), when);
}

Result writeDocument(const QString &text, const QString &folder, const QDateTime &when)
{
    Result result;
    if (const QString missing = zipLibrary().error; !missing.isEmpty()) {
        result.error = QStringLiteral("The document library (libzip) could not be loaded: %1.").arg(missing);
        return result;
    }
    const QByteArray bytes = package(text);
    if (bytes.isEmpty()) {
        result.error = QStringLiteral("The document could not be put together.");
        return result;
    }

    if (!QDir(folder).exists()) {
        result.error =
            QStringLiteral("The folder \"%1\" does not exist.").arg(QDir::toNativeSeparators(folder));
        return result;
    }

    ExportFile::TemporaryFile file(folder, QStringLiteral("Notes"));
    if (!file.open()) {
        result.error = QStringLiteral("No file can be written in \"%1\": %2")
                           .arg(QDir::toNativeSeparators(folder), file.errorString());
        return result;
    }
    if (!file.write(bytes)) {
        result.error = QStringLiteral("The document could not be written: %1").arg(file.errorString());
        return result;
    }

    const ExportFile::Placement placed = file.place(QStringLiteral("docx"), when);
    if (placed.ok()) {
        result.path = placed.path;
    } else if (!placed.refusedName.isEmpty()) {
        result.error = QStringLiteral("The document could not be named \"%1\".")
                           .arg(QDir::toNativeSeparators(placed.refusedName));
    } else {
        result.error = QStringLiteral("No free name was found for the document in \"%1\".")
                           .arg(QDir::toNativeSeparators(folder));
    }
    return result;
}

} // namespace DocxExport
