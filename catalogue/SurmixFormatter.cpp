#include "catalogue/SurmixFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void SurmixFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"0.707 (-3.0 dB)", "0.500 (-6.0 dB)",
                                                            "0 (-999 dB)"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
