#include "catalogue/Vx41ReportSection.h"

#include <cstdint>

namespace {
std::uint8_t byte(int value) {
    return static_cast<std::uint8_t>(value);
}

// The programme configuration beside its source, then each programme's description beside the
// metadata source of that programme.
Vx41ReportSection tessera() {
    Vx41ReportSection section{"TESSERA", "TESSERA", true, {{141, 0, 0, 121, 0}}};
    for (int p = 0; p < 8; ++p)
        section.entries.push_back({141, byte(8 + 2 * p), byte(8 + 2 * p), 117, byte(11 + p)});
    return section;
}

// Each metadata item of a programme beside the source it is taken from.
Vx41ReportSection programme(int p) {
    const std::string title = "LUMACODE PROGRAM " + std::to_string(p + 1);
    return {title, title, true, {{byte(143 + 2 * p), 0, 53, byte(123 + 2 * p), 0}}};
}
} // namespace

std::vector<Vx41ReportSection> Vx41ReportSection::all() {
    std::vector<Vx41ReportSection> sections;
    sections.push_back({"OPERATING MODE",
                        "OPERATING MODE",
                        false,
                        {{117, 0, 0, 0, 0},
                         {117, 21, 22, 0, 0},
                         {117, 33, 33, 0, 0},
                         {117, 36, 38, 0, 0},
                         {117, 48, 49, 0, 0},
                         {197, 15, 15, 0, 0}}});
    sections.push_back(tessera());
    for (int p = 0; p < 8; ++p)
        sections.push_back(programme(p));
    sections.push_back(
        {"EMULATOR SETUP",
         "EMULATOR SETUP",
         true,
         {{117, 26, 32, 0, 0}, {117, 35, 35, 0, 0}, {117, 39, 39, 0, 0}, {117, 52, 52, 0, 0}}});
    sections.push_back({"MONITOR SETUP", "MONITOR SETUP", true, {{197, 0, 14, 0, 0}}});
    sections.push_back({"GPI", "GPI SETUP", true, {{201, 0, 44, 0, 0}}});
    sections.push_back({"GPO", "GPO SETUP", true, {{203, 0, 46, 0, 0}}});
    return sections;
}
