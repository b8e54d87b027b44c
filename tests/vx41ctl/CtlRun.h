#pragma once

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

    static CtlRun of(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "vx41ctl");
        std::vector<const char*> argv;
        for (const auto& argument : arguments)
            argv.push_back(argument.c_str());
        std::ostringstream out, err;
        FakeClock clock;
        Vx41Ctl tool(out, err, false, clock);
        const int status = tool.run(static_cast<int>(argv.size()), argv.data());
        return {status, out.str(), err.str()};
    }
};
