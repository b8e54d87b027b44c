#include "catalogue/CompressionModeFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void CompressionModeFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 4> kTexts{"Custom", "Line", "RF", "Disabled"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
