#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "tests/vx41ctl/CtlRun.h"

namespace {

TEST(CommandLine, UsageErrorsExitWithTwoAndSayWhatHelpWithZero) {
    // No or an unknown command; line settings the unit cannot have or that contradict; ids that
    // are malformed or not the unit's; values that are missing, doubled, not numbers or too wide.
    for (const std::string line :
         {"", "frobnicate", "--baud 57600 status", "--address 1234 status", "--address zz status",
          "--port /dev/null --offline status", "report --text --html -", "watch --count 0", "get",
          "get 300,1", "get 12", "get 1,1", "set 197,0", "set 197,0 1 --text x", "set 197,0 12abc",
          "set 197,0 70000"}) {
        std::istringstream words(line);
        const auto run = CtlRun::of({std::istream_iterator<std::string>(words), {}});
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_NE(run.err.find("vx41ctl: "), std::string::npos) << line;
        EXPECT_TRUE(run.out.empty()) << line;
    }

    const auto help = CtlRun::of({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* command :
         {"status", "get", "set", "dump", "save", "restore", "report", "watch", "ports"})
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
}

} // namespace
