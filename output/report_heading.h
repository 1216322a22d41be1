#pragma once
// The top of every report: two empty lines, the race name at the left margin
// and its date right-aligned at the end of the line, an empty line; and the
// captions the titles are made of.
#include <cstdint>
#include <string>

#include "output/report.h"

namespace sc {

struct RaceHeading {
    std::string name;  // the main window's race list
    std::string date;
};

void PlaceRaceHeading(ReportLayout& layout, const RaceHeading& race, int lineEnd);

// The modality's menu caption without its access-key mark ("Cursa").
std::string ModalityCaption(int16_t language, int modality);
// "Cursa - Sèrie: 2", the series only when the modality has more than one.
std::string ModalitySeriesCaption(int16_t language, int modality, int series, int seriesCount);
// A text of a window's message table, empty when it has none.
std::string ReportMessage(int16_t language, const char* window, int section, int item);

}  // namespace sc
