#include "catalogue/GPOFunctionFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"
#include "catalogue/GpioFunctionText.h"

void GPOFunctionFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 6> kOwnFunctions{
        "Emulator Bypass", "Router Delay", "Lt/Rt Input", "Vref", "MD Input 1", "MD Input 2"};
    const std::int32_t code = value.toInt16();
    text = code < static_cast<std::int32_t>(kOwnFunctions.size())
               ? FormatterText::selection(kOwnFunctions, code)
               : GpioFunctionText::of(code - static_cast<std::int32_t>(kOwnFunctions.size()));
}
