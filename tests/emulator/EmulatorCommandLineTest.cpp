#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "EmulatorCommandLine.h"

namespace {
// Parses the words of line as the program's arguments; the exit code when it would end at once.
std::optional<int> parse(EmulatorCommandLine& commandLine, const std::string& line) {
    std::istringstream words("vx41-emulator " + line);
    std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    return commandLine.parse(static_cast<int>(argv.size()), argv.data());
}

TEST(EmulatorCommandLineTest, TakesTheAddressInHexadecimalAndEveryFaultWithItsSeed) {
    for (const auto& [text, address] : std::vector<std::pair<std::string, std::uint16_t>>{
             {"8280", 0x8280}, {"0x82fe", 0x82FE}, {"0XFFFE", 0xFFFE}}) {
        EmulatorCommandLine commandLine;
        ASSERT_EQ(parse(commandLine, "--address " + text), std::nullopt) << text;
        EXPECT_EQ(commandLine.options().unit.address, address) << text;
    }
    EmulatorCommandLine commandLine;
    ASSERT_EQ(parse(commandLine, "--drop 0.25 --corrupt 0.5 --busy-for 3 --silent-after 0 "
                                 "--seed 99 --write-delay 1250"),
              std::nullopt);
    const UnitSettings& unit = commandLine.options().unit;
    EXPECT_EQ(unit.address, 0x8280);
    EXPECT_EQ(unit.faults.dropProbability, 0.25);
    EXPECT_EQ(unit.faults.corruptProbability, 0.5);
    EXPECT_EQ(unit.faults.busyPolls, 3u);
    EXPECT_EQ(unit.faults.silentAfter, 0u);
    EXPECT_EQ(unit.faults.seed, 99u);
    EXPECT_EQ(unit.writeDelayMs, 1250u);
}

TEST(EmulatorCommandLineTest, RefusesWhatTheUnitCannotBe) {
    for (const std::string line :
         {"--address 12345", "--address 0x", "--address 82g0", "--address 8000", "--address 8281",
          "--baud 57600", "--drop 1.5", "--drop nan", "--corrupt -0.1", "--pace extra"}) {
        EmulatorCommandLine commandLine;
        EXPECT_EQ(parse(commandLine, line), EmulatorCommandLine::badUsage) << line;
    }
    EmulatorCommandLine help;
    EXPECT_EQ(parse(help, "--help"), EmulatorCommandLine::stopped);
}
} // namespace
