#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/EmulatorProcess.h"
#include "tests/vx41ctl/CtlRun.h"

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// Every command through the serial stack to the unit emulator on a pseudo-terminal. The
// emulator keeps its state between runs, as a unit does.
class EmulatorCtl : public ::testing::Test {
protected:
    EmulatorProcess unit{VX41_EMULATOR, {}};
    fs::path folder =
        fs::temp_directory_path() /
        ("vx41ctl-emulator-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    CtlRun run(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--port", unit.linePath()});
        return CtlRun::of(arguments);
    }
};

TEST_F(EmulatorCtl, ReadsAndWritesTheUnit) {
    const auto status = run({"status"});
    EXPECT_EQ(status.status, 0);
    EXPECT_EQ(status.out, "Ok\n");
    EXPECT_TRUE(status.err.empty()); // on line: no word of working off line

    EXPECT_EQ(run({"set", "197,0", "72"}).out, "Multi-channel Master Trim: +6.0\n");
    EXPECT_EQ(run({"get", "197,0"}).out, "Multi-channel Master Trim: +6.0\n");
    EXPECT_EQ(run({"set", "197,0", "73"}).status, 1);

    // The unit's own reaction to a source switch comes back through the line.
    ASSERT_EQ(run({"set", "121,0", "1"}).status, 0);
    EXPECT_EQ(run({"get", "179,0"}).out, "(b3, 0): 2\n"); // External 1's configuration
}

TEST_F(EmulatorCtl, ASavedConfigurationComesBackByteForByte) {
    const auto before = (folder / "before.vxs").string();
    const auto after = (folder / "after.vxs").string();
    ASSERT_EQ(run({"save", before}).status, 0);
    ASSERT_EQ(run({"set", "197,0", "10"}).status, 0);
    ASSERT_EQ(run({"set", "210,5", "--text", "CHANGED"}).status, 0);
    ASSERT_NE(run({"get", "197,0"}).out, "Multi-channel Master Trim: 0\n");

    ASSERT_EQ(run({"restore", before, "--setup"}).status, 0);
    ASSERT_EQ(run({"save", after}).status, 0);
    EXPECT_EQ(contents(before), contents(after));
}

TEST_F(EmulatorCtl, DumpAndReportMatchTheOfflineUnit) {
    const auto online = run({"dump", "--json"});
    ASSERT_EQ(online.status, 0);
    EXPECT_EQ(online.out, CtlRun::of({"dump", "--json"}).out);
    EXPECT_EQ(run({"report", "--text", "-"}).out, CtlRun::of({"report", "--text", "-"}).out);
}

TEST(EmulatorCtlWatch, PrintsTheMetersAsTheyMove) {
    EmulatorProcess moving(VX41_EMULATOR, {"--animate"});
    const auto watch = CtlRun::of({"--port", moving.linePath(), "watch", "--count", "64"});
    EXPECT_EQ(watch.status, 0);
    EXPECT_NE(watch.out.find("(cc, "), std::string::npos) << watch.out;
}

TEST(EmulatorCtlFailures, ASilentUnitIsReportedAndFailsTheCommand) {
    EmulatorProcess silent(VX41_EMULATOR, {"--silent-after", "0"});
    const auto get = CtlRun::of({"--port", silent.linePath(), "get", "197,0"});
    EXPECT_EQ(get.status, 1);
    EXPECT_EQ(get.err, "vx41ctl: No response when expecting an ACK.\n");
    const auto status = CtlRun::of({"--port", silent.linePath(), "status"});
    EXPECT_EQ(status.status, 1);
    EXPECT_EQ(status.out, "Not Responding\n");
}

} // namespace
