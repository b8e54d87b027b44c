#pragma once

#include "model/QuenlarException.h"

// A failed exchange with the unit; the fault-tolerant layer repeats these and nothing else.
class ProtocolException : public QuenlarException {
public:
    using QuenlarException::QuenlarException;
};
