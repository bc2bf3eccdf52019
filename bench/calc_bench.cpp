// Timing of one full calculation per club (panel texts in, all three groups and texts out) and of DecimalText.
#include <benchmark/benchmark.h>

#include "decimal_text.h"
#include "dispatch.h"
#include "panel_inputs.h"

namespace {

PanelReading Situation(const char* club, const char* distance, bool beam9I)
{
    PanelReading panel = StartupReading();
    panel.power = "30";
    panel.spin = "7";
    panel.club = club;
    panel.windPower = "5";
    panel.distance = distance;
    panel.height = "3.5";
    panel.direction = "45";
    panel.slope = "1";
    panel.crimsonRing = true;
    panel.rain = true;
    panel.beam = beam9I ? 3u : 1u; // both irons, or the 6I
    return panel;
}

void FullCalculation(benchmark::State& state, const PanelReading& panel)
{
    for (auto _ : state) {
        DispatchOutcome out = Calculate(panel);
        benchmark::DoNotOptimize(out);
    }
}

// Woods at a distance where Tomahawk and Back Spin both run (Beam Impact clears).
void BM_Calculate1W(benchmark::State& state) { FullCalculation(state, Situation("1W", "230", false)); }
void BM_Calculate2W(benchmark::State& state) { FullCalculation(state, Situation("2W", "215", false)); }
void BM_Calculate3W(benchmark::State& state) { FullCalculation(state, Situation("3W", "195", false)); }
// The 2I at exactly 90 yards: its Tomahawk and both Beam Impact irons run.
void BM_Calculate2I(benchmark::State& state) { FullCalculation(state, Situation("2I", "90", true)); }
// A short shot with the 1W: both wood groups clear, Beam Impact 6I and 9I run.
void BM_CalculateBeam(benchmark::State& state) { FullCalculation(state, Situation("1W", "75.5", true)); }

void BM_DecimalText(benchmark::State& state)
{
    const double values[] = {77.701242647, -12.701482565, 0.47, 123456.789, 4.440892098500626e-16};
    char buffer[kDecimalTextSize];
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecimalText(values[i], buffer));
        benchmark::ClobberMemory();
        i = (i + 1) % 5;
    }
}

} // namespace

BENCHMARK(BM_Calculate1W);
BENCHMARK(BM_Calculate2W);
BENCHMARK(BM_Calculate3W);
BENCHMARK(BM_Calculate2I);
BENCHMARK(BM_CalculateBeam);
BENCHMARK(BM_DecimalText);
