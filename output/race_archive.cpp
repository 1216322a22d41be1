#include "output/race_archive.h"

#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>
#include <system_error>

#include "core/byte_io.h"
#include "core/cp1252.h"
#include "core/file_fault_text.h"
#include "core/file_io.h"
#include "core/race_store.h"
#include "organisation/race_manager.h"
#include "output/archive_format.h"

namespace sc {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kExportar = "Exportar";
constexpr std::size_t kBlockBytes = 1 << 20;
// Msg(9, item) of the export window.
constexpr int kArchiving = 13, kRestoring = 14, kBadFormat = 16, kCancelled = 17, kNotRead = 18;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Stops a routine with a message for the user.
struct Stop {
    std::string message;
};

class Run {
public:
    Run(const RaceState& state, const ArchiveListener& listener) : state_(state), listener_(listener) {}

    std::string text(int item) const { return msgText(state_, kExportar, 9, item); }
    std::string fileText(RaceFileText id, const std::string& detail) const {
        return raceFileMessage(state_.Settings.Language, id, detail);
    }
    // "No s'ha pogut gravar FILE: REASON", with the errno of the call that failed.
    [[noreturn]] void notWritten(const fs::path& file, int error) const {
        throw Stop{fileText(RaceFileText::FileNotWritten,
                            FileWriteText(state_.Settings.Language, WriteError{file, error}))};
    }
    [[noreturn]] void notRead(const fs::path& file) const {
        std::string s = text(kNotRead);
        if (auto at = s.find("%s"); at != std::string::npos) s.replace(at, 2, file.filename().string());
        throw Stop{s};
    }
    void show() const {
        if (listener_ && !listener_(labels)) throw Stop{text(kCancelled)};
    }
    void showRace(int title, const std::string& rawName, const std::string& rawDate) {
        labels.InfoArxiu = text(title) + " " + cp1252ToUtf8(rawName) + " (" + cp1252ToUtf8(rawDate) + ")";
        show();
    }
    // Copies n bytes in blocks, giving the listener a turn after each block.
    void copy(std::FILE* in, const fs::path& from, std::FILE* out, const fs::path& to, uint64_t n) const {
        std::unique_ptr<char[]> block(new char[kBlockBytes]);
        while (n > 0) {
            const std::size_t chunk = n < kBlockBytes ? static_cast<std::size_t>(n) : kBlockBytes;
            if (std::fread(block.get(), 1, chunk, in) != chunk) notRead(from);
            if (std::fwrite(block.get(), 1, chunk, out) != chunk) notWritten(to, errno);
            n -= chunk;
            show();
        }
    }

    ArchiveProgress labels;

private:
    const RaceState& state_;
    const ArchiveListener& listener_;
};

void closeWritten(File& out, const fs::path& file, const Run& run) {
    errno = 0;
    int error = 0;
    if (std::fflush(out.get()) != 0 || std::ferror(out.get()) != 0) error = errno != 0 ? errno : EIO;
    if (std::fclose(out.release()) != 0 && error == 0) error = errno != 0 ? errno : EIO;
    if (error != 0) run.notWritten(file, error);
}

// Name and date as PROVA.DAD holds them (raw Windows-1252), from offset 19.
std::pair<std::string, std::string> raceNameAndDate(const fs::path& raceFolder, const Run& run) {
    try {
        const Bytes header = readFileOrThrow(raceFolder / kRaceHeaderFileName);
        ByteReader reader(header, raceFolder.filename() / kRaceHeaderFileName);
        reader.seek(19);
        std::string name = reader.countedRaw();
        return {name, reader.countedRaw()};
    } catch (const FileError& e) {
        throw Stop{run.fileText(RaceFileText::DamagedFile, e.describe())};
    }
}

void archiveFile(Run& run, const fs::path& raceFolder, const std::string& listed, std::FILE* out,
                 const fs::path& archive) {
    const std::string name = trimBlanks(listed);
    const auto raw = utf8ToCp1252(name);
    if (!raw || !unsafeFileName(*raw).empty())
        throw Stop{run.fileText(RaceFileText::FileNotWritten, archive.filename().string()) + "\n" + name};
    writeCounted(out, *raw);
    ++run.labels.file;
    run.labels.InfoTreball = name;
    run.show();
    const fs::path file = raceFolder / name;
    File in(std::fopen(file.c_str(), "rb"));
    std::error_code ec;
    const auto size = fs::file_size(file, ec);
    if (!in || ec) run.notRead(file);
    if (size > static_cast<uintmax_t>(std::numeric_limits<int32_t>::max())) run.notRead(file);
    writeLong(out, static_cast<int32_t>(size));
    run.copy(in.get(), file, out, archive, size);
}

int firstFreeRaceNumber(const fs::path& appFolder) {
    int n = 1;
    while (folderExists(appFolder / raceFolderName(n))) ++n;
    return n;
}

void restoreFiles(Run& run, const ArchiveIndex& index, std::FILE* in, const fs::path& archive,
                  const fs::path& folder) {
    for (const ArchiveEntry& entry : index.files) {
        const std::string name = cp1252ToUtf8(entry.name);
        ++run.labels.file;
        run.labels.InfoTreball = name;
        run.show();
        if (std::fseek(in, static_cast<long>(entry.offset), SEEK_SET) != 0) run.notRead(archive);
        const fs::path file = folder / name;
        // "x": never open a file that is already there.
        File out(std::fopen(file.c_str(), "wbx"));
        if (!out) run.notWritten(file, errno);
        run.copy(in, archive, out.get(), file, static_cast<uint64_t>(entry.length));
        closeWritten(out, file, run);
    }
    try {
        readRaceHeader(findCaseInsensitive(folder, kRaceHeaderFileName));
    } catch (const FileError& e) {
        throw Stop{run.text(kBadFormat) + "\n" + e.describe()};
    }
}

}  // namespace

