#include "core/byte_io.h"

#include <gtest/gtest.h>

#include "core/cp1252.h"
#include "failure_offset.h"

namespace sc {
namespace {

TEST(ByteIo, RoundTripsEveryFieldLittleEndian) {
    ByteWriter w;
    w.integer(-2);
    w.longInt(0x01020304);
    w.single(99.9999f);
    w.byte(7);
    w.counted("Màniga");
    EXPECT_EQ(w.bytes()[0], 0xFE);
    EXPECT_EQ(w.bytes()[1], 0xFF);
    EXPECT_EQ(w.bytes()[2], 0x04);
    EXPECT_EQ(w.bytes()[14], 0xE0);  // à in Windows-1252
    ByteReader r(w.bytes(), "x");
    EXPECT_EQ(r.integer(), -2);
    EXPECT_EQ(r.longInt(), 0x01020304);
    EXPECT_EQ(r.single(), 99.9999f);
    EXPECT_EQ(r.byte(), 7);
    EXPECT_EQ(r.counted(), "Màniga");
    EXPECT_TRUE(r.atEnd());
}

// A counted text running past the end or of negative length, half an integer.
TEST(ByteIo, DamagedFieldsFailWithTheirOffset) {
    const Bytes data{0, 0, 50, 0, 'a', 'b', 0xFB, 0xFF, 1};
    ByteReader r(data, "PROVA.DAD");
    for (std::size_t at : {2u, 6u}) {
        r.seek(at);
        EXPECT_EQ(test::failureOffset([&] { r.countedRaw(); }), at);
    }
    r.seek(8);
    EXPECT_EQ(test::failureOffset([&] { r.integer(); }), 8u);
}

TEST(Cp1252, ConvertsBothWaysAndRefusesWhatItCannotWrite) {
    EXPECT_EQ(cp1252ToUtf8("\x80\xE7"), "€ç");
    EXPECT_EQ(utf8ToCp1252("€ç·"), std::string("\x80\xE7\xB7"));
    EXPECT_FALSE(utf8ToCp1252("日本").has_value());
    EXPECT_FALSE(utf8ToCp1252("\xC3").has_value());  // cut UTF-8 sequence
}

}  // namespace
}  // namespace sc
