#include "catalogue/ProgramConfigDependencies.h"

#include <array>
#include <string>

#include "catalogue/IdOf.h"
#include "model/ControlParameter.h"

namespace {
const char* const label = "ProgramConfigDependencies";

struct Layout {
    int programmes;
    // Empty for a channel that no programme uses.
    std::array<const char*, 8> channels;
    const char* ruler;
};

// Indexed by the programme configuration number.
const Layout layouts[] = {
    {2,
     {"L", "R", "C", "LFE", "Ls", "Rs", "L", "R"},
     "|--------------------------1-------------------------|--------2-------|"},
    {3,
     {"L", "R", "C", "LFE", "Ls", "Rs", "C", "C"},
     "|--------------------------1-------------------------|---2---|---3---|"},
    {2,
     {"L", "R", "C", "S", "C", "S", "L", "R"},
     "|-----------------1----------------|-----------------2----------------|"},
    {3,
     {"L", "R", "C", "S", "L", "R", "L", "R"},
     "|-----------------1----------------|--------3-------|--------2-------|"},
    {4,
     {"L", "R", "C", "S", "C", "C", "L", "R"},
     "|-----------------1----------------|---3---|---4---|--------2-------|"},
    {5,
     {"L", "R", "C", "S", "C", "C", "C", "C"},
     "|----------------1-----------------|---4---|---5---|---2----|---3---|"},
    {4,
     {"L", "R", "L", "R", "L", "R", "L", "R"},
     "|--------1-------|--------3-------|--------4--------|--------2-------|"},
    {5,
     {"L", "R", "L", "R", "C", "C", "L", "R"},
     "|--------1-------|--------3-------|---4----|---5---|--------2-------|"},
    {6,
     {"L", "R", "C", "C", "C", "C", "L", "R"},
     "|--------1-------|---3---|---4---|---5----|---6---|--------2-------|"},
    {7,
     {"L", "R", "C", "C", "C", "C", "C", "C"},
     "|--------1-------|---4---|---5---|---6----|---7---|---2---|---3---|"},
    {8,
     {"C", "C", "C", "C", "C", "C", "C", "C"},
     "|---1---|---2---|---3----|---4---|---5---|---6----|---7---|---8---|"},
    {1,
     {"L", "R", "C", "LFE", "Ls", "Rs", "", ""},
     "|--------------------------1-------------------------|"},
    {2,
     {"L", "R", "C", "S", "", "", "L", "R"},
     "|-----------------1----------------|                |--------2-------|"},
    {3,
     {"L", "R", "C", "S", "", "", "C", "C"},
     "|-----------------1----------------|                 |---2---|---3---|"},
    {3,
     {"L", "R", "L", "R", "", "", "L", "R"},
     "|--------1-------|--------3-------|                 |--------2-------|"},
    {4,
     {"L", "R", "C", "C", "", "", "L", "R"},
     "|--------1-------|---3---|---4---|                  |--------2-------|"},
    {5,
     {"L", "R", "C", "C", "", "", "C", "C"},
     "|--------1-------|---4---|---5---|                  |---2---|---3---|"},
    {6,
     {"C", "C", "C", "C", "C", "C", "", ""},
     "|---1---|---2---|---3----|---4---|---5---|---6----|"},
    {1, {"L", "R", "C", "S", "", "", "", ""}, "|----------------1-----------------|"},
    {2,
     {"L", "R", "", "", "", "", "L", "R"},
     "|--------1-------|                                   |--------2-------|"},
    {3,
     {"L", "R", "", "", "", "", "C", "C"},
     "|--------1-------|                                   |---2---|---3---|"},
    {4, {"C", "C", "C", "C", "", "", "", ""}, "|---1---|---2---|---3----|---4---|"},
};

// A configuration the unit reports that is not one of the above.
const Layout undefined = {1,
                          {"1", "2", "3", "4", "5", "6", "7", "8"},
                          "|---------------------------Undefined----------------------------|"};

const Layout& layoutOf(int configuration) {
    if (configuration < 0 || configuration >= static_cast<int>(std::size(layouts)))
        return undefined;
    return layouts[configuration];
}
} // namespace

ProgramConfigDependencies::ProgramConfigDependencies(ParameterMap& map)
    : ParameterDependencies(map),
      programSelection_(findAs<ControlParameter>({117, 0}, label, __LINE__)),
      ruler_(findAs<ControlParameter>({23, 11}, label, __LINE__)) {
    for (int channel = 3; channel <= 10; ++channel)
        channelLabels_.push_back(&findAs<ControlParameter>(idOf(23, channel), label, __LINE__));
    attach(find({179, 0}, label, __LINE__));
}

void ProgramConfigDependencies::apply() {
    const Layout& layout = layoutOf(value());
    if (programSelection_.getValue().toInt16() > layout.programmes - 1)
        programSelection_.setValue(layout.programmes - 1);
    for (std::size_t channel = 0; channel < channelLabels_.size(); ++channel)
        channelLabels_[channel]->setValue(ParameterValue::fromText(layout.channels[channel]));
    ruler_.setValue(ParameterValue::fromText(layout.ruler));
}
