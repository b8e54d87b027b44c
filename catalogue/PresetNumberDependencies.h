#pragma once

#include <cstdint>

#include "model/ParameterDependencies.h"

class CompoundParameter;

// Points the label compound of a preset kind at the slot the selector names, so that the label
// shown, and the label written, are those of the selected slot.
class PresetNumberDependencies : public ParameterDependencies {
public:
    // Slot n's label is (family, n + offset).
    PresetNumberDependencies(ParameterMap& map, const ParameterId& selector,
                             const ParameterId& compound, std::uint8_t family, int offset);

protected:
    // Leaves attaching to the most derived rule, whose own parameters must be in place before
    // the rule first applies.
    PresetNumberDependencies(ParameterMap& map, const ParameterId& compound, std::uint8_t family,
                             int offset);

    void apply() override;
    // Re-targets what follows the selection to slot.
    virtual void select(int slot);

    // A compound's status becomes the parameter with this id, if it is not already; caller and
    // line name the caller should the id be missing.
    void retarget(CompoundParameter& compound, const ParameterId& status, const char* caller,
                  int line) const;

private:
    CompoundParameter& compound_;
    std::uint8_t family_;
    int offset_;
};
