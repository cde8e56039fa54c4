// Reading a field never crashes, and formatting any finite value never gives an empty text.
#include "FuzzSupport.h"

#include "core/NumberFormat.h"
#include "core/Numbers.h"

#include <cmath>

namespace {

void mustNotBeEmpty(const QString &text)
{
    if (text.isEmpty())
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const double value = Numbers::readNumber(text);
    (void)Numbers::parseLocaleNumber(text);
    try {
        (void)Numbers::parseLocaleCurrency(text);
    } catch (const Numbers::NumberOverflow &) {
    }
    if (!std::isfinite(value))
        return 0;
    using Numbers::Pattern;
    for (Pattern pattern :
         {Pattern::NoLeadingZero, Pattern::TrimmedTwo, Pattern::GroupedTwo, Pattern::GridDollar})
        mustNotBeEmpty(Numbers::formatNumber(value, pattern));
    mustNotBeEmpty(Numbers::plainText(value));
    try {
        const float single = Numbers::toSingle(value);
        mustNotBeEmpty(Numbers::plainText(single));
        for (Pattern pattern :
             {Pattern::NoLeadingZero, Pattern::TrimmedTwo, Pattern::GroupedTwo, Pattern::GridDollar})
            mustNotBeEmpty(Numbers::formatNumber(single, pattern));
    } catch (const Numbers::NumberOverflow &) {
    }
    try {
        mustNotBeEmpty(Numbers::formatCurrency(value));
        (void)Numbers::toWhole16(value);
    } catch (const Numbers::NumberOverflow &) {
    }
    try {
        (void)Numbers::toWhole32(value);
    } catch (const Numbers::NumberOverflow &) {
    }
    return 0;
}
