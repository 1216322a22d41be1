#pragma once
// The race state the standings tests start from: four lanes in order, every
// lane's timing cleared, heat 1 of series 1 running, participants named
// prefix1, prefix2, ...
#include <string>

#include "core/grid.h"
#include "core/race_state.h"
#include "standings/classification_columns.h"

namespace sc::test {

inline RaceState standingsState(Modality modality, int participants, const std::string& namePrefix = "P") {
    RaceState s;
    s.CurrentModality = static_cast<int16_t>(modality);
    s.Track.LaneCount = 4;
    s.Track.LaneChange = {4, 1, 2, 3, 4};
    s.Track.LaneParticipant.assign(5, 0);
    s.Track.LastPassTime.assign(5, 0.0);
    s.Track.LaneSpare.assign(5, 0.0);
    s.Track.CarriedTime.assign(5, 0.0);
    s.ParticipantCount = static_cast<int16_t>(participants);
    s.Participants = {""};
    for (int i = 1; i <= participants; ++i) s.Participants.push_back(namePrefix + std::to_string(i));
    s.Msg[0][0] = "v";
    s.Msg[0][1] = "s";
    s.Msg[5][0] = "E";
    s.CurrentSeries = 1;
    s.CurrentHeat = 1;
    s.HeatRunning = -1;
    return s;
}

// Rows 1.. of `table` for the state's participants: number, name and a series
// key of +number (keySign 1), -number (-1) or none (0).
inline void nameRows(Grid& table, const RaceState& s, int keySign = 0) {
    for (int p = 1; p < static_cast<int>(s.Participants.size()); ++p) {
        table.SetTextMatrix(p, cls::kNumber, std::to_string(p));
        table.SetTextMatrix(p, cls::kName, s.Participants[p]);
        if (keySign != 0) table.SetTextMatrix(p, cls::kSeriesKey, std::to_string(keySign * p));
    }
}

}  // namespace sc::test
