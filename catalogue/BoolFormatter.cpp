#include "catalogue/BoolFormatter.h"

void BoolFormatter::format(std::string& text, const ParameterValue& value) const {
    text = value.toInt16() == 0 ? falseText_ : trueText_;
}
