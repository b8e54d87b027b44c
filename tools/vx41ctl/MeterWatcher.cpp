#include "tools/vx41ctl/MeterWatcher.h"

#include <sstream>

#include "model/Parameter.h"

void MeterWatcher::update(Parameter& parameter) {
    std::ostringstream line;
    parameter.writeText(line);
    if (attached_ && line.str() == shown_)
        return;
    shown_ = line.str();
    // The first call comes from attaching: the starting state, not a change.
    if (!attached_) {
        attached_ = true;
        return;
    }
    out_ << shown_ << '\n' << std::flush;
}
