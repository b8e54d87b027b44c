#include "catalogue/GpioFunctionText.h"

#include <array>
#include <string_view>

#include "catalogue/FormatterText.h"

namespace {
constexpr std::int32_t kPresets = 32;
constexpr std::int32_t kPrograms = 8;
constexpr std::int32_t kFirstMode = kPresets;

// The code after "Matrixa" names no function: it reads as an unknown selection.
constexpr std::array<std::string_view, 11> kModes{"Full",           "Stereo",  "Mono", "3 Stereo",
                                                  "Phantom Center", "Matrixa", "",     "RFL On/Off",
                                                  "Custom",         "Line",    "RF"};
constexpr std::int32_t kFirstProgram = kFirstMode + static_cast<std::int32_t>(kModes.size());
constexpr std::int32_t kFirstSpeaker = kFirstProgram + kPrograms;

constexpr std::array<std::string_view, 12> kSpeakers{"Multi-channel speaker",
                                                     "Stereo speaker",
                                                     "Mono speaker",
                                                     "Left speaker mute",
                                                     "Right speaker mute",
                                                     "Center speaker mute",
                                                     "Subwoofer mute",
                                                     "Left Surround speaker mute",
                                                     "Right Surround speaker mute",
                                                     "Back speaker mute",
                                                     "Dim mute",
                                                     "Reference Level"};
} // namespace

std::string GpioFunctionText::of(std::int32_t position) {
    if (position >= 0 && position < kPresets)
        return "Preset " + std::to_string(position + 1);
    if (position >= kFirstProgram && position < kFirstSpeaker)
        return "Program " + std::to_string(position - kFirstProgram + 1);
    if (position < kFirstProgram)
        return FormatterText::selection(kModes, position, kFirstMode);
    return FormatterText::selection(kSpeakers, position, kFirstSpeaker);
}