ArchiveOutcome ArxivarProva(const RaceState& state, const fs::path& raceFolder,
                            const std::vector<std::string>& files, const fs::path& archive,
                            const ArchiveListener& listener) {
    Run run(state, listener);
    fs::path part = archive;
    part += ".~part";
    std::error_code ec;
    try {
        run.labels.InfoArxiu = run.text(kArchiving);
        run.show();
        const auto [name, date] = raceNameAndDate(raceFolder, run);
        if (files.size() > 32767)
            throw Stop{run.fileText(RaceFileText::FileNotWritten, archive.filename().string())};
        File out(std::fopen(part.c_str(), "wb"));
        if (!out) run.notWritten(archive, errno);
        std::fwrite(kArchiveMagic.data(), 1, kArchiveMagic.size(), out.get());
        writeCounted(out.get(), name);
        writeCounted(out.get(), date);
        run.labels.files = static_cast<int>(files.size());
        run.showRace(kArchiving, name, date);
        writeInteger(out.get(), static_cast<int16_t>(files.size()));
        for (const std::string& listed : files) archiveFile(run, raceFolder, listed, out.get(), archive);
        closeWritten(out, archive, run);
        fs::rename(part, archive, ec);
        if (ec) run.notWritten(archive, ec.value());
    } catch (const Stop& stop) {
        fs::remove(part, ec);
        return {stop.message};
    }
    return {};
}

ArchiveOutcome DesarxivarProva(const RaceState& state, const fs::path& archive, const fs::path& appFolder,
                               const ArchiveListener& listener) {
    Run run(state, listener);
    fs::path folder;
    std::error_code ec;
    try {
        run.labels.InfoArxiu = run.text(kRestoring);
        run.show();
        File in(std::fopen(archive.c_str(), "rb"));
        const auto size = fs::file_size(archive, ec);
        if (!in || ec) run.notRead(archive);
        ArchiveIndex index;
        try {
            index = readArchiveIndex(in.get(), size);
        } catch (const WrongArchiveMagic&) {
            throw Stop{run.text(kBadFormat)};
        } catch (const DamagedArchive& e) {
            throw Stop{run.text(kBadFormat) + "\n" + cp1252ToUtf8(e.what())};
        }
        run.labels.files = static_cast<int>(index.files.size());
        run.showRace(kRestoring, index.name, index.date);
        const int number = firstFreeRaceNumber(appFolder);
        const fs::path target = appFolder / raceFolderName(number);
        if (!fs::create_directory(target, ec) || ec)
            throw Stop{run.fileText(RaceFileText::FolderNotCreated, target.filename().string())};
        folder = target;
        restoreFiles(run, index, in.get(), archive, folder);
        rebuildRaceCatalogue(appFolder);
        return {"", number};
    } catch (const Stop& stop) {
        if (!folder.empty()) fs::remove_all(folder, ec);
        return {stop.message};
    }
}

}  // namespace sc
