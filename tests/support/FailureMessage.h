#pragma once

#include <string>

#include "model/QuenlarException.h"

// The text of the QuenlarException that action throws, or "no failure".
inline std::string messageOf(auto action) {
    try {
        action();
    } catch (const QuenlarException& failure) {
        return failure.what();
    }
    return "no failure";
}
