#pragma once
// The language, lap-counter and colour names the program settings window offers.

#include <cstdint>
#include <string>
#include <vector>

namespace sc {

struct NameLists {
    std::vector<std::string> LlistaIdiomes;       // by Language
    std::vector<std::string> LlistaComptavoltes;  // by LapCounterModel
    std::vector<std::string> LlistaColors;        // by colour number 0..15
};

// The lists in a language; a language without a table gets the Catalan ones the windows are designed with.
NameLists nameListsFor(int16_t language);

}  // namespace sc
