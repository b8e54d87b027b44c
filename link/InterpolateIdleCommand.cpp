#include "link/InterpolateIdleCommand.h"

#include "model/Parameter.h"

void InterpolateIdleCommand::execute() {
    for (Parameter* parameter : parameters_)
        parameter->interpolate();
}
