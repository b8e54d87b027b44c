#include "catalogue/LRMixLevelFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void LRMixLevelFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 8> kTexts{
        "1.414 (+3.0 dB)", "1.189 (+1.5 dB)", "1.000 (0.0 dB)",  "0.841 (-1.5 dB)",
        "0.707 (-3.0 dB)", "0.595 (-4.5 dB)", "0.500 (-6.0 dB)", "0.000 (-inf dB)"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
