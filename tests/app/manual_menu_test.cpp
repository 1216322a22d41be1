#include "app/manual_menu.h"

#include <gtest/gtest.h>

namespace sc {

TEST(ManualMenu, OneEntryPerLaneOfTheTrackWithItsKey) {
    const auto four = ManualEntries(0, 4);
    ASSERT_EQ(four.size(), 5u);  // Reproduir and lanes 1..4, not 16
    EXPECT_EQ(four[0].caption, "Reproduir");
    EXPECT_EQ(four[0].key, "");
    EXPECT_EQ(four[4].index, 4);
    EXPECT_EQ(four[4].caption, "Pista 4");
    EXPECT_EQ(four[4].key, "Ctrl+4");

    const auto many = ManualEntries(1, 24);
    ASSERT_EQ(many.size(), 25u);
    EXPECT_EQ(many[0].caption, "Reproducir");
    EXPECT_EQ(many[10].key, "Ctrl+0");
    EXPECT_EQ(many[11].key, "Alt+1");
    EXPECT_EQ(many[20].key, "Alt+0");
    EXPECT_EQ(many[21].key, "");  // beyond the keys: the menu only
    EXPECT_EQ(ManualEntries(0, 0).size(), 1u);
}

}  // namespace sc
