#include "model/ParameterFormatter.h"

bool ParameterFormatter::writeValue(std::ostream& stream, const ParameterValue& value) const {
    std::string text;
    format(text, value);
    stream << text;
    return stream.good();
}

bool ParameterFormatter::writeName(std::ostream& stream) const {
    stream << name_;
    return stream.good();
}
