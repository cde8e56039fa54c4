#pragma once

#include <QByteArray>

// Brings up an offscreen application once per fuzzing process, with settings and runtime folders of
// its own, so a target can build documents and windows.
void fuzzInitApplication(int *argc, char ***argv);

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
