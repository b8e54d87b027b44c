#include <sstream>

#include <gtest/gtest.h>

#include "tests/catalogue/CatalogueFixture.h"
#include "tests/support/Listing.h"

namespace {

class Vx41Report : public CatalogueFixture, public ::testing::Test {};

// The sections in order with their headings once, every metadata item of a programme beside its
// source, as the report of a reset unit was reviewed.
TEST_F(Vx41Report, TextReportOfAResetUnitIsAsListed) {
    std::ostringstream stream;
    params.writeTextReport(stream, "unit.txt");
    expectListing(stream.str(), listingBeside(__FILE__, "reset-unit-report.txt"));
}

// The title and the unit's texts escaped ("Film &amp; &lt;Dub>"), the catalogue's as they are.
TEST_F(Vx41Report, HtmlReportEscapesTheUnitsTextsAsListed) {
    params.find({141, 8}).setValue(ParameterValue::fromText("Film & <Dub>"));
    std::ostringstream stream;
    params.writeHtmlReport(stream, "unit & co <1>.htm");
    expectListing(stream.str(), listingBeside(__FILE__, "report.htm"));
}

} // namespace
