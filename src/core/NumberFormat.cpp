#include "core/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Numbers {

namespace {

// A decimal value 0.<significant> x 10^exponent; no leading or trailing zeros in significant,
// which is empty for zero.
struct DecimalText
{
    bool negative = false;
    std::string significant;
    int exponent = 0;
};

// The value's own decimal text: correctly rounded to the given number of significant digits.
template <typename Real> DecimalText decimalTextOf(Real value, int significantDigits)
{
    if (!std::isfinite(value))
        throw NumberOverflow("cannot write a value that is not finite");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                      significantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer)); // -d.ddde+XX
    DecimalText decimal;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        decimal.negative = true;
        ++pos;
    }
    const std::size_t marker = text.find('e');
    for (; pos < marker; ++pos) {
        if (text[pos] != '.')
            decimal.significant.push_back(text[pos]);
    }
    int scientificExponent = 0;
    const char *exponentStart = text.data() + marker + 1;
    if (*exponentStart == '+')
        ++exponentStart;
    std::from_chars(exponentStart, text.data() + text.size(), scientificExponent);
    decimal.exponent = scientificExponent + 1;
    while (!decimal.significant.empty() && decimal.significant.back() == '0')
        decimal.significant.pop_back();
    if (decimal.significant.empty())
        decimal.negative = false;
    return decimal;
}

DecimalText decimalTextOf(Currency value)
{
    const std::int64_t ticks = value.ticks();
    const std::uint64_t magnitude =
        ticks < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(ticks) : static_cast<std::uint64_t>(ticks);
    DecimalText decimal;
    decimal.negative = ticks < 0;
    decimal.significant = std::to_string(magnitude);
    decimal.exponent = static_cast<int>(decimal.significant.size()) - 4;
    while (!decimal.significant.empty() && decimal.significant.back() == '0')
        decimal.significant.pop_back();
    return decimal;
}

// A value rounded to a number of decimals: whole digits without leading zeros (empty under 1)
// and exactly `decimals` fraction digits.
struct FixedText
{
    bool negative = false;
    std::string whole;
    std::string fraction;
};

FixedText roundHalfAwayFromZero(const DecimalText &decimal, int decimals)
{
    const std::string &digits = decimal.significant;
    // How many leading digits make up value x 10^decimals.
    const long long keep = static_cast<long long>(decimal.exponent) + decimals;
    std::string scaled;
    bool roundUp = false;
    if (keep == 0) {
        roundUp = !digits.empty() && digits[0] >= '5';
    } else if (keep > 0) {
        const auto count = static_cast<std::size_t>(keep);
        if (count >= digits.size()) {
            scaled = digits + std::string(count - digits.size(), '0');
        } else {
            scaled = digits.substr(0, count);
            roundUp = digits[count] >= '5';
        }
    }
    if (roundUp) {
        auto position = scaled.rbegin();
        while (position != scaled.rend() && *position == '9')
            *position++ = '0';
        if (position == scaled.rend())
            scaled.insert(scaled.begin(), '1');
        else
            ++*position;
    }
    const auto fractionSize = static_cast<std::size_t>(decimals);
    if (scaled.size() < fractionSize)
        scaled.insert(0, fractionSize - scaled.size(), '0');

    FixedText fixed;
    fixed.whole = scaled.substr(0, scaled.size() - fractionSize);
    fixed.fraction = scaled.substr(scaled.size() - fractionSize);
    fixed.whole.erase(0, std::min(fixed.whole.find_first_not_of('0'), fixed.whole.size()));
    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
    fixed.negative = decimal.negative && !isZero;
    return fixed;
}

QString grouped(const std::string &digits, const QString &separator)
{
    QString text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += separator;
        text += QLatin1Char(digits[i]);
    }
    return text;
}

QString applyPattern(const FixedText &fixed, Pattern pattern)
{
    const QLocale locale = numberLocale();
    const QString point = locale.decimalPoint();
    const QString whole = QString::fromLatin1(fixed.whole.empty() ? std::string("0") : fixed.whole);
    const QString fraction = QString::fromLatin1(fixed.fraction);
    QString text = fixed.negative ? QStringLiteral("-") : QString();
    switch (pattern) {
    case Pattern::NoLeadingZero:
        text += QString::fromLatin1(fixed.whole) + point + fraction;
        break;
    case Pattern::TrimmedTwo: {
        std::string trimmed = fixed.fraction;
        while (!trimmed.empty() && trimmed.back() == '0')
            trimmed.pop_back();
        text += whole + point + QString::fromLatin1(trimmed);
        break;
    }
    case Pattern::GroupedTwo:
        text += grouped(fixed.whole.empty() ? std::string("0") : fixed.whole, locale.groupSeparator()) +
                point + fraction;
        break;
    case Pattern::GridDollar:
        text += QLatin1Char('$') + whole + point + fraction;
        break;
    }
    return text;
}

