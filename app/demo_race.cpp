#include "app/demo_race.h"

#include <array>
#include <string>

#include "core/race_store.h"
#include "core/settings_files.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

struct DemoRace {
    const char* name;
    const char* date;
    std::array<int16_t, 4> seriesCounts;
};

// Drivers of the first race's official practice and first race series.
constexpr const char* kDemoDrivers[] = {"Anna Puig",    "Bernat Soler", "Carla Vidal", "David Ferrer",
                                        "Elena Roca",   "Francesc Mas", "Gemma Pujol", "Hug Serra",
                                        "Irene Casals", "Jordi Vila",   "Laia Font",   "Marc Riera"};

constexpr DemoRace kDemoRaces[] = {
    {"Trofeu de Primavera", "12-04-2025", {1, 2, 1, 3}},
    {"Campionat Social 8 pistes", "24-05-2025", {1, 1, 0, 1}},
};

}  // namespace

bool createDemoProgramFolder(const fs::path& folder, int language) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    ProgramSettings settings = defaultProgramSettings();
    settings.Language = static_cast<int16_t>(language);
    TrackConfig track = defaultTrackConfig();
    track.LaneCount = 8;
    resizeTrackWorkingArrays(track);
    if (!saveProgramSettings(settings, folder / kSettingsFileName) ||
        !saveTrackConfig(track, folder / kTrackFileName))
        return false;
    int number = 0;
    for (const DemoRace& race : kDemoRaces) {
        const fs::path raceFolder = folder / raceFolderName(++number);
        fs::create_directories(raceFolder, ec);
        RaceHeader header{race.seriesCounts, race.name, race.date};
        if (!copyTrackConfigIntoRace(folder, raceFolder) ||
            !writeRaceHeader(raceFolder / kRaceHeaderFileName, header))
            return false;
    }
    const ParticipantList drivers{0, {std::begin(kDemoDrivers), std::end(kDemoDrivers)}};
    const fs::path first = folder / raceFolderName(1);
    for (int modality : {2, 4})
        if (!writeParticipantList(first / (seriesBaseName(modality, 1) + ".PAR"), drivers)) return false;
    return !rebuildRaceCatalogue(folder).empty();
}

}  // namespace sc
