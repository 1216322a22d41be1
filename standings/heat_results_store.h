#pragma once
// The series' heat file (CurrentBase.DAD) behind the live classification:
// rows to heat records and back, the table built from the stored standings,
// a finished heat stored (heat counter, lap file, heat block), the last heat
// cancelled, and the absolute fastest lap rebuilt from every series.
#include <cstdint>
#include <filesystem>
#include <string>

#include "core/heat_record.h"
#include "core/race_state.h"
#include "core/write_result.h"

namespace sc {

class Prompter;
class StandingsEngine;

class HeatResultsStore {
public:
    HeatResultsStore(RaceState& state, StandingsEngine& engine, Prompter& prompter);

    // The record buffer the conversions fill and read.
    HeatRecord Registre;

    void FilaDesDeRegistre(int16_t fila);
    void RegistreDesDeFila(int16_t fila);

    void CarregarClass();
    // False (after telling the user) when a series file could not be written.
    bool GuardarManiga();
    void AnullarManiga();
    void RebuildAbsoluteFastest();

    std::filesystem::path SeriesFile(const std::string& extension) const;

private:
    void buildUnrunTable();
    bool loadHeatBlock();
    bool heatFileUnreadable(int16_t heat) const;
    WriteResult writeHeatBlock(int16_t heat);
    void warn(const std::string& text);

    RaceState& state_;
    StandingsEngine& engine_;
    Prompter& prompter_;
};

// Record number (from 1) where the block of `heat` goes in a heat file holding
// `records`: 1 for heat 1; right after the block of heat - 1; when that block
// is missing, right after the last block of an earlier heat, else 1.
std::size_t HeatBlockStart(const std::vector<HeatRecord>& records, int16_t heat);

}  // namespace sc
