#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueFixture.h"
#include "tests/support/Listing.h"

namespace {

namespace fs = std::filesystem;

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
    // The title and the unit's texts escaped ("Film &amp; &lt;Dub>"), the catalogue's as they are.
    expectListing(page, listingBeside(__FILE__, "report.htm"));

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
