// The VX41 reports: the persistent parameters in fixed sections, each metadata item beside its
// source.
#include <ostream>

#include "catalogue/Vx41Params.h"
#include "catalogue/Vx41ReportSection.h"

void Vx41Params::writeTextReport(std::ostream& stream, const std::string& title) {
    refreshEverything();
    stream << title << "\n\n";
    for (const auto& section : Vx41ReportSection::all()) {
        // Only a section's first entry carries the heading; the others continue under it.
        std::string heading = section.textTitle;
        for (const auto& entry : section.entries) {
            writeTextSection(stream, heading, entry);
            heading.clear();
        }
    }
}

void Vx41Params::writeHtmlReport(std::ostream& stream, const std::string& title) {
    refreshEverything();
    writePageStart(stream, title);
    for (const auto& section : Vx41ReportSection::all()) {
        writeSectionStart(stream, section.htmlCaption, section.fourColumns);
        for (const auto& entry : section.entries)
            writeHtmlSection(stream, entry);
        writeSectionEnd(stream);
    }
    writePageEnd(stream);
}
