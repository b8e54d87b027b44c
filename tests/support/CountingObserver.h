#pragma once

#include "model/Observer.h"

// Counts the notifications it receives.
class CountingObserver : public Observer {
public:
    void update(Parameter&) override { ++updates; }
    int updates = 0;
};
