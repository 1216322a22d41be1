#pragma once
// The race archive (.prb) layout: the magic "KEL_ARX_PRB_V42", the race name
// and date as counted texts, an Integer file count, then per file a counted
// name, a Long length and exactly that many bytes. Little-endian, no padding.
//
// The reader checks the whole table before anything is written, since an
// archive may come from anywhere: every name must be a plain file name that
// can stand in a race folder, every length must fit in what is left.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sc {

inline constexpr std::string_view kArchiveMagic = "KEL_ARX_PRB_V42";
inline constexpr const char* kArchiveExtension = ".prb";

// Not an archive at all (wrong or missing magic).
struct WrongArchiveMagic : std::runtime_error {
    WrongArchiveMagic() : std::runtime_error("not a race archive") {}
};
// An archive whose table cannot be trusted; what() says where and why.
struct DamagedArchive : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct ArchiveEntry {
    std::string name;     // raw Windows-1252, as stored
    int32_t length = 0;   // bytes of content
    uint64_t offset = 0;  // where the content starts in the archive
};

struct ArchiveIndex {
    std::string name;  // raw Windows-1252
    std::string date;
    std::vector<ArchiveEntry> files;  // archive order
};

// Why `raw` cannot be the name of a file in a race folder (folder parts,
// drive, "..", control characters, characters Windows refuses, blanks or a
// dot at the end), or empty when it can.
std::string unsafeFileName(std::string_view raw);

// Reads and checks the table of the archive open in `in` (size bytes long),
// leaving the position anywhere. Throws WrongArchiveMagic or DamagedArchive.
ArchiveIndex readArchiveIndex(std::FILE* in, uint64_t size);

// Counted text (Integer length + bytes); throws std::invalid_argument when
// longer than an Integer can count.
void writeCounted(std::FILE* out, std::string_view raw);
void writeInteger(std::FILE* out, int16_t value);
void writeLong(std::FILE* out, int32_t value);

}  // namespace sc
