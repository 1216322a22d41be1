#include "output/archive_format.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace sc {
namespace {

constexpr std::size_t kMaxNameBytes = 255;

class TableReader {
public:
    TableReader(std::FILE* in, uint64_t size) : in_(in), size_(size) {}

    uint64_t pos() const { return pos_; }
    uint64_t remaining() const { return size_ - pos_; }

    void read(void* to, std::size_t n, const char* what) {
        if (remaining() < n || std::fread(to, 1, n, in_) != n)
            fail(std::string("archive ends inside the ") + what);
        pos_ += n;
    }
    int16_t integer(const char* what) {
        uint8_t b[2];
        read(b, 2, what);
        return static_cast<int16_t>(b[0] | (b[1] << 8));
    }
    int32_t longInt(const char* what) {
        uint8_t b[4];
        read(b, 4, what);
        return static_cast<int32_t>(static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                                    (static_cast<uint32_t>(b[2]) << 16) |
                                    (static_cast<uint32_t>(b[3]) << 24));
    }
    std::string counted(const char* what) {
        const uint64_t at = pos_;
        const int16_t n = integer(what);
        if (n < 0) failAt(at, std::string("negative length of the ") + what);
        std::string text(static_cast<std::size_t>(n), '\0');
        if (n > 0) read(text.data(), text.size(), what);
        return text;
    }
    void skip(uint64_t n) {
        if (std::fseek(in_, static_cast<long>(n), SEEK_CUR) != 0) fail("archive cannot be read");
        pos_ += n;
    }
    [[noreturn]] void fail(const std::string& why) const { failAt(pos_, why); }
    [[noreturn]] static void failAt(uint64_t at, const std::string& why) {
        throw DamagedArchive("offset " + std::to_string(at) + ": " + why);
    }

private:
    std::FILE* in_;
    uint64_t size_;
    uint64_t pos_ = 0;
};

std::string upperAscii(std::string_view raw) {
    std::string s(raw);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// Smallest possible entry: an empty name's length and a Long.
constexpr uint64_t kMinEntryBytes = 2 + 4;

}  // namespace

std::string unsafeFileName(std::string_view raw) {
    if (raw.empty()) return "empty file name";
    if (raw.size() > kMaxNameBytes) return "file name longer than 255 bytes";
    if (raw == "." || raw == "..") return "file name \"" + std::string(raw) + "\" names a folder";
    for (unsigned char c : raw) {
        if (c < 0x20 || c == 0x7F) return "control character in a file name";
        if (std::string_view("\\/:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos)
            return "file name \"" + std::string(raw) + "\" has a folder, drive or reserved character";
    }
    if (raw.front() == ' ' || raw.back() == ' ' || raw.back() == '.')
        return "file name \"" + std::string(raw) + "\" starts or ends with a blank or ends with a dot";
    return {};
}

ArchiveIndex readArchiveIndex(std::FILE* in, uint64_t size) {
    TableReader r(in, size);
    char magic[kArchiveMagic.size()];
    if (size < sizeof magic) throw WrongArchiveMagic();
    r.read(magic, sizeof magic, "magic");
    if (std::string_view(magic, sizeof magic) != kArchiveMagic) throw WrongArchiveMagic();

    ArchiveIndex index;
    index.name = r.counted("race name");
    index.date = r.counted("race date");
    const uint64_t countAt = r.pos();
    const int16_t count = r.integer("file count");
    if (count < 0) TableReader::failAt(countAt, "negative file count " + std::to_string(count));
    if (static_cast<uint64_t>(count) * kMinEntryBytes > r.remaining())
        TableReader::failAt(countAt, "file count " + std::to_string(count) + " cannot fit in the archive");

    std::set<std::string> seen;
    for (int i = 0; i < count; ++i) {
        const uint64_t entryAt = r.pos();
        ArchiveEntry entry;
        entry.name = r.counted("file name");
        if (std::string why = unsafeFileName(entry.name); !why.empty()) TableReader::failAt(entryAt, why);
        // Windows folders ignore case, so names equal but for case would overwrite each other.
        if (!seen.insert(upperAscii(entry.name)).second)
            TableReader::failAt(entryAt, "file name \"" + entry.name + "\" stands twice");
        const uint64_t lengthAt = r.pos();
        entry.length = r.longInt("file length");
        if (entry.length < 0)
            TableReader::failAt(lengthAt, "negative file length " + std::to_string(entry.length));
        if (static_cast<uint64_t>(entry.length) > r.remaining())
            TableReader::failAt(lengthAt,
                                "file length " + std::to_string(entry.length) + " runs past the end");
        entry.offset = r.pos();
        r.skip(static_cast<uint64_t>(entry.length));
        index.files.push_back(std::move(entry));
    }
    if (r.remaining() != 0) r.fail(std::to_string(r.remaining()) + " bytes after the last file");
    return index;
}

void writeInteger(std::FILE* out, int16_t value) {
    const auto u = static_cast<uint16_t>(value);
    const uint8_t b[2] = {static_cast<uint8_t>(u & 0xFF), static_cast<uint8_t>(u >> 8)};
    std::fwrite(b, 1, 2, out);
}

void writeCounted(std::FILE* out, std::string_view raw) {
    if (raw.size() > 32767) throw std::invalid_argument("text longer than 32767 bytes");
    writeInteger(out, static_cast<int16_t>(raw.size()));
    std::fwrite(raw.data(), 1, raw.size(), out);
}

void writeLong(std::FILE* out, int32_t value) {
    const auto u = static_cast<uint32_t>(value);
    const uint8_t b[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8),
                          static_cast<uint8_t>(u >> 16), static_cast<uint8_t>(u >> 24)};
    std::fwrite(b, 1, 4, out);
}

}  // namespace sc
