// Any bytes given to the RTF reader give a document or "not rich text", never a crash or hang.
#include "FuzzSupport.h"

#include "core/RtfReader.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    QTextDocument document;
    const RtfReader::Result result = RtfReader::read(bytes, &document);
    if (result.isRichText != RtfReader::isRichText(bytes))
        __builtin_trap();
    if (!result.isRichText && !document.isEmpty())
        __builtin_trap(); // refused input must leave the document untouched
    return 0;
}
