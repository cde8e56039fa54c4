#pragma once

#include <QByteArray>

// Every target starts with an offscreen application, with settings and runtime folders of its own,
// so it can build documents and windows.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
