#include "catalogue/DownmixModeFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void DownmixModeFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"Not Indicated", "Lt/Rt Preferred",
                                                            "Lo/Ro Preferred"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
