#include <gtest/gtest.h>

#include "tests/vx41ctl/CtlRun.h"

namespace {

TEST(CommandLine, UsageErrorsExitWithTwoAndSayWhat) {
    const std::vector<std::vector<std::string>> wrong = {
        {},                              // no command
        {"frobnicate"},                  // unknown command
        {"--baud", "57600", "status"},   // not a line speed of the unit
        {"--address", "1234", "status"}, // below the address range
        {"--address", "zz", "status"},   // not hexadecimal
        {"--port", "/dev/null", "--offline", "status"},
        {"get"},                              // no id
        {"get", "300,1"},                     // number beyond a byte
        {"get", "12"},                        // no index
        {"set", "197,0"},                     // no value
        {"set", "197,0", "1", "--text", "x"}, // both
        {"set", "197,0", "12abc"},            // not a number
        {"set", "197,0", "70000"},            // beyond 16 bits
        {"report", "--text", "--html", "-"},
        {"watch", "--count", "0"},
        {"get", "1,1"}, // not a parameter of the unit
    };
    for (const auto& arguments : wrong) {
        const auto run = CtlRun::of(arguments);
        std::string line;
        for (const auto& a : arguments)
            line += a + " ";
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_NE(run.err.find("vx41ctl: "), std::string::npos) << line;
        EXPECT_TRUE(run.out.empty()) << line;
    }
}

TEST(CommandLine, HelpNamesEveryCommandAndExitsWithZero) {
    const auto run = CtlRun::of({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* command :
         {"status", "get", "set", "dump", "save", "restore", "report", "watch", "ports"})
        EXPECT_NE(run.out.find(command), std::string::npos) << command;
    const auto sub = CtlRun::of({"restore", "--help"});
    EXPECT_EQ(sub.status, 0);
    EXPECT_NE(sub.out.find("--setup"), std::string::npos);
}

} // namespace
