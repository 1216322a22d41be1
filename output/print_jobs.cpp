#include "output/print_jobs.h"

#include "core/number_format.h"
#include "core/race_store.h"

namespace sc {

PrintJob HeatClassificationJob(const RaceState& state, const RaceHeading& race, const Grid& infoClass) {
    return {HeatClassificationReport(state, race, infoClass),
            seriesBaseName(state.CurrentModality, state.CurrentSeries) + "_Classificacio_" +
                FormatNumber(state.CurrentHeat, "00")};
}

PrintJob ResultsJob(const RaceState& state, const RaceHeading& race, const Resultats& results, int modality) {
    const int series = static_cast<int>(results.EqSerie.value());
    return {ResultsReport(state, race, results, modality),
            (series != 0 ? seriesBaseName(modality, series) : modalityPrefix(modality)) + "_Resultats"};
}

PrintJob QuadrantJob(const RaceState& state, const RaceHeading& race, const Resultats& results,
                     const SeriesFolder& source, int series, Quadrant kind) {
    const int chosen = QuadrantSeries(results, series);
    return {
        QuadrantReport(state, race, results, source.modality, chosen, LastStoredHeat(source, chosen), kind),
        seriesBaseName(source.modality, chosen) + (kind == Quadrant::Laps ? "_Quadrant" : "_QuadrantVR")};
}

Quadrant QuadrantOfCriterion(Criterion criterion) {
    return criterion == Criterion::FastestLap || criterion == Criterion::HeatFastestLap
               ? Quadrant::FastestLaps
               : Quadrant::Laps;
}

std::vector<PrintJob> SeriesResultsJobs(const RaceState& state, const RaceHeading& race, int modality,
                                        int series) {
    const SeriesFolder source = RaceSeriesFolder(state, modality);
    Resultats results(state, source);
    results.Load(series);
    std::vector<PrintJob> jobs;
    jobs.push_back(ResultsJob(state, race, results, modality));
    for (Quadrant kind : {Quadrant::Laps, Quadrant::FastestLaps})
        jobs.push_back(QuadrantJob(state, race, results, source, series, kind));
    return jobs;
}

}  // namespace sc