// ASCII digits written in the locale's own digits, as its currency form shows them.
QString localeDigits(const std::string &ascii, const QLocale &locale)
{
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    if (zero.isEmpty() || zero.front() == u'0')
        return QString::fromLatin1(ascii);
    QString text;
    for (const char digit : ascii) {
        const char32_t codePoint = zero.front() + static_cast<char32_t>(digit - '0');
        text += QString::fromUcs4(&codePoint, 1);
    }
    return text;
}

template <typename Real> QString plainTextOf(Real value, int significantDigits)
{
    const DecimalText decimal = decimalTextOf(value, significantDigits);
    if (decimal.significant.empty())
        return QStringLiteral("0");
    const QString point = numberLocale().decimalPoint();
    const std::string &digits = decimal.significant;
    const int scientificExponent = decimal.exponent - 1;
    QString text = decimal.negative ? QStringLiteral("-") : QString();
    if (scientificExponent < -4 || scientificExponent >= significantDigits) {
        text += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            text += point + QString::fromLatin1(digits.substr(1));
        const int magnitude = std::abs(scientificExponent);
        text += (scientificExponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
                (magnitude < 10 ? QStringLiteral("0") : QString()) + QString::number(magnitude);
    } else if (scientificExponent >= 0) {
        const auto wholeDigits = static_cast<std::size_t>(decimal.exponent);
        std::string whole = digits.substr(0, std::min(wholeDigits, digits.size()));
        whole.append(wholeDigits - whole.size(), '0');
        text += QString::fromLatin1(whole);
        if (digits.size() > wholeDigits)
            text += point + QString::fromLatin1(digits.substr(wholeDigits));
    } else {
        text += QLatin1Char('0') + point + QString(-decimal.exponent, QLatin1Char('0')) +
                QString::fromLatin1(digits);
    }
    return text;
}

// An amount as written in a cell, before conversion into a kind.
struct Amount
{
    bool negative = false;
    std::string whole;    // ASCII digits, possibly with leading zeros
    std::string fraction; // ASCII digits
};

bool startsWithAny(QStringView text, std::initializer_list<QStringView> candidates, qsizetype *length)
{
    for (const QStringView candidate : candidates) {
        if (!candidate.isEmpty() && text.startsWith(candidate)) {
            *length = candidate.size();
            return true;
        }
    }
    return false;
}

// Direction marks that some locales put around their currency form carry no meaning here.
QString withoutFormatCharacters(QStringView text)
{
    QString cleaned;
    for (const QChar c : text) {
        if (c.category() != QChar::Other_Format)
            cleaned += c;
    }
    return cleaned;
}

std::optional<Amount> scanAmount(QStringView input)
{
    const QLocale locale = numberLocale();
    const QString symbol = withoutFormatCharacters(locale.currencySymbol());
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    const QString minus = locale.negativeSign();
    const QString plus = locale.positiveSign();
    const QList<uint> zero = locale.zeroDigit().toUcs4();
    const char32_t localeZero = zero.isEmpty() ? U'0' : zero.front();

    const QString cleaned = withoutFormatCharacters(input);
    QStringView rest = QStringView(cleaned).trimmed();

    bool parenthesised = false;
    if (rest.startsWith(u'(')) {
        if (rest.size() < 2 || !rest.endsWith(u')'))
            return std::nullopt;
        parenthesised = true;
        rest = rest.mid(1, rest.size() - 2).trimmed();
    }

    Amount amount;
    bool signSeen = false;
    bool symbolSeen = false;
    qsizetype length = 0;
    auto takeSign = [&] {
        if (signSeen)
            return;
        if (startsWithAny(rest, {u"-", minus}, &length)) {
            amount.negative = true;
        } else if (!startsWithAny(rest, {u"+", plus}, &length)) {
            return;
        }
        signSeen = true;
        rest = rest.mid(length).trimmed();
    };
    auto takeSymbol = [&] {
        if (!symbolSeen && startsWithAny(rest, {symbol, u"$"}, &length)) {
            symbolSeen = true;
            rest = rest.mid(length).trimmed();
        }
    };
    auto digitAt = [&](qsizetype i) -> int {
        if (i >= rest.size())
            return -1;
        const char16_t c = rest[i].unicode();
        if (c >= u'0' && c <= u'9')
            return c - u'0';
        if (c >= localeZero && c <= localeZero + 9)
            return static_cast<int>(c - localeZero);
        return -1;
    };

    takeSign();
    takeSymbol();
    takeSign();

    bool seenPoint = false;
    qsizetype i = 0;
    while (i < rest.size()) {
        if (const int digit = digitAt(i); digit >= 0) {
            (seenPoint ? amount.fraction : amount.whole).push_back(static_cast<char>('0' + digit));
            ++i;
        } else if (!seenPoint && rest.mid(i).startsWith(point)) {
            seenPoint = true;
            i += point.size();
        } else if (!seenPoint && !amount.whole.empty() && !group.isEmpty() && rest.mid(i).startsWith(group) &&
                   digitAt(i + group.size()) >= 0) {
            i += group.size();
        } else {
            break;
        }
    }
    if (amount.whole.empty() && amount.fraction.empty())
        return std::nullopt;
    rest = rest.mid(i).trimmed();
    takeSymbol();
    if (!rest.isEmpty() || (parenthesised && signSeen))
        return std::nullopt;
    amount.negative = amount.negative || parenthesised;
    return amount;
}

} // namespace

