#include "catalogue/AmbiformModeFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void AmbiformModeFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"Not Indicated", "Not Ambiform",
                                                            "Ambiform"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
