#pragma once

#include <set>

#include "app/observers/ButtonState.h"
#include "app/observers/Win32WidgetObserver.h"

// Draws a button pushed, and marks it active, while the parameter holds one of its values.
class Win32ButtonStatusObserver : public Win32WidgetObserver {
public:
    Win32ButtonStatusObserver(ButtonState& holder, int controlId, int value);
    Win32ButtonStatusObserver(ButtonState& holder, int controlId, std::set<int> values);

    void update(Parameter& parameter) override;

private:
    ButtonState& holder_;
    std::set<int> values_;
};
