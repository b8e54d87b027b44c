#include "catalogue/CompressionFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void CompressionFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 6> kTexts{
        "None", "Film Standard", "Film Light", "Music Standard", "Music Light", "Speech"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
