#pragma once
// The reports the program prints, each with the name its PDF takes in the
// race folder: the heat classification (heat panel), the results and the lap
// quadrants (results window; with Shift from the heat panel).
#include <string>
#include <vector>

#include "output/heat_report.h"
#include "output/results_report.h"

namespace sc {

struct PrintJob {
    Report report;
    std::string name;  // "CRS001_Classificacio_03"
};

PrintJob HeatClassificationJob(const RaceState& state, const RaceHeading& race, const Grid& infoClass);
PrintJob ResultsJob(const RaceState& state, const RaceHeading& race, const Resultats& results, int modality);
// The quadrant of the series chosen in the table, else of `series`.
PrintJob QuadrantJob(const RaceState& state, const RaceHeading& race, const Resultats& results,
                     const SeriesFolder& source, int series, Quadrant kind);
// The quadrant the results window's button prints: fastest laps under the
// fastest-lap criteria, laps under the others.
Quadrant QuadrantOfCriterion(Criterion criterion);
// The results of one series of a modality and both its quadrants (Shift +
// (I)mprimir prints those of the current series).
std::vector<PrintJob> SeriesResultsJobs(const RaceState& state, const RaceHeading& race, int modality,
                                        int series);

}  // namespace sc
