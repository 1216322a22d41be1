// Decoded detections per second for each lap-counter model, to set against what its
// port can carry: 10 bits a byte at 1200 (DS003), 4800 (DS030, DS200) or 56000 baud
// (DS300, DS4port), that is 120, 480 and 5600 bytes a second.

#include <benchmark/benchmark.h>

#include "acquisition/lap_counter_decoder.h"
#include "acquisition/lap_counter_encoders.h"

namespace {

using namespace sc;

// A stream of passes over eight lanes, consecutive frames all different.
Bytes passStream(LapCounterModel model, int passes) {
    Bytes stream;
    for (int i = 0; i < passes; ++i) {
        const Bytes one = encodePass(model, i % 8 + 1, 30000 + i % 5000, static_cast<uint8_t>(i));
        stream.insert(stream.end(), one.begin(), one.end());
    }
    return stream;
}

// DS003 summaries of eight lanes: a lane summary counts as one detection.
Bytes summaryStream(int blocks) {
    Bytes stream;
    const std::vector<LaneResult> lanes(8, LaneResult{42, 31234});
    for (int i = 0; i < blocks; ++i) {
        const Bytes one = encodeSummary(lanes);
        stream.insert(stream.end(), one.begin(), one.end());
    }
    return stream;
}

void decodeStream(benchmark::State& state, LapCounterModel model, const Bytes& stream) {
    const HeatView heat{true, true, false, 8, 0};
    int64_t detections = 0;
    for (auto _ : state) {
        ConnectionState connection;
        connection.model = model;
        double clock = 1000.0;
        for (const uint8_t byte : stream) {
            const auto actions = feed(connection, byte, clock, heat);
            for (const auto& action : actions) {
                detections +=
                    std::holds_alternative<Detection>(action) || std::holds_alternative<LaneSummary>(action);
            }
            clock += 0.0001;
        }
        benchmark::DoNotOptimize(detections);
    }
    state.counters["detections/s"] =
        benchmark::Counter(static_cast<double>(detections), benchmark::Counter::kIsRate);
    state.counters["bytes/s"] = benchmark::Counter(static_cast<double>(stream.size() * state.iterations()),
                                                   benchmark::Counter::kIsRate);
}

void BM_DecodeDs003(benchmark::State& state) {
    decodeStream(state, LapCounterModel::DS003, summaryStream(500));
}
void BM_DecodeDs030(benchmark::State& state) {
    decodeStream(state, LapCounterModel::DS030, passStream(LapCounterModel::DS030, 4000));
}
void BM_DecodeDs300(benchmark::State& state) {
    decodeStream(state, LapCounterModel::DS300, passStream(LapCounterModel::DS300, 4000));
}
void BM_DecodeDs300Ds4port(benchmark::State& state) {
    decodeStream(state, LapCounterModel::DS300DS4port, passStream(LapCounterModel::DS300DS4port, 4000));
}
void BM_DecodeDs200(benchmark::State& state) {
    decodeStream(state, LapCounterModel::DS200, passStream(LapCounterModel::DS200, 4000));
}

BENCHMARK(BM_DecodeDs003);
BENCHMARK(BM_DecodeDs030);
BENCHMARK(BM_DecodeDs300);
BENCHMARK(BM_DecodeDs300Ds4port);
BENCHMARK(BM_DecodeDs200);

}  // namespace
