#include "organisation/heat_programme.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

namespace sc {
namespace {

HeatRuleInput input(int lanes, int participants, std::vector<int16_t> lanesByPosition, int heat,
                    bool superPole = false) {
    return {lanes, participants, laneChangeRow(lanesByPosition), heat, superPole};
}

std::vector<int16_t> identityRow(int lanes) {
    std::vector<int16_t> row;
    for (int k = 1; k <= lanes; ++k) row.push_back(static_cast<int16_t>(k));
    return row;
}

// lane -> participant, as the heat set-up fills the lanes.
std::map<int, int> participantByLane(const HeatProgramme& programme) {
    std::map<int, int> out;
    for (const auto& pos : programme.positions) out[pos.lane] = pos.participant;
    return out;
}

// Ten over four lanes rotate through the lanes, one heat a slot each pass;
// a field no larger than the lanes is padded to them, nobody placed twice,
// and keeps no heats-run count.
TEST(HeatRule, PlacesEachHeatOnTheLanesPassByPass) {
    struct Case {
        int participants, heat, pass, heatInPass;
        std::map<int, int> byLane;
    };
    for (const Case& c :
         {Case{10, 1, 0, 1, {{4, 1}, {3, 2}, {2, 3}, {1, 4}}},
          Case{10, 2, 0, 2, {{4, 2}, {3, 3}, {2, 4}, {1, 5}}},
          Case{10, 8, 0, 8, {{4, 8}, {3, 9}, {2, 10}, {1, 1}}},
          Case{10, 11, 1, 1, {{4, 1}, {3, 2}, {2, 3}, {1, 4}}},
          Case{4, 6, 1, 2, {{4, 2}, {3, 3}, {2, 4}, {1, 1}}}, Case{2, 1, 0, 1, {{4, 1}, {3, 2}}},
          Case{2, 3, 0, 3, {{2, 1}, {1, 2}}}, Case{2, 5, 1, 1, {{4, 1}, {3, 2}}}}) {
        SCOPED_TRACE(std::to_string(c.participants) + " participants, heat " + std::to_string(c.heat));
        const auto heat = programmeHeat(input(4, c.participants, identityRow(4), c.heat));
        EXPECT_EQ(participantByLane(heat), c.byLane);
        EXPECT_EQ(heat.pass, c.pass);
        EXPECT_EQ(heat.heatInPass, c.heatInPass);
        EXPECT_EQ(heat.heatsRun.has_value(), c.participants > 4);
    }
}

TEST(HeatRule, HeatsRunAfterHeatNineOfTenOverFour) {
    auto heat9 = programmeHeat(input(4, 10, identityRow(4), 9));
    ASSERT_TRUE(heat9.heatsRun);
    // Participant 1 ran heats 1, 8 and 9; participant 7 heats 4 to 7.
    EXPECT_EQ(*heat9.heatsRun, (std::vector<int>{3, 3, 3, 4, 4, 4, 4, 4, 4, 3}));
}

// The closed formula must agree with counting the heats each participant was
// actually placed in, for every field size around the lane count and across passes.
TEST(HeatRule, HeatsRunMatchesTheHeatsEachParticipantWasPlacedIn) {
    for (int lanes : {1, 2, 3, 4, 8}) {
        for (int participants = lanes + 1; participants <= lanes * 3 + 1; ++participants) {
            std::vector<int> seen(participants + 1, 0);
            for (int heat = 1; heat <= participants * 2 + 3; ++heat) {
                auto programme = programmeHeat(input(lanes, participants, identityRow(lanes), heat));
                for (const auto& pos : programme.positions) ++seen[pos.participant];
                ASSERT_TRUE(programme.heatsRun);
                for (int p = 1; p <= participants; ++p)
                    ASSERT_EQ((*programme.heatsRun)[p - 1], seen[p])
                        << "L=" << lanes << " N=" << participants << " H=" << heat << " p=" << p;
            }
        }
    }
}

TEST(HeatRule, EveryParticipantRunsEachPositionOncePerPass) {
    const int lanes = 4, participants = 7;
    std::set<std::pair<int, int>> participantAtPosition;
    for (int heat = 1; heat <= participants; ++heat) {
        auto programme = programmeHeat(input(lanes, participants, identityRow(lanes), heat));
        ASSERT_EQ(programme.positions.size(), 4u);
        std::set<int> onTrack;
        for (const auto& pos : programme.positions) {
            EXPECT_TRUE(participantAtPosition.insert({pos.participant, pos.position}).second);
            onTrack.insert(pos.participant);
        }
        EXPECT_EQ(onTrack.size(), 4u) << "a participant twice in heat " << heat;
    }
    EXPECT_EQ(participantAtPosition.size(), static_cast<std::size_t>(lanes * participants));
}

TEST(HeatRule, LaneChangeOrderThatIsNotTheIdentityPlacesByPosition) {
    // Position k runs on lane LaneChange(k).
    const std::vector<int16_t> row{1, 5, 2, 6, 3, 7, 4, 8};
    auto heat1 = programmeHeat(input(8, 12, row, 1));
    ASSERT_EQ(heat1.positions.size(), 8u);
    for (const auto& pos : heat1.positions) {
        EXPECT_EQ(pos.lane, row[pos.position - 1]);
        EXPECT_EQ(pos.participant, 8 - pos.position + 1);
    }

    auto heat2 = programmeHeat(input(8, 12, row, 2));
    EXPECT_EQ(participantByLane(heat2)[1], 9);  // the next one enters at position 1
    EXPECT_EQ(participantByLane(heat2)[8], 2);
    EXPECT_EQ(participantByLane(heat2)[4], 3);  // position 7: heat 1 had participant 3 at position 6
}

TEST(HeatRule, RepeatedLaneNumberPutsTwoParticipantsOnOneLane) {
    auto heat = programmeHeat(input(3, 5, {1, 1, 2}, 1));
    ASSERT_EQ(heat.positions.size(), 3u);
    EXPECT_EQ(heat.positions[0].lane, 1);
    EXPECT_EQ(heat.positions[1].lane, 1);
    EXPECT_NE(heat.positions[0].participant, heat.positions[1].participant);
}

TEST(HeatRule, SuperPolePutsOneParticipantOnEveryLaneShownAsLaneZeroOneHeatAPass) {
    auto heat = programmeHeat(input(4, 6, {2, 1, 4, 3}, 9, true));
    EXPECT_EQ(heat.pass, 1);
    EXPECT_EQ(heat.heatInPass, 3);
    ASSERT_EQ(heat.positions.size(), 4u);
    for (const auto& pos : heat.positions) EXPECT_EQ(shownLane(heat, pos), 0);
    EXPECT_EQ(participantByLane(heat), (std::map<int, int>{{1, 3}, {2, 3}, {3, 3}, {4, 3}}));
    ASSERT_TRUE(heat.heatsRun);
    EXPECT_EQ(*heat.heatsRun, (std::vector<int>{2, 2, 2, 1, 1, 1}));
    EXPECT_EQ(shownLane(programmeHeat(input(4, 6, identityRow(4), 1)), {1, 3, 4}), 3);
}

TEST(HeatRule, RefusesInputItCannotProgramme) {
    const auto row = identityRow(4);
    EXPECT_FALSE(heatRuleProblem(input(4, 10, row, 1)));
    EXPECT_TRUE(heatRuleProblem(input(4, 10, {1, 2, 3}, 1)));     // row shorter than the lanes
    EXPECT_TRUE(heatRuleProblem(input(4, 10, {1, 2, 0, 4}, 1)));  // lane 0
    EXPECT_TRUE(heatRuleProblem(input(4, 10, {1, 2, 65, 4}, 1)));
    EXPECT_TRUE(heatRuleProblem(input(4, 0, row, 1)));
    EXPECT_TRUE(heatRuleProblem(input(4, 100, row, 1)));
    EXPECT_TRUE(heatRuleProblem(input(4, 10, row, 0)));
    EXPECT_TRUE(heatRuleProblem(input(4, 10, row, kMaxHeatNumber + 1)));
    EXPECT_TRUE(heatRuleProblem(input(0, 10, {}, 1)));
    EXPECT_TRUE(heatRuleProblem(input(65, 10, std::vector<int16_t>(65, 1), 1)));
    EXPECT_TRUE(heatRuleProblem(HeatRuleInput{4, 10, {}, 1, false}));  // no row at all
    EXPECT_THROW(programmeHeat(input(4, 10, row, 0)), std::invalid_argument);
}

TEST(HeatRule, LargestInputsStayInRange) {
    auto heat = programmeHeat(input(64, 99, identityRow(64), kMaxHeatNumber));
    EXPECT_EQ(heat.positions.size(), 64u);
    ASSERT_TRUE(heat.heatsRun);
    for (int count : *heat.heatsRun) EXPECT_GT(count, 0);
}

TEST(StartLane, SlotShowsItsHeatOneLaneLaterSlotsTheEntryLaneAndAnEmptyRowNone) {
    const auto row = laneChangeRow({3, 1, 4, 2});
    EXPECT_EQ(row[0], 4);
    EXPECT_EQ(startLaneOfSlot(1, row, false), 2);  // LaneChange(4)
    EXPECT_EQ(startLaneOfSlot(2, row, false), 4);
    EXPECT_EQ(startLaneOfSlot(4, row, false), 3);  // LaneChange(1)
    EXPECT_EQ(startLaneOfSlot(5, row, false), 3);
    EXPECT_EQ(startLaneOfSlot(99, row, false), 3);
    EXPECT_EQ(startLaneOfSlot(7, row, true), 7);

    // The column agrees with where heat 1 places each slot.
    auto heat1 = programmeHeat({4, 9, row, 1, false});
    for (const auto& pos : heat1.positions) EXPECT_EQ(startLaneOfSlot(pos.participant, row, false), pos.lane);
    EXPECT_EQ(startLaneOfSlot(1, {}, false), 0);
    EXPECT_EQ(startLaneOfSlot(0, laneChangeRow({1, 2}), false), 0);
}

}  // namespace
}  // namespace sc
