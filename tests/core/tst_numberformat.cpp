#include "core/NumberFormat.h"
#include "support/CoreTestSupport.h"

#include <cmath>
#include <limits>

using namespace Numbers;

Q_DECLARE_METATYPE(Numbers::Pattern)

namespace {

QLocale us()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// Calculator values are computed in their kinds here the way the calculators compute them, so a
// row can show a worked example from entry to text.
Currency money(double value)
{
    return Currency::fromDouble(value);
}

} // namespace

class TestNumberFormat : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void formatNumber_data();
    void formatNumber();
    void formatCurrency_data();
    void formatCurrency();
    void currencyBeyondDoublePrecision();
    void plainText_data();
    void plainText();
    void nonFiniteValuesAreRefused();

    void parseLocale_data();
    void parseLocale();
    void parseLocaleCurrencyRounding_data();
    void parseLocaleCurrencyRounding();

    void otherLocales_data();
    void otherLocales();
    void currencyFormMatchesLocale_data();
    void currencyFormMatchesLocale();
};

void TestNumberFormat::cleanup()
{
    QLocale::setDefault(us());
}

void TestNumberFormat::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<Pattern>("pattern");
    QTest::addColumn<QString>("expected");

    const Pattern dot00 = Pattern::NoLeadingZero;
    const Pattern trimmed = Pattern::TrimmedTwo;
    const Pattern grouped = Pattern::GroupedTwo;
    const Pattern dollar = Pattern::GridDollar;

    QTest::newRow(".00 walls 8x100x8")
        << (money(8) * money(100) * money(8)).toDouble() * 0.0031 << false << dot00 << "19.84";
    QTest::newRow(".00 walls under one yard")
        << (money(4) * money(10) * money(8)).toDouble() * 0.0031 << false << dot00 << ".99";
    QTest::newRow(".00 walls typed length 137")
        << (money(10) * money(137) * money(12)).toDouble() * 0.0031 << false << dot00 << "50.96";
    QTest::newRow(".00 footing 16x8x100")
        << double(multiplyWhole16(16, 8)) * 0.000257 * double(100.0f) << false << dot00 << "3.29";
    QTest::newRow(".00 footing 24x24x50")
        << double(multiplyWhole16(24, 24)) * 0.000257 * double(50.0f) << false << dot00 << "7.40";
    QTest::newRow(".00 footing 8x8x10")
        << double(multiplyWhole16(8, 8)) * 0.000257 * double(10.0f) << false << dot00 << ".16";
    QTest::newRow(".00 half") << 0.5 << false << dot00 << ".50";
    QTest::newRow(".00 1.984") << 1.984 << false << dot00 << "1.98";
    QTest::newRow(".00 zero") << 0.0 << false << dot00 << ".00";
    QTest::newRow(".00 halfway 0.125") << 0.125 << false << dot00 << ".13";
    QTest::newRow(".00 halfway 1.005") << 1.005 << false << dot00 << "1.01";
    QTest::newRow(".00 halfway 2.675") << 2.675 << false << dot00 << "2.68";
    QTest::newRow(".00 halfway 0.995 carries") << 0.995 << false << dot00 << "1.00";
    QTest::newRow(".00 below half") << 0.004999 << false << dot00 << ".00";
    QTest::newRow(".00 negative") << -0.5 << false << dot00 << "-.50";
    QTest::newRow(".00 negative halfway") << -1.005 << false << dot00 << "-1.01";
    QTest::newRow(".00 negative rounding to zero") << -0.001 << false << dot00 << ".00";
    QTest::newRow(".00 negative zero") << -0.0 << false << dot00 << ".00";
    QTest::newRow(".00 million no grouping") << 1234567.891 << false << dot00 << "1234567.89";
    QTest::newRow(".00 beyond 15 digits") << 1.5e20 << false << dot00 << "150000000000000000000.00";
    QTest::newRow(".00 single 2.675") << double(2.675f) << true << dot00 << "2.68";
    QTest::newRow(".00 single 1.005") << double(1.005f) << true << dot00 << "1.01";
    QTest::newRow(".00 single 0.125") << 0.125 << true << dot00 << ".13";
    QTest::newRow(".00 single keeps 7 digits") << double(1234567.875f) << true << dot00 << "1234568.00";

    QTest::newRow("0.## whole keeps point") << 200.0 << false << trimmed << "200.";
    QTest::newRow("0.## one decimal") << 2.5 << false << trimmed << "2.5";
    QTest::newRow("0.## piers 4 at 12x12x48")
        << double(toSingle(double(multiplyWhole16(12, 12)) * 0.000257)) * 4 * double(toSingle(48.0 / 12))
        << false << trimmed << "0.59";
    QTest::newRow("0.## piers 10 at 16x16x36")
        << double(toSingle(double(multiplyWhole16(16, 16)) * 0.000257)) * 10 * double(toSingle(36.0 / 12))
        << false << trimmed << "1.97";
    QTest::newRow("0.## piers 1 at 24x24x144")
        << double(toSingle(double(multiplyWhole16(24, 24)) * 0.000257)) * 1 * double(toSingle(144.0 / 12))
        << false << trimmed << "1.78";
    QTest::newRow("0.## slab 20x10x4") << 20.0 * 10 * 4 * 0.0031 << false << trimmed << "2.48";
    QTest::newRow("0.## walk 30x3x3.5") << 30.0 * 3 * 3.5 * 0.0031 << false << trimmed << "0.98";
    QTest::newRow("0.## halfway 0.125") << 0.125 << false << trimmed << "0.13";
    QTest::newRow("0.## halfway 1.005") << 1.005 << false << trimmed << "1.01";
    QTest::newRow("0.## halfway 2.675") << 2.675 << false << trimmed << "2.68";
    QTest::newRow("0.## halfway 0.995 carries") << 0.995 << false << trimmed << "1.";
    QTest::newRow("0.## allowance 148.35") << 129.0 * 0.15 + 129.0 << false << trimmed << "148.35";
    QTest::newRow("0.## rolls 0.2967") << double(toSingle(148.35 / 500)) << true << trimmed << "0.3";
    QTest::newRow("0.## zero") << 0.0 << false << trimmed << "0.";
    QTest::newRow("0.## tiny") << 0.001 << false << trimmed << "0.";
    QTest::newRow("0.## negative") << -2.5 << false << trimmed << "-2.5";
    QTest::newRow("0.## million") << 1e6 << false << trimmed << "1000000.";
    QTest::newRow("0.## single area 37.5") << 37.5 << true << trimmed << "37.5";
    QTest::newRow("0.## single 202.50002") << double(675.0f * 0.3f) << true << trimmed << "202.5";
    QTest::newRow("0.## single halfway 2.675") << double(2.675f) << true << trimmed << "2.68";

    QTest::newRow("##,##0.00 thousands") << 1234.5 << false << grouped << "1,234.50";
    QTest::newRow("##,##0.00 under one") << 0.5 << false << grouped << "0.50";
    QTest::newRow("##,##0.00 zero") << 0.0 << false << grouped << "0.00";
    QTest::newRow("##,##0.00 no separator under 1000") << 999.994 << false << grouped << "999.99";
    QTest::newRow("##,##0.00 carry adds a group") << 999.995 << false << grouped << "1,000.00";
    QTest::newRow("##,##0.00 million") << 1e6 << false << grouped << "1,000,000.00";
    QTest::newRow("##,##0.00 negative") << -1234.5 << false << grouped << "-1,234.50";
    QTest::newRow("##,##0.00 halfway") << 123456789.125 << false << grouped << "123,456,789.13";
    QTest::newRow("##,##0.00 single vertical rebar")
        << double(toSingle(20.0 / 2 * 8)) << true << grouped << "80.00";
    QTest::newRow("##,##0.00 single 1600") << 1600.0 << true << grouped << "1,600.00";

    QTest::newRow("$#0.00 no grouping") << 1234.5 << false << dollar << "$1234.50";
    QTest::newRow("$#0.00 zero") << 0.0 << false << dollar << "$0.00";
    QTest::newRow("$#0.00 under one") << 0.25 << false << dollar << "$0.25";
    QTest::newRow("$#0.00 negative") << -5.0 << false << dollar << "-$5.00";
    QTest::newRow("$#0.00 halfway") << 0.005 << false << dollar << "$0.01";
    QTest::newRow("$#0.00 million") << 1234567.875 << false << dollar << "$1234567.88";
}

