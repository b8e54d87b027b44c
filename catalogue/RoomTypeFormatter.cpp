#include "catalogue/RoomTypeFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void RoomTypeFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"Not indicated", "Large", "Small"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
