#include "catalogue/DialnormMeasureConstraints.h"

#include "catalogue/ReentryGuard.h"
#include "model/ControlParameter.h"

namespace {
const char* const label = "DialnormMeasureConstraints";
// A measurement m stands for the dialnorm 100 - m.
constexpr int dialnormBase = 100;
} // namespace

DialnormMeasureConstraints::DialnormMeasureConstraints(ParameterMap& map,
                                                       const ParameterId& subject)
    : ParameterDependencies(map), accept_(findAs<ControlParameter>({23, 0}, label, __LINE__)),
      measureRun_(find({23, 21}, label, __LINE__)),
      unitMeasureRun_(findAs<ControlParameter>({117, 47}, label, __LINE__)),
      dialnorm_(find({19, 8}, label, __LINE__)), dialnormSource_(find({25, 8}, label, __LINE__)),
      measurement_(find({23, 12}, label, __LINE__)) {
    attach(find(subject, label, __LINE__));
}

void DialnormMeasureConstraints::apply() {
    if (busy_)
        return;
    const ReentryGuard guard(busy_);
    const int measured = dialnormBase - measurement_.getValue().toInt16();
    const bool acceptable = dialnorm_.getMinimum().toInt16() <= measured &&
                            measured <= dialnorm_.getMaximum().toInt16() &&
                            dialnormSource_.getValue().toInt16() == 0;
    accept_.setEnabled(acceptable, subject());
    unitMeasureRun_.setValue(measureRun_.getValue());
}
