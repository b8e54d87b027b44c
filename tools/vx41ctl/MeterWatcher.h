#pragma once

#include <ostream>
#include <string>

#include "model/Observer.h"

// Prints a meter's report line whenever the line changes. Meters notify on every reading and
// every smoothing step, so the watcher keeps what it printed last.
class MeterWatcher : public Observer {
public:
    explicit MeterWatcher(std::ostream& out) : out_(out) {}
    void update(Parameter& parameter) override;

private:
    std::ostream& out_;
    bool attached_ = false;
    std::string shown_;
};
