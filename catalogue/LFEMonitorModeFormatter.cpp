#include "catalogue/LFEMonitorModeFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

void LFEMonitorModeFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kTexts{"Auto Select", "Enabled", "Disabled"};
    text = FormatterText::selection(kTexts, value.toInt16());
}
