#pragma once

#include <QStringView>

#include <compare>
#include <cstdint>
#include <stdexcept>

// Reading field texts and the number kinds the calculators compute in.
//
// Every conversion into a narrower kind, and every operation of a kind, checks its range and throws
// NumberOverflow instead of wrapping or producing an infinity. The calculators' bounds keep real
// entries far inside every range, so the exception marks an absurd entry (such as 1E999) or a fault;
// a calculation step catches it once and reports it like any other oversized input.
namespace Numbers {

class NumberOverflow : public std::overflow_error
{
public:
    using std::overflow_error::overflow_error;
};

// The leading number of a field text, the way every calculator field is read: blanks, tabs and line
// feeds are ignored wherever they stand; then an optional sign, digits with at most one period and an
// optional exponent (E or D), or a whole number after &H (hexadecimal) or &O (octal). Reading stops at
// the first character that cannot continue the number; no leading number gives 0. The period is the
// decimal point whatever the locale. A number beyond the range of a double gives an infinity of its
// sign (every conversion below refuses it); one too small for a double gives 0. Never throws.
double readNumber(QStringView text);

// Fixed-point money: a signed 64-bit count of ten-thousandths.
class Currency final
{
public:
    static constexpr std::int64_t TicksPerUnit = 10000;

    constexpr Currency() = default;

    static Currency fromTicks(std::int64_t ticks);
    // Rounds the binary value to four decimals, ties to even. Throws when out of range or not finite.
    static Currency fromDouble(double value);

    std::int64_t ticks() const;
    double toDouble() const;

    // Exact; throw when the result is out of range. The product is rounded to four decimals,
    // ties to even.
    friend Currency operator+(Currency a, Currency b);
    friend Currency operator-(Currency a, Currency b);
    friend Currency operator*(Currency a, Currency b);

    friend constexpr bool operator==(Currency, Currency) = default;
    friend constexpr std::strong_ordering operator<=>(Currency, Currency) = default;

private:
    std::int64_t m_ticks = 0;
};

// "Taken as single": rounds to the nearest float. Throws when the value is not finite or too large
// for a float.
float toSingle(double value);

// Rounds to the nearest whole number, ties to even (2.5 gives 2, 3.5 gives 4). Throws when the
// result is outside the kind's range or the value is not a number.
std::int16_t toWhole16(double value);
std::int32_t toWhole32(double value);

// Products that stay in their whole kind; throw when the product leaves its range.
std::int16_t multiplyWhole16(std::int16_t a, std::int16_t b);
std::int32_t multiplyWhole32(std::int32_t a, std::int32_t b);

// readNumber followed by the conversion into a kind, as most calculator inputs are read.
float readSingle(QStringView text);
// readNumber into a single without throwing: a number past the single range keeps its sign as an
// infinity, so a step's checks still see it in their order and its bound refuses it.
float readSingleOrInfinity(QStringView text);
std::int16_t readWhole16(QStringView text);
std::int32_t readWhole32(QStringView text);
Currency readCurrency(QStringView text);

} // namespace Numbers
