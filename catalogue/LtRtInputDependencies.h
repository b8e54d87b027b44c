#pragma once

#include <vector>

#include "model/ParameterDependencies.h"

// With "Lt/Rt Input" on (117, 21 = 1) the unit meters the Lt/Rt pair (204, 8), (204, 9) instead
// of the eight input channels (204, 0..7); only the meters in use are enabled and kept moving.
class LtRtInputDependencies : public ParameterDependencies {
public:
    explicit LtRtInputDependencies(ParameterMap& map);

protected:
    void apply() override;

private:
    std::vector<Parameter*> channelMeters_;
    std::vector<Parameter*> ltRtMeters_;
};
