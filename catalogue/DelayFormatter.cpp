#include "catalogue/DelayFormatter.h"

void DelayFormatter::format(std::string& text, const ParameterValue& value) const {
    text = std::to_string(offset_ + value.toInt16()) + " " + unit_;
}
