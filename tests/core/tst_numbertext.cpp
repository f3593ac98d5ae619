// SPDX-License-Identifier: GPL-3.0-or-later
// Conversions of typed texts to numbers, and the two number formats, under
// the C locale and under a comma-decimal locale; the shortest text of a
// double, byte for byte the standard library's.
#include "core/NumberText.h"

#include <QLocale>
#include <QTest>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void decimal_data();
    void decimal();
    void decimalOutOfDoubleRange();
    void integer_data();
    void integer();
    void fixed_data();
    void fixed();
    void picture_data();
    void picture();
    void pictureTakesLocaleSeparators();
    void sameUnderCommaLocale();
    void shortestAsToChars_data();
    void shortestAsToChars();
    void shortestAsToCharsAtRandom();
};

void TestNumberText::decimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "345.00" << 345.0;
    QTest::newRow("trailing words") << "345 hp" << 345.0;
    QTest::newRow("leading blank") << " 345" << 345.0;
    QTest::newRow("leading tab and newline") << "\t\n 2.5" << 2.5;
    QTest::newRow("trailing spaces from the calculator") << "5.21  " << 5.21;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("no leading digit") << ".75" << 0.75;
    QTest::newRow("no trailing digit") << "5." << 5.0;
    QTest::newRow("negative") << "-2.5" << -2.5;
    QTest::newRow("plus sign") << "+0.29" << 0.29;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("signed exponent") << "2.5E-1x" << 0.25;
    QTest::newRow("exponent without digits is not part of it") << "12e" << 12.0;
    QTest::newRow("exponent sign without digits") << "12e+" << 12.0;
    QTest::newRow("comma ends the number") << "3,5" << 3.0;
    QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
    QTest::newRow("long text is kept whole") << "0000000000000000000345.000000000000" << 345.0;
    QTest::newRow("not a C library word") << "inf" << 0.0;
    QTest::newRow("drag coefficient 0.2") << "0.2" << 0.2;
}

void TestNumberText::decimal()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    // Exact: the conversion must give the double nearest the decimal text.
    QCOMPARE(DecimalFromText(text), value);
}

void TestNumberText::decimalOutOfDoubleRange()
{
    const double inf = std::numeric_limits<double>::infinity();
    QCOMPARE(DecimalFromText("1e999"), inf);
    QCOMPARE(DecimalFromText("-1e999"), -inf);
    QCOMPARE(DecimalFromText("123456789e99999999999999999999"), inf);
    QCOMPARE(DecimalFromText("1e-999"), 0.0);
    QCOMPARE(DecimalFromText("0.000001e-400"), 0.0);
    QCOMPARE(DecimalFromText(QString(400, u'9')), inf);
    // Exponents at the limits of a 64-bit integer saturate: no overflow.
    QCOMPARE(DecimalFromText("1e9223372036854775807"), inf);
    QCOMPARE(DecimalFromText("-1e9223372036854775807"), -inf);
    QCOMPARE(DecimalFromText("0.0001e9223372036854775807"), inf);
    QCOMPARE(DecimalFromText("1e-9223372036854775808"), 0.0);
    QCOMPARE(DecimalFromText("99999e-9223372036854775808"), 0.0);
    QCOMPARE(DecimalFromText("1e18446744073709551616"), inf);
}

void TestNumberText::integer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "5" << 5;
    QTest::newRow("decimal is cut") << "2.9" << 2;
    QTest::newRow("trailing words") << "3 shifts" << 3;
    QTest::newRow("leading blanks") << "  4" << 4;
    QTest::newRow("plus") << "+2" << 2;
    QTest::newRow("minus") << "-2" << -2;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters") << "x5" << 0;
    QTest::newRow("largest 32-bit") << "2147483647" << INT_MAX;
    QTest::newRow("beyond 32 bits") << "2147483648" << INT_MAX;
    QTest::newRow("far beyond 32 bits") << "99999999999999999999999" << INT_MAX;
    QTest::newRow("smallest 32-bit") << "-2147483648" << INT_MIN;
    QTest::newRow("below 32 bits") << "-2147483649" << INT_MIN;
    // A wrap-around would land inside the accepted range 1..5.
    QTest::newRow("2^32 + 5 is not 5") << "4294967301" << INT_MAX;
}

