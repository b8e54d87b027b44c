#include <gtest/gtest.h>

#include <locale>
#include <vector>

#include "FormatterTestSupport.h"
#include "catalogue/CutBoostFormatter.h"
#include "catalogue/DecibelFormatter.h"
#include "catalogue/DelayFormatter.h"
#include "catalogue/DialNormFormatter.h"
#include "catalogue/DialnormMeterFormatter.h"
#include "catalogue/DimLevelFormatter.h"
#include "catalogue/MasterLevelFormatter.h"
#include "catalogue/MasterVolumeFormatter.h"
#include "catalogue/MixLevelFormatter.h"
#include "catalogue/TrimFormatter.h"

namespace {
void expectTexts(const ParameterFormatter& formatter, const std::vector<TextCase>& cases) {
    for (const auto& [value, text] : cases)
        EXPECT_EQ(textOf(formatter, value), text) << formatter.name() << " of " << value.toInt16();
}

// A locale whose numbers use a decimal comma, as some operators' systems do.
class CommaDecimals : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
};
} // namespace

TEST(LevelFormatters, HalfDecibelStepsAroundTheZeroPosition) {
    expectTexts(
        MasterVolumeFormatter("Master Volume", 192),
        {{2, "-95.0"}, {190, "-1.0"}, {191, "-0.5"}, {192, "0"}, {193, "+0.5"}, {212, "+10.0"}});
    expectTexts(MasterLevelFormatter("Stereo Master Trim", 60),
                {{0, "-30.0"}, {59, "-0.5"}, {60, "0"}, {61, "+0.5"}, {72, "+6.0"}});
}

TEST(LevelFormatters, FixedPointTrimsTakeTheOffsetAwayBeforeDividing) {
    expectTexts(TrimFormatter("Left Trim", 8, 160, " dB"), {{0, "-20.000 dB"},
                                                            {159, "-0.125 dB"},
                                                            {160, "0.000 dB"},
                                                            {161, "0.125 dB"},
                                                            {208, "6.000 dB"}});
    expectTexts(CutBoostFormatter("Custom Cut", 10, 0, ""), {{0, "0.0"}, {5, "0.5"}, {10, "1.0"}});
}

TEST(LevelFormatters, FixedPointTextsKeepTheirDecimalPointUnderAnyLocale) {
    const std::locale previous =
        std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));

    const std::string trim = textOf(TrimFormatter("Left Trim", 8, 160, " dB"), 161);
    const std::string cut = textOf(CutBoostFormatter("Custom Cut", 10, 0, ""), 5);

    std::locale::global(previous);
    EXPECT_EQ(trim, "0.125 dB");
    EXPECT_EQ(cut, "0.5");
}

TEST(LevelFormatters, WholeDecibelsAndDelaysAddTheirOffset) {
    expectTexts(DecibelFormatter("Digital Reference Level", 8), {{0, "-8 dB"}, {12, "-20 dB"}});
    // Unity gain still reads as a cut.
    expectTexts(DecibelFormatter("Lt/Rt Gain", 0), {{0, "-0 dB"}, {20, "-20 dB"}});
    expectTexts(DelayFormatter("Center Delay", "ms", -3), {{0, "-3 ms"}, {3, "0 ms"}, {8, "5 ms"}});
    expectTexts(DelayFormatter("Matrixa Delay", "ms", 10), {{0, "10 ms"}, {5, "15 ms"}});
    expectTexts(MixLevelFormatter("Mix Level"), {{0, "80 dB"}, {31, "111 dB"}});
}

TEST(LevelFormatters, DimLevelIsACutUpToUnityAndAGainAbove) {
    expectTexts(DimLevelFormatter("Dim Level"), {{0, "Off"},
                                                 {1, "-30"},
                                                 {30, "-1"},
                                                 {31, "-0"},
                                                 {32, "+1"},
                                                 {37, "+6"},
                                                 {38, "Unknown selection"},
                                                 {-1, "Unknown selection"}});
}

TEST(LevelFormatters, DialogueNormalizationHasItsOwnTextsForZeroAndLow) {
    expectTexts(DialNormFormatter("Dialogue Normalization"),
                {{0, "0"}, {1, "-1"}, {27, "-27"}, {31, "-31"}, {40, "-40"}, {41, "Low"}});
}

TEST(LevelFormatters, DialnormMeterShowsStarsOutsideItsMeasuringRange) {
    expectTexts(DialnormMeterFormatter("Dial Norm"), {{59, "***"},
                                                      {60, "-40"},
                                                      {99, "-1"},
                                                      {100, "0"},
                                                      {120, "20"},
                                                      {121, "***"},
                                                      {-60, "***"}});
}
