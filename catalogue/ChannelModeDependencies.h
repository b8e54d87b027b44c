#pragma once

#include <memory>
#include <vector>

#include "catalogue/RuleTrigger.h"
#include "model/ParameterDependencies.h"

class SharedParameter;

// Follows the channel mode ("AC Mode", 1..7) of the displayed programme (19, 3): the metadata
// items that only make sense with some channels (ambiform for 2/0, LFE, centre and surround mix
// levels, rear fill for back surround) are operated only when the mode has those channels and
// the item is authored internally; "Matrixa RFL" needs back surround. The rule also runs again
// whenever one of its items or their sources changes, since each item compound takes its enabled
// state from its status as well.
class ChannelModeDependencies : public ParameterDependencies {
public:
    explicit ChannelModeDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    // An item and its source compound.
    struct Item {
        Parameter* value;
        Parameter* source;
    };
    Item item(int k) const;
    void enable(const Item& item, bool allowed) const;

    Item ambiform_;
    Item lfe_;
    Item ltRtCenter_;
    Item ltRtSurround_;
    Item loRoCenter_;
    Item loRoSurround_;
    SharedParameter& rfl_;
    Parameter& backSurroundSpeakers_;
    Item rearfill_;
    std::vector<std::unique_ptr<RuleTrigger>> triggers_;
    // Its own changes to the items notify them, which would run it again.
    bool busy_ = false;
};
