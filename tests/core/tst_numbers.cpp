#include "core/Numbers.h"
#include "support/CoreTestSupport.h"

#include <cmath>
#include <limits>

using namespace Numbers;

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// QCOMPARE on doubles is fuzzy; reading a number must give exactly the nearest double.
QString describe(double actual, double expected)
{
    return QStringLiteral("got %1, expected %2").arg(actual, 0, 'g', 17).arg(expected, 0, 'g', 17);
}

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void readNumber_data();
    void readNumber();
    void readNumberOfHugeTexts_data();
    void readNumberOfHugeTexts();

    void toWhole16_data();
    void toWhole16();
    void toWhole32_data();
    void toWhole32();
    void multiplyWhole_data();
    void multiplyWhole();
    void toSingle_data();
    void toSingle();
    void readSingleOrInfinity_data();
    void readSingleOrInfinity();

    void currencyFromDouble_data();
    void currencyFromDouble();
    void currencyArithmetic_data();
    void currencyArithmetic();
};

void TestNumbers::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("blank inside digits") << "12 5" << 125.0;
    QTest::newRow("comma stops") << "1,200" << 1.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("foot mark") << "8'" << 8.0;
    QTest::newRow("inch mark") << "3.5\"" << 3.5;
    QTest::newRow("dollar sign first") << "$12" << 0.0;
    QTest::newRow("hexadecimal") << "&HFF" << 255.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("D exponent") << "1D2" << 100.0;
    QTest::newRow("blank after sign") << "- 3" << -3.0;

    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only blanks") << " \t\n" << 0.0;
    QTest::newRow("word") << "word" << 0.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("two signs") << "--3" << 0.0;
    QTest::newRow("sign then point only") << "-." << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("leading zeros") << "007" << 7.0;
    QTest::newRow("negative zero reads as zero") << "-0" << 0.0;
    QTest::newRow("tabs and line feeds anywhere") << "\t1\n2 . 5" << 12.5;
    QTest::newRow("carriage return stops") << "1\r2" << 1.0;
    QTest::newRow("unit after number") << "100 ft" << 100.0;
    QTest::newRow("grouped text reads its first group") << "1,600.00" << 1.0;
    QTest::newRow("length with half") << "10001.5" << 10001.5;
    QTest::newRow("nearest double of 0.1") << "0.1" << 0.1;
    QTest::newRow("many digits rounded once") << "0.30000000000000004" << 0.30000000000000004;
    QTest::newRow("thirty digits") << "123456789012345678901234567890" << 123456789012345678901234567890.0;

    QTest::newRow("lower-case e") << "1e3" << 1000.0;
    QTest::newRow("signed exponent") << "2.5E-1" << 0.25;
    QTest::newRow("lower-case d negative") << "1d-2" << 0.01;
    QTest::newRow("blanks inside exponent") << "1 E + 2" << 100.0;
    QTest::newRow("exponent without digits") << "1E" << 1.0;
    QTest::newRow("exponent sign without digits") << "1E+" << 1.0;
    QTest::newRow("exponent followed by letter") << "1Ex" << 1.0;
    QTest::newRow("largest exponent") << "1E308" << 1e308;
    QTest::newRow("overflow") << "1E309" << Infinity;
    QTest::newRow("negative overflow") << "-1E309" << -Infinity;
    QTest::newRow("underflow") << "1E-400" << 0.0;
    QTest::newRow("smallest subnormal")
        << "4.9406564584124654E-324" << std::numeric_limits<double>::denorm_min();

    QTest::newRow("lower-case hexadecimal") << "&hff" << 255.0;
    QTest::newRow("blanks inside hexadecimal") << "& H 1 0" << 16.0;
    QTest::newRow("hexadecimal stops at G") << "&H1G" << 1.0;
    // Characters below 'A' are no hex digits either, and never count as negative ones.
    QTest::newRow("hexadecimal stops at a period") << "&HA.5" << 10.0;
    QTest::newRow("hexadecimal stops at a minus") << "&HF-1" << 15.0;
    QTest::newRow("four hex digits do not wrap") << "&HFFFF" << 65535.0;
    QTest::newRow("octal has no 8") << "&O8" << 0.0;
    QTest::newRow("prefix without digits") << "&H" << 0.0;
    QTest::newRow("unknown prefix") << "&X1" << 0.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("sign before prefix") << "-&H10" << 0.0;
}

