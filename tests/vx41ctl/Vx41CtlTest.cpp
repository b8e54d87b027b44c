#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/vx41ctl/CtlRun.h"

namespace {

namespace fs = std::filesystem;

std::size_t count(const std::string& text, const std::string& what) {
    std::size_t found = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++found;
    return found;
}

std::string contents(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

class OfflineCtl : public ::testing::Test {
protected:
    fs::path folder;

    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("vx41ctl-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
};

TEST_F(OfflineCtl, SaysItWorksOffLineAndReadsTheSimulatedUnit) {
    const auto status = CtlRun::of({"status"});
    EXPECT_EQ(status.status, 0);
    EXPECT_EQ(status.out, "Ok\n");
    EXPECT_NE(status.err.find("off line"), std::string::npos);

    const auto get = CtlRun::of({"get", "197,0", "117,21"});
    EXPECT_EQ(get.status, 0);
    EXPECT_EQ(get.out, "Multi-channel Master Trim: 0\nLt/Rt Input: Disabled\n");
}

TEST_F(OfflineCtl, SetWritesWhatTheParameterTakesAndRefusesTheRest) {
    const auto set = CtlRun::of({"set", "197,0", "72"});
    EXPECT_EQ(set.status, 0);
    EXPECT_EQ(set.out, "Multi-channel Master Trim: +6.0\n");

    const auto tooHigh = CtlRun::of({"set", "197,0", "73"});
    EXPECT_EQ(tooHigh.status, 1);
    EXPECT_NE(tooHigh.err.find("outside the range of 197,0 (0 to 72)"), std::string::npos);

    const auto meter = CtlRun::of({"set", "204,0", "5"});
    EXPECT_EQ(meter.status, 1);
    EXPECT_NE(meter.err.find("read-only"), std::string::npos);

    const auto label = CtlRun::of({"set", "210,3", "--text", "STUDIO B"});
    EXPECT_EQ(label.status, 0);
}

TEST_F(OfflineCtl, DumpListsEveryParameterInIdOrderAsTextOrJson) {
    const auto text = CtlRun::of({"dump"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(count(text.out, "\n"), 1363u); // every simple and compound parameter
    EXPECT_NE(text.out.find("197,0\tMulti-channel Master Trim\t003c\t0\n"), std::string::npos);
    EXPECT_LT(text.out.find("\n23,0\t"), text.out.find("\n197,0\t"));

    const auto json = CtlRun::of({"dump", "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out.front(), '[');
    EXPECT_EQ(json.out.substr(json.out.size() - 3), "\n]\n");
    EXPECT_EQ(count(json.out, "{\"id\": ["), 1363u);
    EXPECT_NE(json.out.find("{\"id\": [210, 0], \"name\": "), std::string::npos);
    EXPECT_NE(json.out.find("\"raw\": \"5052455345542031\""), std::string::npos); // PRESET 1
}

TEST_F(OfflineCtl, SavedFilesRestoreAndDamagedOnesAreRefusedUnlessForced) {
    const auto file = (folder / "unit.vxs").string();
    ASSERT_EQ(CtlRun::of({"save", file}).status, 0);
    const std::string saved = contents(file);
    ASSERT_GT(saved.size(), 8u);
    EXPECT_EQ(CtlRun::of({"restore", file, "--setup"}).status, 0);

    // The last byte is part of the stored checksum: the entries are intact, the sum is not.
    std::string damaged = saved;
    damaged.back() = static_cast<char>(damaged.back() ^ 0x55);
    const auto damagedFile = (folder / "damaged.vxs").string();
    std::ofstream(damagedFile, std::ios::binary) << damaged;
    const auto refused = CtlRun::of({"restore", damagedFile});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("damaged"), std::string::npos);
    EXPECT_EQ(CtlRun::of({"restore", damagedFile, "--force"}).status, 0);
}

TEST_F(OfflineCtl, FileFailuresExitWithOneAndTheirMessage) {
    const auto missing = CtlRun::of({"restore", (folder / "none.vxs").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Cannot open"), std::string::npos);

    const auto truncated = (folder / "short.vxs").string();
    std::ofstream(truncated, std::ios::binary) << std::string("\x02\x00", 2);
    const auto unreadable = CtlRun::of({"restore", truncated});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_NE(unreadable.err.find("Error reading the parameter count."), std::string::npos);

    EXPECT_EQ(CtlRun::of({"save", (folder / "no" / "such" / "folder.vxs").string()}).status, 1);
}

TEST_F(OfflineCtl, ReportsGoToAFileTitledWithItsNameOrToStandardOutput) {
    const auto html = folder / "settings.htm";
    ASSERT_EQ(CtlRun::of({"report", "--html", html.string()}).status, 0);
    const std::string page = contents(html);
    EXPECT_EQ(page.rfind("<HTML><HEAD><TITLE>settings.htm</TITLE>", 0), 0u);
    EXPECT_EQ(page.substr(page.size() - 15), "</BODY></HTML>\n");

    const auto text = CtlRun::of({"report", "--text", "-"});
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.out.rfind("VX41\n\n", 0), 0u);
}

TEST_F(OfflineCtl, WatchPollsTheGivenNumberOfSteps) {
    const auto watch = CtlRun::of({"watch", "--count", "32"});
    EXPECT_EQ(watch.status, 0);
}

TEST(PortFailures, AMissingPortIsAFailureOfTheUnitNotOfUsage) {
    const auto run = CtlRun::of({"--port", "/dev/vx41-no-such-port", "status"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Error opening /dev/vx41-no-such-port"), std::string::npos);
}

} // namespace
