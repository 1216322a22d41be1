#pragma once
// The automatic part of the race modality's new-series command: which stage
// the race is at, from the distribution record for the field and the race
// series there are, and the builder of that stage.
#include <string>
#include <vector>

#include "core/prompter.h"
#include "core/race_state.h"
#include "results/qualification.h"

namespace sc {

struct RaceSeriesBuild {
    // True when the command must not add an empty series: a builder ran, or
    // unreadable results files stopped it (the director was told).
    bool ran = false;
    QualificationStage stage = QualificationStage::None;
    int firstSeries = 0;  // the first series built, where the programme opens
};

// `raceSeries` is the race modality's series list (items "1", "2", ..);
// `officialPracticeClassified` says whether official practice has series
// (its classification button is enabled). Built series are appended to the
// list and saved; a stage whose save failed leaves the list as it was.
RaceSeriesBuild BuildRaceSeries(RaceState& state, Prompter& prompter, std::vector<std::string>& raceSeries,
                                bool officialPracticeClassified);

}  // namespace sc