void TestNumberFormat::formatNumber()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(Pattern, pattern);
    QFETCH(QString, expected);
    if (single)
        QCOMPARE(Numbers::formatNumber(static_cast<float>(value), pattern), expected);
    else
        QCOMPARE(Numbers::formatNumber(value, pattern), expected);
}

void TestNumberFormat::formatCurrency_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("walls cost") << (money(19.84) * money(85)).toDouble() << "$1,686.40";
    // A negative amount rounds on its own magnitude: 49 ticks are under half a cent, 50 are not.
    QTest::newRow("negative under half a cent") << -0.0049 << "$0.00";
    QTest::newRow("negative half a cent") << -0.005 << "($0.01)";
    QTest::newRow("footing cost single") << double(toSingle(double(3.29f) * double(85.0f))) << "$279.65";
    QTest::newRow("rebar cost single") << double(toSingle(double(426.72f) * double(0.45f))) << "$192.02";
    QTest::newRow("wire cost single") << double(toSingle(double(0.92f) * double(45.0f))) << "$41.40";
    QTest::newRow("brick cost single") << double(toSingle(0.45 * 1080)) << "$486.00";
    QTest::newRow("grid sum loses cents") << double(toSingle(1234567.89)) << "$1,234,567.88";
    QTest::newRow("zero") << 0.0 << "$0.00";
    QTest::newRow("negative in parentheses") << -1234.5 << "($1,234.50)";
    QTest::newRow("negative rounding to zero") << -0.001 << "$0.00";
    QTest::newRow("halfway 0.005") << 0.005 << "$0.01";
    QTest::newRow("halfway 0.125") << 0.125 << "$0.13";
    QTest::newRow("halfway 1.005") << 1.005 << "$1.01";
    QTest::newRow("halfway 2.675") << 2.675 << "$2.68";
    QTest::newRow("halfway single 2.675") << double(2.675f) << "$2.68";
    QTest::newRow("just below halfway") << 0.0049 << "$0.00";
    QTest::newRow("million") << 1e6 << "$1,000,000.00";
    QTest::newRow("fourteen whole digits") << 98765432109876.5625 << "$98,765,432,109,876.56";
}

