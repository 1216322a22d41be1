// Any bytes as a .prb archive restored into a scratch program folder: the
// restore either refuses it or makes exactly one new race folder, and nothing
// ever appears beside it. The scratch folder lives for one input only (a crash
// leaves it for inspection).
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "output/race_archive.h"

namespace {
namespace fs = std::filesystem;

std::size_t entriesBelow(const fs::path& folder) {
    std::size_t n = 0;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it)
        ++n;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static const fs::path scratch =
        fs::temp_directory_path() / ("slotcursa-archive-fuzz-" + std::to_string(::getpid()));
    const fs::path archive = scratch / "in.prb";
    const fs::path app = scratch / "app";
    fs::remove_all(scratch);
    fs::create_directories(app);
    if (std::FILE* f = std::fopen(archive.c_str(), "wb")) {
        std::fwrite(bytes, 1, size, f);
        std::fclose(f);
    }
    sc::RaceState state;
    const auto outcome = sc::DesarxivarProva(state, archive, app);
    // Beside the archive only the program folder, and in it at most the new race and the catalogue.
    for (const auto& entry : fs::directory_iterator(scratch))
        if (entry.path() != archive && entry.path() != app) std::abort();
    if (outcome.ok() != fs::exists(app / "PROVA001")) std::abort();
    for (const auto& entry : fs::directory_iterator(app)) {
        const auto name = entry.path().filename();
        if (name != "PROVA001" && name != "PROVES.LLS") std::abort();
    }
    if (outcome.ok() && entriesBelow(app / "PROVA001") == 0) std::abort();
    fs::remove_all(scratch);
    return 0;
}
