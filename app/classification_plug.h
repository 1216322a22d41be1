#pragma once
// The standings plug of the Qt heat mode: besides the engine and the store,
// the heat clock's display hooks reach the live classification window while
// it is loaded (official practice, SuperPole, race); (L)listar voltes opens the
// lap listing and (I)mprimir prints.
#include <functional>

#include "heat/standings_plug.h"
#include "output/report_heading.h"
#include "output/report_printer.h"

namespace sc {

class Classificacio;
class Portada;

// The race selected in the main window's lists, as reports head it.
RaceHeading SelectedRaceHeading(const Portada& window);

class ClassificationPlug : public StandingsPlug {
public:
    ClassificationPlug(RaceState& state, StandingsEngine& engine, HeatResultsStore& store)
        : StandingsPlug(state, engine, store), state_(state), engine_(engine) {}

    // The loaded window, or none.
    void SetWindow(Classificacio* window) { window_ = window; }
    // Where (I)mprimir prints and the main window whose race heads the reports.
    void SetPrinting(ReportPrinter* printer, const Portada* window) {
        printer_ = printer;
        portada_ = window;
    }

    void ShowClock(const std::string& hora) override;
    void PageClassification() override;
    void SuperPoleTick(double elapsed) override;
    // The heat menu's "(L)listar voltes" opens the lap listing window.
    void LlistarVoltes() override {
        if (openListing) openListing();
    }
    std::function<void()> openListing;
    // The heat classification straight to the printer; with Shift the
    // series' results and both lap quadrants.
    void Imprimir(bool shift) override;

private:
    RaceState& state_;
    StandingsEngine& engine_;
    Classificacio* window_ = nullptr;
    ReportPrinter* printer_ = nullptr;
    const Portada* portada_ = nullptr;
};

}  // namespace sc
