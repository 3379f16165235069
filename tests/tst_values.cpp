#include "error.h"
#include "fixed.h"
#include "guard.h"
#include "number.h"
#include "tagged.h"

#include <QtTest>

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <string>

using values::ErrorKind;
using values::Fixed;
using values::Tagged;

Q_DECLARE_METATYPE(values::Tagged)

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

QString kindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch: return QStringLiteral("TypeMismatch");
    case ErrorKind::Overflow: return QStringLiteral("Overflow");
    case ErrorKind::DivisionByZero: return QStringLiteral("DivisionByZero");
    case ErrorKind::InvalidArgument: return QStringLiteral("InvalidArgument");
    }
    return QStringLiteral("unknown error");
}

// Results and failures share one expected column, so every table row reads as
// "this input gives that" whichever way it goes.
QString failure(ErrorKind kind) { return QStringLiteral("error ") + kindName(kind); }

// 17 significant digits tell any two doubles apart, so equal texts mean equal values.
QString num(double value) { return QString::number(value, 'g', 17); }

QString text(const std::u16string& value) { return QString::fromStdU16String(value); }

QString count(std::int64_t tenThousandths) { return QStringLiteral("count ") + QString::number(tenThousandths); }
QString count(Fixed value) { return count(value.count()); }

QString describe(const Tagged& value)
{
    switch (value.kind()) {
    case Tagged::Kind::Empty: return QStringLiteral("Empty");
    case Tagged::Kind::Integer: return QStringLiteral("Integer ") + QString::number(value.asInteger());
    case Tagged::Kind::Double: return QStringLiteral("Double ") + num(value.asDouble());
    case Tagged::Kind::Fixed: return QStringLiteral("Fixed ") + count(value.asFixed());
    case Tagged::Kind::String: return QStringLiteral("String ") + text(value.asText());
    }
    return QStringLiteral("?");
}
QString isInteger(int value) { return QStringLiteral("Integer ") + QString::number(value); }
QString isDouble(double value) { return QStringLiteral("Double ") + num(value); }
QString isFixed(std::int64_t tenThousandths) { return QStringLiteral("Fixed ") + count(tenThousandths); }

template <typename Step>
QString attempt(Step&& step)
{
    try {
        return step();
    } catch (const values::Error& error) {
        return failure(error.kind());
    }
}

const QString mismatch = failure(ErrorKind::TypeMismatch);
const QString overflow = failure(ErrorKind::Overflow);
const QString byZero = failure(ErrorKind::DivisionByZero);
const QString invalid = failure(ErrorKind::InvalidArgument);

Tagged integer(std::int16_t value) { return Tagged::integer(value); }
Tagged real(double value) { return Tagged::number(value); }
Tagged str(std::u16string_view value) { return Tagged::text(value); }
Tagged fixedOf(std::int64_t tenThousandths) { return Tagged::fixed(Fixed::fromCount(tenThousandths)); }

constexpr std::int64_t countMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t countMin = std::numeric_limits<std::int64_t>::min();

} // namespace

class TestValues : public QObject {
    Q_OBJECT

private slots:
    void guardCompare_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("literal");
        QTest::addColumn<bool>("greater");

