#pragma once
// Series files of a full field for the benchmarks: 99 participants, every one
// in each of 99 heats (9,801 results rows), laps, pass times and fastest laps
// from a fixed random sequence.
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/byte_io.h"
#include "core/file_io.h"
#include "core/heat_record.h"
#include "core/race_store.h"

namespace bench {

inline constexpr int kParticipants = 99;
inline constexpr int kHeats = 99;

// BASE.PAR and BASE.DAD (BASE such as "CRS001") in `folder`.
inline void writeGeneratedSeries(const std::filesystem::path& folder, const std::string& base) {
    sc::ParticipantList list{kHeats, {}};
    for (int p = 1; p <= kParticipants; ++p) list.names.push_back("Pilot " + std::to_string(p));
    if (!sc::writeParticipantList(folder / (base + ".PAR"), list))
        throw std::runtime_error(base + ".PAR not written");
    std::mt19937 random(7);
    sc::Bytes data;
    auto append = [&data](const sc::Bytes& record) { data.insert(data.end(), record.begin(), record.end()); };
    std::vector<float> total(kParticipants + 1, 0);
    for (int h = 1; h <= kHeats; ++h) {
        const float start = 36000.0f + 300.0f * h;
        append(sc::encodeHeatRecord(sc::HeatRecord::header(static_cast<int16_t>(h), start, kParticipants)));
        for (int p = 1; p <= kParticipants; ++p) {
            sc::HeatRecord r;
            r.participant = static_cast<int16_t>(p);
            r.heatLaps = static_cast<float>(20 + random() % 4);  // many equal laps: the keys decide
            total[p] += r.heatLaps;
            r.totalLaps = total[p];
            r.passTime = start + 120.0f + static_cast<float>(random() % 3000) / 100.0f;
            r.fastestLap = 4.5f + static_cast<float>(random() % 500) / 1000.0f;
            r.bestLap = r.fastestLap + 0.1f;
            r.lane = static_cast<int16_t>(1 + p % 8);
            append(sc::encodeHeatRecord(r));
        }
    }
    if (!sc::writeFileAtomic(folder / (base + ".DAD"), data)) throw std::runtime_error(base + ".DAD not written");
}

}  // namespace bench
