#include "catalogue/StringFormatter.h"

void StringFormatter::format(std::string& text, const ParameterValue& value) const {
    text = value.bytes();
}
