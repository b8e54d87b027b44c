#include <gtest/gtest.h>

#include "support/Printers.h"

#include "link/DummyProtocol.h"
#include "link/LinearInterpolator.h"
#include "link/Protocol.h"
#include "model/ControlParameter.h"
#include "model/QuenlarException.h"
#include "support/CountingObserver.h"
#include "support/RecordingProtocol.h"

namespace {

class ParameterTest : public ::testing::Test {
protected:
    DummyProtocol unit;
    Protocol bridge{unit};
    RecordingProtocol line{bridge};
    ControlParameter level{line, ParameterId(0x21, 5), 10, 0, 100, 'a'};
    CountingObserver observer;

    void SetUp() override {
        observer.attach(level);
        observer.updates = 0;
    }
};

TEST_F(ParameterTest, SetValueWritesUnderThePreviousNumberAndKeepsWhatTheUnitReports) {
    level.setValue(42);
    ASSERT_EQ(line.writes.size(), 1u);
    EXPECT_EQ(line.writes[0].id, ParameterId(0x21, 5));
    EXPECT_EQ(unit.values().at(ParameterId(0x21, 5)), ParameterValue(42));
    EXPECT_EQ(level.getValue(), ParameterValue(42));
    EXPECT_EQ(observer.updates, 1);
}

TEST_F(ParameterTest, InvalidOrUnchangedValuesAreIgnoredSilently) {
    level.setValue(10);  // already held
    level.setValue(101); // above the maximum
    level.setValue(-1);  // below the minimum
    level.enableValue(false, 50);
    observer.updates = 0;
    level.setValue(50); // excluded
    level.setEnabled(false);
    level.setValue(60); // disabled
    EXPECT_TRUE(line.writes.empty());
    EXPECT_EQ(level.getValue(), ParameterValue(10));
    EXPECT_EQ(observer.updates, 1); // only for the change of the enabled flag
}

TEST_F(ParameterTest, ForceValueWritesAndNotifiesEvenWhenNothingChanges) {
    level.forceValue(10);
    EXPECT_EQ(line.writes.size(), 1u);
    EXPECT_EQ(observer.updates, 1);
    level.forceValue(500); // invalid: not even forced
    EXPECT_EQ(line.writes.size(), 1u);
}

TEST_F(ParameterTest, TheNoDelayValueIsWrittenWithoutTheWriteDelay) {
    level.setWriteDelay(2000);
    level.setNoDelayValue(0);
    level.setValue(0);
    level.setValue(1);
    ASSERT_EQ(line.writes.size(), 2u);
    EXPECT_EQ(line.writes[0].delayMs, 0u);
    EXPECT_EQ(line.writes[1].delayMs, 2000u);
}

TEST_F(ParameterTest, AUnitThatRefusesAWriteLeavesTheValueAndTellsNobody) {
    // The unit keeps its own value: the read after the write returns the old one.
    class RefusingUnit : public DummyProtocol {
    public:
        void write(const ParameterId&, const ParameterValue&, std::uint32_t) override {}
    } refusing;
    Protocol protocol(refusing);
    ControlParameter stubborn(protocol, ParameterId(0x30, 0), ParameterValue(), 0, 100, 'a');
    CountingObserver watcher;
    watcher.attach(stubborn);
    stubborn.setValue(7);
    EXPECT_EQ(stubborn.getValue(), ParameterValue());
    EXPECT_EQ(watcher.updates, 1); // the attach only
}

TEST_F(ParameterTest, ExcludingAndAllowingValues) {
    level.enableValue(false, 200); // outside the limits: already invalid
    EXPECT_EQ(observer.updates, 0);
    level.enableValue(false, 20);
    level.enableValue(false, 20); // already excluded
    EXPECT_EQ(observer.updates, 1);
    EXPECT_FALSE(level.isValidValue(20));
    level.enableValue(true, 20);
    EXPECT_TRUE(level.isValidValue(20));
    EXPECT_EQ(observer.updates, 2);
    // Allowing a value that is invalid for another reason still notifies.
    level.enableValue(true, 200);
    EXPECT_EQ(observer.updates, 3);
    level.enableValue(true, 21); // valid already: nothing
    EXPECT_EQ(observer.updates, 3);
}

TEST_F(ParameterTest, LimitsThatWouldExcludeTheCurrentValueAreRefused) {
    level.setMinimum(10); // equal to the value: accepted
    EXPECT_EQ(level.getMinimum(), ParameterValue(10));
    EXPECT_THROW(
        {
            try {
                level.setMinimum(11);
            } catch (const QuenlarException& e) {
                EXPECT_STREQ(e.what(), "Inconsistent State");
                throw;
            }
        },
        QuenlarException);
    EXPECT_THROW(level.setMaximum(9), QuenlarException);
    EXPECT_EQ(level.getMinimum(), ParameterValue(10));
    EXPECT_EQ(level.getMaximum(), ParameterValue(100));
    EXPECT_EQ(observer.updates, 1);
    level.setMaximum(100); // unchanged
    EXPECT_EQ(observer.updates, 1);
}

TEST_F(ParameterTest, FlagsNotifyOnlyWhenTheyChange) {
    level.setEnabled(true);
    level.setVisible(true);
    EXPECT_EQ(observer.updates, 0);
    level.setVisible(false, &level);
    level.setAssociatedList({&observer});
    level.setAssociatedList({&observer});
    EXPECT_EQ(observer.updates, 2);
}

TEST_F(ParameterTest, AttachingTwiceDoublesTheNotificationsAndOneDetachRemovesBoth) {
    observer.attach(level);
    EXPECT_EQ(observer.updates, 1); // a new attachment starts from the current state
    level.setEnabled(false);
    EXPECT_EQ(observer.updates, 3);
    observer.detach();
    level.setEnabled(true);
    EXPECT_EQ(observer.updates, 3);
}

TEST_F(ParameterTest, DestroyingEitherSideLeavesTheOtherSafe) {
    auto shortLived = std::make_unique<Parameter>(line, ParameterId(1, 1), 0, 0, 1, 'a');
    CountingObserver a;
    a.attach(*shortLived);
    shortLived.reset();
    EXPECT_EQ(a.subject(), nullptr);
    a.detach(); // nothing left to detach from

    // An observer moved to another parameter no longer hangs on the first one, so the first
    // can notify after the observer is gone.
    {
        CountingObserver moving;
        moving.attach(level);
        Parameter other(line, ParameterId(1, 2), 0, 0, 1, 'a');
        moving.attach(other);
    }
    level.setEnabled(false);
    EXPECT_EQ(observer.updates, 1);
}

TEST_F(ParameterTest, UpdateTakesOnlyItsOwnEntryAndMetersAlwaysNotify) {
    level.update({{ParameterId(0x21, 6), ParameterValue(3)}});
    level.update({{ParameterId(0x21, 5), ParameterValue(10)}});
    EXPECT_EQ(observer.updates, 0);
    level.update({{ParameterId(0x21, 5), ParameterValue(11)}});
    EXPECT_EQ(observer.updates, 1);
    level.setAlwaysNotify(true);
    level.update({{ParameterId(0x21, 5), ParameterValue(11)}});
    EXPECT_EQ(observer.updates, 2);
}

TEST_F(ParameterTest, RefreshReadsOnceAndNotifiesOnlyOnChange) {
    unit.write(ParameterId(0x20, 5), 10, 0);
    level.refresh();
    EXPECT_EQ(observer.updates, 0);
    unit.write(ParameterId(0x20, 5), 12, 0);
    level.refresh();
    EXPECT_EQ(level.getValue(), ParameterValue(12));
    EXPECT_EQ(observer.updates, 1);
    EXPECT_EQ(line.reads.size(), 2u);
}

TEST_F(ParameterTest, FormattingWithoutAFormatterShowsTheBytes) {
    std::string text;
    level.formatValue(text, ParameterValue::fromText("PRESET 1"));
    EXPECT_EQ(text, "PRESET 1");
}

TEST(ParameterMatches, GroupsSelectCategoriesOnTheParameterProtocol) {
    DummyProtocol unit;
    Protocol mine(unit), other(unit);
    auto make = [&](char category, int number = 0x40) {
        return std::make_unique<Parameter>(mine, ParameterId(number, 0), 0, 0, 0, category);
    };
    auto plain = make('a');
    auto paged = make('G');
    auto reserved = make('a', 0xF5);
    EXPECT_TRUE(plain->matches(mine, 'X'));
    EXPECT_TRUE(plain->matches(mine, 'a'));
    EXPECT_FALSE(plain->matches(mine, 'b'));
    EXPECT_TRUE(plain->matches(mine, 0));
    EXPECT_FALSE(plain->matches(mine, 1));
    EXPECT_FALSE(plain->matches(other, 'X'));
    EXPECT_FALSE(paged->matches(mine, 0));
    EXPECT_FALSE(paged->matches(mine, 1));
    EXPECT_TRUE(paged->matches(mine, 2));
    EXPECT_FALSE(reserved->matches(mine, 'X'));
}

TEST(ParameterPersistence, SetupParametersAreRestoredOnlyWithTheSetup) {
    DummyProtocol unit;
    Protocol protocol(unit);
    ControlParameter operating(protocol, ParameterId(1, 0), 0, 0, 1, 'a');
    ControlParameter setup(protocol, ParameterId(1, 1), 0, 0, 1, 'a');
    Parameter status(protocol, ParameterId(1, 2), 0, 0, 1, 'a');
    operating.setPersistent(true);
    setup.setSetup(true);
    EXPECT_TRUE(setup.isPersistent());
    EXPECT_TRUE(operating.isRestorable(false));
    EXPECT_FALSE(setup.isRestorable(false));
    EXPECT_TRUE(setup.isRestorable(true));
    EXPECT_FALSE(status.isRestorable(true));
}

TEST(ParameterInterpolation, TheDisplayedMeterFollowsTheInterpolator) {
    DummyProtocol unit;
    Protocol protocol(unit);
    Parameter meter(protocol, ParameterId(204, 0), 0, 0, 1023, 'C');
    LinearInterpolator ballistics(-256.0f, 0.0f);
    meter.setInterpolator(&ballistics);
    CountingObserver display;
    display.attach(meter);

    meter.update({{ParameterId(204, 0), ParameterValue(1000)}});
    EXPECT_EQ(ballistics.getTarget(), 1000);
    meter.update({{ParameterId(204, 0), ParameterValue(800)}});
    meter.interpolate();
    EXPECT_EQ(meter.getValue(), ParameterValue(600));
    meter.interpolate();
    EXPECT_EQ(meter.getValue(), ParameterValue(400));
    EXPECT_EQ(display.updates, 5);

    meter.setEnabled(false);
    meter.interpolate();
    EXPECT_EQ(meter.getValue(), ParameterValue(400)); // a disabled meter stands still
}

} // namespace
