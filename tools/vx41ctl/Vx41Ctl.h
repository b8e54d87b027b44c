#pragma once

#include <memory>
#include <ostream>
#include <set>

#include "model/Clock.h"
#include "tools/vx41ctl/CommandLine.h"

class ConfigurationSnapshot;
class ParameterMap;
class Vx41Params;

// The command-line tool: one command against the unit (or the simulated unit) per run.
class Vx41Ctl {
public:
    // terminal: whether err is a terminal, so progress lines may be drawn on it; outTerminal:
    // whether out is one, so the meters may be redrawn in place.
    Vx41Ctl(std::ostream& out, std::ostream& err, bool terminal, const Clock& clock,
            bool outTerminal = false);
    ~Vx41Ctl();

    // The exit status: 0 success, 1 the unit or a file failed, 2 a usage error; diff: 0 equal,
    // 1 different, 2 trouble.
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
    int diff(const ConfigurationSnapshot& first, const ConfigurationSnapshot& second,
             const ParameterMap& catalogue, bool json);
    int ports();
    int fail(const std::string& message);

    std::ostream& out_;
    std::ostream& err_;
    bool terminal_;
    bool outTerminal_;
    const Clock& clock_;
};
