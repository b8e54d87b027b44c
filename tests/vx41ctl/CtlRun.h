#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "support/FakeClock.h"
#include "tools/vx41ctl/Vx41Ctl.h"

// One in-process run of vx41ctl with captured output.
struct CtlRun {
    int status = -1;
    std::string out;
    std::string err;
    std::uint64_t elapsedMs = 0; // on the run's clock

    // terminal: whether the error output is taken for a terminal, which shows progress.
    static CtlRun of(std::vector<std::string> arguments, bool terminal = false) {
        arguments.insert(arguments.begin(), "vx41ctl");
        std::vector<const char*> argv;
        for (const auto& argument : arguments)
            argv.push_back(argument.c_str());
        std::ostringstream out, err;
        FakeClock clock;
        const std::uint64_t start = clock.milliseconds();
        Vx41Ctl tool(out, err, terminal, clock);
        const int status = tool.run(static_cast<int>(argv.size()), argv.data());
        return {status, out.str(), err.str(), clock.milliseconds() - start};
    }
};
