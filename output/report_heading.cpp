#include "output/report_heading.h"

#include <algorithm>

#include "localisation/language_tables.h"

namespace sc {

void PlaceRaceHeading(ReportLayout& layout, const RaceHeading& race, int lineEnd) {
    layout.NewLine(2);
    layout.Left(0, race.name);
    layout.Right(lineEnd, race.date);
    layout.NewLine(2);
}

std::string ModalityCaption(int16_t language, int modality) {
    std::string caption = tableText(language, "Portada", "MnuPrg", modality).value_or("");
    caption.erase(std::remove(caption.begin(), caption.end(), '&'), caption.end());
    return caption;
}

std::string ModalitySeriesCaption(int16_t language, int modality, int series, int seriesCount) {
    std::string text = ModalityCaption(language, modality);
    if (seriesCount > 1)
        text += " - " + tableText(language, "Portada", "Text", modality).value_or("") + " " +
                std::to_string(series);
    return text;
}

std::string ReportMessage(int16_t language, const char* window, int section, int item) {
    return tableMessage(language, window, section, item).value_or("");
}

}  // namespace sc
