#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "FormatterTestSupport.h"
#include "catalogue/ACModeFormatter.h"
#include "catalogue/AmbiformModeFormatter.h"
#include "catalogue/BassManagementFormatter.h"
#include "catalogue/BitsModeFormatter.h"
#include "catalogue/BkSrndSpeakerSelectFormatter.h"
#include "catalogue/CmixFormatter.h"
#include "catalogue/CompressionFormatter.h"
#include "catalogue/CompressionModeFormatter.h"
#include "catalogue/DownmixFormatter.h"
#include "catalogue/DownmixModeFormatter.h"
#include "catalogue/FrameRateFormatter.h"
#include "catalogue/GPIFunctionFormatter.h"
#include "catalogue/GPOFunctionFormatter.h"
#include "catalogue/LFEMonitorModeFormatter.h"
#include "catalogue/LRMixLevelFormatter.h"
#include "catalogue/MatrixaFormatter.h"
#include "catalogue/MatrixaRFLFormater.h"
#include "catalogue/ProgramConfigFormatter.h"
#include "catalogue/ProgramSelectFormatter.h"
#include "catalogue/RearfillModeFormatter.h"
#include "catalogue/RoomTypeFormatter.h"
#include "catalogue/SWXoverFreqFormatter.h"
#include "catalogue/SourceFormatter.h"
#include "catalogue/SpeakerSelectFormatter.h"
#include "catalogue/SurmixFormatter.h"

namespace {
const std::string kUnknown = "Unknown selection";

// The ends of one enumeration: the values just outside them must read as unknown selections.
struct Enumeration {
    std::function<std::unique_ptr<ParameterFormatter>()> make;
    std::int16_t first;
    std::string firstText;
    std::int16_t last;
    std::string lastText;
};

template <typename Formatter> std::function<std::unique_ptr<ParameterFormatter>()> maker() {
    return [] { return std::make_unique<Formatter>("Name"); };
}
} // namespace

TEST(EnumerationFormatters, ListEveryValueFromFirstToLastAndNoOther) {
    const std::vector<Enumeration> enumerations = {
        {maker<SpeakerSelectFormatter>(), 0, "Multi-channel", 2, "Mono"},
        {maker<BkSrndSpeakerSelectFormatter>(), 0, "None", 2, "Two"},
        {maker<MatrixaFormatter>(), 0, "Disabled", 3, "MatrixaII"},
        {maker<MatrixaRFLFormater>(), 0, "Disabled", 2, "RFL Enabled"},
        {maker<DownmixFormatter>(), 0, "Full", 4, "Mono"},
        {maker<CompressionModeFormatter>(), 0, "Custom", 3, "Disabled"},
        {maker<LFEMonitorModeFormatter>(), 0, "Auto Select", 2, "Disabled"},
        {maker<SWXoverFreqFormatter>(), 0, "80 Hz", 2, "120 Hz"},
        {maker<BassManagementFormatter>(), 0, "None", 11, "Center->SW"},
        {maker<ProgramSelectFormatter>(), 0, "1", 7, "8"},
        {[] { return std::make_unique<SourceFormatter>(); }, 0, "Internal", 2, "External 2"},
        {maker<RearfillModeFormatter>(), 0, "Not Indicated", 2, "Rearfill"},
        {maker<AmbiformModeFormatter>(), 0, "Not Indicated", 2, "Ambiform"},
        {maker<LRMixLevelFormatter>(), 0, "1.414 (+3.0 dB)", 7, "0.000 (-inf dB)"},
        {maker<DownmixModeFormatter>(), 0, "Not Indicated", 2, "Lo/Ro Preferred"},
        {maker<CompressionFormatter>(), 0, "None", 5, "Speech"},
        {maker<RoomTypeFormatter>(), 0, "Not indicated", 2, "Small"},
        {maker<SurmixFormatter>(), 0, "0.707 (-3.0 dB)", 2, "0 (-999 dB)"},
        {maker<CmixFormatter>(), 0, "0.707 (-3.0 dB)", 2, "0.500 (-6.0 dB)"},
        {maker<ACModeFormatter>(), 1, "1/0 Mono", 7, "3/2"},
        {maker<BitsModeFormatter>(), 0, "Main Audio Service: Complete Main", 7,
         "Associated Service: Voice Over"},
        {maker<ProgramConfigFormatter>(), 0, "5.1+2", 21, "4x1"},
        {maker<GPIFunctionFormatter>(), 0, "Emulator Bypass", 65, "Reference Level"},
        {maker<GPOFunctionFormatter>(), 0, "Emulator Bypass", 68, "Reference Level"},
    };
    for (const auto& enumeration : enumerations) {
        const auto formatter = enumeration.make();
        SCOPED_TRACE(enumeration.firstText + " .. " + enumeration.lastText);
        expectTexts(*formatter, {{enumeration.first - 1, kUnknown},
                                 {enumeration.first, enumeration.firstText},
                                 {enumeration.last, enumeration.lastText},
                                 {enumeration.last + 1, kUnknown},
                                 {ParameterValue::largest(), kUnknown}});
    }
}

TEST(EnumerationFormatters, FrameRateWithoutARateHasNoLock) {
    expectTexts(FrameRateFormatter("FrameRate"),
                {{-1, "No Lock"}, {0, "No Lock"}, {1, "23.98 fps"}, {8, "60 fps"}, {9, "No Lock"}});
}

// The output functions list three signals of their own first; both number presets and
// programmes from one and leave a gap after the matrix choices.
TEST(EnumerationFormatters, GpioFunctionsNumberPresetsAndProgrammesFromOne) {
    const std::vector<TextCase> inputs = {{3, "Preset 1"},  {34, "Preset 32"},  {40, "Matrixa"},
                                          {41, kUnknown},   {42, "RFL On/Off"}, {46, "Program 1"},
                                          {53, "Program 8"}};
    const GPIFunctionFormatter gpi("GPI 23 Function");
    const GPOFunctionFormatter gpo("GPO 4 Function");
    for (const auto& [value, text] : inputs) {
        EXPECT_EQ(textOf(gpi, value), text);
        EXPECT_EQ(textOf(gpo, value.toInt16() + 3), text);
    }
    EXPECT_EQ(textOf(gpo, 3), "Vref");
}
