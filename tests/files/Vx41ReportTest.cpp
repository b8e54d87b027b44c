#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/Vx41Params.h"
#include "link/DummyVx41Protocol.h"
#include "link/Protocol.h"
#include "tests/support/FakeClock.h"

namespace {

namespace fs = std::filesystem;

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The lines of text between the heading line and the next empty-titled heading.
std::vector<std::string> sectionLines(const std::string& report, const std::string& heading,
                                      const std::string& next) {
    const auto start = report.find("\n" + heading + "\n");
    const auto end = report.find("\n" + next + "\n", start);
    std::istringstream body(
        report.substr(start + heading.size() + 2, end - start - heading.size() - 2));
    std::vector<std::string> lines;
    for (std::string line; std::getline(body, line);)
        lines.push_back(line);
    return lines;
}

class Vx41Report : public ::testing::Test {
protected:
    std::string text() {
        std::ostringstream stream;
        set.writeTextReport(stream, "unit.txt");
        return stream.str();
    }
    std::string html() {
        std::ostringstream stream;
        set.writeHtmlReport(stream, "unit & co <1>.htm");
        return stream.str();
    }

    FakeClock clock;
    DummyVx41Protocol device;
    Protocol protocol{device};
    Vx41Params set{protocol, clock};
};

TEST_F(Vx41Report, TextReportListsTheSectionsInOrderWithHeadingsOnce) {
    const std::string report = text();
    EXPECT_THAT(report, ::testing::StartsWith("unit.txt\n\n\nOPERATING MODE\n"
                                              "\tProgram Selection: 1\n"));
    std::size_t at = 0;
    for (const char* heading :
         {"OPERATING MODE", "TESSERA", "LUMACODE PROGRAM 1", "LUMACODE PROGRAM 2",
          "LUMACODE PROGRAM 3", "LUMACODE PROGRAM 4", "LUMACODE PROGRAM 5", "LUMACODE PROGRAM 6",
          "LUMACODE PROGRAM 7", "LUMACODE PROGRAM 8", "EMULATOR SETUP", "MONITOR SETUP", "GPI",
          "GPO"}) {
        const auto found = report.find(std::string("\n") + heading + "\n", at);
        ASSERT_NE(found, std::string::npos) << heading;
        EXPECT_EQ(occurrences(report, std::string("\n") + heading + "\n"), 1u) << heading;
        at = found + 1;
    }
    // Every metadata item of a programme stands beside its source.
    for (const auto& line : sectionLines(report, "LUMACODE PROGRAM 1", "LUMACODE PROGRAM 2"))
        EXPECT_THAT(line, ::testing::MatchesRegex("\t[^\t]+\t+Source: .*")) << line;
}

TEST_F(Vx41Report, HtmlReportEscapesTheUnitsTextsAndPassesTidy) {
    set.find({141, 8}).setValue(ParameterValue::fromText("Film & <Dub>"));
    const std::string page = html();
    EXPECT_THAT(page, ::testing::StartsWith(
                          "<HTML><HEAD><TITLE>unit &amp; co &lt;1>.htm</TITLE> </HEAD> <BODY> \n"
                          "<H1>unit &amp; co &lt;1>.htm</H1>\n"
                          "<BR><CAPTION><FONT SIZE=+1>OPERATING MODE </FONT></CAPTION>\n"
                          "<TABLE BORDER COLS=2>\n"));
    EXPECT_THAT(page, ::testing::EndsWith("</TABLE>\n</BODY></HTML>\n"));
    EXPECT_THAT(page, ::testing::HasSubstr("<TD>Film &amp; &lt;Dub></TD>"));
    EXPECT_EQ(occurrences(page, "<TABLE BORDER COLS=4>"), 13u);
    EXPECT_EQ(occurrences(page, "<TABLE"), occurrences(page, "</TABLE>"));
    EXPECT_EQ(occurrences(page, "<TR>"), occurrences(page, "</TR>"));
    EXPECT_THAT(page, ::testing::HasSubstr("GPI SETUP </FONT>"));
    EXPECT_THAT(page, ::testing::HasSubstr("GPO SETUP </FONT>"));

    if (std::system("tidy -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "tidy is not installed";
    const fs::path file = fs::temp_directory_path() /
                          ("vx41-report-" + std::to_string(std::random_device{}()) + ".htm");
    std::ofstream(file) << page;
    const fs::path errors = file.string() + ".errors";
    const int status = std::system(
        ("tidy -errors -q '" + file.string() + "' > '" + errors.string() + "' 2>&1").c_str());
    std::ifstream errorStream(errors);
    const std::string output((std::istreambuf_iterator<char>(errorStream)),
                             std::istreambuf_iterator<char>());
    fs::remove(file);
    fs::remove(errors);
    // tidy exits with 1 for warnings (the page is of its time: no DOCTYPE, FONT, COLS) and 2 for
    // errors.
    EXPECT_LT(WEXITSTATUS(status), 2) << output;
    EXPECT_EQ(output.find("Error:"), std::string::npos) << output;
}

TEST_F(Vx41Report, ConfigurationRoundTripRestoresTheWholeUnit) {
    const auto saved = [this] {
        std::ostringstream stream(std::ios::binary);
        set.save(stream);
        return stream.str();
    };
    const std::string before = saved();
    set.find({197, 0}).setValue(30);
    set.find({141, 8}).setValue(ParameterValue::fromText("Film"));
    set.find({117, 0}).setValue(3);
    ASSERT_NE(saved(), before);

    std::istringstream file(before, std::ios::binary);
    set.load(file, true);
    EXPECT_EQ(saved(), before);
}

} // namespace
