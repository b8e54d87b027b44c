#pragma once

#include <functional>

class Win32ButtonControlOnlyObserver;
class Win32ButtonObserver;
class Win32CheckBoxObserver;
class Win32ComboBoxObserver;
class Win32EditObserver;
class Win32RadioButtonObserver;
class Win32SliderObserver;
class Win32SpinObserver;
class Win32StateButtonObserver;

// Runs a user action and reports what it throws; no exception may reach the event loop.
using ActionGuard = std::function<void(const std::function<void()>&)>;

// Carries the user's work on a bound widget to its observer's action, through a guard. Only
// signals of the user's own doing are used (a choice made, a click, Enter, the focus leaving),
// never those the observers' own redrawing would raise. The connections end with the observer.
class ObserverActions {
public:
    static void bind(Win32CheckBoxObserver& observer, const ActionGuard& guard);
    static void bind(Win32ComboBoxObserver& observer, const ActionGuard& guard);
    // Enter commits and shows the value again; leaving the box commits and ends the edit.
    static void bind(Win32EditObserver& observer, const ActionGuard& guard);
    static void bind(Win32SpinObserver& observer, const ActionGuard& guard);
    static void bind(Win32RadioButtonObserver& observer, const ActionGuard& guard);
    // Also the grouped and shared-parameter LED buttons.
    static void bind(Win32StateButtonObserver& observer, const ActionGuard& guard);
    static void bind(Win32ButtonObserver& observer, const ActionGuard& guard);
    // Also the toggle.
    static void bind(Win32ButtonControlOnlyObserver& observer, const ActionGuard& guard);
    // Every slider action of the user: keys, clicks on the groove, the wheel, dragging.
    static void bind(Win32SliderObserver& observer, const ActionGuard& guard);
};
