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

class Vx41Report : public ::testing::Test {
protected:
    FakeClock clock;
    DummyVx41Protocol device;
    Protocol protocol{device};
    Vx41Params set{protocol, clock};
};

TEST_F(Vx41Report, TextReportListsTheSectionsInOrderWithHeadingsOnce) {
    std::ostringstream stream;
    set.writeTextReport(stream, "unit.txt");
    const std::string report = stream.str();
    EXPECT_THAT(report, ::testing::StartsWith("unit.txt\n\n\nOPERATING MODE\n"
                                              "\tProgram Selection: 1\n"));
    // Headings come once each, in order; every metadata item of a programme stands beside its
    // source.
    std::vector<std::string> headings;
    std::istringstream lines(report.substr(report.find('\n')));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] != '\t') {
            headings.push_back(line);
        } else if (!line.empty() && headings.back() == "LUMACODE PROGRAM 1") {
            EXPECT_THAT(line, ::testing::MatchesRegex("\t[^\t]+\t+Source: .*")) << line;
        }
    }
    EXPECT_EQ(headings, (std::vector<std::string>{
                            "OPERATING MODE", "TESSERA", "LUMACODE PROGRAM 1", "LUMACODE PROGRAM 2",
                            "LUMACODE PROGRAM 3", "LUMACODE PROGRAM 4", "LUMACODE PROGRAM 5",
                            "LUMACODE PROGRAM 6", "LUMACODE PROGRAM 7", "LUMACODE PROGRAM 8",
                            "EMULATOR SETUP", "MONITOR SETUP", "GPI", "GPO"}));
}

TEST_F(Vx41Report, HtmlReportEscapesTheUnitsTextsAndPassesTidy) {
    set.find({141, 8}).setValue(ParameterValue::fromText("Film & <Dub>"));
    std::ostringstream stream;
    set.writeHtmlReport(stream, "unit & co <1>.htm");
    const std::string page = stream.str();
    EXPECT_THAT(page, ::testing::StartsWith(
                          "<HTML><HEAD><TITLE>unit &amp; co &lt;1>.htm</TITLE> </HEAD> <BODY> \n"
                          "<H1>unit &amp; co &lt;1>.htm</H1>\n"
                          "<BR><CAPTION><FONT SIZE=+1>OPERATING MODE </FONT></CAPTION>\n"
                          "<TABLE BORDER COLS=2>\n"));
    EXPECT_THAT(page, ::testing::EndsWith("</TABLE>\n</BODY></HTML>\n"));
    EXPECT_THAT(page, ::testing::HasSubstr("<TD>Film &amp; &lt;Dub></TD>"));
    EXPECT_EQ(occurrences(page, "<TR>"), occurrences(page, "</TR>"));

    if (std::system("tidy -v > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "tidy is not installed";
    const fs::path file = fs::temp_directory_path() /
                          ("vx41-report-" + std::to_string(std::random_device{}()) + ".htm");
    std::ofstream(file) << page;
    std::string output;
    FILE* tidy = popen(("tidy -errors -q '" + file.string() + "' 2>&1").c_str(), "r");
    for (char buffer[256]; std::fgets(buffer, sizeof buffer, tidy);)
        output += buffer;
    const int status = pclose(tidy);
    fs::remove(file);
    // tidy exits with 1 for warnings (the page is of its time: no DOCTYPE, FONT, COLS) and 2 for
    // errors.
    EXPECT_LT(WEXITSTATUS(status), 2) << output;
    EXPECT_EQ(output.find("Error:"), std::string::npos) << output;
}

} // namespace
