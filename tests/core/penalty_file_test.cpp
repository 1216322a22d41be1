#include "core/penalty_file.h"

#include <gtest/gtest.h>

#include "failure_offset.h"

namespace sc {
namespace {

// Entry 2: 1.5 laps "Tall" (à as 0xE0); entry 5: 0.25 laps, empty reason.
Bytes handMadeFile() {
    return Bytes{2, 0, 0x00, 0x00, 0xC0, 0x3F,  // 2, 1.5f
                 4, 0, 'T',  0xE0, 'l',  'l',   // "Tàll"
                 5, 0, 0x00, 0x00, 0x80, 0x3E,  // 5, 0.25f
                 0, 0};
}

std::vector<PenaltyEntry> handMadeEntries() { return {{2, 1.5f, "Tàll"}, {5, 0.25f, ""}}; }

TEST(PenaltyFile, ReadsAndWritesTheLayoutByteForByte) {
    EXPECT_EQ(decodePenalties(handMadeFile(), "CRS001.PEN"), handMadeEntries());
    EXPECT_EQ(penaltyBytes(handMadeEntries()), handMadeFile());
    EXPECT_TRUE(decodePenalties(Bytes{}, "CRS001.PEN").empty());
    EXPECT_THROW(readPenalties("/nowhere/CRS002.PEN"), FileError);
}

void expectDamageAt(const Bytes& data, std::size_t offset) {
    EXPECT_EQ(test::failureOffset([&] { decodePenalties(data, "CRS001.PEN"); }), offset);
}

TEST(PenaltyFile, DamagedFilesFailWithTheOffset) {
    Bytes full = handMadeFile();
    expectDamageAt(Bytes(full.begin(), full.begin() + 15), 14);  // cut inside the second penalty
    Bytes longText = full;
    longText[18] = 9;  // the last reason claims 9 bytes
    expectDamageAt(longText, 18);
    Bytes negative = full;
    negative[18] = 0xFE;
    negative[19] = 0xFF;
    expectDamageAt(negative, 18);
    expectDamageAt(Bytes{1}, 0);
}

TEST(PenaltyFile, RefusesReasonsItCannotWrite) {
    EXPECT_THROW(penaltyBytes({{1, 1, "漢字"}}), std::invalid_argument);
    EXPECT_THROW(penaltyBytes({{1, 1, std::string(40000, 'x')}}), std::invalid_argument);
}

}  // namespace
}  // namespace sc
