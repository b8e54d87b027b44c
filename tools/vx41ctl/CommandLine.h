#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/vx41ctl/UnitConnection.h"

// What one run of vx41ctl was asked to do.
struct Invocation {
    UnitConnection::Settings connection;
    std::string command;
    std::vector<std::string> ids;     // get, set
    std::optional<std::string> value; // set: a decimal number
    std::optional<std::string> text;  // set --text
    std::string file;                 // save, restore, report
    std::vector<std::string> files;   // diff: one file against the unit, or two
    bool offline = false;             // --offline, the default without --port
    bool json = false;                // dump --json, diff --json
    bool trace = false;               // --trace
    bool setup = false;               // restore --setup
    bool force = false;               // restore --force
    bool html = false;                // report --html
    bool textReport = false;          // report --text, the default
    std::optional<int> count;         // watch --count
};

// Reads the command line into an Invocation.
class CommandLine {
public:
    // The exit code when the run ends here (help: 0, a usage error: 2, with its message written);
    // nothing when invocation is ready to run.
    static std::optional<int> parse(int argc, const char* const* argv, Invocation& invocation,
                                    std::ostream& out, std::ostream& err);
};
