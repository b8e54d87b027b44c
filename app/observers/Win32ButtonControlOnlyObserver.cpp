#include "app/observers/Win32ButtonControlOnlyObserver.h"

#include "app/observers/ParameterNumbers.h"

Win32ButtonControlOnlyObserver::Win32ButtonControlOnlyObserver(ButtonState& holder, int controlId,
                                                               int ownValue)
    : Win32WidgetObserver(&holder.button(), controlId), holder_(holder), ownValue_(ownValue) {}

void Win32ButtonControlOnlyObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    value_ = ParameterNumbers::value(parameter);
    holder_.enable(parameter.isEnabled() && ParameterNumbers::inRange(parameter, ownValue_));
}

void Win32ButtonControlOnlyObserver::action() {
    holder_.reapplyPressed();
    if (!holder_.isActive() && subject() != nullptr)
        ParameterNumbers::force(*subject(), ownValue_);
}