void TestNumbers::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = Numbers::readNumber(text);
    QVERIFY2(actual == expected && std::signbit(actual) == std::signbit(expected),
             qPrintable(describe(actual, expected)));
}

void TestNumbers::readNumberOfHugeTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    const QString nines(20000, u'9');
    const QString zeros(20000, u'0');
    QTest::newRow("huge exponent") << QStringLiteral("1E") + nines << Infinity;
    QTest::newRow("huge negative exponent") << QStringLiteral("1E-") + nines << 0.0;
    QTest::newRow("huge digit string") << nines << Infinity;
    QTest::newRow("long fraction underflows") << QStringLiteral("0.") + zeros + QStringLiteral("1") << 0.0;
    QTest::newRow("dropped zeros still count")
        << QStringLiteral("1") + zeros + QStringLiteral("E-20000") << 1.0;
    QTest::newRow("leading fraction zeros still count")
        << QStringLiteral("0.") + zeros + QStringLiteral("1E20001") << 1.0;
    QTest::newRow("more digits than kept") << QString(2000, u'1') + QStringLiteral("E-1999") << 10.0 / 9.0;
    // Exactly halfway between 1 and the next double: ties go to even unless a digit far beyond
    // the kept ones says the text lies above the tie.
    const QString halfway = QStringLiteral("1.00000000000000011102230246251565404236316680908203125");
    QTest::newRow("exact tie far past kept digits") << halfway + zeros << 1.0;
    QTest::newRow("above tie far past kept digits")
        << halfway + zeros + QStringLiteral("1") << std::nextafter(1.0, 2.0);
    QTest::newRow("huge hexadecimal") << QStringLiteral("&H") + QString(400, u'F') << Infinity;
    QTest::newRow("52-bit hexadecimal exact") << QStringLiteral("&HFFFFFFFFFFFFF") << 4503599627370495.0;
    QTest::newRow("many blanks first") << QString(100000, u' ') + QStringLiteral("7") << 7.0;
}

void TestNumbers::readNumberOfHugeTexts()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = Numbers::readNumber(text);
    QVERIFY2(actual == expected, qPrintable(describe(actual, expected)));
}

void TestNumbers::toWhole16_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("2.5 to even below") << 2.5 << 2 << false;
    QTest::newRow("3.5 to even above") << 3.5 << 4 << false;
    QTest::newRow("5.5 to even above") << 5.5 << 6 << false;
    QTest::newRow("0.5 to zero") << 0.5 << 0 << false;
    QTest::newRow("1.5 to two") << 1.5 << 2 << false;
    QTest::newRow("-2.5 to even") << -2.5 << -2 << false;
    QTest::newRow("-3.5 to even") << -3.5 << -4 << false;
    QTest::newRow("just above half") << 2.5000000000000004 << 3 << false;
    QTest::newRow("just below half") << 2.4999999999999996 << 2 << false;
    QTest::newRow("tiny negative") << -1e-300 << 0 << false;
    QTest::newRow("largest") << 32767.4 << 32767 << false;
    QTest::newRow("rounds past largest") << 32767.5 << 0 << true;
    QTest::newRow("smallest by tie to even") << -32768.5 << -32768 << false;
    QTest::newRow("below smallest") << -32768.6 << 0 << true;
    QTest::newRow("infinity") << Infinity << 0 << true;
    QTest::newRow("not a number") << std::nan("") << 0 << true;
}

