#include "app/classification_plug.h"

#include "app/portada.h"
#include "output/print_jobs.h"
#include "standings/classificacio.h"
#include "standings/standings_engine.h"

namespace sc {

RaceHeading SelectedRaceHeading(const Portada& window) {
    const auto item = [](const ListControl& list) {
        return list.isValidPosition(list.selected) ? list.items[list.selected] : std::string();
    };
    return {item(window.LlProves), item(window.Data)};
}

void ClassificationPlug::ShowClock(const std::string& hora) {
    if (window_) window_->ShowClock(hora);
}

void ClassificationPlug::PageClassification() {
    if (window_) window_->PageClassification();
}

void ClassificationPlug::SuperPoleTick(double elapsed) {
    StandingsPlug::SuperPoleTick(elapsed);  // the running time in the SuperPole list
    if (window_) window_->SuperPoleTick(elapsed);
}

void ClassificationPlug::Imprimir(bool shift) {
    if (!printer_ || !portada_) return;
    const RaceHeading race = SelectedRaceHeading(*portada_);
    if (!shift) {
        const PrintJob job = HeatClassificationJob(state_, race, engine_.InfoClass);
        printer_->PrintNow(job.report, job.name);
        return;
    }
    for (const PrintJob& job : SeriesResultsJobs(state_, race, state_.CurrentModality, state_.CurrentSeries))
        printer_->PrintNow(job.report, job.name);
}

}  // namespace sc
