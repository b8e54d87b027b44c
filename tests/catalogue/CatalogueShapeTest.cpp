#include <gtest/gtest.h>

#include <string>

#include "CatalogueFixture.h"
#include "model/Observer.h"
#include "support/FailureMessage.h"

namespace {

class CatalogueShape : public CatalogueFixture, public testing::Test {
protected:
    ControlParameter& control(int number, int index) {
        return dynamic_cast<ControlParameter&>(at(number, index));
    }
};

TEST_F(CatalogueShape, NamesWithComputedNumbersAndWhatFilesHold) {
    EXPECT_EQ(at(201, 0).formatter()->name(), "GPI 23 Trigger");
    EXPECT_EQ(at(203, 2).formatter()->name(), "GPO 7 Trigger");
    EXPECT_EQ(at(179, 22).getValue(), ParameterValue::fromText("Program 8"));

    EXPECT_FALSE(control(201, 29).isPersistent()) << "GPI Solo is setup but never saved";
    EXPECT_FALSE(control(145, 4).isPersistent());
}

TEST_F(CatalogueShape, ValuesOutsideTheirRangesAreKeptButNeverWritten) {
    EXPECT_EQ(at(248, 1).getValue(), ParameterValue(100));
    EXPECT_EQ(at(210, 64).getValue(), ParameterValue(32));

    device.clear(); // the rules' own writes while the set was built
    at(251, 0).setValue(0);
    at(251, 0).setValue(-1);
    EXPECT_TRUE(device.writes.empty());
}

TEST_F(CatalogueShape, LocalAndReservedNumbersNeverReachTheUnit) {
    settle();
    device.clear(); // the rules' own writes while the set was built
    at(23, 0).setValue(1);
    at(23, 50).setValue(ParameterValue::fromText("Live"));
    EXPECT_TRUE(device.writes.empty());
    EXPECT_EQ(at(23, 50).getValue(), ParameterValue::fromText("Live"));

    params.refreshEverything();
    for (int step = 0; step < 16; ++step)
        params.pollNext();
    for (const auto& request : device.requests)
        for (const auto& id : request) {
            EXPECT_NE(id.number, 23);
            EXPECT_LT(id.number, 0xF0) << id.toString();
        }
    EXPECT_EQ(&at(23, 1).protocol(), &device) << "a compound takes its status's protocol";
}

// The level meters fall back gradually and the dialnorm meter (18) climbs: each has its
// ballistics; 17, 21 and 22 show their readings as they come.
TEST_F(CatalogueShape, MetersHaveTheirBallistics) {
    for (int index = 0; index <= 22; ++index) {
        Parameter& meter = at(204, index);
        Interpolator* ballistics = meter.setInterpolator(nullptr);
        EXPECT_EQ(ballistics != nullptr, index != 17 && index < 21) << index;
        meter.setInterpolator(ballistics);
    }
}

TEST_F(CatalogueShape, UnknownIdCannotBeObserved) {
    Observer observer;
    EXPECT_EQ(messageOf([&] { params.attachObserver(idOf(143, 9), observer); }),
              "Parameter not found");
    params.attachObserver(idOf(143, 8), observer);
    EXPECT_EQ(observer.subject(), &at(143, 8));
}

} // namespace
