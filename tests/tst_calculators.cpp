#include "bloodalcohol.h"
#include "brakingspeed.h"
#include "falltime.h"
#include "impactspeed.h"
#include "weight.h"

#include <QtTest>

using calculators::bothInputs;
using calculators::firstInput;
using calculators::Inputs;
using calculators::secondInput;
using calculators::Cause;
using enum calculators::Cause;

Q_DECLARE_METATYPE(calculators::Sex)
Q_DECLARE_METATYPE(calculators::Outcome)

namespace {

QString causeName(Cause cause)
{
    switch (cause) {
    case NotANumber: return QStringLiteral("NotANumber");
    case OtherSeparator: return QStringLiteral("OtherSeparator");
    case NumberTooLarge: return QStringLiteral("NumberTooLarge");
    case ResultTooLarge: return QStringLiteral("ResultTooLarge");
    case DivisionByZero: return QStringLiteral("DivisionByZero");
    case Negative: return QStringLiteral("Negative");
    case NotStartingWithDigit: return QStringLiteral("NotStartingWithDigit");
    case Missing: return QStringLiteral("Missing");
    case Zero: return QStringLiteral("Zero");
    case LineBreak: return QStringLiteral("LineBreak");
    case Tab: return QStringLiteral("Tab");
    case NoBreakSpace: return QStringLiteral("NoBreakSpace");
    case MinusSign: return QStringLiteral("MinusSign");
    }
    return QStringLiteral("unknown cause");
}

// Outcomes are compared as text so that a failing row names both sides plainly.
QString shown(const QString& caption) { return QStringLiteral("shown \"%1\"").arg(caption); }
QString declined(Inputs inputs = firstInput) { return QStringLiteral("declined on inputs %1").arg(inputs); }
QString failed(Cause cause, Inputs inputs)
{
    return QStringLiteral("failed %1 on inputs %2").arg(causeName(cause)).arg(inputs);
}

QString describe(const calculators::Outcome& outcome)
{
    if (const auto* result = std::get_if<calculators::Shown>(&outcome))
        return shown(QString::fromStdU16String(result->caption()));
    if (const auto* failure = std::get_if<calculators::Failed>(&outcome))
        return failed(failure->cause, failure->inputs);
    return declined(std::get<calculators::Declined>(outcome).inputs);
}

std::u16string input(const QString& text) { return text.toStdU16String(); }

const QChar comma(u',');
const QChar point(u'.');

using calculators::Sex;
constexpr Sex man = Sex::Man;
constexpr Sex woman = Sex::Woman;
constexpr Sex notChosen = Sex::NotChosen;

} // namespace

