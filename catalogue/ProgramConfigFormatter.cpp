#include "catalogue/ProgramConfigFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void ProgramConfigFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 22> kTexts{
        "5.1+2",   "5.1+2x1", "4+4", "4+2x2", "4+2+2x1", "4+4x1", "4x2", "3x2+2x1",
        "2x2+4x1", "2+6x1",   "8x1", "5.1",   "4+2",     "4+2x1", "3x2", "2x2+2x1",
        "2+4x1",   "6x1",     "4",   "2+2",   "2+2x1",   "4x1"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
