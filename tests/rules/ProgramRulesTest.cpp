#include <cctype>
#include <set>

#include "RulesFixture.h"
#include "catalogue/MetadataItem.h"
#include "catalogue/ProgramConfigDependencies.h"

class ProgramRulesTest : public RulesFixture {
protected:
    void configuration(int x) { compound(21, 0).setValue(x); }
    // The programme numbers a layout ruler names.
    std::set<int> programmesOnRuler() {
        std::set<int> numbers;
        for (char c : textOf(23, 11))
            if (std::isdigit(static_cast<unsigned char>(c)))
                numbers.insert(c - '0');
        return numbers;
    }
    void expectOffered(bool external1, bool external2) {
        for (Parameter* source : {&at(25, 2), &at(25, 38), &at(27, 0), &at(29, 1)}) {
            EXPECT_EQ(source->isValidValue(1), external1) << source->getId().toString();
            EXPECT_EQ(source->isValidValue(2), external2) << source->getId().toString();
        }
    }
};

TEST_F(ProgramRulesTest, EveryConfigurationKeepsTheSelectionWithinTheProgrammesItsRulerNames) {
    for (int x = 0; x <= 21; ++x) {
        set(117, 0, 7);
        configuration(x);
        ASSERT_EQ(valueOf(179, 0), x);
        std::set<int> expected;
        for (int p = 1; p <= valueOf(117, 0) + 1; ++p)
            expected.insert(p);
        EXPECT_EQ(programmesOnRuler(), expected) << "configuration " << x;
    }
}

TEST_F(ProgramRulesTest, ChannelLabelsAndRulerDescribeTheConfigurationInUse) {
    set(117, 0, 3);
    configuration(11); // 5.1: two channels unused, one programme
    std::vector<std::string> labels;
    for (int channel = 3; channel <= 10; ++channel)
        labels.push_back(textOf(23, channel));
    EXPECT_EQ(labels, (std::vector<std::string>{"L", "R", "C", "LFE", "Ls", "Rs", "", ""}));
    EXPECT_EQ(unit.read({117, 0}), ParameterValue(0));

    configuration(13); // the unused channels are blank on the ruler, spaces included
    EXPECT_EQ(textOf(23, 11),
              "|-----------------1----------------|                 |---2---|---3---|");
}

TEST(ProgramConfigLayout, AConfigurationTheUnitDoesNotKnowIsShownAsUndefined) {
    // Only the rule and what it drives: in the catalogue, the configuration compound refuses a
    // value beyond its limits before this rule is reached.
    DummyProtocol device;
    Protocol link{device};
    ParameterSet set{link};
    auto& selection =
        set.add(std::make_unique<ControlParameter>(link, ParameterId(117, 0), 5, 0, 7, 'B'));
    auto& inUse = set.add(std::make_unique<Parameter>(link, ParameterId(179, 0), 10, 0, 21, 'A'));
    for (int channel = 3; channel <= 11; ++channel)
        set.add(std::make_unique<ControlParameter>(link, idOf(23, channel), 0,
                                                   ParameterValue::smallest(),
                                                   ParameterValue::largest(), 'z'));
    set.addRule(std::make_unique<ProgramConfigDependencies>(set.parameters()));

    inUse.update({{ParameterId(179, 0), 40}});
    EXPECT_EQ(set.find({23, 11}).getValue(),
              ParameterValue::fromText(
                  "|---------------------------Undefined----------------------------|"));
    EXPECT_EQ(selection.getValue(), ParameterValue(0));
}

TEST_F(ProgramRulesTest, SelectingAProgrammeRetargetsItsCompoundsAndAppliesItsChannelMode) {
    const int p = 2;
    set(147, 3, 2); // programme 3 is 2/0 in the unit
    at(182, 3).refresh();
    set(117, 0, p);
    for (const MetadataItem& item : MetadataItem::all()) {
        if (item.index == 0)
            continue;
        EXPECT_EQ(&compound(19, item.index).status(), &at(p + 180, item.index)) << +item.index;
        EXPECT_EQ(&compound(19, item.index).control(), &at(2 * p + 143, item.index));
        EXPECT_EQ(&compound(25, item.index).status(), &at(2 * p + 123, item.index));
    }
    EXPECT_EQ(&compound(21, 1).control(), &at(141, 2 * p + 8));
    EXPECT_EQ(&compound(23, 21).status(), &at(23, p + 22));
    EXPECT_FALSE(at(19, 7).isEnabled()) << "no LFE in 2/0";

    // A write through a compound now reaches the selected programme in the unit.
    compound(19, 8).setValue(20);
    EXPECT_EQ(unit.read(idOf(2 * p + 143, 8)), ParameterValue(20));
    EXPECT_EQ(unit.read({143, 8}), ParameterValue(27));

    set(117, 0, 0); // programme 1 is 3/2
    EXPECT_TRUE(at(19, 7).isEnabled());
}

TEST_F(ProgramRulesTest, OnlyOneExternalSourceIsOfferedOnceOneIsInUse) {
    expectOffered(true, true);

    compound(25, 2).setValue(1);
    expectOffered(true, false);
    EXPECT_FALSE(at(19, 2).isEnabled()); // the item now comes from outside

    // A programme not on display counts too; while both are in use nothing changes.
    set(125, 38, 2);
    compound(25, 2).setValue(0);
    expectOffered(false, true);
    EXPECT_TRUE(at(19, 2).isEnabled());

    set(125, 38, 0);
    expectOffered(true, true);
}

TEST_F(ProgramRulesTest, SourceStateFollowsTheConfigurationSourceWhileTheItemIsInternal) {
    set(121, 0, 2); // the unit now takes all metadata from external 2
    EXPECT_FALSE(at(179, 0).isEnabled()) << "the configuration comes with the metadata";
    compound(25, 12).setValue(0);
    EXPECT_EQ(valueOf(218, 12), 2);
    EXPECT_EQ(valueOf(23, 33), 2) << "the configuration source counts as a use";
    compound(25, 12).setValue(2);
    EXPECT_EQ(valueOf(218, 12), 0);
}
