#include "core/program_folder.h"

#include <fstream>
#include <system_error>

namespace sc {
namespace fs = std::filesystem;

namespace {
// The folder cannot be written: the language is not known yet (the settings
// live in that folder), so the message carries both.
std::string notWritableMessage(const fs::path& folder) {
    return "No es pot escriure a la carpeta del programa:\n" + folder.string() +
           "\n\nNo se puede escribir en la carpeta del programa:\n" + folder.string();
}
}  // namespace

ProgramFolderChoice chooseProgramFolder(const std::optional<fs::path>& requested,
                                        const fs::path& executableFolder, const fs::path& dataFolder,
                                        const WritableTest& writable) {
    if (requested) {
        if (!requested->empty() && writable(*requested)) return {*requested, ""};
        return {{}, notWritableMessage(*requested)};
    }
    if (!executableFolder.empty() && writable(executableFolder)) return {executableFolder, ""};
    if (!dataFolder.empty() && writable(dataFolder)) return {dataFolder, ""};
    return {{}, notWritableMessage(dataFolder.empty() ? executableFolder : dataFolder)};
}

bool isWritableFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) return false;
    const fs::path probe = folder / ".slotcursa-write-probe";
    {
        std::ofstream out(probe, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << 'x';
        if (!out.flush()) {
            out.close();
            fs::remove(probe, ec);
            return false;
        }
    }
    fs::remove(probe, ec);
    return !ec;
}

}  // namespace sc
