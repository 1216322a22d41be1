#pragma once
// Little-endian reading and writing of the binary file fields: Integer (int16),
// Long (int32), Single (float), Byte, and counted texts (Integer length + bytes).
// The reader never reads past its data; it throws FileError with the offset.

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <filesystem>
#include <string>
#include <vector>

#include "core/file_error.h"

namespace sc {

using Bytes = std::vector<uint8_t>;

class ByteReader {
public:
    ByteReader(const Bytes& data, std::filesystem::path file) : data_(data), file_(std::move(file)) {}

    std::size_t pos() const { return pos_; }
    std::size_t size() const { return data_.size(); }
    bool atEnd() const { return pos_ >= data_.size(); }
    std::size_t remaining() const { return atEnd() ? 0 : data_.size() - pos_; }
    void seek(std::size_t offset) { pos_ = offset; }

    uint8_t byte() { need(1, "byte"); return data_[pos_++]; }
    int16_t integer() {
        need(2, "integer");
        auto v = static_cast<int16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    int32_t longInt() {
        need(4, "long");
        uint32_t u = 0;
        for (int i = 3; i >= 0; --i) u = (u << 8) | data_[pos_ + i];
        pos_ += 4;
        return static_cast<int32_t>(u);
    }
    float single() {
        uint32_t u = static_cast<uint32_t>(longInt());
        float f;
        std::memcpy(&f, &u, 4);
        return f;
    }
    // Counted text, returned as the file's raw Windows-1252 bytes.
    std::string countedRaw() {
        std::size_t at = pos_;
        int16_t n = integer();
        if (n < 0)
            throw FileError(file_, at, FileFault::BadText, "negative text length " + std::to_string(n));
        if (remaining() < static_cast<std::size_t>(n))
            throw FileError(file_, at, FileFault::BadText,
                            "text length " + std::to_string(n) + " runs past the end of the file");
        std::string s(reinterpret_cast<const char*>(data_.data() + pos_), static_cast<std::size_t>(n));
        pos_ += static_cast<std::size_t>(n);
        return s;
    }
    // Counted text converted to UTF-8.
    std::string counted();

    [[noreturn]] void fail(const std::string& what, FileFault fault = FileFault::Damaged) const {
        throw FileError(file_, pos_, fault, what);
    }

private:
    void need(std::size_t n, const char* what) const {
        if (pos_ > data_.size() || data_.size() - pos_ < n)
            throw FileError(file_, pos_, FileFault::Truncated, std::string("file ends inside a ") + what);
    }
    const Bytes& data_;
    std::filesystem::path file_;
    std::size_t pos_ = 0;
};

class ByteWriter {
public:
    Bytes& bytes() { return data_; }
    const Bytes& bytes() const { return data_; }
    std::size_t pos() const { return pos_; }
    void seek(std::size_t offset) { pos_ = offset; }

    void byte(uint8_t v) { put(&v, 1); }
    void integer(int16_t v) {
        uint8_t b[2] = {static_cast<uint8_t>(v & 0xFF), static_cast<uint8_t>((static_cast<uint16_t>(v) >> 8) & 0xFF)};
        put(b, 2);
    }
    void longInt(int32_t v) {
        auto u = static_cast<uint32_t>(v);
        uint8_t b[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
                        static_cast<uint8_t>(u >> 24)};
        put(b, 4);
    }
    void single(float f) {
        uint32_t u;
        std::memcpy(&u, &f, 4);
        longInt(static_cast<int32_t>(u));
    }
    // Counted text from raw Windows-1252 bytes.
    void countedRaw(const std::string& s) {
        // The length is an Integer: a longer text would be stored with a wrong length.
        if (s.size() > 32767) throw std::invalid_argument("text longer than 32767 bytes");
        integer(static_cast<int16_t>(s.size()));
        put(reinterpret_cast<const uint8_t*>(s.data()), s.size());
    }
    // Counted text from UTF-8; throws std::invalid_argument when a character has
    // no Windows-1252 form.
    void counted(const std::string& utf8);
    void zeros(std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) byte(0);
    }

private:
    void put(const uint8_t* p, std::size_t n) {
        if (data_.size() < pos_ + n) data_.resize(pos_ + n, 0);
        std::memcpy(data_.data() + pos_, p, n);
        pos_ += n;
    }
    Bytes data_;
    std::size_t pos_ = 0;
};

}  // namespace sc
