#pragma once

#include "app/observers/Win32StateButtonObserver.h"

// One LED button of a group sharing a parameter: pressing it writes its value, also when it is
// lit already (it stays lit).
class Win32GroupedStateButtonObserver : public Win32StateButtonObserver {
public:
    using Win32StateButtonObserver::Win32StateButtonObserver;

    void action() override;
};
