#include "catalogue/FrameRateFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void FrameRateFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 8> kTexts{
        "23.98 fps", "24 fps", "25 fps", "29.97 fps", "30 fps", "50 fps", "59.94 fps", "60 fps"};
    const std::int16_t code = value.toInt16();
    const bool isRate = code >= 1 && code <= static_cast<std::int16_t>(kTexts.size());
    text = isRate ? FormatterText::selection(kTexts, code, 1) : "No Lock";
}
