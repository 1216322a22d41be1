#pragma once
// Reading and writing records. One field list serves a fixed record both
// ways: a record file's `fields(record, f)` calls f on every field in file
// order, and f is a FieldWriter to encode or a FieldReader to decode.

#include <cstdint>
#include <vector>

#include "core/byte_io.h"

namespace sc {

struct FieldWriter {
    ByteWriter out;
    void operator()(int16_t v) { out.integer(v); }
    void operator()(float v) { out.single(v); }
};

struct FieldReader {
    ByteReader& in;
    void operator()(int16_t& v) { v = in.integer(); }
    void operator()(float& v) { v = in.single(); }
};

template <class Record, class Fields>
Bytes encodeFields(const Record& record, Fields fields) {
    FieldWriter w;
    fields(record, w);
    return w.out.bytes();
}

template <class Record, class Fields>
Record decodeFields(ByteReader& in, Fields fields) {
    Record record;
    FieldReader r{in};
    fields(record, r);
    return record;
}

// Reads entries one after the other until the data ends; one cut short throws
// FileError with its offset.
template <class Entry, class ReadOne>
std::vector<Entry> readUntilEnd(ByteReader& in, ReadOne readOne) {
    std::vector<Entry> entries;
    while (!in.atEnd()) entries.push_back(readOne(in));
    return entries;
}

}  // namespace sc
