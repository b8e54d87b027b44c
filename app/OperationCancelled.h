#pragma once

#include <stdexcept>

// The operator cancelled long work. Not a QuenlarException on purpose: the model turns those into
// its own messages or carries on past them, and a cancel must end the work at once.
class OperationCancelled : public std::runtime_error {
public:
    OperationCancelled() : std::runtime_error("Cancelled by the operator.") {}
};
