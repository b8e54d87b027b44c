#include "catalogue/BkSrndSpeakerSelectFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void BkSrndSpeakerSelectFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"None", "One", "Two"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
