#include "catalogue/DownmixFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void DownmixFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 5> kTexts{"Full", "3 Stereo", "Phantom", "Stereo",
                                                            "Mono"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
