#pragma once
// What the director reads when a race file cannot be used as it stands: what
// happened, what was kept, and what to do. Catalan and Spanish.

#include <cstdint>
#include <string>
#include <vector>

namespace sc {

enum class FileProblemText {
    DamagedSeriesList,       // %1 file, %2 reader's detail
    DamagedNameList,         // entrants or roster; %1 file, %2 detail
    SeriesListNotSaved,      // %1 file
    HeatFileUnreadable,      // %1 file, %2 detail
    HeatNotStored,           // %1 heat file, %2 heat number, %3 lap file
    DistributionBadLine,     // %1 file, %2 line number, %3 the line's field
    DistributionUnreadable,  // %1 file
    QualificationNotBuilt,   // %1 the unreadable files, one line each
};

// The text in `language` with %1, %2, ... replaced by `args`.
std::string fileProblemText(int16_t language, FileProblemText text,
                            const std::vector<std::string>& args = {});

}  // namespace sc
