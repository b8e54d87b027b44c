#include "catalogue/SpeakerSelectFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void SpeakerSelectFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"Multi-channel", "Stereo", "Mono"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
