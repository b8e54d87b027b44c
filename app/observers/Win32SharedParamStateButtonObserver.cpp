#include "app/observers/Win32SharedParamStateButtonObserver.h"

#include "model/SharedParameter.h"

void Win32SharedParamStateButtonObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    followState(parameter);
    const auto* shared = dynamic_cast<const SharedParameter*>(&parameter);
    if (shared != nullptr && shared->isLocked())
        button().setEnabled(false);
    const bool on = value() == onValue();
    if (on != on_)
        showOn(on);
    on_ = on;
}
