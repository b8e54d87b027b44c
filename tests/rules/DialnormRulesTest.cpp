#include "RulesFixture.h"
#include "link/ProtocolException.h"

class DialnormRulesTest : public RulesFixture {
protected:
    void measured(int m) { compound(23, 12).setValue(m); }
};

TEST_F(DialnormRulesTest, AcceptIsOfferedOnlyForADialnormTheProgrammeCanTake) {
    // A measurement m stands for dialnorm 100 - m; 1 to 31 can be taken.
    for (const auto& [m, offered] :
         {std::pair{80, true}, {69, true}, {68, false}, {99, true}, {100, false}}) {
        measured(m);
        EXPECT_EQ(at(23, 0).isEnabled(), offered) << m;
    }
    measured(80);
    compound(25, 8).setValue(1); // dialnorm comes from outside
    EXPECT_FALSE(at(23, 0).isEnabled());
}

TEST_F(DialnormRulesTest, AcceptWritesTheSelectedProgrammeAndNeverLeavesTheButtonHeld) {
    set(117, 0, 1);
    measured(75);
    device.failWrites = true;
    EXPECT_THROW(set(23, 0, 1), ProtocolException);
    EXPECT_EQ(valueOf(23, 0), 0);

    device.failWrites = false;
    set(23, 0, 1);
    EXPECT_EQ(unit.read({145, 8}), ParameterValue(25));
    EXPECT_EQ(unit.read({143, 8}), ParameterValue(27)) << "programme 1 is untouched";
    EXPECT_EQ(valueOf(23, 0), 0);
}

TEST_F(DialnormRulesTest, MeterReadingsReachTheMeasurementOnlyWhileTheUnitMeasures) {
    const auto meterReads = [this](int m) { at(204, 18).update({{ParameterId(204, 18), m}}); };
    meterReads(82);
    EXPECT_EQ(valueOf(23, 12), 82);

    compound(23, 21).setValue(0);
    EXPECT_EQ(valueOf(117, 47), 0) << "the programme's choice is passed to the unit";
    meterReads(40);
    EXPECT_EQ(valueOf(23, 12), 82);
}
