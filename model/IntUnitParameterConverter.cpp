#include "model/IntUnitParameterConverter.h"

void IntUnitParameterConverter::format(std::string& text, const ParameterValue& value) const {
    IntParameterConverter::format(text, value);
    text += unit_;
}
