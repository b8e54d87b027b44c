#include "catalogue/MasterLevelFormatter.h"

#include "catalogue/FormatterText.h"

void MasterLevelFormatter::format(std::string& text, const ParameterValue& value) const {
    constexpr std::int32_t kTenthsPerStep = 5;
    text = FormatterText::tenthsOfDecibel((value.toInt16() - zero_) * kTenthsPerStep);
}
