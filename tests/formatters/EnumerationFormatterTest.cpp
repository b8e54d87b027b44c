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

// The ends of one enumeration: they have texts, the values just outside them are unknown.
struct Enumeration {
    std::function<std::unique_ptr<ParameterFormatter>()> make;
    std::int16_t first;
    std::int16_t last;
};

template <typename Formatter> std::function<std::unique_ptr<ParameterFormatter>()> maker() {
    return [] { return std::make_unique<Formatter>("Name"); };
}
} // namespace

TEST(EnumerationFormatters, ListEveryValueFromFirstToLastAndNoOther) {
    const std::vector<Enumeration> enumerations = {
        {maker<SpeakerSelectFormatter>(), 0, 2},
        {maker<BkSrndSpeakerSelectFormatter>(), 0, 2},
        {maker<MatrixaFormatter>(), 0, 3},
        {maker<MatrixaRFLFormater>(), 0, 2},
        {maker<DownmixFormatter>(), 0, 4},
        {maker<CompressionModeFormatter>(), 0, 3},
        {maker<LFEMonitorModeFormatter>(), 0, 2},
        {maker<SWXoverFreqFormatter>(), 0, 2},
        {maker<BassManagementFormatter>(), 0, 11},
        {maker<ProgramSelectFormatter>(), 0, 7},
        {[] { return std::make_unique<SourceFormatter>(); }, 0, 2},
        {maker<RearfillModeFormatter>(), 0, 2},
        {maker<AmbiformModeFormatter>(), 0, 2},
        {maker<LRMixLevelFormatter>(), 0, 7},
        {maker<DownmixModeFormatter>(), 0, 2},
        {maker<CompressionFormatter>(), 0, 5},
        {maker<RoomTypeFormatter>(), 0, 2},
        {maker<SurmixFormatter>(), 0, 2},
        {maker<CmixFormatter>(), 0, 2},
        {maker<ACModeFormatter>(), 1, 7},
        {maker<BitsModeFormatter>(), 0, 7},
        {maker<ProgramConfigFormatter>(), 0, 21},
        {maker<GPIFunctionFormatter>(), 0, 65},
        {maker<GPOFunctionFormatter>(), 0, 68},
    };
    for (const auto& enumeration : enumerations) {
        const auto formatter = enumeration.make();
        const std::string name = textOf(*formatter, enumeration.first);
        SCOPED_TRACE(name);
        EXPECT_NE(name, kUnknown);
        EXPECT_NE(textOf(*formatter, enumeration.last), kUnknown);
        expectTexts(*formatter, {{enumeration.first - 1, kUnknown},
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
