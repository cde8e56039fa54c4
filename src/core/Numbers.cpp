#include "core/Numbers.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Numbers {

namespace {

bool isIgnoredBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitValue(char16_t c, int base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

// Walks a text the way readNumber sees it: ignored blanks vanish wherever they stand.
class Cursor
{
public:
    explicit Cursor(QStringView text) : m_text(text) {}

    char16_t peek()
    {
        while (m_pos < m_text.size() && isIgnoredBlank(m_text[m_pos].unicode()))
            ++m_pos;
        return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0';
    }
    void advance() { ++m_pos; }
    qsizetype position() const { return m_pos; }
    void rewind(qsizetype position) { m_pos = position; }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

double readWholeNumber(Cursor &cursor, int base)
{
    // Too many digits for a double ends in an infinity, like any other oversized number.
    double value = 0;
    for (int digit = digitValue(cursor.peek(), base); digit >= 0; digit = digitValue(cursor.peek(), base)) {
        value = value * base + digit;
        cursor.advance();
    }
    return value;
}

// Enough significant digits to round any decimal text to the nearest double; a nonzero digit
// standing for everything dropped keeps that rounding correct.
constexpr std::size_t MaxSignificantDigits = 800;
// Far outside the range of a double in either direction, so clamping never changes a result.
constexpr long long ExponentClamp = 100000;

} // namespace

double readNumber(QStringView text)
{
    Cursor cursor(text);
    if (cursor.peek() == u'&') {
        cursor.advance();
        const char16_t prefix = cursor.peek();
        const int base = (prefix == u'H' || prefix == u'h') ? 16 : (prefix == u'O' || prefix == u'o') ? 8 : 0;
        if (base == 0)
            return 0;
        cursor.advance();
        return readWholeNumber(cursor, base);
    }

    bool negative = false;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        negative = cursor.peek() == u'-';
        cursor.advance();
    }

    // The value is 0.<significant> times ten to the power of decimalExponent.
    std::string significant;
    bool droppedNonZero = false;
    long long decimalExponent = 0;
    bool anyDigit = false;
    bool seenPoint = false;
    for (char16_t c = cursor.peek();; c = cursor.peek()) {
        if (c >= u'0' && c <= u'9') {
            anyDigit = true;
            if (significant.empty() && c == u'0') {
                if (seenPoint)
                    --decimalExponent;
            } else {
                if (significant.size() < MaxSignificantDigits)
                    significant.push_back(static_cast<char>(c));
                else if (c != u'0')
                    droppedNonZero = true;
                if (!seenPoint)
                    decimalExponent = std::min(decimalExponent + 1, ExponentClamp);
            }
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        cursor.advance();
    }
    if (!anyDigit || significant.empty())
        return 0;

    const char16_t marker = cursor.peek();
    if (marker == u'E' || marker == u'e' || marker == u'D' || marker == u'd') {
        const qsizetype markerPosition = cursor.position();
        cursor.advance();
        bool exponentNegative = false;
        if (cursor.peek() == u'+' || cursor.peek() == u'-') {
            exponentNegative = cursor.peek() == u'-';
            cursor.advance();
        }
        long long exponent = 0;
        bool anyExponentDigit = false;
        for (char16_t c = cursor.peek(); c >= u'0' && c <= u'9'; c = cursor.peek()) {
            anyExponentDigit = true;
            exponent = std::min(exponent * 10 + (c - u'0'), ExponentClamp);
            cursor.advance();
        }
        // "1E" or "1E+" is the number 1 followed by text.
        if (anyExponentDigit)
            decimalExponent += exponentNegative ? -exponent : exponent;
        else
            cursor.rewind(markerPosition);
    }

    const double infinity = std::numeric_limits<double>::infinity();
    if (decimalExponent > 400)
        return negative ? -infinity : infinity;
    if (decimalExponent < -400)
        return 0;
    if (droppedNonZero)
        significant.push_back('1');
    const long long scale = decimalExponent - static_cast<long long>(significant.size());
    std::string decimal = significant + 'e' + std::to_string(scale);
    double value = 0;
    const auto [end, error] = std::from_chars(decimal.data(), decimal.data() + decimal.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range)
        value = decimalExponent > 0 ? infinity : 0.0;
    return negative ? -value : value;
}

namespace {

constexpr std::uint64_t Mask32 = 0xffffffffu;

// Ten-thousandths of a fraction 0 <= f < 1, rounded half to even on its exact binary value.
std::uint64_t fractionTicks(double fraction)
{
    if (fraction == 0)
        return 0;
    int exponent = 0;
    const double mantissa = std::frexp(fraction, &exponent);
    // fraction = m * 2^(exponent - 53), so fraction * 10000 = m * 625 * 2^(exponent - 49), and
    // m * 625 < 2^63 keeps every bit.
    const auto m = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const std::uint64_t scaled = m * 625;
    const int shift = 49 - exponent;
    if (shift >= 64)
        return 0; // below half a tick
    const std::uint64_t quotient = scaled >> shift;
    const std::uint64_t remainder = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    const bool up = remainder > half || (remainder == half && (quotient & 1) != 0);
    return quotient + (up ? 1 : 0);
}

// The signed value of a magnitude, when the sign leaves it inside int64.
std::int64_t signedTicks(bool negative, std::uint64_t magnitude)
{
    constexpr auto maxPositive = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (magnitude > maxPositive + (negative ? 1 : 0))
        throw NumberOverflow("currency value out of range");
    if (!negative)
        return static_cast<std::int64_t>(magnitude);
    return magnitude == maxPositive + 1 ? std::numeric_limits<std::int64_t>::min()
                                        : -static_cast<std::int64_t>(magnitude);
}

std::uint64_t magnitudeOf(std::int64_t value)
{
    return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                     : static_cast<std::uint64_t>(value);
}

// Rounds to a whole number, ties to even, on the exact value (independent of the FPU rounding mode).
double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double above = value - lower;
    if (above < 0.5)
        return lower;
    if (above > 0.5)
        return lower + 1;
    return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

template <typename Whole> Whole toWhole(double value)
{
    if (!std::isfinite(value))
        throw NumberOverflow("whole number out of range");
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<Whole>::min() || rounded > std::numeric_limits<Whole>::max())
        throw NumberOverflow("whole number out of range");
    return static_cast<Whole>(rounded);
}

} // namespace

Currency Currency::fromTicks(std::int64_t ticks)
{
    Currency c;
    c.m_ticks = ticks;
    return c;
}

Currency Currency::fromDouble(double value)
{
    if (!std::isfinite(value))
        throw NumberOverflow("currency value out of range");
    double whole = 0;
    const double fraction = std::modf(std::fabs(value), &whole);
    // Keeps whole * 10000 + 10000 inside uint64; signedTicks makes the exact check.
    if (whole >= 1e15)
        throw NumberOverflow("currency value out of range");
    const std::uint64_t magnitude =
        static_cast<std::uint64_t>(whole) * TicksPerUnit + fractionTicks(fraction);
    return fromTicks(signedTicks(std::signbit(value), magnitude));
}

std::int64_t Currency::ticks() const
{
    return m_ticks;
}

double Currency::toDouble() const
{
    return static_cast<double>(m_ticks) / TicksPerUnit;
}

Currency operator+(Currency a, Currency b)
{
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    if ((b.m_ticks > 0 && a.m_ticks > max - b.m_ticks) || (b.m_ticks < 0 && a.m_ticks < min - b.m_ticks))
        throw NumberOverflow("currency value out of range");
    return Currency::fromTicks(a.m_ticks + b.m_ticks);
}

Currency operator-(Currency a, Currency b)
{
    constexpr std::int64_t max = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t min = std::numeric_limits<std::int64_t>::min();
    if ((b.m_ticks < 0 && a.m_ticks > max + b.m_ticks) || (b.m_ticks > 0 && a.m_ticks < min + b.m_ticks))
        throw NumberOverflow("currency value out of range");
    return Currency::fromTicks(a.m_ticks - b.m_ticks);
}

Currency operator*(Currency a, Currency b)
{
    // The exact product of the tick counts needs 128 bits; it is built and divided by 10000 in
    // 32-bit limbs so no compiler extension is needed.
    const std::uint64_t x = magnitudeOf(a.m_ticks);
    const std::uint64_t y = magnitudeOf(b.m_ticks);
    const std::uint64_t x0 = x & Mask32, x1 = x >> 32, y0 = y & Mask32, y1 = y >> 32;
    const std::uint64_t p00 = x0 * y0, p01 = x0 * y1, p10 = x1 * y0, p11 = x1 * y1;
    const std::uint64_t middle = (p00 >> 32) + (p01 & Mask32) + (p10 & Mask32);
    const std::uint64_t low = (p00 & Mask32) | (middle << 32);
    const std::uint64_t high = p11 + (p01 >> 32) + (p10 >> 32) + (middle >> 32);

    const std::uint64_t limbs[4] = {high >> 32, high & Mask32, low >> 32, low & Mask32};
    std::uint64_t quotient[4] = {};
    std::uint64_t remainder = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint64_t current = (remainder << 32) | limbs[i];
        quotient[i] = current / Currency::TicksPerUnit;
        remainder = current % Currency::TicksPerUnit;
    }
    if (quotient[0] != 0 || quotient[1] != 0)
        throw NumberOverflow("currency value out of range");
    std::uint64_t magnitude = (quotient[2] << 32) | quotient[3];
    constexpr std::uint64_t half = Currency::TicksPerUnit / 2;
    if (remainder > half || (remainder == half && (magnitude & 1) != 0))
        ++magnitude; // cannot wrap: magnitude < 2^64 / 10000
    const bool negative = (a.m_ticks < 0) != (b.m_ticks < 0);
    return Currency::fromTicks(signedTicks(negative && magnitude != 0, magnitude));
}

