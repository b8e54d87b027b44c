#include <gtest/gtest.h>

#include "support/Listing.h"
#include "tests/vx41ctl/CtlRun.h"

namespace {

// Mistyped input: refused before the unit is reached (2), or once the unit or file had its say (1).
TEST(CommandLine, BadInputIsRefusedWithItsExitCodeAndSaysWhy) {
    const struct {
        std::vector<std::string> line;
        int status;
        std::string says;
    } cases[] = {
        {{}, 2, "A subcommand is required"},
        {{"frob"}, 2, "vx41ctl: frob: no such command\n"},
        {{"--frob"}, 2, "A subcommand is required"},
        {{"--baud", "57600", "status"}, 2, "--baud"},
        {{"--address", "827F", "status"}, 2, "between 8280 and FFFE"},
        {{"--address", "FFFF", "status"}, 2, "between 8280 and FFFE"},
        {{"--address", "8281", "status"}, 2, "8281 is the poll address of the unit at 8280"},
        {{"--address", "0x", "status"}, 2, "must be hexadecimal"},
        {{"--address", "8280zz", "status"}, 2, "must be hexadecimal"},
        {{"--port", "/dev/null", "--offline", "status"}, 2, "--offline"},
        {{"--port", "rfc2217://[::1]:65536", "status"}, 2, "a number from 1 to 65535"},
        {{"report", "--text", "--html", "-"}, 2, "--html"},
        {{"report"}, 2, "file is required"},
        {{"watch", "--count", "0"}, 2, "from 1 to 1000000000"},
        {{"watch", "--count", "1000000001"}, 2, "from 1 to 1000000000"},
        {{"watch", "--count", "abc"}, 2, "from 1 to 1000000000"},
        {{"get"}, 2, "ids"},
        {{"get", "197,256"}, 2, "'197,256' is not a parameter id"},
        {{"get", "12"}, 2, "'12' is not a parameter id"},
        {{"get", "19x,0"}, 2, "'19x,0' is not a parameter id"},
        {{"get", "1,1"}, 2, "no parameter 1,1"},
        {{"get", "255,255"}, 2, "no parameter 255,255"},
        {{"set", "197,0"}, 2, "set needs a VALUE"},
        {{"set", "197,0", "1", "--text", "x"}, 2, "excludes"},
        {{"set", "197,0", "12abc"}, 2, "'12abc' is not a value"},
        {{"set", "197,0", "65536"}, 2, "'65536' is not a value"},
        {{"set", "19,4", "--text", ""}, 2, "19,4 holds a number, not a text"},
        {{"set", "19,4", "--text", "hello"}, 2, "19,4 holds a number, not a text"},
        // 65535 is taken, as -1, and refused by the unit's range in the operator's words.
        {{"set", "19,4", "65535"}, 1, "The value 65535 is outside the range of 19,4 (0 to 2)."},
        {{"set", "19,4", "-32768"}, 1, "The value -32768 is outside the range of 19,4 (0 to 2)."},
        {{"restore", "/dev/null"}, 1, "/dev/null is not a regular file"},
        {{"restore", "/vx41-no-such.vxs"}, 1, "Cannot open /vx41-no-such.vxs"},
        {{"--port", "/dev/null", "status"}, 1, "/dev/null: it is not a serial device."},
        {{"--port", "/tmp", "status"}, 1, "/tmp: Is a directory."},
        {{"--port", "/tmp/\x1b[31m", "status"}, 1, "/tmp/\\x1B[31m: No such file or directory."},
        {{"--port", "tcp://127.0.0.1:1", "status"}, 1, "tcp://127.0.0.1:1: Connection refused."},
        {{"set", "204,0", "5"}, 1, "204,0 is read-only"},
    };
    for (const auto& [line, status, says] : cases) {
        const auto run = CtlRun::of(line);
        const std::string shown = ::testing::PrintToString(line);
        EXPECT_EQ(run.status, status) << shown;
        EXPECT_NE(run.err.find(says), std::string::npos) << shown << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << shown;
    }
    // The help names every option with what is taken without it, and every command.
    const auto help = CtlRun::of({"--help"});
    EXPECT_EQ(help.status, 0);
    expectListing(help.out, listingBeside(__FILE__, "help.txt"));
    EXPECT_EQ(CtlRun::of({"ports"}).status, 0);
    for (const char* baud : {"9600", "19200", "38400", "115200"})
        EXPECT_EQ(CtlRun::of({"--baud", baud, "status"}).status, 0) << baud;
}

} // namespace
