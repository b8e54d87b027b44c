#pragma once

#include <vector>

#include "link/IdleCommand.h"

class Parameter;

// Steps the displayed value of every interpolated meter.
class InterpolateIdleCommand : public IdleCommand {
public:
    void add(Parameter& parameter) { parameters_.push_back(&parameter); }

protected:
    void execute() override;

private:
    std::vector<Parameter*> parameters_;
};
