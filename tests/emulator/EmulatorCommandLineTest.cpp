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

// What the unit cannot be is refused; an address is hexadecimal in either case. Which addresses
// are refused is checked with vx41ctl's command line, which takes them alike.
TEST(EmulatorCommandLineTest, RefusesWhatTheUnitCannotBe) {
    for (const std::string line : {"--address 8281", "--baud 57600", "--drop 1.5", "--drop nan",
                                   "--corrupt -0.1", "--pace extra"}) {
        EmulatorCommandLine commandLine;
        EXPECT_EQ(parse(commandLine, line), EmulatorCommandLine::badUsage) << line;
    }
    EmulatorCommandLine help;
    EXPECT_EQ(parse(help, "--help"), EmulatorCommandLine::stopped);
    EmulatorCommandLine taken;
    ASSERT_EQ(parse(taken, "--address 0X82fe --write-delay 1250"), std::nullopt);
    EXPECT_EQ(taken.options().unit.address, 0x82FE);
    EXPECT_EQ(taken.options().unit.writeDelayMs, 1250u);
}
} // namespace
