#include "tools/vx41ctl/MeterChannel.h"

#include "model/Parameter.h"
#include "tools/vx41ctl/LevelMeterScale.h"

void MeterChannel::update(Parameter& parameter) {
    std::string line =
        LevelMeterScale::line(name_, LevelMeterScale::decibels(parameter.getValue()));
    if (line == line_)
        return;
    line_ = std::move(line);
    changed_(*this);
}
