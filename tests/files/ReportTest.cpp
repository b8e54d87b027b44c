#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "link/Protocol.h"
#include "model/CompoundParameter.h"
#include "model/ConfigurationDiff.h"
#include "tests/support/ConfigurationTestSet.h"
#include "tests/support/FailureMessage.h"

namespace {

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
    const auto differences = ConfigurationDiff(set.parameters()).compare(first, second);
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_EQ(differences[0].name, "Status");
    EXPECT_EQ(differences[0].secondText, "3");
    EXPECT_EQ(differences[1].name, "(c5, 5)");
    EXPECT_EQ(differences[1].secondText, "-1");
}

TEST_F(Report, TextSectionSkipsWhatItCannotWordButKeepsTheLineAndStopsAtAnUnknownId) {
    // (197, 6) cannot be worded: its line stays, empty, and the auxiliary text starts at the
    // 56th column; (197, 7) is not persistent and has no line at all.
    EXPECT_EQ(textSection("", {197, 6, 7, 199, 0}), std::string(14, '\t') + "Aux: 60\n");
    EXPECT_EQ(textSection("EMPTY", {198, 0, 255, 0, 0}), "\nEMPTY\n");

    // A section stops at an auxiliary the set does not know.
    std::ostringstream stream;
    EXPECT_EQ(messageOf([&] {
                  set.writeTextSection(stream, "", {197, 1, 2, 200, 0});
              }),
              "Couldn't find parameter (c8, 1) (unknown:0)\n");
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

} // namespace
