#include "catalogue/MatrixaFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void MatrixaFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 4> kTexts{"Disabled", "Matrixa Disabled (RFL)",
                                                            "Matrixa", "MatrixaII"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
