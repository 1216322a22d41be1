#pragma once
// The standings plug of the Qt heat mode: besides the engine and the store,
// the heat clock's display hooks reach the live classification window while
// it is loaded (official practice, SuperPole, race).
#include "heat/standings_plug.h"

namespace sc {

class Classificacio;

class ClassificationPlug : public StandingsPlug {
public:
    using StandingsPlug::StandingsPlug;

    // The loaded window, or none.
    void SetWindow(Classificacio* window) { window_ = window; }

    void ShowClock(const std::string& hora) override;
    void PageClassification() override;
    void SuperPoleTick(double elapsed) override;

private:
    Classificacio* window_ = nullptr;
};

}  // namespace sc
