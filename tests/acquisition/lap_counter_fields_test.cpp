#include "acquisition/lap_counter_fields.h"

#include <gtest/gtest.h>

#include "acquisition/lap_counter_model.h"

namespace sc {
namespace {

TEST(Bcd, ReadsHexDigitsAsDecimalAndStopsAtADigitAboveNine) {
    EXPECT_EQ(bcdValue(0x00), 0);
    EXPECT_EQ(bcdValue(0x59), 59);
    EXPECT_EQ(bcdValue(0x99), 99);
    EXPECT_EQ(bcdValue(0x5A), 5);
    EXPECT_EQ(bcdValue(0xA4), 0);
    for (int v = 0; v <= 99; ++v) EXPECT_EQ(bcdValue(toBcd(v)), v);
    EXPECT_THROW(toBcd(100), std::out_of_range);
    EXPECT_THROW(toBcd(-1), std::out_of_range);
}

TEST(SensorFromBit, OnlyOneBitMasksAreSensors) {
    // Which bit is which sensor on each model: frame_decoder_test.
    int sensors = 0;
    for (int mask = 0; mask < 256; ++mask)
        if (sensorFromBit(static_cast<uint8_t>(mask), SensorOrder::Reversed)) ++sensors;
    EXPECT_EQ(sensors, 8);
    for (int s = 1; s <= 8; ++s) {
        EXPECT_EQ(sensorFromBit(maskOfSensor(s, SensorOrder::Direct), SensorOrder::Direct), s);
        EXPECT_EQ(sensorFromBit(maskOfSensor(s, SensorOrder::Reversed), SensorOrder::Reversed), s);
    }
}

TEST(LapCounterModel, NamesSettingsAndParsing) {
    EXPECT_EQ(lapCounterModelName(LapCounterModel::DS300DS4port), "DS300 & DS4port");
    EXPECT_EQ(portSettingsText(LapCounterModel::DS003), "1200,n,8,1");
    EXPECT_EQ(portSettingsText(LapCounterModel::DS030), "4800,n,8,1");
    EXPECT_EQ(portSettingsText(LapCounterModel::DS300), "56000,n,8,1");
    EXPECT_EQ(portSettingsText(LapCounterModel::DS300DS4port), "56000,n,8,1");
    EXPECT_EQ(portSettingsText(LapCounterModel::DS200), "4800,n,8,1");
    EXPECT_EQ(portSettingsText(static_cast<LapCounterModel>(7)), "");
    EXPECT_EQ(parseLapCounterModel("3"), LapCounterModel::DS300DS4port);
    EXPECT_EQ(parseLapCounterModel("ds300 & ds4port"), LapCounterModel::DS300DS4port);
    EXPECT_EQ(parseLapCounterModel("DS4port"), LapCounterModel::DS300DS4port);
    EXPECT_EQ(parseLapCounterModel("ds200"), LapCounterModel::DS200);
    EXPECT_EQ(parseLapCounterModel("5"), std::nullopt);
    EXPECT_EQ(parseLapCounterModel("DS400"), std::nullopt);
    EXPECT_EQ(parseLapCounterModel(""), std::nullopt);
}

}  // namespace
}  // namespace sc
