#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "link/Protocol.h"
#include "model/CompoundParameter.h"
#include "model/ConfigurationDiff.h"
#include "model/ConfigurationSnapshot.h"
#include "tests/catalogue/CatalogueFixture.h"
#include "tests/support/ConfigurationTestSet.h"
#include "tests/support/FailureMessage.h"
#include "tests/support/Listing.h"

namespace {

// Each difference as "id name: first text -> second text".
std::vector<std::string> worded(const std::vector<ConfigurationDifference>& differences) {
    std::vector<std::string> lines;
    for (const auto& difference : differences)
        lines.push_back(difference.id.toString() + ' ' + difference.name + ": " +
                        difference.firstText + " -> " + difference.secondText);
    return lines;
}

// A formatter that cannot word its parameter.
class SpeechlessFormatter : public ParameterFormatter {
public:
    SpeechlessFormatter() : ParameterFormatter("Speechless") {}
    void format(std::string& text, const ParameterValue&) const override { text.clear(); }
    bool writeName(std::ostream&) const override { return false; }
};

// A section of parameter 197 listed beside the auxiliary parameters 199.
class ReportSet : public ParameterSet {
public:
    explicit ReportSet(GenericProtocol& protocol) : ParameterSet(protocol) {
        control({197, 1}, 1234, plainFormatter("Gain"));
        control({197, 2}, 2, plainFormatter(std::string(53, 'x')));
        control({197, 5}, 5, nullptr);
        control({197, 6}, 6, std::make_unique<SpeechlessFormatter>());
        add(make<Parameter>({197, 7}, 7, nullptr)); // not persistent: never reported
        // A compound written through (194, 1) and read back through (196, 1); it stands in the
        // section under its own id and shows its status.
        add(make<Parameter>({196, 1}, 2, plainFormatter("Status")));
        control({194, 1}, 0, plainFormatter("Control"));
        auto compound = std::make_unique<CompoundParameter>(
            ParameterId(195, 1), find({196, 1}), dynamic_cast<ControlParameter&>(find({194, 1})),
            parameters(), 'M');
        compound->setPersistent(true);
        add(ParameterId(195, 1), std::move(compound));
        for (std::uint8_t index = 1; index <= 7; ++index)
            add(make<Parameter>({199, index}, index * 10, plainFormatter("Aux")));
    }

private:
    template <class Kind>
    std::unique_ptr<Kind> make(const ParameterId& id, const ParameterValue& value,
                               std::unique_ptr<ParameterFormatter> formatter) {
        return std::make_unique<Kind>(protocol(), id, value, ParameterValue::smallest(),
                                      ParameterValue::largest(), 'A', std::move(formatter));
    }
    void control(const ParameterId& id, const ParameterValue& value,
                 std::unique_ptr<ParameterFormatter> formatter) {
        auto parameter = make<ControlParameter>(id, value, std::move(formatter));
        parameter->setPersistent(true);
        add(std::move(parameter));
    }
};

class Report : public ::testing::Test {
protected:
    std::string textSection(const std::string& title, const ReportSectionEntry& entry) {
        std::ostringstream stream;
        set.writeTextSection(stream, title, entry);
        return stream.str();
    }
    std::string htmlSection(const ReportSectionEntry& entry) {
        std::ostringstream stream;
        set.writeHtmlSection(stream, entry);
        return stream.str();
    }

