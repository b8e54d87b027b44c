#include <set>
#include <tuple>

#include "RulesFixture.h"

namespace {
// Items that only some channel modes carry.
constexpr int ambiform = 6, lfe = 7, ltRtCentre = 18, ltRtSurround = 19, loRoCentre = 20,
              loRoSurround = 21, rearfill = 23;
} // namespace

class SurroundRulesTest : public RulesFixture {
protected:
    void channelMode(int mode) { compound(19, 3).setValue(mode); }
    std::set<int> enabledItems() {
        std::set<int> items;
        for (int item :
             {ambiform, lfe, ltRtCentre, ltRtSurround, loRoCentre, loRoSurround, rearfill})
            if (at(19, item).isEnabled())
                items.insert(item);
        return items;
    }
};

TEST_F(SurroundRulesTest, ChannelModeAndSourceEnableOnlyTheItemsTheChannelsCarry) {
    for (const auto& [mode, items] :
         {std::pair{2, std::set<int>{ambiform}},  // 2/0
          {3, {lfe, ltRtCentre, loRoCentre}},     // 3/0: centre without surround
          {4, {lfe, ltRtSurround, loRoSurround}}, // 2/1: surround without centre
          {5, {lfe, ltRtCentre, ltRtSurround, loRoCentre, loRoSurround}}, // 3/1
          {6, {lfe, ltRtSurround, loRoSurround, rearfill}}, // 2/2: the first with rear fill
          {7, {lfe, ltRtCentre, ltRtSurround, loRoCentre, loRoSurround, rearfill}}}) { // 3/2
        channelMode(mode);
        EXPECT_EQ(enabledItems(), items) << mode;
    }
    // Items stay disabled when their values, sources or modes change.
    compound(25, rearfill).setValue(2); // from outside: disabled in every mode
    channelMode(7);
    EXPECT_FALSE(enabledItems().contains(rearfill));
    channelMode(2);
    params.refreshEverything(); // new values for the items in use
    compound(25, lfe).setValue(1);
    compound(25, lfe).setValue(0); // back to internal: still no LFE in 2/0
    EXPECT_EQ(enabledItems(), std::set<int>{ambiform});
}

TEST_F(SurroundRulesTest, MatrixaRFLNeedsBackSurroundSpeakersAndABackSurroundMode) {
    EXPECT_TRUE(rfl().isLocked()); // no back-surround speakers yet
    set(117, 39, 1);
    EXPECT_FALSE(rfl().isLocked());
    rfl().setValue(2);

    // A mode without back surround takes rear fill away.
    channelMode(5);
    EXPECT_TRUE(rfl().isLocked());
    EXPECT_EQ(valueOf(117, 37), 0);
    EXPECT_EQ(valueOf(23, 66), 0);

    // So does removing the speakers; a setting other than rear fill is kept.
    channelMode(6);
    EXPECT_FALSE(rfl().isLocked()) << "a back-surround mode with the speakers there";
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
    for (const auto& [choice, matrix, variant] : {std::tuple{3, 1, 1}, {2, 1, 0}, {0, 0, 0}}) {
        set(23, 66, choice);
        EXPECT_EQ(valueOf(117, 37), matrix) << choice;
        EXPECT_EQ(valueOf(117, 58), variant) << choice;
    }
    // From the unit side: the variant setting alone moves the local choice while the matrix is on.
    set(23, 66, 2);
    unitReports(117, 58, 1);
    EXPECT_EQ(valueOf(23, 66), 3);
}