void TestNumberText::integer()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(IntegerFromText(text), value);
}

void TestNumberText::fixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("left");
    QTest::addColumn<QString>("text");
    QTest::newRow("pads to six") << 9.876 << 6 << false << "  9.88";
    QTest::newRow("wider than six") << 1500.0 << 6 << false << "1500.00";
    QTest::newRow("small bound") << 2.0 << 6 << false << "  2.00";
    QTest::newRow("spin bound") << 0.75 << 4 << false << "0.75";
    QTest::newRow("left justified") << 5.2083334922790527 << 6 << true << "5.21  ";
    QTest::newRow("left justified, wider") << 13.612499237060547 << 6 << true << "13.61 ";
    QTest::newRow("elapsed time") << 61.751 << 6 << false << " 61.75";
}

void TestNumberText::fixed()
{
    QFETCH(double, value);
    QFETCH(int, width);
    QFETCH(bool, left);
    QFETCH(QString, text);
    QCOMPARE(FormatFixed(value, width, 2, left), text);
}

void TestNumberText::picture_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("quarter-mile distance") << 1320.0077 << "1,320.01";
    QTest::newRow("exact 1320") << 1320.0 << "1,320.00";
    QTest::newRow("five digits") << 12345.678 << "12,345.68";
    QTest::newRow("seven digits") << 1234567.891 << "1,234,567.89";
    QTest::newRow("ten digits") << 1234567890.0 << "1,234,567,890.00";
    QTest::newRow("no leading zero") << 0.75 << ".75";
    QTest::newRow("half") << 0.5 << ".50";
    QTest::newRow("zero") << 0.0 << ".00";
    QTest::newRow("three digits, no separator") << 999.994 << "999.99";
    QTest::newRow("carry into a new group") << 999.995 << "1,000.00";
    QTest::newRow("carry through all nines") << 99999.999 << "100,000.00";
    // 1.005 is stored as 1.00499999999999989...: eighteen digits keep the 4.
    QTest::newRow("below a half stays down") << 1.005 << "1.00";
    // 2.675 is 2.67499999999999982236431605997495353221893310546875; to
    // eighteen digits it is 2.67499999999999982, so it stays down too.
    QTest::newRow("binary just below a half") << 2.675 << "2.67";
    // 0.125 is exact: the third decimal is 5, so it rounds up.
    QTest::newRow("exact half rounds up") << 0.125 << ".13";
    QTest::newRow("negative exact half rounds away") << -0.125 << "-.13";
    QTest::newRow("negative grouped") << -1234.5 << "-1,234.50";
    QTest::newRow("negative rounding to zero has no sign") << -0.001 << ".00";
    QTest::newRow("top speed time") << 54.929 << "54.93";
    QTest::newRow("large beyond eighteen digits") << 1e20 << "100,000,000,000,000,000,000.00";
    QTest::newRow("tiny") << 1e-300 << ".00";
}

void TestNumberText::picture()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(FormatPicture(value, QStringLiteral("."), QStringLiteral(",")), text);
}

void TestNumberText::pictureTakesLocaleSeparators()
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(FormatPicture(1234567.891), QStringLiteral("1.234.567,89"));
    QCOMPARE(FormatPicture(0.75), QStringLiteral(",75"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(FormatPicture(1234567.891), QStringLiteral("1,234,567.89"));
    QLocale::setDefault(saved);
    QCOMPARE(FormatPicture(12.5, QStringLiteral("."), QStringLiteral(",")), QStringLiteral("12.50"));
}

// Under a C locale whose decimal separator is ",", numbers are read and the
// printf formats written exactly as under the C locale.
void TestNumberText::sameUnderCommaLocale()
{
    const char* comma = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!comma)
        QFAIL("the de_DE.UTF-8 locale is missing: scripts/install-deps.sh generates it");
    QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral(","));
    QCOMPARE(DecimalFromText("345.00"), 345.0);
    QCOMPARE(DecimalFromText("0.29"), 0.29);
    QCOMPARE(FormatFixed(345.0, 6, 2), QStringLiteral("345.00"));
    QCOMPARE(FormatFixed(5.2083334922790527, 6, 2, true), QStringLiteral("5.21  "));
    std::setlocale(LC_ALL, "C");
}

