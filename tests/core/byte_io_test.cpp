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

TEST(ByteIo, CountedTextRunningPastTheEndFailsWithItsOffset) {
    Bytes data{0, 0, 50, 0, 'a', 'b'};
    ByteReader r(data, "PROVA.DAD");
    r.seek(2);
    EXPECT_EQ(test::failureOffset([&] { r.countedRaw(); }), 2u);
}

TEST(ByteIo, NegativeLengthAndTruncatedIntegerFail) {
    Bytes neg{0xFB, 0xFF};
    ByteReader r1(neg, "f");
    EXPECT_THROW(r1.countedRaw(), FileError);
    Bytes one{1};
    ByteReader r2(one, "f");
    EXPECT_THROW(r2.integer(), FileError);
}

TEST(Cp1252, ConvertsBothWaysAndRefusesWhatItCannotWrite) {
    EXPECT_EQ(cp1252ToUtf8("\x80\xE7"), "€ç");
    EXPECT_EQ(utf8ToCp1252("€ç·"), std::string("\x80\xE7\xB7"));
    EXPECT_FALSE(utf8ToCp1252("日本").has_value());
    EXPECT_FALSE(utf8ToCp1252("\xC3").has_value());  // cut UTF-8 sequence
}

}  // namespace
}  // namespace sc
