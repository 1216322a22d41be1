// A heat killed after a pause resumes on the clock it ran on: the start time of its last resume.
#include <gtest/gtest.h>

#include "app/recovery_dialogue.h"

namespace sc {
namespace {

TEST(ParseRecoveryLines, LastResumeLineGivesTheStartTime) {
    auto values = parseRecoveryLines({" 1", " 4", " 1", " 2", " 36000.5", " 36010.25", " 36031"});
    ASSERT_TRUE(values);
    EXPECT_EQ(values->heatStartTime, 36031);
    // A resume line that is no time of day leaves the one before it.
    values = parseRecoveryLines({" 1", " 4", " 1", " 2", " 36000.5", " 36010,25", "99999", " "});
    ASSERT_TRUE(values);
    EXPECT_EQ(values->heatStartTime, 36010.25);
}

}  // namespace
}  // namespace sc
