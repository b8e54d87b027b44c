#include "catalogue/SourceFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void SourceFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"Internal", "External 1", "External 2"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
