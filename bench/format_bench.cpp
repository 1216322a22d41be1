// The live classification formats, reads back and re-sorts its whole table at
// every passing; these measure the pieces of that work.
#include <benchmark/benchmark.h>

#include <string>

#include "core/grid.h"
#include "core/laps_format.h"
#include "core/number_format.h"

namespace {

void BM_FormatLapTime(benchmark::State& state) {
    double value = 3.14159;
    for (auto _ : state) {
        benchmark::DoNotOptimize(sc::FormatNumber(value, "0.0000;;\\ \\"));
        value += 0.0001;
    }
}
BENCHMARK(BM_FormatLapTime);

void BM_GapText(benchmark::State& state) {
    sc::TrackConfig track;
    track.ComaZeros = "000";
    track.ComaFormat = "0.000";
    for (auto _ : state)
        benchmark::DoNotOptimize(sc::GapText("12.250", "11.500", "-100.00", "-103.40", track, "v", "s"));
}
BENCHMARK(BM_GapText);

sc::Grid LiveTable(int participants) {
    sc::Grid g(participants + 1, 19, 1, 1);
    for (int r = 1; r <= participants; ++r) {
        g.SetTextMatrix(r, 3, sc::FormatNumber((r * 7919) % 23 + 0.25, "0.000"));
        g.SetTextMatrix(r, 4, sc::FormatNumber(-40000.0 - (r * 104729) % 997, "0.00"));
        g.SetTextMatrix(r, 17, sc::FormatNumber((r * 31) % 11, "0.00;;\\ \\"));
        g.SetTextMatrix(r, 18, sc::FormatNumber((r * 17) % 13 * 3.5, "0.00;;\\ \\"));
    }
    return g;
}

void BM_NumericSort(benchmark::State& state) {
    const sc::Grid table = LiveTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        sc::Grid g = table;
        g.SortNumericAscending(17, 18);
        benchmark::DoNotOptimize(g.TextMatrix(1, 17));
    }
}
BENCHMARK(BM_NumericSort)->Arg(8)->Arg(64);

void BM_RaceOrderingSort(benchmark::State& state) {
    const sc::Grid table = LiveTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        sc::Grid g = table;
        g.SortCustom([&g](int a, int b) {
            const double la = g.Number(a, 3), lb = g.Number(b, 3);
            if (la != lb) return la > lb ? -1 : 1;
            const double ka = g.Number(a, 4), kb = g.Number(b, 4);
            return ka == kb ? 0 : ka > kb ? -1 : 1;
        });
        benchmark::DoNotOptimize(g.TextMatrix(1, 3));
    }
}
BENCHMARK(BM_RaceOrderingSort)->Arg(8)->Arg(64);

}  // namespace
