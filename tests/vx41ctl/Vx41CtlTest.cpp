#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "support/ChildProcess.h"
#include "support/EmulatorProcess.h"
#include "support/Listing.h"
#include "support/PseudoTerminal.h"
#include "support/Ser2netProcess.h"
#include "tests/vx41ctl/CtlRun.h"

namespace {

namespace fs = std::filesystem;

// Runs with a scratch folder. Runs on line go through the serial stack to the unit emulator on a
// pseudo-terminal, which keeps its state between runs as a unit does.
class Vx41CtlTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string file(const std::string& name) const { return (folder / name).string(); }
    static CtlRun onLine(const EmulatorProcess& unit, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--port", unit.linePath()});
        return CtlRun::of(arguments);
    }

    // Named by process too: two runs of the suite at once (two builds) must not share it.
    const fs::path folder =
        fs::temp_directory_path() /
        ("vx41ctl-" + std::to_string(::getpid()) + "-" +
         std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

// Sets are checked on line, where the unit keeps them.
TEST_F(Vx41CtlTest, OffLineItSaysSoAndGetsWhatTheParametersHold) {
    const auto status = CtlRun::of({"status"});
    EXPECT_EQ(status.status, 0);
    EXPECT_EQ(status.out, "Ok\n");
    EXPECT_NE(status.err.find("off line"), std::string::npos);
    EXPECT_EQ(CtlRun::of({"get", "197,0", "117,21"}).out,
              "Multi-channel Master Trim: 0\nLt/Rt Input: Disabled\n");

    // The simulated meters stand still: N poll steps of 30 ms, and only the first levels.
    const auto watch = CtlRun::of({"watch", "--count", "3"});
    EXPECT_EQ(std::count(watch.out.begin(), watch.out.end(), '\n'), 17);
    EXPECT_EQ(watch.elapsedMs, 3u * 30);
}

// The program itself with both outputs into a pipe, as a script runs it: no terminal, so neither
// meters drawn in place nor a progress line.
TEST_F(Vx41CtlTest, IntoAPipeTheProgramDrawsNothingInPlace) {
    const auto outputOf = [](const std::string& command) {
        std::string output;
        FILE* pipe = ::popen((std::string(VX41CTL) + " " + command + " 2>&1").c_str(), "r");
        for (char buffer[256]; std::fgets(buffer, sizeof buffer, pipe);)
            output += buffer;
        EXPECT_EQ(::pclose(pipe), 0) << command;
        return output;
    };
    const std::string watched = outputOf("watch --count 1");
    EXPECT_NE(watched.find("Input 1"), std::string::npos) << watched;
    EXPECT_EQ(watched.find('\x1b'), std::string::npos) << watched;
    outputOf("save " + file("unit.vxs"));
    EXPECT_EQ(outputOf("restore " + file("unit.vxs")),
              "vx41ctl: no --port given: working off line with the simulated unit\n");
}

// A report nobody can read, standard output closed, is a failure and says so.
TEST(Vx41CtlOutput, AnOutputThatCannotBeWrittenFailsTheCommand) {
    std::ostream closed(nullptr);
    std::ostringstream err;
    FakeClock clock;
    Vx41Ctl tool(closed, err, false, clock);
    const char* argv[] = {"vx41ctl", "report", "--text", "-"};
    EXPECT_EQ(tool.run(4, argv), 1);
    EXPECT_NE(err.str().find("vx41ctl: Cannot write to standard output.\n"), std::string::npos);
}

// Every parameter in id order, four columns a line; unit texts hold any byte (NULs among them)
// and the dump stays text. The JSON dump is listed as reviewed, one entry a line.
TEST_F(Vx41CtlTest, DumpListsEveryParameterInIdOrderAsTextOrJson) {
    const auto text = CtlRun::of({"dump"});
    EXPECT_EQ(text.status, 0);
    expectListing(text.out, listingBeside(__FILE__, "dump.txt"));
    expectListing(CtlRun::of({"dump", "--json"}).out, listingBeside(__FILE__, "dump.json"));
}

TEST_F(Vx41CtlTest, SavedFilesRestoreDamagedOnesFailWithOneAndReportsGoWhereTold) {
    ASSERT_EQ(CtlRun::of({"save", file("unit.vxs")}).status, 0);
    std::string saved = contentsOf(file("unit.vxs"));
    ASSERT_GT(saved.size(), 8u);
    // On a terminal the progress line counts against what may be written: setup only if asked.
    const auto total = [&](std::vector<std::string> line) {
        const std::string err = CtlRun::of(line, true).err;
        EXPECT_EQ(err.back(), '\n') << "the progress line is ended";
        return std::stoul(err.substr(err.rfind(" of ") + 4));
    };
    // With the setup every entry may be written: as many as the file's count (little-endian).
    unsigned long entries = 0;
    for (int byte = 3; byte >= 0; --byte)
        entries = entries << 8 | static_cast<unsigned char>(saved[static_cast<std::size_t>(byte)]);
    EXPECT_EQ(total({"restore", file("unit.vxs"), "--setup"}), entries);
    EXPECT_LT(total({"restore", file("unit.vxs")}), entries);

    // The last byte is part of the stored checksum: the entries are intact, the sum is not.
    saved.back() = static_cast<char>(saved.back() ^ 0x55);
    std::ofstream(file("damaged.vxs"), std::ios::binary) << saved;
    const auto refused = CtlRun::of({"restore", file("damaged.vxs")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("damaged"), std::string::npos);
    EXPECT_EQ(CtlRun::of({"restore", file("damaged.vxs"), "--force"}).status, 0);
    std::ofstream(file("longer.vxs"), std::ios::binary) << contentsOf(file("unit.vxs")) << "more";
    EXPECT_NE(CtlRun::of({"restore", file("longer.vxs")}).err.find("bytes follow the checksum"),
              std::string::npos);
    // An id the unit does not have stops the restore part-way: the progress line ends first.
    std::ofstream(file("foreign.vxs"), std::ios::binary)
        << std::string("\1\0\0\0\x7f\x7f\0\0\0\0\xff\1\0\0", 14);
    const std::string stopped = CtlRun::of({"restore", file("foreign.vxs")}, true).err;
    EXPECT_NE(stopped.find(" values written\nvx41ctl: This is not a valid configuration file"),
              std::string::npos)
        << stopped;

    EXPECT_EQ(CtlRun::of({"save", file("no/such/folder.vxs")}).status, 1);

    // Reports go to a file titled with its name, or to standard output.
    ASSERT_EQ(CtlRun::of({"report", "--html", file("settings.htm")}).status, 0);
    const std::string page = contentsOf(file("settings.htm"));
    EXPECT_EQ(page.rfind("<HTML><HEAD><TITLE>settings.htm</TITLE>", 0), 0u);
    EXPECT_EQ(CtlRun::of({"report", "--text", "-"}).out.rfind("VX41\n\n", 0), 0u);
}

TEST_F(Vx41CtlTest, OnLineTheUnitKeepsWhatWasSetAndGivesASavedFileBackByteForByte) {
    const EmulatorProcess unit(VX41_EMULATOR, {});
    const auto status = onLine(unit, {"status"});
    EXPECT_EQ(status.out, "Ok\n");
    EXPECT_TRUE(status.err.empty()); // no word of working off line
    ASSERT_EQ(onLine(unit, {"save", file("before.vxs")}).status, 0);
    EXPECT_EQ(onLine(unit, {"set", "197,0", "72"}).out, "Multi-channel Master Trim: +6.0\n");
    EXPECT_EQ(onLine(unit, {"get", "197,0"}).out, "Multi-channel Master Trim: +6.0\n");
    ASSERT_EQ(onLine(unit, {"set", "210,5", "--text", "CHANGED\x7f"}).status, 0);
    // The text dump shows every control byte escaped, DEL too.
    EXPECT_NE(onLine(unit, {"dump"}).out.find("\tCHANGED\\x7f\n"), std::string::npos);
    // A name that is not UTF-8 (stray, surrogate, overlong, past U+10FFFF) reaches the JSON dump
    // as valid text, each of those bytes as U+00XX; valid UTF-8 (U+10FFFF after the stray byte,
    // and the last four bytes) stays.
    const std::string name =
        "\xF5\xF4\x8F\xBF\xBF\xED\xA0\x80\xC0\xAF\xF4\x90\x80\x80\xC3\xA9\xC3\x80";
    ASSERT_EQ(onLine(unit, {"set", "141,10", "--text", name}).status, 0);
    const std::string json = onLine(unit, {"dump", "--json"}).out;
    EXPECT_NE(
        json.find("\"text\":\"\u00f5\U0010ffff\u00ed\u00a0\u0080\u00c0\u00af\u00f4\u0090\u0080"
                  "\u0080\u00e9\u00c0\"}"),
        std::string::npos);

    ASSERT_EQ(onLine(unit, {"restore", file("before.vxs"), "--setup"}).status, 0);
    ASSERT_EQ(onLine(unit, {"save", file("after.vxs")}).status, 0);
    EXPECT_EQ(contentsOf(file("before.vxs")), contentsOf(file("after.vxs")));
}

// Through a serial server on the network the unit's configuration arrives byte for byte as over
// its serial line, in raw mode and through Telnet with the port set up by the program.
TEST_F(Vx41CtlTest, ASaveThroughASerialServerIsTheSaveOverTheLine) {
    const EmulatorProcess unit(VX41_EMULATOR, {});
    ASSERT_EQ(onLine(unit, {"set", "210,5", "--text", "\xFF\x0D\x0A"}).status, 0);
    ASSERT_EQ(onLine(unit, {"save", file("line.vxs")}).status, 0);
    for (const auto mode : {Ser2netProcess::Mode::raw, Ser2netProcess::Mode::rfc2217}) {
        const Ser2netProcess server(unit.linePath(), mode);
        const CtlRun run = CtlRun::of({"--port", server.address(), "save", file("server.vxs")});
        ASSERT_EQ(run.status, 0) << server.address() << ": " << run.err;
        EXPECT_EQ(contentsOf(file("server.vxs")), contentsOf(file("line.vxs"))) << server.address();
    }
}

// What the unit takes depends on the state it is in: without analogue outputs, no volume.
TEST_F(Vx41CtlTest, OnLineASetIsJudgedByTheUnitsPresentState) {
    const EmulatorProcess unit(VX41_EMULATOR, {});
    ASSERT_EQ(onLine(unit, {"set", "216,21", "0"}).status, 0);
    const auto refused = onLine(unit, {"set", "197,17", "100"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "vx41ctl: The unit does not take 197,17 in its present state.\n");
}

// The program itself on a terminal: its meters drawn again in place as they move, a restore's
// progress shown.
TEST_F(Vx41CtlTest, OnATerminalWatchRedrawsInPlaceAndARestoreShowsItsProgress) {
    const EmulatorProcess unit(VX41_EMULATOR, {"--animate"});
    ASSERT_EQ(onLine(unit, {"save", file("unit.vxs")}).status, 0);
    const auto onTerminal = [&unit](std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--port", unit.linePath()});
        const PseudoTerminal terminal;
        const int screen = ::open(terminal.slavePath().c_str(), O_RDWR | O_NOCTTY);
        ChildProcess tool(VX41CTL, arguments, screen, screen);
        ::close(screen);
        const auto shown = terminal.receive(SIZE_MAX, std::chrono::seconds(10));
        EXPECT_EQ(tool.stop(), 0);
        return std::string(shown.begin(), shown.end());
    };
    EXPECT_NE(onTerminal({"watch", "--count", "16"}).find("\x1b[17A"), std::string::npos);
    EXPECT_NE(onTerminal({"restore", file("unit.vxs")}).find("\rRestoring: "), std::string::npos);
}

TEST_F(Vx41CtlTest, DiffListsWhatASetChangedAndNamesADamagedFile) {
    const EmulatorProcess unit(VX41_EMULATOR, {});
    ASSERT_EQ(onLine(unit, {"save", file("before.vxs")}).status, 0);
    EXPECT_EQ(onLine(unit, {"diff", file("before.vxs")}).status, 0);
    ASSERT_EQ(onLine(unit, {"set", "117,29", "1"}).status, 0);

    const auto changed = onLine(unit, {"diff", file("before.vxs")});
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.out, "--- " + file("before.vxs") +
                               "\n+++ the unit\n"
                               "117,29\tBass Management\tNone\tCenter/Surround/LFE->L/R\n"
                               "1 parameter differs\n");
    ASSERT_EQ(onLine(unit, {"save", file("after.vxs")}).status, 0);
    const auto json = nlohmann::json::parse(
        CtlRun::of({"diff", "--json", file("before.vxs"), file("after.vxs")}).out);
    EXPECT_EQ(json.at("count"), 1);
    EXPECT_EQ(json.at("differences").at(0).at("id"), nlohmann::json::array({117, 29}));
    EXPECT_EQ(json.at("differences").at(0).at("second").at("raw"), "0001");

    std::string bytes = contentsOf(file("after.vxs"));
    bytes[bytes.size() - 1] = static_cast<char>(bytes.back() ^ 1);
    std::ofstream(file("damaged.vxs"), std::ios::binary) << bytes;
    const auto damaged = CtlRun::of({"diff", file("after.vxs"), file("damaged.vxs")});
    EXPECT_EQ(damaged.status, 2);
    EXPECT_NE(damaged.err.find(file("damaged.vxs") + " is damaged"), std::string::npos);
    EXPECT_EQ(CtlRun::of({"diff", file("after.vxs"), file("missing.vxs")}).status, 2);
}

TEST_F(Vx41CtlTest, TracePrintsTheDecodedExchangesOnStandardError) {
    const EmulatorProcess unit(VX41_EMULATOR, {});
    const auto get = onLine(unit, {"--trace", "get", "117,29"});
    EXPECT_NE(get.err.find("PC   > select 82 80: read (75; 29), checksum"), std::string::npos)
        << get.err;
    EXPECT_NE(get.err.find("UNIT < reply (75, 29) = 0 [00 00], checksum"), std::string::npos);
    // A text shows as text only when every byte of it is printable.
    const auto set = onLine(unit, {"--trace", "set", "210,5", "--text", "AB\x01"});
    EXPECT_NE(set.err.find(" = [41 42 01]"), std::string::npos) << set.err;
    const auto label = onLine(unit, {"--trace", "get", "210,0"});
    EXPECT_NE(label.err.find(" = \"PRESET 1\" [50 52"), std::string::npos) << label.err;
}

// Each exchange has five attempts; with this seed the first one fails.
TEST_F(Vx41CtlTest, AnUnreliableUnitIsTriedAgainAndASilentOneFailsTheCommandWithOne) {
    const EmulatorProcess unreliable(VX41_EMULATOR, {"--corrupt", "0.1", "--seed", "2"});
    EXPECT_EQ(onLine(unreliable, {"get", "197,0"}).out, "Multi-channel Master Trim: 0\n");

    const EmulatorProcess silent(VX41_EMULATOR, {"--silent-after", "0"});
    const auto get = onLine(silent, {"get", "197,0"});
    EXPECT_EQ(get.status, 1);
    EXPECT_EQ(get.err, "vx41ctl: No response when expecting an ACK.\n");
    const auto status = onLine(silent, {"status"});
    EXPECT_EQ(status.status, 1);
    EXPECT_EQ(status.out, "Not Responding\n");
}

} // namespace