void TestNumbers::toWhole16()
{
    QFETCH(double, value);
    QFETCH(int, expected);
    QFETCH(bool, overflows);
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(NumberOverflow, Numbers::toWhole16(value));
        return;
    }
    QCOMPARE(int{Numbers::toWhole16(value)}, expected);
}

void TestNumbers::toWhole32_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("ties to even") << 4.5 << qint64(4) << false;
    QTest::newRow("beyond 16 bits") << 40000.5 << qint64(40000) << false;
    QTest::newRow("largest") << 2147483647.4 << qint64(2147483647) << false;
    QTest::newRow("rounds past largest") << 2147483647.5 << qint64(0) << true;
    QTest::newRow("smallest") << -2147483648.5 << qint64(-2147483648LL) << false;
    QTest::newRow("below smallest") << -2147483649.0 << qint64(0) << true;
    QTest::newRow("negative infinity") << -Infinity << qint64(0) << true;
}

void TestNumbers::toWhole32()
{
    QFETCH(double, value);
    QFETCH(qint64, expected);
    QFETCH(bool, overflows);
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(NumberOverflow, Numbers::toWhole32(value));
        return;
    }
    QCOMPARE(qint64{Numbers::toWhole32(value)}, expected);
}

void TestNumbers::multiplyWhole_data()
{
    QTest::addColumn<int>("bits");
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("footing section 16 x 8") << 16 << qint64(16) << qint64(8) << qint64(128) << false;
    QTest::newRow("pier section 24 x 24") << 16 << qint64(24) << qint64(24) << qint64(576) << false;
    QTest::newRow("16-bit largest") << 16 << qint64(181) << qint64(181) << qint64(32761) << false;
    QTest::newRow("16-bit past largest") << 16 << qint64(182) << qint64(181) << qint64(0) << true;
    QTest::newRow("16-bit smallest") << 16 << qint64(-128) << qint64(256) << qint64(-32768) << false;
    QTest::newRow("16-bit past smallest") << 16 << qint64(-182) << qint64(181) << qint64(0) << true;
    QTest::newRow("16-bit negative squared") << 16 << qint64(-32768) << qint64(-1) << qint64(0) << true;
    QTest::newRow("32-bit") << 32 << qint64(46340) << qint64(46340) << qint64(2147395600) << false;
    QTest::newRow("32-bit past largest") << 32 << qint64(65536) << qint64(32768) << qint64(0) << true;
}

void TestNumbers::multiplyWhole()
{
    QFETCH(int, bits);
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(qint64, expected);
    QFETCH(bool, overflows);
    const auto multiply = [&]() -> qint64 {
        if (bits == 16)
            return multiplyWhole16(static_cast<std::int16_t>(a), static_cast<std::int16_t>(b));
        return multiplyWhole32(static_cast<std::int32_t>(a), static_cast<std::int32_t>(b));
    };
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(NumberOverflow, multiply());
        return;
    }
    QCOMPARE(multiply(), expected);
}

void TestNumbers::toSingle_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<float>("expected");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("0.1 rounds to float") << 0.1 << 0.1f << false;
    QTest::newRow("brick hundreds") << 30.0 / 100 << 0.3f << false;
    QTest::newRow("brick count 675 x 0.3") << 675.0 * double(0.3f) << 202.50002f << false;
    QTest::newRow("grid amount loses cents") << 1234567.89 << 1234567.875f << false;
    QTest::newRow("largest float") << double(std::numeric_limits<float>::max())
                                   << std::numeric_limits<float>::max() << false;
    QTest::newRow("rounds down to largest")
        << double(std::numeric_limits<float>::max()) + std::ldexp(1.0, 102)
        << std::numeric_limits<float>::max() << false;
    QTest::newRow("rounds up to infinity")
        << double(std::numeric_limits<float>::max()) + std::ldexp(1.0, 103) << 0.0f << true;
    QTest::newRow("too large") << 1e39 << 0.0f << true;
    QTest::newRow("negative too large") << -1e39 << 0.0f << true;
    QTest::newRow("infinity read from 1E999") << Infinity << 0.0f << true;
    QTest::newRow("not a number") << std::nan("") << 0.0f << true;
    QTest::newRow("tiny becomes zero") << 1e-50 << 0.0f << false;
}