        QTest::newRow("empty vs empty") << "" << "" << false;
        QTest::newRow("blank vs empty") << " " << "" << true;
        QTest::newRow("empty vs 0") << "" << "0" << false;
        QTest::newRow("0 vs 0") << "0" << "0" << false;
        QTest::newRow("00 vs 0") << "00" << "0" << true;
        QTest::newRow("0,5 vs 0") << "0,5" << "0" << true;
        QTest::newRow("1 vs 0") << "1" << "0" << true;
        QTest::newRow("letter vs 0") << "a" << "0" << true;
        QTest::newRow("leading blank") << " 5" << "0" << false;
        QTest::newRow("plus") << "+5" << "0" << false;
        QTest::newRow("minus") << "-5" << "0" << false;
        QTest::newRow("comma") << ",5" << "0" << false;
        QTest::newRow("full stop") << ".5" << "0" << false;
        // No case folding and no locale: 'A' < 'a' < 'Ä' by code unit.
        QTest::newRow("upper below lower") << "A" << "a" << false;
        // A surrogate unit (0xD83D) sorts below U+FFFD, although its code point is higher.
        QTest::newRow("code units, not code points") << u"\uFFFD"_qs << u"\U0001F600"_qs << true;
    }

    void guardCompare()
    {
        QFETCH(QString, input);
        QFETCH(QString, literal);
        QFETCH(bool, greater);
        QCOMPARE(values::isGreater(input.toStdU16String(), literal.toStdU16String()), greater);
    }

    void textToNumber_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        const QChar c(u','), p(u'.');
        QTest::newRow("integer") << "5" << c << num(5);
        QTest::newRow("blanks around") << "  5  " << c << num(5);
        QTest::newRow("plus") << "+5" << c << num(5);
        QTest::newRow("minus") << "-5" << c << num(-5);
        QTest::newRow("comma decimal") << "2,5" << c << num(2.5);
        QTest::newRow("point decimal") << "2.5" << p << num(2.5);
        QTest::newRow("nearest double") << "0,1" << c << num(0.1);
        QTest::newRow("separator last") << "5," << c << num(5);
        QTest::newRow("separator first") << ",5" << c << num(0.5);
        QTest::newRow("exponent") << "1E3" << c << num(1000);
        QTest::newRow("lower-case exponent") << "1e3" << c << num(1000);
        QTest::newRow("signed exponent") << "1,5E-2" << c << num(0.015);
        QTest::newRow("largest double") << "1,7976931348623157E308" << c << num(1.7976931348623157e308);
        QTest::newRow("underflows to zero") << "1e-400" << c << num(0);

        QTest::newRow("empty") << "" << c << mismatch;
        QTest::newRow("blanks only") << "   " << c << mismatch;
        QTest::newRow("letters") << "abc" << c << mismatch;
        QTest::newRow("inf") << "inf" << c << mismatch;
        QTest::newRow("nan") << "nan" << c << mismatch;
        QTest::newRow("hexadecimal") << "0x10" << c << mismatch;
        QTest::newRow("lone plus") << "+" << c << mismatch;
        QTest::newRow("lone minus") << "-" << c << mismatch;
        QTest::newRow("lone separator") << "," << c << mismatch;
        QTest::newRow("bare E") << "1E" << c << mismatch;
        QTest::newRow("separator and exponent only") << ",E5" << c << mismatch;
        QTest::newRow("point in comma locale") << "2.5" << c << mismatch;
        QTest::newRow("comma in point locale") << "2,5" << p << mismatch;
        QTest::newRow("two separators") << "1,2,3" << c << mismatch;
        QTest::newRow("separator in exponent") << "1e3,5" << c << mismatch;
        QTest::newRow("inner blank") << "1 000" << c << mismatch;
        QTest::newRow("two signs") << "--5" << c << mismatch;
        QTest::newRow("unit after number") << "5 kg" << c << mismatch;
        QTest::newRow("a tab is no blank") << "5\t" << c << mismatch;

        QTest::newRow("beyond range") << "1E309" << c << overflow;
        QTest::newRow("negative beyond range") << "-2e308" << c << overflow;
    }

    void textToNumber()
    {
        QFETCH(QString, input);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(attempt([&] { return num(values::toNumber(input.toStdU16String(), separator.unicode())); }), expected);
    }

    void fixedFromDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("zero") << 0.0 << count(0);
        QTest::newRow("whole") << 2.5 << count(25000);
        QTest::newRow("rounds up") << 2.0 / 3 << count(6667);
        QTest::newRow("negative rounds away") << -2.0 / 3 << count(-6667);
        QTest::newRow("root of 2060") << 45.387222871640866 << count(453872);
        QTest::newRow("tiny negative is zero") << -0.00004 << count(0);
        // Multiples of 1/32 times 10000 end in exactly ,5: the true ties.
        QTest::newRow("tie to even below") << 0.03125 << count(312);
        QTest::newRow("tie to even above") << 0.09375 << count(938);
        QTest::newRow("negative tie below") << -0.03125 << count(-312);
        QTest::newRow("negative tie above") << -0.09375 << count(-938);
        QTest::newRow("large tie below") << 12345.03125 << count(123450312);
        QTest::newRow("large tie above") << 12345.09375 << count(123450938);
        QTest::newRow("near the top") << 9.2e14 << count(9200000000000000000);
        // The largest double below the top counts 2^63 - 1024; the next one up rounds to 2^63.
        QTest::newRow("the largest that converts") << 922337203685477.5 << count(countMax - 1023);
        QTest::newRow("just past the top") << 922337203685477.625 << overflow;
        QTest::newRow("the bottom converts") << -922337203685477.5808 << count(countMin);
        QTest::newRow("above the range") << 9.3e14 << overflow;
        QTest::newRow("below the range") << -9.3e14 << overflow;
        QTest::newRow("infinity") << inf << overflow;
        QTest::newRow("not a number") << std::nan("") << overflow;
    }

    void fixedFromDouble()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(attempt([&] { return count(Fixed::fromDouble(value)); }), expected);
    }

    void fixedToText_data()
    {
        QTest::addColumn<qint64>("tenThousandths");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        const QChar c(u','), p(u'.');
        QTest::newRow("zero") << qint64(0) << c << "0";
        QTest::newRow("whole") << qint64(50000) << c << "5";
        QTest::newRow("trailing zeros dropped") << qint64(1435270) << c << "143,527";
        QTest::newRow("four decimals") << qint64(453872) << c << "45,3872";
        QTest::newRow("smallest") << qint64(1) << c << "0,0001";
        QTest::newRow("negative below one") << qint64(-2500) << c << "-0,25";
        QTest::newRow("no grouping") << qint64(12345678900000) << c << "1234567890";
        QTest::newRow("point separator") << qint64(2500) << p << "0.25";
        QTest::newRow("top of range") << qint64(countMax) << c << "922337203685477,5807";
        QTest::newRow("bottom of range") << qint64(countMin) << c << "-922337203685477,5808";
    }

    void fixedToText()
    {
        QFETCH(qint64, tenThousandths);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(text(Fixed::fromCount(tenThousandths).toText(separator.unicode())), expected);
    }

    void fixedTimes_data()
    {
        QTest::addColumn<qint64>("tenThousandths");
        QTest::addColumn<qint64>("factor");
        QTest::addColumn<QString>("expected");

        QTest::newRow("dry road") << qint64(31623) << qint64(13) << count(411099);
        QTest::newRow("negative") << qint64(-14142) << qint64(13) << count(-183846);
        QTest::newRow("top negated") << qint64(countMax) << qint64(-1) << count(-countMax);
        QTest::newRow("top doubled") << qint64(countMax) << qint64(2) << overflow;
        QTest::newRow("just past the top") << qint64(countMax / 13 + 1) << qint64(13) << overflow;
        QTest::newRow("bottom negated") << qint64(countMin) << qint64(-1) << overflow;
    }

    void fixedTimes()
    {
        QFETCH(qint64, tenThousandths);
        QFETCH(qint64, factor);
        QFETCH(QString, expected);
        QCOMPARE(attempt([&] { return count(Fixed::fromCount(tenThousandths).times(factor)); }), expected);
    }

    void doubleToText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        const QChar c(u','), p(u'.');
        QTest::newRow("70 * 0.4") << 70 * 0.4 << c << "28";
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << c << "0,3";
        QTest::newRow("70 * 0.01") << 70 * 0.01 << c << "0,7";
        QTest::newRow("8.8 * 3.1623") << 8.8 * 3.1623 << c << "27,82824";
        QTest::newRow("one third") << 1.0 / 3 << c << "0,333333333333333";
        QTest::newRow("two thirds round up") << 2.0 / 3 << c << "0,666666666666667";
        QTest::newRow("carries into a new digit") << 0.99999999999999989 << c << "1";
        QTest::newRow("fifteen digits") << 1234567890.12345 << c << "1234567890,12345";
        QTest::newRow("whole") << 100.0 << c << "100";
        QTest::newRow("negative") << -2.5 << c << "-2,5";
        QTest::newRow("small") << 0.001 << c << "0,001";
        QTest::newRow("point separator") << 0.1 + 0.2 << p << "0.3";
        QTest::newRow("zero") << 0.0 << c << "0";
        QTest::newRow("negative zero") << -0.0 << c << "0";
    }

    void doubleToText()
    {
        QFETCH(double, value);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(text(values::doubleToText(value, separator.unicode())), expected);
    }

    void doubleToTextExponent_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("mantissa");

        QTest::newRow("1e20") << 1e20 << "1";
        QTest::newRow("1.5e20") << 1.5e20 << "1,5";
        QTest::newRow("negative huge") << -2.25e300 << "-2,25";
        QTest::newRow("tiny") << 1e-300 << "1";
    }

    // Where exactly the exponent form starts is our own choice; what must hold is
    // that the digits are right and that the text reads back as the same number.
    void doubleToTextExponent()
    {
        QFETCH(double, value);
        QFETCH(QString, mantissa);
        const std::u16string written = values::doubleToText(value, u',');
        const QString shown = text(written);
        QVERIFY2(shown.contains(u'E'), qPrintable(shown));
        QCOMPARE(shown.section(u'E', 0, 0), mantissa);
        QCOMPARE(num(values::toNumber(written, u',')), num(value));
    }

    void multiply_data()
    {
        QTest::addColumn<Tagged>("left");
        QTest::addColumn<Tagged>("right");
        QTest::addColumn<QString>("expected");

        const Tagged empty;
        QTest::newRow("integers") << integer(3) << integer(4) << isInteger(12);
        QTest::newRow("empty is integer 0") << empty << integer(5) << isInteger(0);
        QTest::newRow("fixed by integer is exact") << fixedOf(31623) << integer(13) << isFixed(411099);
        QTest::newRow("fixed by fixed") << fixedOf(15000) << fixedOf(25000) << isFixed(37500);
        QTest::newRow("fixed by fixed, a tie to even below") << fixedOf(5000) << fixedOf(1) << isFixed(0);
        QTest::newRow("fixed by fixed, a tie to even above") << fixedOf(15000) << fixedOf(1) << isFixed(2);
        QTest::newRow("fixed by double") << fixedOf(31623) << real(8.8) << isDouble(3.1623 * 8.8);
        QTest::newRow("double by integer") << real(0.4) << integer(70) << isDouble(28);
        QTest::newRow("double by empty") << real(0.4) << empty << isDouble(0);
        QTest::newRow("string by double") << str(u"70") << real(0.4) << isDouble(28);
        QTest::newRow("string by integer") << str(u"2,5") << integer(2) << isDouble(5);
        QTest::newRow("string by empty") << str(u"70") << empty << isDouble(0);

        QTest::newRow("string not a number") << str(u"abc") << integer(2) << mismatch;
        QTest::newRow("foreign separator") << str(u"2.5") << real(1) << mismatch;
        QTest::newRow("string beyond range") << str(u"1e309") << integer(1) << overflow;
        QTest::newRow("left string's error first") << str(u"abc") << str(u"1e309") << mismatch;
        QTest::newRow("fixed beyond range") << fixedOf(countMax) << integer(2) << overflow;
        QTest::newRow("double beyond range") << real(1e308) << real(10) << overflow;
        QTest::newRow("integer beyond range") << integer(300) << integer(300) << overflow;
        QTest::newRow("integer below range") << integer(-300) << integer(300) << overflow;
        QTest::newRow("integer negated minimum") << integer(-32768) << integer(-1) << overflow;
    }

    void multiply()
    {
        QFETCH(Tagged, left);
        QFETCH(Tagged, right);
        QFETCH(QString, expected);
        QCOMPARE(attempt([&] { return describe(values::multiply(left, right, u',')); }), expected);
    }

    void divide_data()
    {
        QTest::addColumn<Tagged>("dividend");
        QTest::addColumn<Tagged>("divisor");
        QTest::addColumn<QString>("expected");

        const Tagged empty;
        QTest::newRow("integers give a double") << integer(1) << integer(4) << isDouble(0.25);
        QTest::newRow("fixed") << fixedOf(50000) << integer(4) << isDouble(1.25);
        QTest::newRow("strings read as numbers") << str(u"50") << str(u"8,0") << isDouble(6.25);
        QTest::newRow("string by double") << str(u"50") << real(80 * 0.75) << isDouble(50 / 60.0);

        QTest::newRow("by integer zero") << integer(1) << integer(0) << byZero;
        QTest::newRow("by empty") << real(5) << empty << byZero;
        QTest::newRow("by zero text") << str(u"50") << str(u"00") << byZero;
        QTest::newRow("zero by zero") << integer(0) << integer(0) << overflow;
        QTest::newRow("zero text by zero text") << str(u"0,0") << str(u"00") << overflow;
        QTest::newRow("quotient beyond range") << real(1e300) << real(1e-300) << overflow;
        QTest::newRow("dividend not a number") << str(u"abc") << integer(2) << mismatch;
        QTest::newRow("divisor not a number") << integer(2) << str(u"x") << mismatch;
    }

    void divide()
    {
        QFETCH(Tagged, dividend);
        QFETCH(Tagged, divisor);
        QFETCH(QString, expected);
        QCOMPARE(attempt([&] { return describe(values::divide(dividend, divisor, u',')); }), expected);
    }

    void concatenate_data()
    {
        QTest::addColumn<Tagged>("left");
        QTest::addColumn<Tagged>("right");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        const QChar c(u','), p(u'.');
        const Tagged unit = str(u" km/h");
        QTest::newRow("fixed, four decimals") << fixedOf(411099) << unit << c << "41,1099 km/h";
        QTest::newRow("fixed whole") << fixedOf(650000) << unit << c << "65 km/h";
        QTest::newRow("double, fifteen digits") << real(3.1623 * 8.8) << unit << c << "27,82824 km/h";
        QTest::newRow("double with point") << real(1.5811 * 8.8) << unit << p << "13.91368 km/h";
        QTest::newRow("integer digits") << integer(-12) << unit << c << "-12 km/h";
        QTest::newRow("empty writes nothing") << Tagged() << unit << c << " km/h";
        QTest::newRow("number on the right") << str(u"x") << real(0.5) << c << "x0,5";
    }

    void concatenate()
    {
        QFETCH(Tagged, left);
        QFETCH(Tagged, right);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(text(values::concatenate(left, right, separator.unicode())), expected);
    }

    void taggedToFixed_data()
    {
        QTest::addColumn<Tagged>("value");
        QTest::addColumn<QString>("expected");

        QTest::newRow("double") << real(45.387222871640866) << count(453872);
        QTest::newRow("integer") << integer(13) << count(130000);
        QTest::newRow("fixed") << fixedOf(-2500) << count(-2500);
        QTest::newRow("empty") << Tagged() << count(0);
        QTest::newRow("string") << str(u"2,5") << count(25000);
        QTest::newRow("string not a number") << str(u"abc") << mismatch;
        QTest::newRow("beyond range") << real(1e15) << overflow;
    }

    void taggedToFixed()
    {
        QFETCH(Tagged, value);
        QFETCH(QString, expected);
        QCOMPARE(attempt([&] { return count(values::toFixed(value, u',')); }), expected);
    }

    void floatingSteps_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("operand");
        QTest::addColumn<QString>("expected");

        QTest::newRow("root") << "sqrt" << 25.0 << 0.0 << num(5);
        QTest::newRow("root of zero") << "sqrt" << 0.0 << 0.0 << num(0);
        QTest::newRow("root of negative zero") << "sqrt" << -0.0 << 0.0 << num(-0.0);
        QTest::newRow("root of negative") << "sqrt" << -4.0 << 0.0 << invalid;
        QTest::newRow("times") << "times" << 10.0 << 206.0 << num(2060);
        QTest::newRow("times beyond range") << "times" << 1e308 << 206.0 << overflow;
        QTest::newRow("divided") << "divided" << 20.0 << 5.0 << num(4);
        QTest::newRow("divided beyond range") << "divided" << 1e308 << 1e-10 << overflow;
    }

    void floatingSteps()
    {
        QFETCH(QString, step);
        QFETCH(double, value);
        QFETCH(double, operand);
        QFETCH(QString, expected);
        QCOMPARE(attempt([&] {
                     if (step == u"sqrt")
                         return num(values::squareRoot(value));
                     if (step == u"times")
                         return num(values::checkedMultiply(value, operand));
                     return num(values::checkedDivide(value, operand));
                 }),
                 expected);
    }

    // The top-level report, which knows only std::exception, names the
    // error, so each kind needs a message of its own that reaches it.
    void errorKinds()
    {
        std::set<std::string> messages;
        for (const ErrorKind kind :
             {ErrorKind::TypeMismatch, ErrorKind::Overflow, ErrorKind::DivisionByZero, ErrorKind::InvalidArgument}) {
            try {
                throw values::Error(kind);
            } catch (const std::exception& reported) {
                QVERIFY(*reported.what() != '\0');
                messages.insert(reported.what());
            }
        }
        QCOMPARE(messages.size(), std::size_t(4));
    }
};

QTEST_APPLESS_MAIN(TestValues)

#include "tst_values.moc"
