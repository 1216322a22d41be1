#include "core/lap_record.h"

#include <gtest/gtest.h>

namespace sc {
namespace {

TEST(LapRecord, EncodesThe24BytesInFileOrder) {
    LapRecord r{3, 12, 61.5f, 99.9999f, -1, 4, 13, 187.25f};
    ByteWriter w;
    w.integer(3);
    w.integer(12);
    w.single(61.5f);
    w.single(99.9999f);
    w.integer(-1);
    w.integer(4);
    w.single(13);
    w.single(187.25f);
    ASSERT_EQ(w.bytes().size(), 24u);
    EXPECT_EQ(encodeLapRecord(r), w.bytes());
    EXPECT_EQ(w.bytes()[12], 0xFF);  // best flag -1
    EXPECT_EQ(w.bytes()[13], 0xFF);

    ByteReader in(w.bytes(), "VLTAVLT.TMP");
    EXPECT_EQ(decodeLapRecord(in), r);
}

TEST(LapRecord, PauseRecordKeepsItsNegativeLane) {
    LapRecord pause{-1, 0, 12.5f, 30.25f, 0, 1, 0, 0};
    auto bytes = encodeLapRecord(pause);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xFF);
    ByteReader in(bytes, "VLTAVLT.TMP");
    EXPECT_EQ(decodeLapRecord(in).lane, -1);
}

}  // namespace
}  // namespace sc