void TestNumberFormat::formatCurrency()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Numbers::formatCurrency(value), expected);
    QCOMPARE(Numbers::formatCurrency(money(value)), expected);
}

void TestNumberFormat::currencyBeyondDoublePrecision()
{
    // A double cannot hold these cents; the currency form must still show them exactly.
    QCOMPARE(Numbers::formatCurrency(Currency::fromTicks(std::numeric_limits<qint64>::max())),
             "$922,337,203,685,477.58");
    QCOMPARE(Numbers::formatCurrency(Currency::fromTicks(std::numeric_limits<qint64>::min())),
             "($922,337,203,685,477.58)");
    QCOMPARE(Numbers::formatCurrency(Currency::fromTicks(90071992547409934)), "$9,007,199,254,740.99");
}

void TestNumberFormat::plainText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("expected");

    QTest::newRow("coverage 324/4") << 324.0 / 4 << false << "81";
    QTest::newRow("coverage 324/10") << 324.0 / 10 << false << "32.4";
    QTest::newRow("coverage 324/7") << 324.0 / 7 << false << "46.2857142857143";
    QTest::newRow("coverage 324/11") << 324.0 / 11 << false << "29.4545454545455";
    QTest::newRow("block count") << 12 * (12.5 * 0.75) << false << "112.5";
    QTest::newRow("0.1 + 0.2 at 15 digits") << 0.1 + 0.2 << false << "0.3";
    QTest::newRow("zero") << 0.0 << false << "0";
    QTest::newRow("negative zero") << -0.0 << false << "0";
    QTest::newRow("under one") << 0.5 << false << "0.5";
    QTest::newRow("negative") << -0.5 << false << "-0.5";
    QTest::newRow("million") << 1e6 << false << "1000000";
    QTest::newRow("15 digits") << 123456789012345.0 << false << "123456789012345";
    QTest::newRow("16 digits") << 1234567890123456.0 << false << "1.23456789012346E+15";
    QTest::newRow("power of ten") << 1e15 << false << "1E+15";
    QTest::newRow("small fixed") << 0.0001 << false << "0.0001";
    QTest::newRow("small exponent") << 0.00001 << false << "1E-05";
    QTest::newRow("huge exponent") << -1.5e300 << false << "-1.5E+300";

    QTest::newRow("single bars 58/6") << double(toSingle(58.0 / 6)) << true << "9.666667";
    QTest::newRow("single feet per bar") << double(toSingle(58.0 / 12 / 2)) << true << "2.416667";
    QTest::newRow("single 675 x 0.3") << double(675.0f * 0.3f) << true << "202.5";
    QTest::newRow("single recount 563 x 0.3") << double(563.0f * 0.3f) << true << "168.9";
    QTest::newRow("single total") << double(300.0f + 80.0f + 46.72f) << true << "426.72";
    QTest::newRow("single million") << 1e6 << true << "1000000";
    QTest::newRow("single 8 digits") << 16777216.0 << true << "1.677722E+07";
    QTest::newRow("single 0.1") << double(0.1f) << true << "0.1";
}