QLocale numberLocale()
{
    const QLocale locale;
    if (locale.language() == QLocale::C)
        return QLocale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QString formatNumber(double value, Pattern pattern)
{
    return applyPattern(roundHalfAwayFromZero(decimalTextOf(value, 15), 2), pattern);
}

QString formatNumber(float value, Pattern pattern)
{
    return applyPattern(roundHalfAwayFromZero(decimalTextOf(value, 7), 2), pattern);
}

QString formatCurrency(Currency value)
{
    const QLocale locale = numberLocale();
    // Qt knows each locale's currency form but formats through a double, which loses cents beyond
    // about 10^13; so only the arrangement is taken from it, around a number written here exactly.
    const QString unpositioned = locale.toCurrencyString(1.0);
    int decimals = 4;
    while (decimals > 0 && !unpositioned.contains(locale.toString(1.0, 'f', decimals)))
        --decimals;

    const FixedText fixed = roundHalfAwayFromZero(decimalTextOf(value), decimals);
    QString number = locale.toString(fixed.whole.empty() ? 0LL : std::stoll(fixed.whole));
    if (decimals > 0)
        number += locale.decimalPoint() + localeDigits(fixed.fraction, locale);

    QString text = locale.toCurrencyString(fixed.negative ? -1.0 : 1.0, QString(), decimals);
    const QString one = locale.toString(1.0, 'f', decimals);
    const qsizetype at = text.indexOf(one);
    if (at < 0)
        return (fixed.negative ? QStringLiteral("-") : QString()) + locale.currencySymbol() + number;
    return text.replace(at, one.size(), number);
}

QString formatCurrency(double value)
{
    return formatCurrency(Currency::fromDouble(value));
}

QString costText(QStringView quantity, QStringView price)
{
    return formatCurrency(readCurrency(quantity) * readCurrency(price));
}

QString plainText(double value)
{
    return plainTextOf(value, 15);
}

QString plainText(float value)
{
    return plainTextOf(value, 7);
}

std::optional<double> parseLocaleNumber(QStringView text)
{
    const std::optional<Amount> amount = scanAmount(text);
    if (!amount)
        return std::nullopt;
    const std::string decimal =
        (amount->whole.empty() ? std::string("0") : amount->whole) + '.' + amount->fraction;
    double value = 0;
    const auto result = std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool large = amount->whole.find_first_not_of('0') != std::string::npos;
        value = large ? std::numeric_limits<double>::infinity() : 0.0;
    }
    if (value == 0)
        return 0.0;
    return amount->negative ? -value : value;
}

std::optional<Currency> parseLocaleCurrency(QStringView text)
{
    const std::optional<Amount> amount = scanAmount(text);
    if (!amount)
        return std::nullopt;
    std::string whole = amount->whole;
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() > 15)
        throw NumberOverflow("currency value out of range");
    std::string fraction = amount->fraction;
    fraction.resize(std::max<std::size_t>(fraction.size(), 4), '0');

    std::uint64_t magnitude = 0;
    for (const char digit : whole + fraction.substr(0, 4))
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit - '0');
    // Past four decimals: half to even, as any conversion to currency rounds.
    const std::string beyond = fraction.substr(4);
    if (!beyond.empty()) {
        const bool aboveHalf =
            beyond[0] > '5' || (beyond[0] == '5' && beyond.find_first_not_of('0', 1) != std::string::npos);
        const bool exactlyHalf = beyond[0] == '5' && !aboveHalf;
        if (aboveHalf || (exactlyHalf && (magnitude & 1) != 0))
            ++magnitude;
    }
    constexpr auto maxPositive = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > maxPositive)
        throw NumberOverflow("currency value out of range");
    const auto ticks = static_cast<std::int64_t>(magnitude);
    return Currency::fromTicks(amount->negative ? -ticks : ticks);
}

} // namespace Numbers
