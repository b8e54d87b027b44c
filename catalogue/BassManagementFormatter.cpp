#include "catalogue/BassManagementFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void BassManagementFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 12> kTexts{"None",
                                                             "Center/Surround/LFE->L/R",
                                                             "Surround/LFE->L/R",
                                                             "Center/LFE->L/R",
                                                             "Center/Surround->L/R",
                                                             "LFE->L/R",
                                                             "Surround->L/R",
                                                             "Center->L/R",
                                                             "L/C/R/S->SW",
                                                             "Center/Surround->SW",
                                                             "Surround->SW",
                                                             "Center->SW"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
