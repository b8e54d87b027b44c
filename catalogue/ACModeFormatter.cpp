#include "catalogue/ACModeFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void ACModeFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 7> kTexts{"1/0 Mono", "2/0 Stereo", "3/0", "2/1",
                                                            "3/1",      "2/2",        "3/2"};
    text = FormatterText::selection(kTexts, value.toInt16(), 1);
}
