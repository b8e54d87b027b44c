#include "catalogue/FormatterText.h"

#include <cstdlib>
#include <iomanip>
#include <locale>
#include <sstream>

std::string FormatterText::selection(std::span<const std::string_view> texts, std::int32_t value,
                                     std::int32_t first) {
    const std::int64_t position = std::int64_t{value} - first;
    if (position < 0 || position >= static_cast<std::int64_t>(texts.size()))
        return unknownSelection();
    const std::string_view text = texts[static_cast<std::size_t>(position)];
    return text.empty() ? unknownSelection() : std::string(text);
}

std::string FormatterText::tenthsOfDecibel(std::int32_t tenths) {
    if (tenths == 0)
        return "0";
    const std::int32_t magnitude = std::abs(tenths);
    // Appended, not concatenated: GCC 12 at -O3 reports a false -Wrestrict on the latter.
    std::string text = tenths < 0 ? "-" : "+";
    text += std::to_string(magnitude / 10);
    text += '.';
    text += std::to_string(magnitude % 10);
    return text;
}

std::string FormatterText::fixed(double number, int decimals) {
    std::ostringstream stream;
    stream.imbue(std::locale::classic());
    stream << std::fixed << std::setprecision(decimals) << number;
    return stream.str();
}
