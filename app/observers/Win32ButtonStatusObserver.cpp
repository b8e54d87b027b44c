#include "app/observers/Win32ButtonStatusObserver.h"

#include "app/observers/ParameterNumbers.h"

Win32ButtonStatusObserver::Win32ButtonStatusObserver(ButtonState& holder, int controlId, int value)
    : Win32ButtonStatusObserver(holder, controlId, std::set<int>{value}) {}

Win32ButtonStatusObserver::Win32ButtonStatusObserver(ButtonState& holder, int controlId,
                                                     std::set<int> values)
    : Win32WidgetObserver(&holder.button(), controlId), holder_(holder),
      values_(std::move(values)) {}

void Win32ButtonStatusObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    const bool inSet = values_.contains(ParameterNumbers::value(parameter));
    holder_.setActive(inSet);
    holder_.setPressed(inSet);
    holder_.enable(parameter.isEnabled());
}