void TestNumbers::toSingle()
{
    QFETCH(double, value);
    QFETCH(float, expected);
    QFETCH(bool, overflows);
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(NumberOverflow, Numbers::toSingle(value));
        return;
    }
    const float actual = Numbers::toSingle(value);
    QVERIFY2(actual == expected, qPrintable(describe(actual, expected)));
}

void TestNumbers::readSingleOrInfinity_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");

    const float largest = std::numeric_limits<float>::max();
    const float infinity = std::numeric_limits<float>::infinity();
    QTest::newRow("rounds to float") << "12.3" << 12.3f;
    QTest::newRow("no number is 0") << "" << 0.0f;
    QTest::newRow("negative kept") << "-20" << -20.0f;
    QTest::newRow("largest single") << "3.4028234E38" << largest;
    // readSingle would round this to the largest single; here it is past the range.
    QTest::newRow("just past the largest single") << "3.4028235E38" << infinity;
    QTest::newRow("past the single range") << "1E39" << infinity;
    QTest::newRow("negative past the single range") << "-1E39" << -infinity;
    QTest::newRow("past the double range") << "1E999" << infinity;
}

void TestNumbers::readSingleOrInfinity()
{
    QFETCH(QString, text);
    QFETCH(float, expected);
    const float actual = Numbers::readSingleOrInfinity(text);
    QVERIFY2(actual == expected, qPrintable(describe(actual, expected)));
}

void TestNumbers::currencyFromDouble_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("whole") << 85.0 << qint64(850000) << false;
    QTest::newRow("two decimals") << 19.84 << qint64(198400) << false;
    QTest::newRow("exact tie to even below") << 0.03125 << qint64(312) << false;
    QTest::newRow("exact tie to even above") << 0.09375 << qint64(938) << false;
    QTest::newRow("negative exact tie") << -0.03125 << qint64(-312) << false;
    // These decimal texts are ties, but their binary values are not: the binary value decides.
    QTest::newRow("binary just above 0.00005") << 0.00005 << qint64(1) << false;
    // A fraction between 2^-16 and 2^-15 shifts its bits by exactly 64 places: under half a tick.
    QTest::newRow("fraction of 2^-16") << std::ldexp(1.0, -16) << qint64(0) << false;
    QTest::newRow("whole and a fraction of 2^-16") << 7 + std::ldexp(1.0, -16) << qint64(70000) << false;
    QTest::newRow("binary just above 1.00005") << 1.00005 << qint64(10001) << false;
    QTest::newRow("binary just below 0.00015") << 0.00015 << qint64(1) << false;
    QTest::newRow("rounds up into the next unit") << 0.99999 << qint64(10000) << false;
    QTest::newRow("single 202.50002") << double(202.50002f) << qint64(2025000) << false;
    QTest::newRow("single 2.675") << double(2.675f) << qint64(26750) << false;
    QTest::newRow("subnormal") << std::numeric_limits<double>::denorm_min() << qint64(0) << false;
    QTest::newRow("negative zero") << -0.0 << qint64(0) << false;
    QTest::newRow("large") << 922337203685477.0 << qint64(9223372036854770000LL) << false;
    QTest::newRow("large negative") << -922337203685477.5 << qint64(-9223372036854775000LL) << false;
    QTest::newRow("out of range") << 922337203685478.0 << qint64(0) << true;
    QTest::newRow("would wrap 64 bits") << 2e15 << qint64(0) << true;
    QTest::newRow("far out of range") << 1e300 << qint64(0) << true;
    QTest::newRow("infinity") << Infinity << qint64(0) << true;
    QTest::newRow("not a number") << std::nan("") << qint64(0) << true;
}

