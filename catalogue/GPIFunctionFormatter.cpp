#include "catalogue/GPIFunctionFormatter.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"
#include "catalogue/GpioFunctionText.h"

void GPIFunctionFormatter::format(std::string& text, const ParameterValue& value) const {
    static constexpr std::array<std::string_view, 3> kOwnFunctions{"Emulator Bypass",
                                                                   "Router Delay", "Lt/Rt Input"};
    const std::int32_t code = value.toInt16();
    text = code < static_cast<std::int32_t>(kOwnFunctions.size())
               ? FormatterText::selection(kOwnFunctions, code)
               : GpioFunctionText::of(code - static_cast<std::int32_t>(kOwnFunctions.size()));
}
