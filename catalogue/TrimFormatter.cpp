#include "catalogue/TrimFormatter.h"

#include "catalogue/FormatterText.h"

void TrimFormatter::format(std::string& text, const ParameterValue& value) const {
    // In double from the start: an offset near the 32-bit limits must not overflow.
    const double number = (static_cast<double>(value.toInt16()) - offset_) / divisor_;
    text = FormatterText::fixed(number, 3) + unit_;
}
