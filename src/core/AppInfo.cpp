#include "core/AppInfo.h"

#include <QUrl>

namespace AppInfo {

QString title()
{
    return QStringLiteral("Mortarix");
}

QString mainCaption()
{
    return QStringLiteral("Mortarix (Masonry)");
}

int versionMajor()
{
    return MORTARIX_VERSION_MAJOR;
}

int versionMinor()
{
    return MORTARIX_VERSION_MINOR;
}

int versionRevision()
{
    return MORTARIX_VERSION_PATCH;
}

QString versionTriple()
{
    return QStringLiteral("%1.%2.%3").arg(versionMajor()).arg(versionMinor()).arg(versionRevision());
}

QString makerWebAddress()
{
    return QStringLiteral("https://www.mortarix.org");
}

QString makerWebDomain()
{
    return QUrl(makerWebAddress()).host();
}

} // namespace AppInfo
