#pragma once
// Series files built by hand for the results and listing tests.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/grid.h"
#include "core/heat_record.h"
#include "core/race_store.h"
#include "core/record_file.h"

namespace sc::test {

// A participant record: number, total laps, pass time (time of day), fastest
// lap, lane, heat laps, best lap in the heat.
inline HeatRecord resultRecord(int16_t participant, float total, float passTime, float fastest, int16_t lane,
                               float heatLaps, float best) {
    return {.participant = participant,
            .totalLaps = total,
            .passTime = passTime,
            .fastestLap = fastest,
            .lane = lane,
            .heatLaps = heatLaps,
            .bestLap = best};
}

struct HeatBlockSpec {
    int16_t heat;
    float start;
    std::vector<HeatRecord> rows;
};

// Shared by GoogleTest and QtTest files: data that could not be written stops
// the test with an exception, which both report as a failure.
inline void written(const WriteResult& result) {
    if (!result) throw std::runtime_error("test data not written: " + result.error().file.string());
}

// Writes base.DAD block by block, header then rows.
inline void writeHeatFile(const std::filesystem::path& file, const std::vector<HeatBlockSpec>& blocks) {
    std::size_t record = 1;
    for (const auto& b : blocks) {
        written(writeHeatRecord(file, record++,
                                HeatRecord::header(b.heat, b.start, static_cast<int16_t>(b.rows.size()))));
        for (const auto& r : b.rows) written(writeHeatRecord(file, record++, r));
    }
}

// Race series 1 of race 1 (CRS001 in PROVA001): Anna and Biel on two lanes,
// comas of 90 shown as hundredths.
inline RaceState comaRace(const std::filesystem::path& app) {
    RaceState s;
    s.AppFolder = app;
    s.WorkingFolder = app / "PROVA001";
    std::filesystem::create_directories(s.WorkingFolder);
    s.CurrentModality = static_cast<int16_t>(Modality::Race);
    s.CurrentSeries = 1;
    s.CurrentBase = "CRS001";
    s.ParticipantCount = 2;
    s.Participants = {"", "Anna", "Biel"};
    s.Track.LaneCount = 2;
    s.Track.ComaDivisions = 90;
    s.Track.ComaZeros = "00";
    s.Track.ComaFormat = "0.00";
    return s;
}

// Per visible data row in grid order: the cells of `cols`, joined by "|".
inline std::vector<std::string> shownRows(const Grid& g, std::initializer_list<int> cols) {
    std::vector<std::string> out;
    for (int row = 1; row < g.Rows(); ++row) {
        if (g.RowHidden(row)) continue;
        std::string line;
        for (int col : cols) line += (line.empty() ? "" : "|") + g.TextMatrix(row, col);
        out.push_back(line);
    }
    return out;
}

inline void writeNames(const std::filesystem::path& file, int16_t heats, std::vector<std::string> names) {
    written(writeParticipantList(file, ParticipantList{heats, std::move(names)}));
}

}  // namespace sc::test
