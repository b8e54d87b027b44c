#include "app/observers/Win32ButtonToggleObserver.h"

#include "app/observers/ParameterNumbers.h"

Win32ButtonToggleObserver::Win32ButtonToggleObserver(ButtonState& holder, int controlId,
                                                     int onValue, int offValue)
    : Win32ButtonControlOnlyObserver(holder, controlId, onValue), offValue_(offValue) {}

void Win32ButtonToggleObserver::action() {
    holder().reapplyPressed();
    if (holder().isActive() || subject() == nullptr)
        return;
    ParameterNumbers::force(*subject(), value() != ownValue() ? ownValue() : offValue_);
}
