#include "catalogue/RearfillModeFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void RearfillModeFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"Not Indicated", "Not Rearfill",
                                                            "Rearfill"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
