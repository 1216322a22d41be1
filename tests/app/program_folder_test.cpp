#include "core/program_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "app/window_scale.h"
#include "app_test_helpers.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

WritableTest only(std::vector<fs::path> writable) {
    return [writable](const fs::path& p) { return std::ranges::find(writable, p) != writable.end(); };
}

TEST(ProgramFolder, RequestedThenExecutableThenDataFolderAndNeverAFallbackFromARequest) {
    struct Case {
        std::optional<fs::path> requested;
        fs::path executable;
        std::vector<fs::path> writable;
        fs::path chosen;
        std::string problemNames;  // "" when a folder is chosen
    };
    const Case cases[] = {
        {std::nullopt, "/opt/sc", {"/opt/sc"}, "/opt/sc", ""},
        {std::nullopt, "/usr/bin", {"/data"}, "/data", ""},
        {fs::path("/races"), "/opt/sc", {"/opt/sc", "/races"}, "/races", ""},
        {fs::path("/races"), "/opt/sc", {"/opt/sc"}, "", "/races"},
        {std::nullopt, "/usr/bin", {}, "", "/data"},
    };
    for (const Case& c : cases) {
        const auto choice = chooseProgramFolder(c.requested, c.executable, "/data", only(c.writable));
        EXPECT_EQ(choice.folder, c.chosen) << c.executable;
        EXPECT_EQ(choice.ok(), c.problemNames.empty());
        if (!c.problemNames.empty()) EXPECT_NE(choice.problem.find(c.problemNames), std::string::npos);
    }
    EXPECT_NE(
        chooseProgramFolder(std::nullopt, "/usr/bin", "/data", only({})).problem.find("No se puede escribir"),
        std::string::npos);
}

TEST(ProgramFolder, WritableFolderIsCreatedAndLeftClean_AFileOrAReadOnlyFolderIsNot) {
    test::TempFolder temp;
    const fs::path inner = temp.path() / "a" / "b";
    EXPECT_TRUE(isWritableFolder(inner));
    EXPECT_TRUE(fs::is_directory(inner));
    EXPECT_TRUE(fs::is_empty(inner));
    test::writeText(temp.path() / "f", "x");
    EXPECT_FALSE(isWritableFolder(temp.path() / "f"));
    EXPECT_FALSE(isWritableFolder(temp.path() / "f" / "below"));
    if (::geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
    fs::permissions(inner, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(isWritableFolder(inner));
}

TEST(WindowScale, DesignScreenChangesNothingDoubleScreenDoublesAndGridCellsFillScrollBarRoom) {
    EXPECT_FALSE(scalingNeeded(1.0, 1.0));
    EXPECT_TRUE(scalingNeeded(2.0, 1.0));
    EXPECT_EQ(scaledLength(120, 2.0), 240);
    EXPECT_EQ(scaledLength(3, 1.5), 5);  // half away from zero
    // Grid cells grow more than the grid to fill the scroll bars' room.
    auto none = gridCellScale(2.0, 1.5, 3000, 2000, false, false);
    EXPECT_DOUBLE_EQ(none.column, 2.0);
    EXPECT_DOUBLE_EQ(none.row, 1.5);
    auto both = gridCellScale(2.0, 1.5, 3135, 2135, true, true);
    EXPECT_DOUBLE_EQ(both.column, 2.0 + 1.0 * 285 / 2850);
    EXPECT_DOUBLE_EQ(both.row, 1.5 + 0.5 * 285 / 1850);
    auto tiny = gridCellScale(2.0, 2.0, 285, 100, true, true);  // no room: no extra, no division by zero
    EXPECT_DOUBLE_EQ(tiny.column, 2.0);
    EXPECT_DOUBLE_EQ(tiny.row, 2.0);
}

}  // namespace
}  // namespace sc
