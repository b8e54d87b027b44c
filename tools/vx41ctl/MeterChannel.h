#pragma once

#include <functional>
#include <string>

#include "model/Observer.h"

// One level meter of the unit under its channel name, as a line of text that follows the meter's
// displayed value. Meters notify on every reading and every smoothing step; changed is called
// only when the line changes.
class MeterChannel : public Observer {
public:
    MeterChannel(std::string name, std::function<void(const MeterChannel&)> changed)
        : name_(std::move(name)), changed_(std::move(changed)) {}

    void update(Parameter& parameter) override;
    const std::string& line() const { return line_; }

private:
    std::string name_;
    std::function<void(const MeterChannel&)> changed_;
    std::string line_;
};