class TestCalculators : public QObject {
    Q_OBJECT

private slots:
    void impactSpeed_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        QTest::newRow("10") << "10" << comma << shown("45,3872 km/h");
        QTest::newRow("100, trailing zero dropped") << "100" << comma << shown("143,527 km/h");
        QTest::newRow("0") << "0" << comma << shown("0 km/h");
        QTest::newRow("negative zero") << "-0" << comma << shown("0 km/h");
        QTest::newRow("point separator") << "2.5" << point << shown("22.6936 km/h");
        QTest::newRow("comma separator") << "2,5" << comma << shown("22,6936 km/h");
        QTest::newRow("empty") << "" << comma << declined();
        QTest::newRow("blanks only") << "   " << comma << failed(NotANumber, firstInput);
        QTest::newRow("letters") << "abc" << comma << failed(NotANumber, firstInput);
        QTest::newRow("foreign separator") << "2.5" << comma << failed(NotANumber, firstInput);
        QTest::newRow("negative") << "-4" << comma << failed(Negative, firstInput);
        QTest::newRow("slightly negative") << "-0,001" << comma << failed(Negative, firstInput);
        QTest::newRow("unreadably large") << "1e309" << comma << failed(NumberTooLarge, firstInput);
        QTest::newRow("product infinite") << "1e307" << comma << failed(ResultTooLarge, firstInput);
        QTest::newRow("root beyond fixed range") << "1e30" << comma << failed(ResultTooLarge, firstInput);
    }

    void impactSpeed()
    {
        QFETCH(QString, height);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(describe(calculators::impactSpeed(input(height), separator.unicode())), expected);
    }

    void brakingSpeed_data()
    {
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("wetRoad");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        // The root is rounded to four decimals before the road factor: 3,1623 for 10.
        QTest::newRow("10 dry") << "10" << 0 << comma << shown("41,1099 km/h");
        QTest::newRow("10 wet") << "10" << 1 << comma << shown("27,82824 km/h");
        QTest::newRow("10 greyed is dry") << "10" << 2 << comma << shown("41,1099 km/h");
        QTest::newRow("25 dry") << "25" << 0 << comma << shown("65 km/h");
        QTest::newRow("25 wet") << "25" << 1 << comma << shown("44 km/h");
        QTest::newRow("2 dry") << "2" << 0 << comma << shown("18,3846 km/h");
        QTest::newRow("2 wet") << "2" << 1 << comma << shown("12,44496 km/h");
        QTest::newRow("2.5 dry, point") << "2.5" << 0 << point << shown("20.5543 km/h");
        QTest::newRow("2.5 wet, point") << "2.5" << 1 << point << shown("13.91368 km/h");
        QTest::newRow("empty") << "" << 0 << comma << declined();
        QTest::newRow("letters") << "abc" << 0 << comma << failed(NotANumber, firstInput);
        QTest::newRow("foreign separator") << "2,5" << 1 << point << failed(NotANumber, firstInput);
        QTest::newRow("negative") << "-2" << 1 << comma << failed(Negative, firstInput);
        QTest::newRow("unreadably large") << "1e309" << 0 << comma << failed(NumberTooLarge, firstInput);
        QTest::newRow("root beyond fixed range") << "1e30" << 1 << comma << failed(ResultTooLarge, firstInput);
        // The root, 8E13, still fits; thirteen times it does not.
        QTest::newRow("dry product beyond range") << "6,4e27" << 0 << comma << failed(ResultTooLarge, firstInput);
        QTest::newRow("9e28 dry, exact product beyond range") << "9e28" << 0 << comma << failed(ResultTooLarge, firstInput);
        QTest::newRow("9e28 wet, a double") << "9e28" << 1 << comma << shown("2,64E+15 km/h");
    }

    void brakingSpeed()
    {
        QFETCH(QString, length);
        QFETCH(int, wetRoad);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(describe(calculators::brakingSpeed(input(length), wetRoad, separator.unicode())), expected);
    }

    void bloodAlcohol_data()
    {
        QTest::addColumn<QString>("alcohol");
        QTest::addColumn<QString>("mass");
        QTest::addColumn<Sex>("sex");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        QTest::newRow("man") << "50" << "80" << man << comma << shown("0,8333 promillea");
        QTest::newRow("woman") << "50" << "80" << woman << comma << shown("0,947 promillea");
        QTest::newRow("neither chosen, a woman's ratio") << "50" << "80" << notChosen << comma << shown("0,947 promillea");
        QTest::newRow("point separator") << "50" << "80" << man << point << shown("0.8333 promillea");
        QTest::newRow("no alcohol") << "00" << "80" << man << comma << shown("0 promillea");

        QTest::newRow("alcohol 0") << "0" << "80" << man << comma << declined(firstInput);
        QTest::newRow("mass 0") << "50" << "0" << man << comma << declined(secondInput);
        QTest::newRow("alcohol empty") << "" << "80" << man << comma << declined(firstInput);
        QTest::newRow("mass empty") << "50" << "" << man << comma << declined(secondInput);
        QTest::newRow("mass leading blank") << "50" << " 80" << man << comma << declined(secondInput);
        QTest::newRow("mass starts with separator") << "50" << ",5" << man << comma << declined(secondInput);
        QTest::newRow("both at their start") << "0" << "0" << notChosen << comma << declined(bothInputs);
        QTest::newRow("negative alcohol") << "-50" << "80" << man << comma << declined(firstInput);

        QTest::newRow("mass 00") << "50" << "00" << man << comma << failed(DivisionByZero, secondInput);
        QTest::newRow("mass 0,0") << "50" << "0,0" << notChosen << comma << failed(DivisionByZero, secondInput);
        QTest::newRow("mass too small to represent") << "30" << "1e-400" << notChosen << comma
                                                     << failed(DivisionByZero, secondInput);
        QTest::newRow("zero by zero") << "0,0" << "0,0" << man << comma << failed(DivisionByZero, secondInput);
        QTest::newRow("alcohol letters") << "abc" << "80" << man << comma << failed(NotANumber, firstInput);
        QTest::newRow("mass letters") << "50" << "x" << notChosen << comma << failed(NotANumber, secondInput);
        QTest::newRow("both letters, the mass read first") << "abc" << "xyz" << notChosen << comma
                                                           << failed(NotANumber, secondInput);
        QTest::newRow("alcohol with point") << "0.5" << "80" << man << comma << failed(NotANumber, firstInput);
        QTest::newRow("alcohol unreadably large") << "1e309" << "80" << man << comma
                                                  << failed(NumberTooLarge, firstInput);
        QTest::newRow("mass unreadably large") << "50" << "1e309" << man << comma << failed(NumberTooLarge, secondInput);
        QTest::newRow("quotient beyond fixed range") << "1e300" << "1" << man << comma
                                                     << failed(ResultTooLarge, bothInputs);
        QTest::newRow("quotient infinite, tiny mass") << "30" << "1e-320" << notChosen << comma
                                                      << failed(ResultTooLarge, bothInputs);
    }

    void bloodAlcohol()
    {
        QFETCH(QString, alcohol);
        QFETCH(QString, mass);
        QFETCH(Sex, sex);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(describe(calculators::bloodAlcohol(input(alcohol), input(mass), sex, separator.unicode())), expected);
    }

    void fallTime_data()
    {
        QTest::addColumn<QString>("height");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        QTest::newRow("20") << "20" << comma << shown("2 s");
        QTest::newRow("45") << "45" << comma << shown("3 s");
        QTest::newRow("10") << "10" << comma << shown("1,4142 s");
        QTest::newRow("1") << "1" << comma << shown("0,4472 s");
        QTest::newRow("00") << "00" << comma << shown("0 s");
        QTest::newRow("comma separator") << "2,5" << comma << shown("0,7071 s");
        QTest::newRow("point separator") << "2.5" << point << shown("0.7071 s");
        QTest::newRow("0") << "0" << comma << declined();
        QTest::newRow("empty") << "" << comma << declined();
        QTest::newRow("leading blank") << " 5" << comma << declined();
        QTest::newRow("minus") << "-5" << comma << declined();
        QTest::newRow("plus") << "+5" << comma << declined();
        QTest::newRow("separator first") << ",5" << comma << declined();
        QTest::newRow("letter") << "a" << comma << failed(NotANumber, firstInput);
        QTest::newRow("unreadably large") << "1e309" << comma << failed(NumberTooLarge, firstInput);
        QTest::newRow("root beyond fixed range") << "1e31" << comma << failed(ResultTooLarge, firstInput);
    }

    void fallTime()
    {
        QFETCH(QString, height);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(describe(calculators::fallTime(input(height), separator.unicode())), expected);
    }

    void weight_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<int>("body");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        const char* const seventy[] = {"28", "63", "70", "28", "175", "77", "56", "84", "0,7", "1960", "11,9"};
        const char* const names[] = {"Merkurius", "Venus", "Maa", "Mars", "Jupiter", "Saturnus",
                                     "Uranus", "Neptunus", "Pluto", "Aurinko", "Kuu"};
        for (int body = 0; body < 11; ++body)
            QTest::addRow("70 on %s", names[body])
                << "70" << body << comma << shown(QStringLiteral("%1 kg").arg(QLatin1String(seventy[body])));

        QTest::newRow("no body chosen") << "70" << -1 << comma << shown("0 kg");
        QTest::newRow("past the list") << "70" << 11 << comma << shown("0 kg");
        QTest::newRow("decimals on Maa") << "70,5" << 2 << comma << shown("70,5 kg");
        QTest::newRow("point on Jupiter") << "70.5" << 4 << point << shown("176.25 kg");
        QTest::newRow("0") << "0" << 2 << comma << declined();
        QTest::newRow("empty") << "" << 2 << comma << declined();
        QTest::newRow("leading blank") << " 70" << 2 << comma << declined();
        QTest::newRow("letter") << "x" << 2 << comma << failed(NotANumber, firstInput);
        QTest::newRow("unreadably large") << "1e309" << 2 << comma << failed(NumberTooLarge, firstInput);
        QTest::newRow("product beyond range") << "1e308" << 9 << comma << failed(ResultTooLarge, firstInput);
    }

    void weight()
    {
        QFETCH(QString, weight);
        QFETCH(int, body);
        QFETCH(QChar, separator);
        QFETCH(QString, expected);
        QCOMPARE(describe(calculators::weight(input(weight), body, separator.unicode())), expected);
    }

    void bodies()
    {
        const QStringList names = {"Merkurius", "Venus", "Maa", "Mars", "Jupiter", "Saturnus",
                                   "Uranus", "Neptunus", "Pluto", "Aurinko", "Kuu"};
        QStringList listed;
        QList<int> integerFactors;
        for (const calculators::Body& body : calculators::bodies()) {
            listed << QString::fromStdU16String(std::u16string(body.name));
            const auto kind = body.factor.kind();
            QVERIFY2(kind == values::Tagged::Kind::Integer || kind == values::Tagged::Kind::Double,
                     qPrintable(listed.last()));
            if (kind == values::Tagged::Kind::Integer)
                integerFactors << int(listed.size() - 1);
        }
        QCOMPARE(listed, names);
        // Only Maa and Aurinko have whole factors, and they stay Integers.
        QCOMPARE(integerFactors, QList<int>({2, 9}));
    }
    // What each box has to say after a run, where the window cannot show it
    // alone: a failure's cause goes only where every text reads.
    void reasons_data()
    {
        QTest::addColumn<calculators::Outcome>("outcome");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QString>("expected"); // one cause per box, "-" for none

        using calculators::Failed;
        using L = QStringList;
        QTest::newRow("zero by zero, on the mass") << bloodAlcohol(u"0,0", u"0,0") << L{"0,0", "0,0"}
                                                   << "- DivisionByZero";
        QTest::newRow("both blamed, beside an unreadable text")
            << calculators::Outcome{Failed{ResultTooLarge, bothInputs}} << L{"abc", "5"} << "NotANumber -";
        QTest::newRow("an empty box") << bloodAlcohol(u"", u"80") << L{"", "80"} << "Missing -";
        QTest::newRow("a result") << bloodAlcohol(u"40", u"80") << L{"40", "80"} << "- -";
        QTest::newRow("the other separator") << bloodAlcohol(u"40", u"72.5") << L{"40", "72.5"} << "- OtherSeparator";
        QTest::newRow("no separator helps") << bloodAlcohol(u"2.5.1", u"80") << L{"2.5.1", "80"} << "NotANumber -";
        // A character a user cannot see or tell apart is named where the text reads without it, the first one first.
        QTest::newRow("a line break inside") << bloodAlcohol(u"4\n0", u"80") << L{"4\n0", "80"} << "LineBreak -";
        QTest::newRow("a tab, then a no-break space")
            << bloodAlcohol(u"40", u"\t8\u00A00") << L{"40", "\t8\u00A00"} << "- Tab";
        QTest::newRow("a narrow no-break space") << bloodAlcohol(u"40", u"80\u202F") << L{"40", "80\u202F"}
                                                 << "- NoBreakSpace";
        QTest::newRow("a minus sign") << bloodAlcohol(u"\u22125", u"80") << L{"\u22125", "80"} << "MinusSign -";
        QTest::newRow("a tab does not make a number") << bloodAlcohol(u"4\tkg", u"80") << L{"4\tkg", "80"}
                                                      << "NotANumber -";
        // Each error kind a step raises, as the failure it becomes, where every text reads.
        using enum values::ErrorKind;
        const std::pair<values::ErrorKind, const char*> computing[] = {
            {TypeMismatch, "NotANumber"}, {Overflow, "ResultTooLarge"},
            {DivisionByZero, "DivisionByZero"}, {InvalidArgument, "Negative"}};
        for (const auto& [kind, cause] : computing)
            QTest::addRow("computing: %s", cause) << calculators::Outcome{Failed{calculators::computingCause(kind),
                                                                                 firstInput}}
                                                  << L{"5"} << QString::fromLatin1(cause);
        const std::pair<values::ErrorKind, const char*> reading[] = {
            {TypeMismatch, "NotANumber"}, {Overflow, "NumberTooLarge"}};
        for (const auto& [kind, cause] : reading)
            QTest::addRow("reading: %s", cause) << calculators::Outcome{Failed{calculators::readingCause(kind),
                                                                               firstInput}}
                                                << L{"5"} << QString::fromLatin1(cause);
    }

    void reasons()
    {
        QFETCH(calculators::Outcome, outcome);
        QFETCH(QStringList, texts);
        QFETCH(QString, expected);

        std::vector<std::u16string> boxes;
        for (const QString& text : texts)
            boxes.push_back(input(text));
        QStringList causes;
        for (const auto& reason : calculators::reasons(outcome, boxes, comma.unicode()))
            causes << (reason ? causeName(*reason) : QStringLiteral("-"));
        QCOMPARE(causes.join(u' '), expected);
    }

private:
    static calculators::Outcome bloodAlcohol(std::u16string_view alcohol, std::u16string_view mass)
    {
        return calculators::bloodAlcohol(alcohol, mass, Sex::NotChosen, u',');
    }
};

QTEST_APPLESS_MAIN(TestCalculators)

#include "tst_calculators.moc"
