#include "catalogue/MatrixaRFLFormater.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void MatrixaRFLFormater::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"Disabled", "Matrixa Enabled",
                                                            "RFL Enabled"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
