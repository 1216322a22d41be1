// Kill rounds: the heat as driver lines and where the kills land.
#include "round_plan.h"

#include <gtest/gtest.h>

#include <set>

namespace sc::reliability {
namespace {

TEST(ClockText, FourDecimalsWrappedIntoTheDay) {
    EXPECT_EQ(clockText(36000.5), "36000.5000");
    EXPECT_EQ(clockText(86400 + 3.25), "3.2500");
    EXPECT_EQ(clockText(86399.99996), "0.0000");  // rounds onto midnight
    EXPECT_EQ(clockText(-1), "86399.0000");
}

TEST(HexText, TwoUpperCaseDigitsPerByte) { EXPECT_EQ(hexText({0xE0, 0x01, 0x0A, 0xEB}), "E0010AEB"); }

TEST(PlanRound, SameSeedSameRoundModelsAndModalitiesTakeTurnsMessagesAreClockThenBytes) {
    EXPECT_EQ(makeHeatFeed(planRound(3, 2)).messages, makeHeatFeed(planRound(3, 2)).messages);
    EXPECT_NE(makeHeatFeed(planRound(3, 2)).messages, makeHeatFeed(planRound(4, 2)).messages);
    std::set<LapCounterModel> models;
    std::set<int> modalities;
    for (int index = 0; index < 8; ++index) {
        const RoundPlan plan = planRound(5, index);
        models.insert(plan.simulator.model);
        modalities.insert(plan.modality);
        const HeatFeed feed = makeHeatFeed(plan);
        ASSERT_GT(feed.messages.size(), 3u);
        EXPECT_LT(feed.heatStart, feed.lastPass);
        EXPECT_LT(feed.lastPass, feed.messages.size());
        for (const auto& message : feed.messages) {
            ASSERT_EQ(message.size(), 2u);
            EXPECT_EQ(message[0].rfind("clock ", 0), 0u);
            EXPECT_EQ(message[1].rfind("bytes 1 ", 0), 0u);
        }
        EXPECT_EQ(feed.setup.back(), "open " + std::to_string(plan.modality));
    }
    EXPECT_EQ(models.size(), kPassingModels.size());
    EXPECT_EQ(modalities, (std::set<int>{kOfficialPractice, kRace}));
}

TEST(PlaceKill, LandsFromHeatStartToLastPassWaitedOrInFlight) {
    RoundPlan plan = planRound(9, 0);
    const HeatFeed feed = makeHeatFeed(plan);
    std::set<std::size_t> moments;
    int inFlight = 0;
    for (uint64_t draw = 0; draw < 400; ++draw) {
        placeKill(plan, feed, draw);
        ASSERT_GE(plan.killAfter, feed.heatStart);
        ASSERT_LE(plan.killAfter, feed.lastPass);
        ASSERT_LE(plan.unwaited, 8u);
        // What is in flight never reaches back before the start message.
        ASSERT_LE(plan.unwaited, plan.killAfter - feed.heatStart + 1);
        moments.insert(plan.killAfter);
        inFlight += plan.unwaited > 0 ? 1 : 0;
    }
    EXPECT_TRUE(moments.count(feed.heatStart));
    EXPECT_TRUE(moments.count(feed.lastPass));
    EXPECT_GT(inFlight, 100);
    EXPECT_LT(inFlight, 300);
}

TEST(PlaceKill, PauseRoundsAreKilledInThePauseAndRacesTypeCorrectionsFirst) {
    RoundPlan plan = planRound(9, 2);  // a race round with a pause
    ASSERT_EQ(plan.modality, kRace);
    const HeatFeed feed = makeHeatFeed(plan);
    ASSERT_TRUE(feed.pauseFirst && feed.pauseLast);
    int inPause = 0, questions = 0;
    for (uint64_t draw = 0; draw < 200; ++draw) {
        placeKill(plan, feed, draw);
        if (plan.killInPause) {
            ++inPause;
            ASSERT_GE(plan.killAfter, *feed.pauseFirst);
            ASSERT_LE(plan.killAfter, *feed.pauseLast);
        }
        ASSERT_EQ(plan.corrections.size(), 3u);
        ASSERT_GE(plan.correctionsAfter, feed.heatStart);
        ASSERT_LE(plan.correctionsAfter, plan.killAfter);
        questions += plan.duringQuestion > 0 ? 1 : 0;
    }
    EXPECT_GT(inPause, 50);
    EXPECT_GT(questions, 50);
    plan.corrections = {{3, 1}, {12, -1}};
    EXPECT_EQ(correctionKeys(plan), (std::vector<std::string>{"key +", "key 3", "key enter", "key -", "key 1",
                                                              "key 2", "key enter"}));
    EXPECT_EQ(correctionSums(plan), (std::map<int, int>{{3, 1}, {12, -1}}));
}

}  // namespace
}  // namespace sc::reliability