void TestNumberFormat::plainText()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(QString, expected);
    if (single)
        QCOMPARE(Numbers::plainText(static_cast<float>(value)), expected);
    else
        QCOMPARE(Numbers::plainText(value), expected);
}

void TestNumberFormat::nonFiniteValuesAreRefused()
{
    const double infinity = std::numeric_limits<double>::infinity();
    QVERIFY_THROWS_EXCEPTION(NumberOverflow, Numbers::formatNumber(infinity, Pattern::NoLeadingZero));
    QVERIFY_THROWS_EXCEPTION(NumberOverflow, Numbers::formatNumber(std::nanf(""), Pattern::TrimmedTwo));
    QVERIFY_THROWS_EXCEPTION(NumberOverflow, Numbers::plainText(-infinity));
    QVERIFY_THROWS_EXCEPTION(NumberOverflow, Numbers::formatCurrency(infinity));
    QVERIFY_THROWS_EXCEPTION(NumberOverflow, Numbers::formatCurrency(1e300));
}

void TestNumberFormat::parseLocale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("expected");

    QTest::newRow("currency form") << "$1,234.50" << true << 1234.5;
    QTest::newRow("grid form") << "$1234.50" << true << 1234.5;
    QTest::newRow("symbol on both sides") << "$5$" << false << 0.0;
    QTest::newRow("parenthesised negative") << "($5.00)" << true << -5.0;
    QTest::newRow("minus before symbol") << "-$5.00" << true << -5.0;
    QTest::newRow("minus after symbol") << "$-5.00" << true << -5.0;
    QTest::newRow("plain typed labour") << "100" << true << 100.0;
    QTest::newRow("blanks around") << "  $0.00 " << true << 0.0;
    QTest::newRow("blank after symbol") << "$ 7" << true << 7.0;
    QTest::newRow("blanks inside parentheses") << "( $5.00 )" << true << -5.0;
    QTest::newRow("trailing point") << "690." << true << 690.0;
    QTest::newRow("leading point") << ".5" << true << 0.5;
    QTest::newRow("grouped") << "1,600.00" << true << 1600.0;
    QTest::newRow("grouping anywhere between digits") << "1,23" << true << 123.0;
    QTest::newRow("symbol after number") << "5.25$" << true << 5.25;
    QTest::newRow("plus sign") << "+3" << true << 3.0;
    QTest::newRow("million grouped") << "$1,234,567.88" << true << 1234567.88;
    QTest::newRow("many digits") << "123456789012345678901234567890" << true << 1.2345678901234568e29;
    QTest::newRow("negative zero is zero") << "-$0.00" << true << 0.0;

    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks") << "   " << false << 0.0;
    QTest::newRow("word") << "abc" << false << 0.0;
    QTest::newRow("symbol only") << "$" << false << 0.0;
    QTest::newRow("sign only") << "-" << false << 0.0;
    QTest::newRow("empty parentheses") << "()" << false << 0.0;
    QTest::newRow("unclosed parenthesis") << "(5" << false << 0.0;
    QTest::newRow("unopened parenthesis") << "5)" << false << 0.0;
    QTest::newRow("sign inside parentheses") << "(-5)" << false << 0.0;
    QTest::newRow("text after number") << "$1,234.50abc" << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << false << 0.0;
    QTest::newRow("two signs") << "--5" << false << 0.0;
    QTest::newRow("two symbols") << "$$5" << false << 0.0;
    QTest::newRow("leading separator") << ",5" << false << 0.0;
    QTest::newRow("double separator") << "1,,234" << false << 0.0;
    QTest::newRow("separator after point") << "1.2,3" << false << 0.0;
    QTest::newRow("trailing minus") << "5-" << false << 0.0;
    QTest::newRow("exponent") << "1E3" << false << 0.0;
}