    DummyVx41Protocol device;
    Protocol protocol{device};
    ReportSet set{protocol};
};

TEST_F(Report, TextSectionMovesAuxiliaryTextsOutWithTabs) {
    // A main text of 10 characters gets 12 tabs (10, 14, ..., 54, 58); one of 56 gets none.
    EXPECT_EQ(textSection("MONITOR SETUP", {197, 1, 2, 199, 0}),
              "\nMONITOR SETUP\n"
              "\tGain: 1234" +
                  std::string(12, '\t') + "Aux: 10\n\t" + std::string(53, 'x') + ": 2Aux: 20\n");
    EXPECT_EQ(textSection("", {195, 0, 9, 0, 0}), "\tStatus: 2\n") << "a compound shows its status";
}

// A comparison words what differs as the report does: a compound through its status, a value
// without a formatter as its id and number.
TEST_F(Report, AComparisonWordsValuesAsTheReportDoes) {
    const ParameterValueMap first{{{195, 1}, 2}, {{197, 5}, 5}};
    const ParameterValueMap second{{{195, 1}, 3}, {{197, 5}, -1}};
    EXPECT_EQ(worded(ConfigurationDiff(set.parameters()).compare(first, second)),
              (std::vector<std::string>{"(c3, 1) Status: 2 -> 3", "(c5, 5) (c5, 5): 5 -> -1"}));
}

TEST_F(Report, TextSectionSkipsWhatItCannotWordButKeepsTheLineAndStopsAtAnUnknownId) {
    // (197, 6) cannot be worded: its line stays, empty, and the auxiliary text starts at the
    // 56th column; (197, 7) is not persistent and has no line at all.
    EXPECT_EQ(textSection("", {197, 6, 7, 199, 0}), std::string(14, '\t') + "Aux: 60\n");
    EXPECT_EQ(textSection("EMPTY", {198, 0, 255, 0, 0}), "\nEMPTY\n");

    // A section stops at an auxiliary the set does not know.
    std::ostringstream stream;
    const auto write = [&] { set.writeTextSection(stream, "", {197, 1, 2, 200, 0}); };
    EXPECT_EQ(messageOf(write), "Couldn't find parameter (c8, 1) (unknown:0)\n");
    EXPECT_EQ(stream.str(), "\tGain: 1234");
}

TEST_F(Report, HtmlSectionPairsEachRowWithItsAuxiliaryCells) {
    EXPECT_EQ(htmlSection({197, 5, 7, 0, 0}), "<TR><TD>(c5, 5)</TD><TD>5</TD></TR>\n");
    EXPECT_EQ(htmlSection({195, 1, 1, 199, 2}), "<TR><TD>Status</TD><TD>2</TD>\n"
                                                "<TD>Aux</TD><TD>20</TD></TR>\n");
}

class GenericReport : public ::testing::Test {
protected:
    DummyVx41Protocol device;
    Protocol protocol{device};
    ConfigurationTestSet set{protocol};
};

TEST_F(GenericReport, ListsEveryParameterInIdOrderAndWithoutFormatterItsIdAndSignedValue) {
    set.refreshAll();
    set.find(ConfigurationTestSet::plain).setValue(-3);
    std::ostringstream text;
    set.writeTextReport(text, "unit.txt");
    EXPECT_EQ(text.str(), "unit.txt\n\nStatus: 800\n(75, 21): -3\nEmulator Mode: 0\nEmulator: 0\n"
                          "Master Trim: 60\nPreset 1: PRESET 1\n");
    std::ostringstream html;
    set.writeHtmlReport(html, "unit.htm");
    EXPECT_THAT(html.str(),
                ::testing::HasSubstr("<H1>unit.htm</H1>\n<TR><TD>Status</TD><TD>800</TD></TR>\n"
                                     "<TR><TD>(75, 21)</TD><TD>-3</TD></TR>\n"));
    EXPECT_THAT(html.str(), ::testing::EndsWith("<TD>PRESET 1</TD></TR>\n</BODY></HTML>\n"));
}

TEST_F(GenericReport, StopsWhenTheStreamFails) {
    std::ostringstream stream;
    stream.setstate(std::ios::badbit);
    EXPECT_EQ(messageOf([&] { set.writeTextReport(stream, "t"); }),
              "Error formatting a parameter as text.");
    EXPECT_EQ(messageOf([&] { set.writeHtmlReport(stream, "t"); }),
              "Error formatting a parameter as html.");
}

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

class ConfigurationDiffTest : public CatalogueFixture, public ::testing::Test {
protected:
    // The off-line unit's configuration as a saved file would hold it.
    ConfigurationSnapshot saved() {
        std::stringstream file;
        params.save(file);
        return read(file, "unit.vxs");
    }
    ConfigurationSnapshot read(std::istream& file, const std::string& name) const {
        return ConfigurationSnapshot::read(file, name,
                                           ConfigurationSnapshot::largestFile(params.parameters()));
    }
};

TEST_F(ConfigurationDiffTest, ListsExactlyTheDifferingValuesWithTheReportsTexts) {
    const ConfigurationSnapshot first = saved();
    ParameterValueMap second = first.values();
    // The programme configuration (a compound, saved through its control) and a text; a plain
    // choice is checked as vx41ctl diff shows it.
    second[{0x8D, 0}] = ParameterValue(2);
    second[{0x8D, 8}] = ParameterValue::fromText("Film");

    const auto differences = ConfigurationDiff(params.parameters()).compare(first.values(), second);

    EXPECT_EQ(worded(differences),
              (std::vector<std::string>{"(8d, 0) Program Configuration: 5.1+2 -> 4+4",
                                        "(8d, 8) Program 1: Program 1 -> Film"}));
    EXPECT_TRUE(ConfigurationDiff(params.parameters()).compare(second, second).empty());
}

TEST_F(ConfigurationDiffTest, NamesUnknownAndMissingEntries) {
    const ParameterValueMap held = ConfigurationSnapshot::of(params.parameters(), "unit").values();
    ParameterValueMap file = held;
    file.erase(file.begin());
    file[{0xF0, 3}] = ParameterValue(7);

    const auto differences = ConfigurationDiff(params.parameters()).compare(file, held);

    EXPECT_EQ(worded(differences),
              (std::vector<std::string>{"(75, 0) Program Selection: (absent) -> 1",
                                        "(f0, 3) (f0, 3): 7 -> (absent)"}));
}

TEST_F(ConfigurationDiffTest, ADamagedFileIsNamedAsDamaged) {
    std::stringstream file;
    params.save(file);
    std::string bytes = file.str();

    std::istringstream truncated(bytes.substr(0, bytes.size() / 2));
    const std::string message = messageOf([&] { read(truncated, "half.vxs"); });
    EXPECT_EQ(message.rfind("half.vxs: damaged configuration file", 0), 0u) << message;

    // A file of zeros holds no entries and a checksum that matches.
    std::istringstream zeros(
        std::string(ConfigurationSnapshot::largestFile(params.parameters()) + 8, 0));
    EXPECT_EQ(read(zeros, "zeros.vxs").damage().rfind("it is larger than a configuration", 0), 0u);

    bytes[10] = static_cast<char>(bytes[10] ^ 0x01);
    std::istringstream flipped(bytes);
    EXPECT_TRUE(read(flipped, "flipped.vxs").checksumDamaged());
    EXPECT_EQ(saved().damage(), "");
}

} // namespace
