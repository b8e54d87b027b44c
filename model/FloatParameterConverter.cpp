#include "model/FloatParameterConverter.h"

#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

#include "model/NumberText.h"

bool FloatParameterConverter::parse(ParameterValue& value, const std::string& text) const {
    float number = 0;
    if (!NumberText::readFloat(text, number))
        return false;
    const double scaled = std::trunc(static_cast<double>(scale_) * number);
    // Out-of-range input wraps to 16 bits like any other value; the limits check comes later.
    const auto whole = std::isfinite(scaled) && std::fabs(scaled) < 2147483648.0
                           ? static_cast<std::int64_t>(scaled)
                           : std::int64_t{0};
    value = ParameterValue(static_cast<int>((whole + offset_) & 0xFFFF));
    return true;
}

void FloatParameterConverter::format(std::string& text, const ParameterValue& value) const {
    const double x = static_cast<double>(value.toInt16() - offset_) / scale_;
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::fixed << std::setprecision(3) << x;
    text = stream.str() + unit_;
}
