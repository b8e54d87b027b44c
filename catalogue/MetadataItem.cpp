#include "catalogue/MetadataItem.h"

#include "catalogue/ACModeFormatter.h"
#include "catalogue/AmbiformModeFormatter.h"
#include "catalogue/BitsModeFormatter.h"
#include "catalogue/BoolFormatter.h"
#include "catalogue/CmixFormatter.h"
#include "catalogue/CompressionFormatter.h"
#include "catalogue/DialNormFormatter.h"
#include "catalogue/DownmixModeFormatter.h"
#include "catalogue/LRMixLevelFormatter.h"
#include "catalogue/MixLevelFormatter.h"
#include "catalogue/RearfillModeFormatter.h"
#include "catalogue/RoomTypeFormatter.h"
#include "catalogue/SurmixFormatter.h"

namespace {
using Made = std::unique_ptr<ParameterFormatter>;

// The unit needs time to re-encode after most changes; dialogue normalization takes effect at
// once.
constexpr std::uint32_t reencodeMs = 1250;

Made enabledSwitch(const char* name) {
    return std::make_unique<BoolFormatter>(name, "Disabled", "Enabled");
}
Made yesNo(const char* name) {
    return std::make_unique<BoolFormatter>(name, "No", "Yes");
}
Made converterType(const char* name) {
    return std::make_unique<BoolFormatter>(name, "Standard", "HDCD");
}
template <class Formatter> Made named(const char* name) {
    return std::make_unique<Formatter>(name);
}
} // namespace

const std::array<MetadataItem, 28>& MetadataItem::all() {
    static const std::array<MetadataItem, 28> items{{
        {0, nullptr, 0, 0, 7, reencodeMs, true, nullptr},
        {2, "Bits Mode", 0, 0, 7, reencodeMs, true, named<BitsModeFormatter>},
        {3, "AC Mode", 7, 1, 7, reencodeMs, true, named<ACModeFormatter>},
        {4, "Center Mix Level", 0, 0, 2, reencodeMs, false, named<CmixFormatter>},
        {5, "Surround Mix Level", 0, 0, 2, reencodeMs, false, named<SurmixFormatter>},
        {6, "Ambiform Mode", 0, 0, 2, reencodeMs, true, named<AmbiformModeFormatter>},
        {7, "LFE Channel", 0, 0, 1, reencodeMs, true, enabledSwitch},
        {8, "Dialogue Normalization", 27, 1, 31, 0, true, named<DialNormFormatter>},
        {11, "Audio Production Info", 0, 0, 1, reencodeMs, true, yesNo},
        {12, "Mix Level", 5, 0, 31, reencodeMs, true, named<MixLevelFormatter>},
        {13, "Room Type", 0, 0, 2, reencodeMs, true, named<RoomTypeFormatter>},
        {14, "Copyright Bit", 1, 0, 1, reencodeMs, true, yesNo},
        {15, "Original Bitstream", 1, 0, 1, reencodeMs, true, yesNo},
        {28, "DC Filter", 1, 0, 1, reencodeMs, true, enabledSwitch},
        {30, "LFE lowpass Filter", 1, 0, 1, reencodeMs, true, enabledSwitch},
        {29, "Lowpass Filter", 1, 0, 1, reencodeMs, true, enabledSwitch},
        {32, "Surround 3dB Attenuation", 1, 0, 1, reencodeMs, true, enabledSwitch},
        {31, "Surround Phase Shift", 1, 0, 1, reencodeMs, true, enabledSwitch},
        {33, "RF Overmod Protect", 0, 0, 1, reencodeMs, true, enabledSwitch},
        {35, "RF Mode Compression", 1, 0, 5, reencodeMs, true, named<CompressionFormatter>},
        {38, "Line Mode Compression", 1, 0, 5, reencodeMs, true, named<CompressionFormatter>},
        {17, "Preferred Stereo Downmix", 1, 0, 2, reencodeMs, true, named<DownmixModeFormatter>},
        {18, "Lt/Rt Center Mix Level", 4, 0, 7, reencodeMs, true, named<LRMixLevelFormatter>},
        {19, "Lt/Rt Surround Mix Level", 4, 0, 7, reencodeMs, true, named<LRMixLevelFormatter>},
        {20, "Lo/Ro Center Mix Level", 4, 0, 7, reencodeMs, true, named<LRMixLevelFormatter>},
        {21, "Lo/Ro Surround Mix Level", 4, 0, 7, reencodeMs, true, named<LRMixLevelFormatter>},
        {23, "Rearfill Mode", 0, 0, 2, reencodeMs, true, named<RearfillModeFormatter>},
        {25, "A/D Converter Type", 0, 0, 1, reencodeMs, true, converterType},
    }};
    return items;
}
