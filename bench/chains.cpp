// Each calculation's chain alone: input texts in, caption out, no window.

#include "bloodalcohol.h"
#include "brakingspeed.h"
#include "falltime.h"
#include "impactspeed.h"
#include "weight.h"

#include <benchmark/benchmark.h>

#include <variant>

namespace {

constexpr char16_t comma = u',';
constexpr int earth = 2;
constexpr int jupiter = 4;
constexpr int dry = 0;
constexpr int wet = 1;

// Alternates between two sets of inputs, as typing does, so that neither the
// caption nor the branches taken repeat from one run to the next. Both sets
// must reach a caption: a declined or failed run is a shorter path.
template <typename Chain>
void alternate(benchmark::State& state, Chain chain)
{
    if (!std::holds_alternative<calculators::Shown>(chain(false))
        || !std::holds_alternative<calculators::Shown>(chain(true))) {
        state.SkipWithError("the inputs do not reach a caption");
        return;
    }
    bool second = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(chain(second));
        second = !second;
    }
}

void impactSpeed(benchmark::State& state)
{
    alternate(state, [](bool second) { return calculators::impactSpeed(second ? u"125" : u"12,5", comma); });
}

// The dry road multiplies exactly, the wet one in doubles.
void brakingSpeed(benchmark::State& state)
{
    alternate(state, [](bool second) {
        return second ? calculators::brakingSpeed(u"27", wet, comma) : calculators::brakingSpeed(u"18,4", dry, comma);
    });
}

void bloodAlcohol(benchmark::State& state)
{
    alternate(state, [](bool second) {
        return second ? calculators::bloodAlcohol(u"36,5", u"62", calculators::Sex::Woman, comma)
                      : calculators::bloodAlcohol(u"40", u"80", calculators::Sex::Man, comma);
    });
}

void fallTime(benchmark::State& state)
{
    alternate(state, [](bool second) { return calculators::fallTime(second ? u"2,5" : u"20", comma); });
}

void weight(benchmark::State& state)
{
    alternate(state, [](bool second) {
        return second ? calculators::weight(u"82,5", earth, comma) : calculators::weight(u"70", jupiter, comma);
    });
}

} // namespace

BENCHMARK(impactSpeed);
BENCHMARK(brakingSpeed);
BENCHMARK(bloodAlcohol);
BENCHMARK(fallTime);
BENCHMARK(weight);
