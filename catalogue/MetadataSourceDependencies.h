#pragma once

#include <optional>

#include "model/ParameterDependencies.h"

class ControlParameter;

// Follows one metadata source selector (0 internal, 1 external 1, 2 external 2): the value in
// use is operated only while the source is internal, the source state follows the programme
// configuration source, and the external sources on offer are narrowed so that only one
// external metadata input is in use across all programmes at a time.
class MetadataSourceDependencies : public ParameterDependencies {
public:
    // A selector without a source state (the programme descriptions) passes no state id.
    MetadataSourceDependencies(ParameterMap& map, const ParameterId& selector,
                               const ParameterId& target, std::optional<ParameterId> state);

protected:
    void apply() override;

private:
    // Whether no selector of any programme, nor the configuration source, uses source.
    bool unused(int source) const;
    bool unusedByProgramme(int programme, int source) const;

    ControlParameter* state_ = nullptr;
    Parameter& configSource_;
    Parameter& programSelection_;
    ControlParameter& offeredSources_;
    Parameter& target_;
};