void TestNumbers::currencyFromDouble()
{
    QFETCH(double, value);
    QFETCH(qint64, ticks);
    QFETCH(bool, overflows);
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(NumberOverflow, Currency::fromDouble(value));
        return;
    }
    const Currency c = Currency::fromDouble(value);
    QCOMPARE(qint64{c.ticks()}, ticks);
    QCOMPARE(c.toDouble(), double(ticks) / 10000);
}

void TestNumbers::currencyArithmetic_data()
{
    QTest::addColumn<char>("operation");
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<bool>("overflows");

    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    QTest::newRow("wall 8 x 100") << '*' << qint64(80000) << qint64(1000000) << qint64(8000000) << false;
    QTest::newRow("sum reaches the largest") << '+' << max - 1 << qint64(1) << max << false;
    QTest::newRow("sum reaches the smallest") << '+' << min + 1 << qint64(-1) << min << false;
    QTest::newRow("wall 800 x 8") << '*' << qint64(8000000) << qint64(80000) << qint64(64000000) << false;
    QTest::newRow("wall cost 19.84 x 85")
        << '*' << qint64(198400) << qint64(850000) << qint64(16864000) << false;
    QTest::newRow("product tie to even down") << '*' << qint64(1) << qint64(5000) << qint64(0) << false;
    QTest::newRow("product tie to even up") << '*' << qint64(3) << qint64(5000) << qint64(2) << false;
    QTest::newRow("product above half") << '*' << qint64(1) << qint64(5001) << qint64(1) << false;
    QTest::newRow("negative product tie") << '*' << qint64(-3) << qint64(5000) << qint64(-2) << false;
    QTest::newRow("two negatives") << '*' << qint64(-20000) << qint64(-30000) << qint64(60000) << false;
    QTest::newRow("large product exact") << '*' << qint64(10000) * 100000000 << qint64(10000) * 90000
                                         << qint64(10000) * 9000000000000 << false;
    QTest::newRow("product needs 128 bits") << '*' << max << qint64(10000) << max << false;
    // 2^48 x 2^48 is 2^96: all of it in the high half of the 128-bit product.
    QTest::newRow("product only in the high half")
        << '*' << (qint64(1) << 48) << (qint64(1) << 48) << qint64(0) << true;
    QTest::newRow("product out of range")
        << '*' << qint64(10000) * 100000000 << qint64(10000) * 100000000 << qint64(0) << true;
    QTest::newRow("smallest times one") << '*' << min << qint64(10000) << min << false;
    QTest::newRow("smallest times minus one") << '*' << min << qint64(-10000) << qint64(0) << true;
    QTest::newRow("sum") << '+' << qint64(12345) << qint64(-345) << qint64(12000) << false;
    QTest::newRow("sum out of range") << '+' << max << qint64(1) << qint64(0) << true;
    QTest::newRow("negative sum out of range") << '+' << min << qint64(-1) << qint64(0) << true;
    QTest::newRow("difference") << '-' << qint64(100) << qint64(250) << qint64(-150) << false;
    QTest::newRow("difference out of range") << '-' << min << qint64(1) << qint64(0) << true;
    QTest::newRow("difference of negative out of range") << '-' << max << qint64(-1) << qint64(0) << true;
}

void TestNumbers::currencyArithmetic()
{
    QFETCH(char, operation);
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(qint64, expected);
    QFETCH(bool, overflows);
    const Currency x = Currency::fromTicks(a);
    const Currency y = Currency::fromTicks(b);
    const auto compute = [&] { return operation == '*' ? x * y : operation == '+' ? x + y : x - y; };
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(NumberOverflow, compute());
        return;
    }
    QCOMPARE(qint64{compute().ticks()}, expected);
    if (operation != '-')
        QCOMPARE(qint64{(operation == '*' ? y * x : y + x).ticks()}, expected);
}

MORTARIX_CORE_TEST_MAIN(TestNumbers)
#include "tst_numbers.moc"
