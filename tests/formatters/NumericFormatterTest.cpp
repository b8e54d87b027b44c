#include <gtest/gtest.h>

#include <locale>
#include <string>
#include <vector>

#include "catalogue/BoolFormatter.h"
#include "catalogue/CutBoostFormatter.h"
#include "catalogue/DialNormFormatter.h"
#include "catalogue/DialnormMeterFormatter.h"
#include "catalogue/SecondsFormatter.h"
#include "catalogue/TrimFormatter.h"
#include "model/ParameterFormatter.h"
#include "model/ParameterValue.h"

namespace {
// The display text of value, taken through the base interface as the report and controls do.
std::string textOf(const ParameterFormatter& formatter, const ParameterValue& value) {
    std::string text = "stale";
    formatter.format(text, value);
    return text;
}

// Each value with the text it must show.
void expectTexts(const ParameterFormatter& formatter,
                 const std::vector<std::pair<ParameterValue, std::string>>& cases) {
    for (const auto& [value, text] : cases)
        EXPECT_EQ(textOf(formatter, value), text) << formatter.name() << " of " << value.toInt16();
}

// A locale whose numbers use a decimal comma, as some operators' systems do.
class CommaDecimals : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
};
} // namespace

TEST(LevelFormatters, FixedPointTextsKeepTheirDecimalPointUnderAnyLocale) {
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));

    const std::string trim = textOf(TrimFormatter("Left Trim", 8, 160, " dB"), 161);
    const std::string cut = textOf(CutBoostFormatter("Custom Cut", 10, 0, ""), 5);

    std::locale::global(previous);
    EXPECT_EQ(trim, "0.125 dB");
    EXPECT_EQ(cut, "0.5");
}

// Texts beyond the values the catalogue gives these scales (those it gives are in its listing).
TEST(LevelFormatters, OwnTextsBeyondTheEndsOfTheirScales) {
    expectTexts(DialNormFormatter("Dialogue Normalization"), {{40, "-40"}, {41, "Low"}});
    expectTexts(DialnormMeterFormatter("Dial Norm"),
                {{59, "***"}, {60, "-40"}, {100, "0"}, {120, "20"}, {121, "***"}, {-60, "***"}});
}

TEST(ValueFormatters, SecondsAreUnsignedAndAnyNonZeroValueIsTrue) {
    expectTexts(SecondsFormatter("Measure Duration"),
                {{3599, "00:59:59"}, {3600, "01:00:00"}, {0x8000, "09:06:08"}});
    expectTexts(BoolFormatter("Dialnorm Measure", "Run", "Pause"), {{0x100, "Pause"}});
}
