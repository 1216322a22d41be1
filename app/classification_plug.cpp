#include "app/classification_plug.h"

#include "standings/classificacio.h"

namespace sc {

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

}  // namespace sc
