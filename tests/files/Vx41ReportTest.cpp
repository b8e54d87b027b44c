#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueFixture.h"
#include "tests/support/Listing.h"

namespace {

namespace fs = std::filesystem;

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class Vx41Report : public CatalogueFixture, public ::testing::Test {};

// The sections in order with their headings once, every metadata item of a programme beside its
// source, as the report of a reset unit was reviewed.
TEST_F(Vx41Report, TextReportOfAResetUnitIsAsListed) {
    std::ostringstream stream;
    params.writeTextReport(stream, "unit.txt");
    expectListing(stream.str(), listingBeside(__FILE__, "reset-unit-report.txt"));
}

TEST_F(Vx41Report, HtmlReportEscapesTheUnitsTextsAndPassesTidy) {
    params.find({141, 8}).setValue(ParameterValue::fromText("Film & <Dub>"));
    std::ostringstream stream;
    params.writeHtmlReport(stream, "unit & co <1>.htm");
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
