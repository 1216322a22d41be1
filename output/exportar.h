#pragma once
// The export window `Exportar` without its widgets: the folder and file
// choice, the name field and the checks of its OK button, then the job of its
// mode (0 text export of the current race, 5 archive, 7 restore).

#include <filesystem>
#include <string>
#include <vector>

#include "core/prompter.h"
#include "core/race_state.h"
#include "output/race_archive.h"

namespace sc {

inline constexpr int16_t kModeTextExport = 0;
inline constexpr int16_t kModeArchive = 5;
inline constexpr int16_t kModeRestore = 7;

// What archive mode packs: the race manager's selected race folder and its file list.
struct ArchiveSource {
    std::filesystem::path raceFolder;
    std::vector<std::string> files;
};

class Exportar {
public:
    // The mode is the state's ModeCorregir when the window opens.
    Exportar(RaceState& state, Prompter& prompter, ArchiveSource source = {});

    int16_t mode() const { return mode_; }
    // ".txt" for text export, ".prb" for the archive modes; the file list shows *extension.
    std::string extension() const;
    // Whether this mode has a job: the OK button is enabled only then.
    bool canRun() const { return mode_ == kModeTextExport || mode_ == kModeArchive || mode_ == kModeRestore; }

    // A folder chosen: the file list shows its files with the mode's extension, sorted.
    void Carpetes_Change(const std::filesystem::path& folder);
    // A file picked in the list: its name goes into NomArxiu.
    void Fitxers_Click(int index);
    // Leaving the name field: the extension is appended when the name lacks it.
    void NomArxiu_LostFocus();

    // OK (Sortir(1)): checks the name ("Falta el nom de l'arxiu"), asks before
    // overwriting when writing, wants an existing archive in restore mode.
    // True when the job may run on path().
    bool accept();
    // Runs the mode's job; the message of a failure has been shown already.
    ArchiveOutcome run(const ArchiveListener& listener);

    std::filesystem::path path() const { return folder / NomArxiu; }

    std::filesystem::path folder;
    std::vector<std::string> Fitxers;
    std::string NomArxiu;
    bool QuaSep = false;     // text export: laps and fastest laps in separate quadrants
    bool raceAdded = false;  // restore done: the race manager reloads its lists

private:
    std::string text(int item) const;

    RaceState& state_;
    Prompter& prompter_;
    ArchiveSource source_;
    int16_t mode_;
};

}  // namespace sc
