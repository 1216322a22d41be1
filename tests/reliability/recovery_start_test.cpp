// A heat killed after a pause resumes on the clock it ran on: the start time of its last good resume.
#include <gtest/gtest.h>

#include "app/recovery_dialogue.h"

namespace sc {
namespace {

TEST(ParseRecoveryLines, ResumeLineThatIsNoTimeOfDayLeavesTheOneBefore) {
    const auto values = parseRecoveryLines({" 1", " 4", " 1", " 2", " 36000.5", " 36010,25", "99999", " "});
    ASSERT_TRUE(values);
    EXPECT_EQ(values->heatStartTime, 36010.25);
}

}  // namespace
}  // namespace sc
