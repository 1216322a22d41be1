#include <gtest/gtest.h>

#include <fstream>

#include "core/file_io.h"
#include "core/race_store.h"
#include "temp_folder.h"
#include "tool_run.h"

namespace sc {
namespace {
namespace fs = std::filesystem;

std::string slurp(const fs::path& file) {
    auto data = readFileBytes(file);
    return data ? std::string(data->begin(), data->end()) : "";
}

test::ToolRun tool(const fs::path& scratch, const std::string& args) {
    return test::runTool(args, scratch / "err");
}

TEST(ArchiveToolTest, ArchiveThenRestoreOnAnotherProgramFolder) {
    test::TempFolder root;
    const fs::path from = root.path() / "from", to = root.path() / "to";
    fs::create_directories(from / "PROVA001");
    fs::create_directories(to);
    writeRaceHeader(from / "PROVA001" / kRaceHeaderFileName, RaceHeader{{0, 0, 0, 1}, "Copa", "06-12-2026"});
    std::ofstream(from / "PROVA001" / "CRS001.DAD", std::ios::binary) << std::string(5000, 'r');
    const std::string archive = (root.path() / "copa.prb").string();

    test::ToolRun packed = tool(root.path(), "archive '" + from.string() + "' 1 '" + archive + "'");
    ASSERT_EQ(packed.status, 0) << packed.err;
    EXPECT_EQ(packed.err, "");  // no progress when stderr is no terminal
    test::ToolRun unpacked = tool(root.path(), "restore '" + archive + "' '" + to.string() + "'");
    ASSERT_EQ(unpacked.status, 0) << unpacked.err;
    EXPECT_EQ(unpacked.out, "restored as race 1 (PROVA001)\n");
    EXPECT_EQ(slurp(to / "PROVA001" / "CRS001.DAD"), std::string(5000, 'r'));
    EXPECT_EQ(readCatalogue(to / kCatalogueFileName), (std::vector<CatalogueEntry>{{"Copa", "06-12-2026"}}));

    std::ofstream(archive, std::ios::binary) << "not an archive";
    test::ToolRun refused = tool(root.path(), "restore '" + archive + "' '" + to.string() + "'");
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "slotcursa-tool: El format de l'arxiu no és correcte\n");
    EXPECT_FALSE(fs::exists(to / "PROVA002"));
    EXPECT_EQ(tool(root.path(), "archive '" + from.string() + "' 2 '" + archive + "'").status, 1);
}

}  // namespace
}  // namespace sc