void TestNumberFormat::parseLocale()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, expected);
    const std::optional<double> number = parseLocaleNumber(text);
    QCOMPARE(number.has_value(), isNumber);
    if (!isNumber) {
        QVERIFY(!parseLocaleCurrency(text).has_value());
        return;
    }
    QVERIFY2(*number == expected && !std::signbit(*number) == !std::signbit(expected),
             qPrintable(QStringLiteral("got %1").arg(*number, 0, 'g', 17)));
    if (std::fabs(expected) >= 1e15) {
        QVERIFY_THROWS_EXCEPTION(NumberOverflow, parseLocaleCurrency(text));
        return;
    }
    const std::optional<Currency> amount = parseLocaleCurrency(text);
    QVERIFY(amount.has_value());
    QCOMPARE(amount->ticks(), money(expected).ticks());
}

void TestNumberFormat::parseLocaleCurrencyRounding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("ticks");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("four decimals exact") << "1234.5678" << qint64(12345678) << false;
    QTest::newRow("fifth decimal above half") << "1234.56789" << qint64(12345679) << false;
    QTest::newRow("tie to even down") << "0.00005" << qint64(0) << false;
    QTest::newRow("tie to even up") << "0.00015" << qint64(2) << false;
    QTest::newRow("tie with trailing zeros") << "0.000250000" << qint64(2) << false;
    QTest::newRow("just above tie") << "0.0000500001" << qint64(1) << false;
    QTest::newRow("negative tie") << "($0.00015)" << qint64(-2) << false;
    QTest::newRow("leading zeros") << "000000000000000000001.5" << qint64(15000) << false;
    QTest::newRow("largest") << "922,337,203,685,477.5807" << std::numeric_limits<qint64>::max() << false;
    QTest::newRow("past largest") << "922,337,203,685,477.5808" << qint64(0) << true;
    QTest::newRow("far past largest") << "99999999999999999999" << qint64(0) << true;
}

void TestNumberFormat::parseLocaleCurrencyRounding()
{
    QFETCH(QString, text);
    QFETCH(qint64, ticks);
    QFETCH(bool, overflows);
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(NumberOverflow, parseLocaleCurrency(text));
        return;
    }
    const std::optional<Currency> amount = parseLocaleCurrency(text);
    QVERIFY(amount.has_value());
    QCOMPARE(qint64{amount->ticks()}, ticks);
}

