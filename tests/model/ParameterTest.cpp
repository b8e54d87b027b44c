#include <gtest/gtest.h>

#include "support/Printers.h"

#include "link/DummyProtocol.h"
#include "link/Protocol.h"
#include "model/ControlParameter.h"
#include "model/QuenlarException.h"
#include "support/CountingObserver.h"
#include "support/FailureMessage.h"
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

TEST_F(ParameterTest, SetValueWritesAndKeepsWhatTheUnitReportsButIgnoresInvalidValues) {
    level.setValue(10);  // already held
    level.setValue(101); // above the maximum
    level.setValue(-1);  // below the minimum
    level.forceValue(500);
    EXPECT_TRUE(line.writes.empty());
    EXPECT_EQ(observer.updates, 0);

    level.setValue(42);
    EXPECT_EQ(line.log, std::vector<std::string>{"w (21, 5) 42"});
    EXPECT_EQ(unit.values().at(ParameterId(0x21, 5)), ParameterValue(42));
    EXPECT_EQ(level.getValue(), ParameterValue(42));
    level.forceValue(42); // unchanged, but forced: written and notified
    EXPECT_EQ(line.writes.size(), 2u);
    EXPECT_EQ(observer.updates, 2);

    level.setWriteDelay(2000);
    level.setNoDelayValue(0);
    level.setValue(0);
    level.setValue(1);
    ASSERT_EQ(line.writes.size(), 4u);
    EXPECT_EQ(line.writes[2].delayMs, 0u); // the no-delay value
    EXPECT_EQ(line.writes[3].delayMs, 2000u);
}

TEST_F(ParameterTest, AUnitThatRefusesAWriteLeavesTheValueAndTellsNobody) {
    // The unit keeps its own value: the read after the write returns the old one.
    class RefusingUnit : public DummyProtocol {
    public:
        void write(const ParameterId&, const ParameterValue&, std::uint32_t) override {}
    } refusing;
    Protocol protocol(refusing);
    ControlParameter stubborn(protocol, ParameterId(0x30, 0), ParameterValue(), 0, 100, 'a');
    observer.attach(stubborn);
    stubborn.setValue(7);
    EXPECT_EQ(stubborn.getValue(), ParameterValue());
    EXPECT_EQ(observer.updates, 1); // the attach only
}

TEST_F(ParameterTest, ExcludingAndAllowingValues) {
    level.enableValue(false, 200); // outside the limits: already invalid
    EXPECT_EQ(observer.updates, 0);
    level.enableValue(false, 20);
    level.enableValue(false, 20); // already excluded
    EXPECT_EQ(observer.updates, 1);
    level.setValue(20);
    EXPECT_TRUE(line.writes.empty());
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
    level.setMaximum(10);
    EXPECT_EQ(messageOf([&] { level.setMinimum(11); }), "Inconsistent State");
    EXPECT_THROW(level.setMaximum(9), QuenlarException);
    EXPECT_EQ(level.getMinimum(), ParameterValue(10));
    EXPECT_EQ(level.getMaximum(), ParameterValue(10));
    EXPECT_EQ(observer.updates, 2);
    level.setMaximum(10); // unchanged
    EXPECT_EQ(observer.updates, 2);
}

TEST_F(ParameterTest, NotificationsComeOnlyWithChanges) {
    level.setEnabled(true);
    level.setVisible(true);
    level.update({{ParameterId(0x21, 6), ParameterValue(3)}}); // another parameter's entry
    level.update({{ParameterId(0x21, 5), ParameterValue(10)}});
    unit.write(ParameterId(0x20, 5), 10, 0);
    level.refresh();
    EXPECT_EQ(observer.updates, 0);

    level.setVisible(false, &level);
    level.setAssociatedList({&observer});
    level.setAssociatedList({&observer});
    level.update({{ParameterId(0x21, 5), ParameterValue(11)}});
    unit.write(ParameterId(0x20, 5), 12, 0);
    level.refresh();
    EXPECT_EQ(level.getValue(), ParameterValue(12));
    EXPECT_EQ(line.reads.size(), 2u);
    EXPECT_EQ(observer.updates, 4);

    level.setAlwaysNotify(true); // a meter tells of every reading
    level.update({{ParameterId(0x21, 5), ParameterValue(12)}});
    EXPECT_EQ(observer.updates, 5);
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

} // namespace
