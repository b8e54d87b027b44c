#include "catalogue/DialNormMeasureAcceptObserver.h"

#include "model/Parameter.h"
#include "model/ParameterMap.h"

namespace {
const char* const label = "DialNormMeasureAcceptObserver";
constexpr int dialnormBase = 100;
} // namespace

DialNormMeasureAcceptObserver::DialNormMeasureAcceptObserver(ParameterMap& map)
    : button_(map.find({23, 0}, label, __LINE__)),
      measurement_(map.find({23, 12}, label, __LINE__)),
      dialnorm_(map.find({19, 8}, label, __LINE__)), last_(button_.getValue()) {
    attach(button_);
}

void DialNormMeasureAcceptObserver::update(Parameter& parameter) {
    if (&parameter != subject())
        return;
    const bool pressed = parameter.getValue().toInt16() == 1 && last_.toInt16() != 1;
    last_ = parameter.getValue();
    if (pressed)
        accept();
}

void DialNormMeasureAcceptObserver::accept() {
    try {
        dialnorm_.setValue(dialnormBase - measurement_.getValue().toInt16());
    } catch (...) {
        // A failed write must not leave the button held down: it could never be pressed again.
        button_.setValue(0);
        throw;
    }
    button_.setValue(0);
}
