#pragma once

#include <functional>

#include "model/Observer.h"

// One of the connection rules of the 'Open Device' dialog: watches one setting and, whenever it
// changes, runs the procedure all of them share.
class ConnectionRule : public Observer {
public:
    explicit ConnectionRule(std::function<void()> procedure) : procedure_(std::move(procedure)) {}

    void update(Parameter&) override { procedure_(); }

private:
    std::function<void()> procedure_;
};
