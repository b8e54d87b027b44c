#pragma once

#include <list>
#include <ostream>

#include "tools/vx41ctl/MeterChannel.h"

class ParameterSet;

// The unit's level meters by channel, in the order of the program's meter pages: the eight
// inputs, Lt and Rt, then the seven outputs. On a terminal the block of lines is redrawn in place;
// otherwise every change is a line of its own.
class LevelMeters {
public:
    LevelMeters(ParameterSet& unit, std::ostream& out, bool inPlace);

    // Shows the levels as they are now: the first call every channel; later calls, in place,
    // the block again when a level changed (written as lines, changes are written at once).
    void show();

private:
    void changed(const MeterChannel& channel);

    std::ostream& out_;
    bool inPlace_;
    bool drawn_ = false;
    bool dirty_ = false;
    std::list<MeterChannel> channels_;
};
