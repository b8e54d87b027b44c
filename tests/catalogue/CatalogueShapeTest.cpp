#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "CatalogueFixture.h"
#include "model/CompoundParameter.h"
#include "model/Observer.h"
#include "model/QuenlarException.h"
#include "model/SharedParameter.h"

namespace {

std::string kindOf(const Parameter& parameter) {
    if (dynamic_cast<const CompoundParameter*>(&parameter))
        return "compound";
    if (dynamic_cast<const SharedParameter*>(&parameter))
        return "shared";
    if (dynamic_cast<const ControlParameter*>(&parameter))
        return "control";
    return "parameter";
}

std::string nameOf(const Parameter& parameter) {
    return parameter.formatter() ? parameter.formatter()->name() : "";
}

class CatalogueShape : public CatalogueFixture, public testing::Test {};

TEST_F(CatalogueShape, HoldsTheUnitsParametersByKind) {
    std::map<std::string, int> kinds;
    for (const auto& [key, parameter] : params.parameters())
        ++kinds[kindOf(*parameter)];

    EXPECT_EQ(kinds["control"], 1024);
    EXPECT_EQ(kinds["parameter"], 273);
    EXPECT_EQ(kinds["shared"], 1);
    EXPECT_EQ(kinds["compound"], 65);
}

TEST_F(CatalogueShape, MetadataFamiliesFollowTheItemList) {
    const std::set<int> unused{1, 9, 10, 16, 22, 24, 26, 27, 34, 36, 37};
    int perProgramme = 0;
    for (int k = 0; k <= 52; ++k) {
        const bool exists = params.findOrNull(ParameterId(143, static_cast<std::uint8_t>(k)));
        if (k <= 38) {
            EXPECT_EQ(exists, !unused.contains(k)) << k;
        }
        perProgramme += exists;
    }
    EXPECT_EQ(perProgramme, 28);
    EXPECT_THROW(params.find(ParameterId(2 * 3 + 143, 9)), QuenlarException);
    EXPECT_EQ(params.findOrNull(ParameterId(218, 0)), nullptr);
    EXPECT_EQ(params.findOrNull(ParameterId(19, 0)), nullptr);
    EXPECT_NE(params.findOrNull(ParameterId(232, 38)), nullptr);
}

TEST_F(CatalogueShape, SampleFamiliesCarryTheirCategories) {
    const std::map<std::pair<int, int>, char> samples{
        {{197, 0}, 'A'},  {{201, 30}, 'A'}, {{203, 45}, 'A'}, {{214, 13}, 'A'}, {{113, 3}, 'A'},
        {{207, 7}, 'A'},  {{179, 0}, 'A'},  {{208, 36}, 'A'}, {{117, 3}, 'A'},  {{117, 18}, 'A'},
        {{117, 21}, 'B'}, {{117, 64}, 'B'}, {{204, 22}, 'C'}, {{212, 4}, 'D'},  {{210, 15}, 'E'},
        {{210, 16}, 'F'}, {{210, 63}, 'G'}, {{179, 14}, 'H'}, {{179, 16}, 'I'}, {{137, 38}, 'M'},
        {{25, 3}, 'M'},   {{21, 1}, 'M'},   {{27, 0}, 'M'},   {{29, 1}, 'M'},   {{23, 1}, 'M'},
        {{207, 0}, 'a'},  {{113, 4}, 'a'},  {{195, 1}, 'a'},  {{199, 16}, 'a'}, {{216, 21}, 'a'},
        {{248, 1}, 'a'},  {{251, 0}, 'a'},  {{210, 64}, 'a'}, {{19, 8}, 'm'},   {{121, 0}, 's'},
        {{121, 22}, 's'}, {{157, 8}, 'z'},  {{187, 3}, 'z'},  {{232, 25}, 'z'}, {{141, 0}, 'z'},
        {{115, 9}, 'z'},  {{23, 65}, 'z'},  {{23, 12}, 'z'}};
    for (const auto& [where, category] : samples)
        EXPECT_EQ(at(where.first, where.second).category(), category)
            << where.first << ", " << where.second;
}

TEST_F(CatalogueShape, PrintedLineNumbersAndProgrammeNames) {
    EXPECT_EQ(nameOf(at(201, 0)), "GPI 23 Trigger");
    EXPECT_EQ(nameOf(at(201, 43)), "GPI 36 Function");
    EXPECT_EQ(nameOf(at(203, 1)), "GPO 4 Trigger");
    EXPECT_EQ(nameOf(at(203, 2)), "GPO 7 Trigger");
    EXPECT_EQ(nameOf(at(203, 30)), "GPO 19 Polarity");
    EXPECT_EQ(nameOf(at(141, 22)), "Program 8");
    EXPECT_EQ(at(179, 22).getValue(), ParameterValue::fromText("Program 8"));
    EXPECT_EQ(nameOf(at(127, 4)), "Source");
    EXPECT_EQ(nameOf(at(182, 18)), "Lt/Rt Center Mix Level");
    EXPECT_EQ(nameOf(at(197, 11)), "Back Right Surround Trim");
}

TEST_F(CatalogueShape, PersistenceDecidesWhatFilesHold) {
    auto control = [this](int number, int index) -> ControlParameter& {
        return dynamic_cast<ControlParameter&>(at(number, index));
    };
    EXPECT_TRUE(control(197, 4).isSetup());
    EXPECT_TRUE(control(197, 4).isPersistent());
    EXPECT_FALSE(control(201, 29).isPersistent()) << "GPI Solo is setup but never saved";
    EXPECT_TRUE(control(117, 0).isRestorable(false));
    EXPECT_FALSE(control(117, 26).isRestorable(false));
    EXPECT_TRUE(control(117, 26).isRestorable(true));
    EXPECT_FALSE(control(117, 3).isPersistent());
    EXPECT_FALSE(control(232, 38).isPersistent());
    EXPECT_TRUE(control(143, 3).isPersistent());
    EXPECT_TRUE(control(123, 3).isPersistent());
    for (int item : {4, 5}) {
        EXPECT_FALSE(control(125, item).isPersistent());
        EXPECT_FALSE(control(145, item).isPersistent());
        EXPECT_FALSE(control(125, item).isEnabled());
    }
    EXPECT_EQ(control(143, 3).writeDelay(), 1250u);
    EXPECT_EQ(control(143, 8).writeDelay(), 0u);
}

TEST_F(CatalogueShape, ValuesOutsideTheirRangesAreKeptButNeverWritten) {
    EXPECT_EQ(at(248, 1).getValue(), ParameterValue(100));
    EXPECT_EQ(at(210, 64).getValue(), ParameterValue(32));

    device.clear(); // the rules' own writes while the set was built
    at(251, 0).setValue(0);
    at(251, 0).setValue(-1);
    EXPECT_TRUE(device.writes.empty());
}

TEST_F(CatalogueShape, ReservedNumbersAreNeverRefreshed) {
    settle();
    params.refreshEverything();
    for (int step = 0; step < 16; ++step)
        params.pollNext();

    for (const auto& request : device.requests)
        for (const auto& id : request)
            EXPECT_LT(id.number, 0xF0) << id.toString();
}

TEST_F(CatalogueShape, LocalParametersNeverReachTheUnit) {
    settle();
    device.clear(); // the rules' own writes while the set was built
    at(23, 0).setValue(1);
    at(23, 33).setValue(2);
    at(23, 50).setValue(ParameterValue::fromText("Live"));
    EXPECT_TRUE(device.writes.empty());
    EXPECT_EQ(at(23, 50).getValue(), ParameterValue::fromText("Live"));

    params.refreshEverything();
    for (const auto& request : device.requests)
        for (const auto& id : request)
            EXPECT_NE(id.number, 23);
    EXPECT_EQ(&at(23, 1).protocol(), &device) << "a compound takes its status's protocol";
    EXPECT_NE(&at(23, 12).protocol(), &device);
}

TEST_F(CatalogueShape, UnknownIdCannotBeObserved) {
    Observer observer;
    try {
        params.attachObserver(ParameterId(143, 9), observer);
        FAIL() << "attached to a parameter that does not exist";
    } catch (const QuenlarException& error) {
        EXPECT_STREQ(error.what(), "Parameter not found");
    }
    params.attachObserver(ParameterId(143, 8), observer);
    EXPECT_EQ(observer.subject(), &at(143, 8));
}

} // namespace
