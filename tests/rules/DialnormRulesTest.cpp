#include "RulesFixture.h"
#include "link/ProtocolException.h"

class DialnormRulesTest : public RulesFixture {
protected:
    void measured(int m) { compound(23, 12).setValue(m); }
    bool acceptOffered() { return at(23, 0).isEnabled(); }
    void meterReads(int m) { at(204, 18).update({{ParameterId(204, 18), m}}); }
};

TEST_F(DialnormRulesTest, AcceptIsOfferedOnlyForADialnormTheProgrammeCanTake) {
    measured(80); // stands for dialnorm 20
    EXPECT_TRUE(acceptOffered());
    measured(69); // 31, the last one
    EXPECT_TRUE(acceptOffered());
    measured(68); // 32
    EXPECT_FALSE(acceptOffered());
    measured(99); // 1
    EXPECT_TRUE(acceptOffered());
    measured(100); // 0
    EXPECT_FALSE(acceptOffered());

    measured(80);
    compound(25, 8).setValue(1); // dialnorm comes from outside
    EXPECT_FALSE(acceptOffered());
    compound(25, 8).setValue(0);
    EXPECT_TRUE(acceptOffered());
}

TEST_F(DialnormRulesTest, AcceptingWritesTheMeasuredDialnormAndReleasesTheButton) {
    measured(80);
    set(23, 0, 1);
    EXPECT_EQ(valueOf(19, 8), 20);
    EXPECT_EQ(unit.read({143, 8}), ParameterValue(20));
    EXPECT_EQ(valueOf(23, 0), 0);

    // The selected programme's measurement is accepted into that programme.
    set(117, 0, 1);
    measured(75);
    set(23, 0, 1);
    EXPECT_EQ(unit.read({145, 8}), ParameterValue(25));
    EXPECT_EQ(unit.read({143, 8}), ParameterValue(20));
    EXPECT_EQ(valueOf(23, 14), 75);
    EXPECT_EQ(valueOf(23, 13), 80) << "each programme keeps its own measurement";
}

TEST_F(DialnormRulesTest, AFailedAcceptDoesNotLeaveTheButtonHeld) {
    measured(80);
    device.failWrites = true;
    EXPECT_THROW(set(23, 0, 1), ProtocolException);
    EXPECT_EQ(valueOf(23, 0), 0);

    device.failWrites = false;
    set(23, 0, 1);
    EXPECT_EQ(valueOf(19, 8), 20);
}

TEST_F(DialnormRulesTest, MeterReadingsReachTheMeasurementOnlyWhileTheUnitMeasures) {
    ASSERT_EQ(valueOf(23, 21), 1);
    EXPECT_EQ(valueOf(117, 47), 1) << "the programme's choice is passed to the unit";
    meterReads(82);
    EXPECT_EQ(valueOf(23, 12), 82);
    EXPECT_TRUE(acceptOffered());

    compound(23, 21).setValue(0);
    EXPECT_EQ(valueOf(117, 47), 0);
    meterReads(40);
    EXPECT_EQ(valueOf(23, 12), 82);

    // Each programme has its own choice; selecting one passes it on.
    set(117, 0, 3);
    EXPECT_EQ(valueOf(117, 47), 1);
    set(117, 0, 0);
    EXPECT_EQ(valueOf(117, 47), 0);
}
