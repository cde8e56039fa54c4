#pragma once

// The locale for currency, decimal point and digit grouping: the system's, except where the
// system has none (C/POSIX), where US conventions apply.
namespace AppLocale {
void install();
} // namespace AppLocale