void TestNumberFormat::otherLocales_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("dot00");
    QTest::addColumn<QString>("grouped");
    QTest::addColumn<QString>("gridDollar");
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("currency");

    // Values: 0.5 for ".00", 1234567.5 for the grouped, grid and currency forms, 2.5 as plain text.
    QTest::newRow("C falls back to US") << "C"
                                        << ".50"
                                        << "1,234,567.50"
                                        << "$1234567.50"
                                        << "2.5"
                                        << "$1,234,567.50";
    QTest::newRow("German") << "de_DE"
                            << ",50"
                            << "1.234.567,50"
                            << "$1234567,50"
                            << "2,5" << QStringLiteral("1.234.567,50\u00a0€");
    QTest::newRow("Swiss German") << "de_CH"
                                  << ".50" << QStringLiteral("1’234’567.50") << "$1234567.50"
                                  << "2.5" << QStringLiteral("1’234’567.50\u00a0CHF");
    QTest::newRow("Japanese, no decimals") << "ja_JP"
                                           << ".50"
                                           << "1,234,567.50"
                                           << "$1234567.50"
                                           << "2.5" << QStringLiteral("￥1,234,568");
}

void TestNumberFormat::otherLocales()
{
    QFETCH(QString, locale);
    QFETCH(QString, dot00);
    QFETCH(QString, grouped);
    QFETCH(QString, gridDollar);
    QFETCH(QString, plain);
    QFETCH(QString, currency);
    QLocale::setDefault(QLocale(locale));

    QCOMPARE(Numbers::formatNumber(0.5, Pattern::NoLeadingZero), dot00);
    QCOMPARE(Numbers::formatNumber(1234567.5, Pattern::GroupedTwo), grouped);
    QCOMPARE(Numbers::formatNumber(1234567.5, Pattern::GridDollar), gridDollar);
    QCOMPARE(Numbers::plainText(2.5), plain);
    QCOMPARE(Numbers::formatCurrency(1234567.5), currency);
    // Field texts are read with the period whatever the locale.
    QCOMPARE(readNumber(u"2,5"), 2.0);
    QCOMPARE(readNumber(u"2.5"), 2.5);
    // What is written in the locale's form reads back.
    QCOMPARE(parseLocaleNumber(grouped), std::optional<double>(1234567.5));
    QCOMPARE(parseLocaleNumber(gridDollar), std::optional<double>(1234567.5));
    QCOMPARE(parseLocaleNumber(currency),
             std::optional<double>(currency.contains(u"￥") ? 1234568.0 : 1234567.5));
}

void TestNumberFormat::currencyFormMatchesLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");

    for (const char *name :
         {"en_US", "en_GB", "en_IN", "de_DE", "fr_FR", "nl_NL", "sv_SE", "pt_BR", "ar_EG", "he_IL"}) {
        for (const double value : {1234567.25, -1234567.25, 0.5, -0.5, 0.0})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(value, 0, 'f', 2)))
                << QString::fromLatin1(name) << value;
    }
    // Currencies without decimals; direction marks around the Persian form.
    for (const char *name : {"ja_JP", "fa_IR"}) {
        for (const double value : {1234567.0, -1234567.0, 0.0})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(value, 0, 'f', 0)))
                << QString::fromLatin1(name) << value;
    }
}

void TestNumberFormat::currencyFormMatchesLocale()
{
    // Qt's own currency form is exact for these values: the number here must be written into the
    // same arrangement of symbol, sign, grouping and digits.
    QFETCH(QString, locale);
    QFETCH(double, value);
    QLocale::setDefault(QLocale(locale));
    const QString expected = QLocale().toCurrencyString(value);
    QCOMPARE(Numbers::formatCurrency(value), expected);
    QCOMPARE(parseLocaleNumber(expected), std::optional<double>(value));
}

MORTARIX_CORE_TEST_MAIN(TestNumberFormat)
#include "tst_numberformat.moc"
