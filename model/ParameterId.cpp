#include "model/ParameterId.h"

#include <cstdio>

std::string ParameterId::toString() const {
    char text[16];
    std::snprintf(text, sizeof text, "(%x, %d)", static_cast<unsigned>(number),
                  static_cast<int>(index));
    return text;
}
