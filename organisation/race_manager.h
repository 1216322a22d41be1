#pragma once
// The life of races and series as the user manages them: the race-data window
// `NovaProva` (create a race, or change a race's name and date) and the race
// manager `GestorProves` (delete races and series, open the data change).
// Headless: the Qt views and the command-line driver forward to these classes.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/prompter.h"
#include "core/race_state.h"
#include "core/race_store.h"

namespace sc {

// Texts this part needs that the language tables lack, in the current language.
enum class RaceFileText {
    NotWritableRaceData,  // name or date has a character Windows-1252 lacks
    NotWritableName,      // a participant name has such a character (detail: slot)
    FolderNotCreated,     // detail: folder
    FolderExists,         // detail: folder
    FileNotWritten,       // detail: file
    FileNotDeleted,       // detail: file or folder
    FileNotRenamed,       // detail: "OLD -> NEW"
    DamagedFile,          // detail: the reader's description
};
std::string raceFileMessage(int16_t language, RaceFileText text, const std::string& detail = "");

// Msg(section, item) as the window's load left it, else as the tables give it
// for `window` (so a routine driven without its window still shows the text).
std::string msgText(const RaceState& state, std::string_view window, int section, int item);

// Blanks removed at both ends, or at the right end only (names and dates as typed).
std::string trimBlanks(std::string_view text);
std::string trimRightBlanks(std::string_view text);

// Today's date as the race-data window proposes it, "dd-mm-yyyy".
std::string todayDateText();

// The new-race / change-race-data window. Create mode when ModeCorregir is 0;
// the race manager opens it in change mode (ModeCorregir != 0).
class NovaProva {
public:
    NovaProva(RaceState& state, Prompter& prompter);

    // Load step: Msg table of the window, date of today in create mode.
    // Change mode keeps TextProva/TextData as the caller set them.
    void Load();
    bool changeMode() const { return state_.ModeCorregir != 0; }
    // Msg(2,0) "Nova prova" or Msg(2,1) "Modificar dades de la prova".
    std::string title() const;

    // Sortir(1): the accept button. Create mode: checks, confirms and creates
    // race RaceCount + 1 on disk (folder, PISTA.CFG, PROVA.DAD, catalogue).
    // Change mode: checks only; the race manager applies the change.
    // Returns true when the window closes (accepted). Other indexes close
    // without doing anything (accepted stays false).
    bool Sortir_Click(int index);

    std::string TextProva;
    std::string TextData;
    int RaceCount = 0;  // races in the main window's list (create mode)

    // Set when Sortir_Click(1) accepted.
    bool accepted = false;
    std::string acceptedName;  // trimmed name
    std::string acceptedDate;  // right-trimmed date
    int createdRace = 0;       // create mode: number of the new race

private:
    bool checkName();
    bool createRace();

    RaceState& state_;
    Prompter& prompter_;
};

// Creates race `raceNumber` in the program folder: folder PROVAnnn with the
// program's PISTA.CFG, track configuration loaded from it (LaneCount of the
// race), PROVA.DAD with the initial series counts (0 with a distribution file
// for the lane count, else 1) and name and date, catalogue entry appended.
// Nothing is left behind when a step fails; the message says why (empty = done).
std::string createRaceOnDisk(RaceState& state, int raceNumber, const std::string& name,
                             const std::string& date);

// The regular files of a race folder, sorted by name: the race manager's file
// list, which is also the archive's order.
std::vector<std::string> raceFolderFiles(const std::filesystem::path& raceFolder);

// The race manager "Gestió de curses".
class GestorProves {
public:
    GestorProves(RaceState& state, Prompter& prompter);

    // Load: race and date lists, last race and the race modality selected.
    void Load();
    // Race and date lists from PROVES.LLS (rebuilt from the folders when missing).
    void CarregarFitxers();
    void LlProves_Click(int position);
    void Data_Click(int position) { LlProves_Click(position); }
    // Modality 1..4 chosen in `NPrgr`.
    void NPrgr_Click(int modality);
    void LlSeries_Click(int position);
    // Buttons enabled by what is selected.
    void ActivarBotons();

    // The Sortir(index) buttons. Archive and Restore are also the modes the
    // export window opens in (ModeCorregir).
    enum ManagerButton : int {
        kClose = 0,
        kDeleteRace = 2,
        kChangeData = 3,
        kDeleteSeries = 4,
        kArchive = 5,
        kRestore = 7
    };
    // Deleting goes through EliminarProva and EliminarSerie, changing the data
    // through OpenNovaProva, archive and restore through OpenArchive. Returns
    // true when the window closes.
    bool Sortir_Click(int index);
    void EliminarProva();
    void EliminarSerie();
    // Name and date of the selected race from its PROVA.DAD (change mode).
    std::optional<CatalogueEntry> selectedRaceData();
    // Applies an accepted change: lists replaced at their position, PROVA.DAD
    // rewritten from offset 19, catalogue rebuilt. False (after a message) when
    // nothing could be written.
    bool ModificarDades(const std::string& name, const std::string& date);

    // Shows NovaProva in change mode with the given data; the accepted name and
    // date, or nothing when cancelled. Set by the view or the driver.
    std::function<std::optional<CatalogueEntry>(const CatalogueEntry&)> OpenNovaProva;
    // Archive (5) and restore (7) seam; the restore returns true when a race was added.
    std::function<bool(int mode)> OpenArchive;

    std::vector<std::string> LlProves;
    std::vector<std::string> Data;
    int raceSelected = -1;
    int NPrgr = 4;  // modality 1..4
    std::vector<std::string> LlSeries;
    int seriesSelected = -1;
    std::string completedHeats;        // "Mànigues completades:" value
    std::string seriesCount;           // "Numero de series." value
    std::vector<std::string> Fitxers;  // files of the selected race's folder, sorted
    bool raceButtonsEnabled = false;   // Eliminar prova, Modificar dades, Arxivar
    bool seriesButtonEnabled = false;  // Eliminar serie

    // The race folder of the selected race (empty path without one).
    std::filesystem::path selectedRaceFolder() const;
    // Series counts of the selected race as read from its PROVA.DAD.
    std::array<int16_t, 4> counts{};

private:
    void refillSeries();
    void refreshSeriesInfo();
    void CarregarFitxersDeCarpeta();
    bool askNo(int item);
    void inform(const std::string& text);

    RaceState& state_;
    Prompter& prompter_;
};

// Deletes race `raceNumber` and renames each later folder one number down in
// increasing order. Stops at the first failure (message returned, no further
// folder touched). Empty text: done.
std::string deleteRaceFolder(const std::filesystem::path& appFolder, int raceNumber, int16_t language);

// Deletes series `series` of `modality` in `raceFolder` and renames the later
// series down (.PAR .DAD .VAV .PEN; missing files skipped), then writes
// count - 1 at the head of PROVA.DAD. Never overwrites a file; stops at the
// first failure (message returned). Empty text: done.
std::string deleteSeriesFiles(const std::filesystem::path& raceFolder, int modality, int series,
                              std::array<int16_t, 4>& counts, int16_t language);

}  // namespace sc
