#include "RulesFixture.h"

namespace {
// Items that only some channel modes carry.
constexpr int ambiform = 6, lfe = 7, ltRtCentre = 18, ltRtSurround = 19, loRoCentre = 20,
              loRoSurround = 21, rearfill = 23;
} // namespace

class SurroundRulesTest : public RulesFixture {
protected:
    void channelMode(int mode) { compound(19, 3).setValue(mode); }
    bool enabled(int item) { return at(19, item).isEnabled(); }
};

TEST_F(SurroundRulesTest, ChannelModeEnablesOnlyTheItemsItsChannelsCarry) {
    channelMode(2); // 2/0
    EXPECT_TRUE(enabled(ambiform));
    for (int item : {lfe, ltRtCentre, ltRtSurround, loRoCentre, loRoSurround, rearfill})
        EXPECT_FALSE(enabled(item)) << item;

    channelMode(4); // 2/1: surround without centre
    EXPECT_FALSE(enabled(ambiform));
    EXPECT_TRUE(enabled(lfe));
    EXPECT_TRUE(enabled(ltRtSurround));
    EXPECT_TRUE(enabled(loRoSurround));
    EXPECT_FALSE(enabled(ltRtCentre));
    EXPECT_FALSE(enabled(loRoCentre));
    EXPECT_FALSE(enabled(rearfill));

    channelMode(7); // 3/2
    EXPECT_FALSE(enabled(ambiform));
    for (int item : {lfe, ltRtCentre, ltRtSurround, loRoCentre, loRoSurround, rearfill})
        EXPECT_TRUE(enabled(item)) << item;
}

TEST_F(SurroundRulesTest, AnItemTakenFromAnExternalSourceStaysDisabledInEveryMode) {
    compound(25, ambiform).setValue(1);
    compound(25, rearfill).setValue(2);
    for (int mode : {2, 7}) {
        channelMode(mode);
        EXPECT_FALSE(enabled(ambiform)) << mode;
        EXPECT_FALSE(enabled(rearfill)) << mode;
    }
    compound(25, ambiform).setValue(0);
    channelMode(2);
    EXPECT_TRUE(enabled(ambiform));
}

TEST_F(SurroundRulesTest, MatrixaRFLNeedsBackSurroundSpeakersAndABackSurroundMode) {
    EXPECT_TRUE(rfl().isLocked()); // no back-surround speakers yet

    set(117, 39, 1);
    EXPECT_FALSE(rfl().isLocked());
    rfl().setValue(2);
    ASSERT_EQ(valueOf(117, 37), 2);

    // A mode without back surround takes rear fill away.
    channelMode(5);
    EXPECT_TRUE(rfl().isLocked());
    EXPECT_EQ(valueOf(117, 37), 0);
    EXPECT_EQ(valueOf(23, 66), 0);

    channelMode(6);
    EXPECT_FALSE(rfl().isLocked());
    rfl().setValue(2);

    // So does removing the speakers; a setting other than rear fill is kept.
    set(117, 39, 0);
    EXPECT_TRUE(rfl().isLocked());
    EXPECT_EQ(valueOf(117, 37), 0);
    set(117, 39, 2);
    rfl().setValue(1);
    set(117, 39, 0);
    EXPECT_TRUE(rfl().isLocked());
    EXPECT_EQ(valueOf(117, 37), 1);
}

TEST_F(SurroundRulesTest, RearFillReportedByTheUnitIsUndoneWhereItCannotApply) {
    unitReports(117, 37, 2);
    EXPECT_EQ(valueOf(117, 37), 0);
    EXPECT_EQ(unit.read({117, 37}), ParameterValue(0));

    set(117, 39, 1);
    unitReports(117, 37, 2);
    EXPECT_EQ(valueOf(117, 37), 2);
    EXPECT_EQ(valueOf(23, 66), 1); // the local "Matrixa" shows rear fill
}

TEST_F(SurroundRulesTest, LocalMatrixaChoiceAndTheUnitSettingsFollowEachOther) {
    set(23, 66, 3);
    EXPECT_EQ(valueOf(117, 37), 1);
    EXPECT_EQ(valueOf(117, 58), 1);
    EXPECT_EQ(valueOf(23, 66), 3);

    set(23, 66, 2);
    EXPECT_EQ(valueOf(117, 37), 1);
    EXPECT_EQ(valueOf(117, 58), 0);
    EXPECT_EQ(valueOf(23, 66), 2);

    set(23, 66, 0);
    EXPECT_EQ(valueOf(117, 37), 0);

    // From the unit side: the variant setting alone moves the local choice while the matrix is on.
    set(23, 66, 2);
    unitReports(117, 58, 1);
    EXPECT_EQ(valueOf(23, 66), 3);
}

TEST_F(SurroundRulesTest, BackSurroundTrimsAreShownForTheSpeakersThatExist) {
    set(216, 3, 1); // analogue monitor outputs fitted
    set(197, 15, 0);
    for (int speakers : {0, 1, 2}) {
        set(117, 39, speakers);
        EXPECT_EQ(at(197, 10).isVisible(), speakers >= 1) << speakers;
        EXPECT_EQ(at(197, 11).isVisible(), speakers == 2) << speakers;
    }
    // Not with the stereo speakers selected, nor without the analogue outputs.
    set(197, 15, 1);
    EXPECT_FALSE(at(197, 10).isVisible());
    set(197, 15, 0);
    EXPECT_TRUE(at(197, 11).isVisible());
    set(216, 3, 0);
    set(117, 39, 1);
    EXPECT_FALSE(at(197, 10).isVisible());
}

TEST_F(SurroundRulesTest, ItemsStayDisabledWhenTheirValuesOrSourcesChange) {
    channelMode(2);
    ASSERT_FALSE(enabled(lfe));
    params.refreshEverything(); // new values for the items in use
    EXPECT_FALSE(enabled(lfe));
    EXPECT_FALSE(enabled(ltRtCentre));
    EXPECT_TRUE(enabled(ambiform));

    compound(25, lfe).setValue(1);
    compound(25, lfe).setValue(0); // back to internal: still no LFE in 2/0
    EXPECT_FALSE(enabled(lfe));
}
