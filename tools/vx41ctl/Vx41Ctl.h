#pragma once

#include <memory>
#include <ostream>

#include "model/Clock.h"
#include "tools/vx41ctl/CommandLine.h"

class Vx41Params;

// The command-line tool: one command against the unit (or the simulated unit) per run.
class Vx41Ctl {
public:
    // terminal: whether err is a terminal, so progress lines may be drawn on it.
    Vx41Ctl(std::ostream& out, std::ostream& err, bool terminal, const Clock& clock);
    ~Vx41Ctl();

    // The exit status: 0 success, 1 the unit or a file failed, 2 a usage error.
    int run(int argc, const char* const* argv);

private:
    int execute(const Invocation& invocation);
    int status(UnitConnection& connection);
    void get(Vx41Params& unit, const Invocation& invocation);
    int set(Vx41Params& unit, const Invocation& invocation);
    void dump(Vx41Params& unit, bool json);
    void restore(Vx41Params& unit, const Invocation& invocation);
    void report(Vx41Params& unit, const Invocation& invocation);
    void watch(Vx41Params& unit, const Invocation& invocation);
    int ports();
    int fail(const std::string& message);

    std::ostream& out_;
    std::ostream& err_;
    bool terminal_;
    const Clock& clock_;
};