float toSingle(double value)
{
    // Values from here on round to infinity; casting them would be undefined.
    static const double firstOverflowing = static_cast<double>(FLT_MAX) + std::ldexp(1.0, 103);
    if (!std::isfinite(value) || std::fabs(value) >= firstOverflowing)
        throw NumberOverflow("single value out of range");
    return static_cast<float>(value);
}

std::int16_t toWhole16(double value)
{
    return toWhole<std::int16_t>(value);
}

std::int32_t toWhole32(double value)
{
    return toWhole<std::int32_t>(value);
}

std::int16_t multiplyWhole16(std::int16_t a, std::int16_t b)
{
    const std::int32_t product = std::int32_t{a} * std::int32_t{b};
    if (product < std::numeric_limits<std::int16_t>::min() ||
        product > std::numeric_limits<std::int16_t>::max())
        throw NumberOverflow("whole number out of range");
    return static_cast<std::int16_t>(product);
}

std::int32_t multiplyWhole32(std::int32_t a, std::int32_t b)
{
    const std::int64_t product = std::int64_t{a} * std::int64_t{b};
    if (product < std::numeric_limits<std::int32_t>::min() ||
        product > std::numeric_limits<std::int32_t>::max())
        throw NumberOverflow("whole number out of range");
    return static_cast<std::int32_t>(product);
}

float readSingle(QStringView text)
{
    return toSingle(readNumber(text));
}

float readSingleOrInfinity(QStringView text)
{
    const double value = readNumber(text);
    if (std::fabs(value) > FLT_MAX)
        return value > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    return toSingle(value);
}

std::int16_t readWhole16(QStringView text)
{
    return toWhole16(readNumber(text));
}

std::int32_t readWhole32(QStringView text)
{
    return toWhole32(readNumber(text));
}

Currency readCurrency(QStringView text)
{
    return Currency::fromDouble(readNumber(text));
}

} // namespace Numbers
