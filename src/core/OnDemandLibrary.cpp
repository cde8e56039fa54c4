#include "core/OnDemandLibrary.h"

// QLibrary is given the full file name rather than name and version: it tries its variants of the
// name in turn and keeps only the last one's error, which this way is the real file's (a missing
// dependency, say) instead of "cannot open zip".
OnDemandLibrary::OnDemandLibrary(const QString &name, int majorVersion)
    : m_library(QStringLiteral("lib%1.so.%2").arg(name).arg(majorVersion))
{
    m_loaded = m_library.load();
    if (!m_loaded)
        m_loadError = m_library.errorString();
}

QFunctionPointer OnDemandLibrary::resolve(const char *symbol)
{
    if (!m_loaded)
        return nullptr;
    const QFunctionPointer function = m_library.resolve(symbol);
    if (!function)
        m_missing << QString::fromLatin1(symbol);
    return function;
}

QString OnDemandLibrary::errorString() const
{
    if (!m_loaded)
        return m_loadError;
    if (!m_missing.isEmpty())
        return QStringLiteral("%1 lacks %2").arg(m_library.fileName(), m_missing.join(QStringLiteral(", ")));
    return {};
}
