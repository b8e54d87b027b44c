#include "catalogue/ProgramSelectFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void ProgramSelectFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 8> kTexts{"1", "2", "3", "4", "5", "6", "7", "8"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
