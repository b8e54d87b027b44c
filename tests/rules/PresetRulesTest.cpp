#include <tuple>

#include "RulesFixture.h"

class PresetRulesTest : public RulesFixture {
protected:
    std::string displayLabel(int slot) { return textOf(23, slot + 34); }
};

TEST_F(PresetRulesTest, DisplayLabelsCarrySlotNumberStateMarkAndStoredLabel) {
    EXPECT_EQ(displayLabel(0), "1  - ") << "an unread label is empty, not its zero bytes";

    set(210, 4 + 32, 2);
    set(210, 4, ParameterValue::fromText("Preset"));
    EXPECT_EQ(displayLabel(4), "5E - Preset");

    unitReports(210, 11, ParameterValue(std::string("Live\0\0\0\0", 8)));
    EXPECT_EQ(displayLabel(11), "12  - Live");
    unitReports(210, 11 + 32, 7); // a state the program has no mark for
    EXPECT_EQ(displayLabel(11), "12  - Live");
}

TEST_F(PresetRulesTest, LabelAndStateShownAndWrittenAreThoseOfTheSelectedSlot) {
    params.refreshEverything();
    set(115, 4, 31);
    EXPECT_EQ(compound(23, 30).getValue(), ParameterValue::fromText("PRESET 32"));

    compound(23, 30).setValue(ParameterValue::fromText("Night"));
    compound(23, 32).setValue(1);
    EXPECT_EQ(unit.read({115, 5}), ParameterValue::fromText("Night"));
    EXPECT_EQ(displayLabel(31), "32A - Night");
}

TEST_F(PresetRulesTest, SavingIsMomentaryAndNamesTheSavedSlotForRecall) {
    set(115, 4, 6);
    device.clear();
    set(115, 3, 1);
    // The save with its long wait, back to idle at once, then the slot named for recall.
    std::vector<std::tuple<ParameterId, int, std::uint32_t>> sent;
    for (const auto& write : device.writes)
        sent.emplace_back(write.id, write.value.toInt16(), write.delayMs);
    EXPECT_EQ(sent, (decltype(sent){{{115, 3}, 1, 8000}, {{115, 3}, 0, 0}, {{115, 0}, 6, 1000}}));
    EXPECT_EQ(valueOf(115, 3), 0);
    EXPECT_EQ(valueOf(115, 0), 6);
}

TEST_F(PresetRulesTest, RecallsReadBackWhatTheUnitNowHolds) {
    unit.write({209, 64}, 5, 0); // the unit's current preset once the recall is done
    set(115, 0, 5);
    EXPECT_EQ(valueOf(210, 64), 5);

    unit.write({114, 9}, ParameterValue::fromText("Stage"), 0);
    set(115, 10, 2);
    EXPECT_EQ(valueOf(115, 8), 2);
    EXPECT_EQ(&compound(23, 31).status(), &at(212, 2));
    EXPECT_EQ(textOf(115, 9), "Stage");
}
