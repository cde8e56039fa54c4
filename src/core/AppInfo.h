#pragma once

#include <QString>

// Who the program is: its title, caption, version (set once by the build) and the maker's site.
namespace AppInfo {
QString title();       // "Mortarix"
QString mainCaption(); // "Mortarix (Masonry)"
int versionMajor();
int versionMinor();
int versionRevision();
QString versionTriple(); // "M.m.r", plain decimal without leading zeros
QString makerWebAddress();
QString makerWebDomain(); // the address without scheme, e.g. for the start page's link
} // namespace AppInfo
