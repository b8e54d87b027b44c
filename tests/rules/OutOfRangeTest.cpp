#include "RulesFixture.h"

#include <tuple>

// The unit reports a value outside the parameter's limits and the program reads everything.
// The rules must come through it: either it is taken, or the refresh ends with the one message
// a value beyond the limits earns, "Inconsistent State" — never a crash, never anything else.
class UnitReportsOutOfRange : public RulesFixture,
                              public ::testing::WithParamInterface<std::tuple<int, int, int>> {};

TEST_P(UnitReportsOutOfRange, EndsAtWorstInInconsistentState) {
    const auto [number, index, value] = GetParam();
    unit.write(idOf(number, index).previous(), value, 0);
    const auto expectSoundEnd = [](const std::string& failure) {
        EXPECT_TRUE(failure == "no failure" || failure == "Inconsistent State") << failure;
    };
    expectSoundEnd(messageOf([this] { params.refreshEverything(); }));
    expectSoundEnd(messageOf([this] { // polling goes on afterwards
        for (int step = 0; step < 16; ++step)
            params.pollNext();
    }));
}

// Values that index the rules' tables; the selections that move compounds are checked below.
INSTANTIATE_TEST_SUITE_P(SelectorsAndSettings, UnitReportsOutOfRange,
                         ::testing::ValuesIn(std::vector<std::tuple<int, int, int>>{
                             {117, 0, -1}, {179, 0, 40}, {210, 40, 9}, {216, 21, 9}}));

TEST_F(RulesFixture, ASelectionBeyondItsLimitsMovesNothing) {
    // Followed blindly, programme 9 would put the dialnorm measurement on a preset compound, and
    // user preset 33 the label display on slot 1's state.
    EXPECT_EQ(messageOf([this] { unitReports(117, 0, 9); }), "Inconsistent State");
    EXPECT_EQ(&compound(23, 21).status(), &at(23, 22));
    EXPECT_EQ(&compound(19, 8).status(), &at(180, 8));

    EXPECT_EQ(messageOf([this] { unitReports(115, 4, 32); }), "Inconsistent State");
    EXPECT_EQ(&compound(23, 30).status(), &at(210, 0));
    EXPECT_EQ(&compound(23, 32).status(), &at(210, 32));

    EXPECT_EQ(messageOf([this] { unitReports(115, 8, 4); }), "Inconsistent State");
    EXPECT_EQ(&compound(23, 31).status(), &at(212, 0));

    EXPECT_EQ(messageOf([this] { unitReports(197, 15, 3); }), "Inconsistent State");
    EXPECT_EQ(&compound(23, 1).status(), &at(197, 0)) << "not the dim level";
}

TEST_F(RulesFixture, AProgrammeWithAnImpossibleValueIsStillSelectedWhole) {
    unitReports(182, 3, 0); // programme 3's channel mode, below 1
    EXPECT_EQ(messageOf([this] { set(117, 0, 2); }), "Inconsistent State");
    EXPECT_EQ(&compound(19, 3).status(), &at(182, 3));
    EXPECT_EQ(&compound(29, 1).status(), &at(117, 13));
    EXPECT_EQ(&compound(23, 21).status(), &at(23, 24));

    // Back on a sound programme, everything is in step again.
    EXPECT_EQ(messageOf([this] { set(117, 0, 0); }), "no failure");
    EXPECT_TRUE(at(19, 7).isEnabled());
}

TEST_F(RulesFixture, AValueBeyondItsLimitsLeavesNoOtherValueOfARefreshStale) {
    unit.write(idOf(179, 0).previous(), 40, 0);
    unit.write(idOf(197, 17).previous(), 100, 0);
    unit.write(idOf(210, 40).previous(), 2, 0);
    EXPECT_EQ(messageOf([this] { params.refreshEverything(); }), "Inconsistent State");
    EXPECT_EQ(valueOf(197, 17), 100) << "later in the same answer";
    EXPECT_EQ(valueOf(210, 40), 2) << "in a later group";
}
