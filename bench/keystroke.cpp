// One keystroke through the real window on the offscreen platform: the key
// event into a text box, through the shortcut check and the box's own key
// handling, until the box's result label holds its new caption, or, for a
// keystroke that makes the text unreadable, until the box is marked and the
// result is stale.

#include "barewindow.h"
#include "numberbox.h"
#include "program.h"
#include "resultlabel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

struct Calculation {
    const char* name;
    QString box;
    QString startText;
    QString otherBox = {};
    QString otherText = {};
    Qt::Key key = Qt::Key_5;
};

// Blood alcohol needs a mass beside the grams to compute at all.
const Calculation calculations[] = {
    {"impactSpeed", u"Text1"_s, u"12"_s},
    {"brakingSpeed", u"Text2"_s, u"18"_s},
    {"bloodAlcohol", u"Text3"_s, u"40"_s, u"Text4"_s, u"80"_s},
    {"fallTime", u"Text5"_s, u"20"_s},
    {"weight", u"Text6"_s, u"70"_s},
    {"impactSpeedFailing", u"Text1"_s, u"12"_s, {}, {}, Qt::Key_X},
    // A number wider than its box: the narrow mass box holding "105,5".
    {"bloodAlcoholNarrowMass", u"Text4"_s, u"105,5"_s, u"Text3"_s, u"40"_s},
};

// Types the key on even runs and takes it back on odd ones, so that every
// keystroke changes what the window shows.
Qt::Key keyFor(bool takeBack, Qt::Key key) { return takeBack ? Qt::Key_Backspace : key; }

// Into the focused box of the active window, as a user types.
void typeAlternately(benchmark::State& state, QLineEdit* box, Qt::Key key = Qt::Key_5)
{
    box->window()->activateWindow();
    box->setFocus();
    QCoreApplication::processEvents();
    bool takeBack = false;
    for (auto _ : state) {
        QTest::keyClick(box, keyFor(takeBack, key));
        takeBack = !takeBack;
    }
    // What the keystrokes left to paint is painted outside the measurement.
    QCoreApplication::processEvents();
}

// A new caption, or a result gone stale or current again.
bool changesResult(QLineEdit* box, const ResultLabel* result, bool takeBack, Qt::Key key)
{
    const QString before = result->text();
    const ResultLabel::State state = result->state();
    QTest::keyClick(box, keyFor(takeBack, key));
    return result->text() != before || result->state() != state;
}

// The label the window writes what `box` is worked into.
const ResultLabel* resultOf(const Form1& window, const NumberBox* box)
{
    for (const Form1::Calculation& calculation : window.calculations())
        for (const Form1::Calculation::Input& input : calculation.inputs)
            if (input.box == box)
                return calculation.result;
    return nullptr;
}

void keystroke(benchmark::State& state, Form1& window, const Calculation& calculation)
{
    auto* box = window.findChild<NumberBox*>(calculation.box);
    const ResultLabel* result = resultOf(window, box);
    if (box == nullptr || result == nullptr) {
        state.SkipWithError("the window has no such box or label");
        return;
    }
    if (!calculation.otherBox.isEmpty())
        window.findChild<QLineEdit*>(calculation.otherBox)->setText(calculation.otherText);
    box->setText(calculation.startText);
    if (!changesResult(box, result, false, calculation.key) || !changesResult(box, result, true, calculation.key)) {
        state.SkipWithError("a keystroke leaves the result as it was");
        return;
    }
    typeAlternately(state, box, calculation.key);
}

// The floor: the same keystrokes into a box that computes nothing.
void bareKeystroke(benchmark::State& state, QWidget& window)
{
    auto* box = window.findChild<QLineEdit*>();
    box->setText(u"12"_s);
    typeAlternately(state, box);
}

} // namespace

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // The same platform everywhere, display or not, so that figures compare.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    Program program(u',');
    program.show();
    BareWindow bare;
    bare.show();
    if (!QTest::qWaitForWindowExposed(&program.window()) || !QTest::qWaitForWindowExposed(&bare))
        return 1;

    for (const Calculation& calculation : calculations)
        benchmark::RegisterBenchmark(calculation.name, [&](benchmark::State& state) {
            keystroke(state, program.window(), calculation);
        });
    benchmark::RegisterBenchmark("bareWindow", [&](benchmark::State& state) { bareKeystroke(state, bare); });
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
