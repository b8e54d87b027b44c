#include "tools/vx41ctl/LevelMeters.h"

#include <array>
#include <cstdint>

#include "model/ParameterSet.h"

namespace {
struct Channel {
    const char* name;
    std::uint8_t index;
};

constexpr std::uint8_t meterNumber = 204;
// The output meters are listed as the unit numbers its outputs, the sub-woofer after the centre.
constexpr std::array<Channel, 17> levelChannels{{{"Input 1", 0},
                                                 {"Input 2", 1},
                                                 {"Input 3", 2},
                                                 {"Input 4", 3},
                                                 {"Input 5", 4},
                                                 {"Input 6", 5},
                                                 {"Input 7", 6},
                                                 {"Input 8", 7},
                                                 {"Lt", 8},
                                                 {"Rt", 9},
                                                 {"L", 10},
                                                 {"R", 11},
                                                 {"C", 12},
                                                 {"SW", 17},
                                                 {"Ls", 14},
                                                 {"Rs", 15},
                                                 {"Bs", 16}}};

// Up to the first line of the block, every line cleared as it is written again.
constexpr const char* cursorUp = "\x1b[";
constexpr const char* clearLine = "\x1b[2K";
} // namespace

LevelMeters::LevelMeters(ParameterSet& unit, std::ostream& out, bool inPlace)
    : out_(out), inPlace_(inPlace) {
    for (const auto& channel : levelChannels) {
        auto& added = channels_.emplace_back(
            channel.name, [this](const MeterChannel& changedChannel) { changed(changedChannel); });
        added.attach(unit.find(ParameterId(meterNumber, channel.index)));
    }
}

void LevelMeters::changed(const MeterChannel& channel) {
    if (!drawn_)
        return;
    if (inPlace_)
        dirty_ = true;
    else
        out_ << channel.line() << '\n' << std::flush;
}

void LevelMeters::show() {
    if (drawn_ && !dirty_)
        return;
    if (drawn_ && inPlace_)
        out_ << cursorUp << channels_.size() << 'A';
    for (const auto& channel : channels_)
        out_ << (inPlace_ ? clearLine : "") << channel.line() << '\n';
    out_ << std::flush;
    drawn_ = true;
    dirty_ = false;
}
