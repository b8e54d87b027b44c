#include <gtest/gtest.h>

#include <locale>

#include "FormatterTestSupport.h"
#include "catalogue/BoolFormatter.h"
#include "catalogue/CutBoostFormatter.h"
#include "catalogue/DecibelFormatter.h"
#include "catalogue/DelayFormatter.h"
#include "catalogue/DialNormFormatter.h"
#include "catalogue/DialnormMeterFormatter.h"
#include "catalogue/DimLevelFormatter.h"
#include "catalogue/MasterLevelFormatter.h"
#include "catalogue/MasterVolumeFormatter.h"
#include "catalogue/MixLevelFormatter.h"
#include "catalogue/SecondsFormatter.h"
#include "catalogue/TrimFormatter.h"

namespace {
// A locale whose numbers use a decimal comma, as some operators' systems do.
class CommaDecimals : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
};
} // namespace

TEST(LevelFormatters, SignsAndOffsetsAroundTheZeroPosition) {
    expectTexts(MasterVolumeFormatter("Master Volume", 192),
                {{2, "-95.0"}, {191, "-0.5"}, {192, "0"}, {193, "+0.5"}, {212, "+10.0"}});
    expectTexts(MasterLevelFormatter("Stereo Master Trim", 60), {{0, "-30.0"}, {61, "+0.5"}});
    // Fixed-point trims take the offset away before dividing.
    expectTexts(TrimFormatter("Left Trim", 8, 160, " dB"),
                {{0, "-20.000 dB"}, {159, "-0.125 dB"}, {160, "0.000 dB"}, {161, "0.125 dB"}});
    expectTexts(CutBoostFormatter("Custom Cut", 10, 0, ""), {{0, "0.0"}, {5, "0.5"}});
    expectTexts(DecibelFormatter("Digital Reference Level", 8), {{12, "-20 dB"}});
    expectTexts(DecibelFormatter("Lt/Rt Gain", 0), {{0, "-0 dB"}}); // unity still reads as a cut
    expectTexts(DelayFormatter("Center Delay", "ms", -3), {{0, "-3 ms"}, {3, "0 ms"}, {8, "5 ms"}});
    expectTexts(DelayFormatter("Matrixa Delay", "ms", 10), {{5, "15 ms"}});
    expectTexts(MixLevelFormatter("Mix Level"), {{0, "80 dB"}, {31, "111 dB"}});
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

TEST(LevelFormatters, OwnTextsBeyondTheEndsOfTheirScales) {
    expectTexts(DimLevelFormatter("Dim Level"), {{0, "Off"},
                                                 {1, "-30"},
                                                 {31, "-0"},
                                                 {32, "+1"},
                                                 {37, "+6"},
                                                 {38, "Unknown selection"},
                                                 {-1, "Unknown selection"}});
    expectTexts(DialNormFormatter("Dialogue Normalization"),
                {{0, "0"}, {1, "-1"}, {40, "-40"}, {41, "Low"}});
    expectTexts(DialnormMeterFormatter("Dial Norm"),
                {{59, "***"}, {60, "-40"}, {100, "0"}, {120, "20"}, {121, "***"}, {-60, "***"}});
}

TEST(ValueFormatters, SecondsAreUnsignedAndAnyNonZeroValueIsTrue) {
    expectTexts(SecondsFormatter("Measure Duration"), {{0, "00:00:00"},
                                                       {3599, "00:59:59"},
                                                       {3600, "01:00:00"},
                                                       {0x8000, "09:06:08"},
                                                       {-1, "18:12:15"}});
    expectTexts(BoolFormatter("Dialnorm Measure", "Run", "Pause"),
                {{0, "Run"}, {1, "Pause"}, {-1, "Pause"}, {0x100, "Pause"}});
}
