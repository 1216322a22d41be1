#include "app/portada_host.h"

#include "acquisition/lap_counter_connections.h"
#include "app/portada.h"
#include "standings/heat_results_store.h"
#include "standings/standings_engine.h"

namespace sc {

int PortadaHost::SelectedSeries(int modality) const {
    return modality >= 1 && modality <= kSeriesLists ? window_.LlSeries[modality].selected : -1;
}

int PortadaHost::SeriesInList(int modality) const {
    return modality >= 1 && modality <= kSeriesLists ? window_.LlSeries[modality].count() : 0;
}

void PortadaHost::SelectSeries(int modality, int position) { window_.LlSeries_Click(modality, position); }

std::string PortadaHost::SelectedRaceName() const {
    const ListControl& races = window_.LlProves;
    return races.isValidPosition(races.selected) ? races.items[races.selected] : std::string();
}

void PortadaHost::LoadClassification() {
    engine_.Reshape();
    store_.CarregarClass();
}

void PortadaHost::OpenLapCounterPorts() { connections_.OpenLapCounterPorts(); }
void PortadaHost::CloseLapCounterPorts() { connections_.CloseLapCounterPorts(); }

}  // namespace sc
