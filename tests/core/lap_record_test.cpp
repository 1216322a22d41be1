#include "core/lap_record.h"

#include <gtest/gtest.h>

namespace sc {
namespace {

// A pause record (lane -1) with every field set, and its 24 bytes worked out
// by hand: Integers and Singles little-endian at offsets 0, 2, 4, 8, 12, 14, 16, 20.
TEST(LapRecord, EncodesAndDecodesThe24BytesInFileOrder) {
    const LapRecord r{-1, 12, 61.5f, 2.25f, -2, 4, 13, 187.25f};
    const Bytes bytes{0xFF, 0xFF, 0x0C, 0x00, 0x00, 0x00, 0x76, 0x42, 0x00, 0x00, 0x10, 0x40,
                      0xFE, 0xFF, 0x04, 0x00, 0x00, 0x00, 0x50, 0x41, 0x00, 0x40, 0x3B, 0x43};
    EXPECT_EQ(encodeLapRecord(r), bytes);
    ByteReader in(bytes, "VLTAVLT.TMP");
    EXPECT_EQ(decodeLapRecord(in), r);
    EXPECT_TRUE(in.atEnd());
}

}  // namespace
}  // namespace sc
