#pragma once

#include <string>
#include <vector>

#include "model/ReportSectionEntry.h"

// One section of the VX41 reports: its heading in the text report, its caption and column count
// in the HTML report, and the entries listed under it.
struct Vx41ReportSection {
    std::string textTitle;
    std::string htmlCaption;
    bool fourColumns = true;
    std::vector<ReportSectionEntry> entries;

    // Every section, in report order.
    static std::vector<Vx41ReportSection> all();
};
