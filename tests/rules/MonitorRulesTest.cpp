#include <tuple>

#include "RulesFixture.h"

namespace {
enum Speakers { multiChannel = 0, stereo = 1, mono = 2 };
} // namespace

class MonitorRulesTest : public RulesFixture {
protected:
    MonitorRulesTest() { set(216, 3, 1); } // analogue monitor outputs fitted

    std::vector<int> visibleTrims() {
        std::vector<int> trims;
        for (int trim = 4; trim <= 14; ++trim)
            if (at(197, trim).isVisible())
                trims.push_back(trim);
        return trims;
    }
    std::vector<int> enabledMeters() {
        std::vector<int> meters;
        for (int meter : {10, 11, 12, 14, 15, 16, 17})
            if (at(204, meter).isEnabled())
                meters.push_back(meter);
        return meters;
    }
};

TEST_F(MonitorRulesTest, SpeakerSelectionShapesTrimsMetersAndTheMasterTrim) {
    set(117, 39, 1); // one back-surround speaker
    for (const auto& [speakers, trims, meters] :
         {std::tuple{stereo, std::vector<int>{12, 13}, std::vector<int>{10, 11}},
          {mono, {14}, {12}},
          {multiChannel, {4, 5, 6, 7, 8, 9, 10}, {10, 11, 12, 14, 15, 17}}}) {
        set(197, 15, speakers);
        EXPECT_EQ(visibleTrims(), trims) << speakers;
        EXPECT_EQ(enabledMeters(), meters) << speakers;
    }
    set(117, 39, 2);
    EXPECT_TRUE(at(197, 11).isVisible());
    set(197, 15, stereo); // speakers fitted later show no back-surround trim on stereo
    set(117, 39, 1);
    EXPECT_EQ(visibleTrims(), (std::vector<int>{12, 13}));
    set(117, 39, 2);
    set(197, 15, multiChannel);

    set(197, 15, stereo);
    EXPECT_FALSE(at(117, 29).isEnabled()); // bass management
    compound(23, 1).setValue(50);
    EXPECT_EQ(unit.read({197, 1}), ParameterValue(50)); // the stereo master trim is written
    EXPECT_EQ(unit.read({197, 0}), ParameterValue(60));
    set(197, 15, multiChannel);
    EXPECT_EQ(valueOf(23, 1), 60) << "back on the multi-channel master trim";

    set(216, 3, 0); // without the analogue outputs no trim is shown
    set(197, 15, mono);
    for (int backSurroundSpeakers : {1, 2}) {
        set(117, 39, backSurroundSpeakers);
        EXPECT_TRUE(visibleTrims().empty()) << backSurroundSpeakers;
    }
}

TEST_F(MonitorRulesTest, RearFillMeterOnlyWhileRearFillPlaysOnTheMultiChannelSpeakers) {
    set(117, 39, 2);
    rfl().setValue(2);
    EXPECT_TRUE(at(204, 16).isEnabled());
    set(197, 15, stereo);
    EXPECT_FALSE(at(204, 16).isEnabled());
}

TEST_F(MonitorRulesTest, AnalogueIOSwitchesTheWholeMonitorSection) {
    set(216, 21, 0);
    for (const ParameterId id : {ParameterId(23, 2), ParameterId(197, 15), ParameterId(197, 4)})
        EXPECT_FALSE(params.find(id).isEnabled()) << id.toString();
    set(197, 17, 100);
    EXPECT_EQ(unit.read({197, 17}), ParameterValue(192)) << "a disabled control is not written";
    // The master trim follows the trim it presents, but stays out of use.
    unitReports(197, 0, 50);
    EXPECT_EQ(valueOf(23, 1), 50);
    set(197, 15, stereo);
    EXPECT_FALSE(at(23, 1).isEnabled());

    set(216, 21, 1);
    EXPECT_TRUE(at(197, 17).isEnabled());
}

TEST_F(MonitorRulesTest, TestNoiseStartsItsSequenceOnlyWhenSwitchedOnAndFollowsTheTrim) {
    set(117, 24, 1);
    EXPECT_EQ(valueOf(117, 51), 1);
    set(117, 51, 0);
    set(117, 24, 2); // from one noise to another: the sequence is left as it is
    EXPECT_EQ(valueOf(117, 51), 0);

    // Each trim, from mono back to left, moves the noise to its own speaker's channel. In this
    // order each channel differs from the one before, so a trim that moved nothing shows.
    const int channels[] = {0, 2, 1, 7, 6, 3, 5, 4, 0, 2, 1};
    for (int trim = 14; trim >= 4; --trim) {
        set(197, trim, 150);
        EXPECT_EQ(valueOf(117, 25), channels[trim - 4]) << trim;
    }
    device.clear();
    set(197, 5, 140); // right
    EXPECT_EQ(writesTo(117, 25), (std::vector<ParameterValue>{2}));
    EXPECT_EQ(writesTo(117, 51), (std::vector<ParameterValue>{0}));

    set(117, 24, 0);
    device.clear();
    set(197, 6, 140);
    EXPECT_TRUE(writesTo(117, 25).empty()) << "no noise, no channel to move";
}

TEST_F(MonitorRulesTest, LtRtInputSwapsTheMetersInUse) {
    set(117, 21, 1);
    for (int meter = 0; meter <= 9; ++meter) {
        const bool ltRt = meter >= 8;
        EXPECT_EQ(at(204, meter).isEnabled(), ltRt) << meter;
        EXPECT_EQ(at(204, meter).alwaysNotify(), ltRt) << meter;
    }
    set(117, 21, 0);
    EXPECT_FALSE(at(204, 9).isEnabled());
}

TEST_F(MonitorRulesTest, AGpiLineFollowingTheReferenceLevelHasNoTrigger) {
    set(201, 35, 65);
    EXPECT_FALSE(at(201, 5).isEnabled());
    EXPECT_TRUE(at(201, 4).isEnabled());
    set(201, 35, 64);
    EXPECT_TRUE(at(201, 5).isEnabled());
}
