#pragma once

#include "app/observers/Win32StateButtonObserver.h"

// An LED button on a parameter the rules can lock: disabled while locked. The lamp is switched
// only when its state changes.
class Win32SharedParamStateButtonObserver : public Win32StateButtonObserver {
public:
    using Win32StateButtonObserver::Win32StateButtonObserver;

    void update(Parameter& parameter) override;

private:
    bool on_ = false;
};
