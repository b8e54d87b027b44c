#include "catalogue/BitsModeFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void BitsModeFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 8> kTexts{
        "Main Audio Service: Complete Main",     "Main Audio Service: Music and Effects",
        "Associated Service: Visually Impaired", "Associated Service: Hearing Impaired",
        "Associated Service: Dialogue",          "Associated Service: Commentary",
        "Associated Service: Emergency",         "Associated Service: Voice Over"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