namespace {

std::string toChars(double value)
{
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The shortest text as the writers append it, to a string that grows from
// what it holds already; the same as ShortestText.
std::string shortest(double value)
{
    std::string text = "[";
    for (int i = 0; i < 2; ++i)
        AppendShortest(text, value);
    const std::string once = text.substr(1, (text.size() - 1) / 2);
    if (text != "[" + once + once || ShortestText(value) != QByteArray::fromStdString(once))
        return "writers disagree: " + text;
    return once;
}

double withBits(std::uint64_t bits)
{
    return std::bit_cast<double>(bits);
}

} // namespace

// Where a shortest text could go wrong: the ends of the magnitudes the
// runner writes most, powers of two (whose lower neighbour is nearer), ties
// read as the even neighbour, numbers with few digits, the switch between
// fixed and scientific text, and the doubles at the ends of the range.
void TestNumberText::shortestAsToChars_data()
{
    QTest::addColumn<double>("value");
    const double two = 2;
    QTest::newRow("lowest exact") << std::ldexp(1.0, -9);
    QTest::newRow("below it") << std::nextafter(std::ldexp(1.0, -9), 0.0);
    QTest::newRow("highest exact") << std::nextafter(std::ldexp(1.0, 50), 0.0);
    QTest::newRow("2^50") << std::ldexp(1.0, 50);
    QTest::newRow("power of two") << 1024.0;
    QTest::newRow("above a power of two") << std::nextafter(1024.0, two * 1024);
    QTest::newRow("below a power of two") << std::nextafter(1024.0, 0.0);
    QTest::newRow("odd significand") << withBits(0x3ff0000000000001u);
    QTest::newRow("1e15") << 1e15;
    QTest::newRow("1e14") << 1e14;
    QTest::newRow("123456789012345") << 123456789012345.0;
    QTest::newRow("0.1") << 0.1;
    QTest::newRow("0.3") << 0.1 + 0.2;
    QTest::newRow("0.001") << 0.001;
    QTest::newRow("0.002") << 0.002;
    QTest::newRow("100000") << 100000.0;
    QTest::newRow("1234500") << 1234500.0;
    QTest::newRow("negative") << -2.264999999999999;
    QTest::newRow("zero") << 0.0;
    QTest::newRow("minus zero") << -0.0;
    QTest::newRow("smallest") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("largest") << std::numeric_limits<double>::max();
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN();
}

void TestNumberText::shortestAsToChars()
{
    QFETCH(double, value);
    QCOMPARE(shortest(value), toChars(value));
}

// Doubles of any bits, most of them of the magnitudes the runner writes
// (about 0.0002 to 10^16); powers of two and their neighbours; short
// decimals: the same text, byte for byte.
void TestNumberText::shortestAsToCharsAtRandom()
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 400000; ++i) {
        const std::uint64_t exponent = i % 4 == 0 ? random() % 2048 : 1023 - 12 + random() % 66;
        const double value = withBits((random() & 0x800fffffffffffffu) | exponent << 52);
        const std::string expected = toChars(value);
        if (shortest(value) != expected)
            QFAIL(qPrintable(QStringLiteral("%1: %2").arg(QString::fromStdString(expected),
                                                          QString::fromStdString(shortest(value)))));
    }
    for (int exponent = -12; exponent <= 55; ++exponent) {
        const auto power = std::bit_cast<std::uint64_t>(std::ldexp(1.0, exponent));
        for (std::uint64_t bits = power - 3; bits <= power + 3; ++bits)
            QCOMPARE(shortest(withBits(bits)), toChars(withBits(bits)));
    }
    for (int i = 0; i < 200000; ++i) {
        for (const double value : { i / 1000.0, i * 0.1, i / 8.0, i * 1e7 + 0.5 }) {
            if (shortest(value) != toChars(value))
                QFAIL(qPrintable(QString::fromStdString(toChars(value))));
        }
    }
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
