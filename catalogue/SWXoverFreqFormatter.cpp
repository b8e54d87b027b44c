#include "catalogue/SWXoverFreqFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void SWXoverFreqFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"80 Hz", "100 Hz", "120 Hz"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
