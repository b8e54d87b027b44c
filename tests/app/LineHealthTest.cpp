#include <gtest/gtest.h>

#include "app/LineHealth.h"
#include "support/FakeClock.h"

// A failed exchange's last attempt was not repeated; what is older than a minute is forgotten.
TEST(LineHealthTest, CountsTheRepeatsAndFailuresOfTheLastMinute) {
    FakeClock clock;
    LineHealth health(clock);
    health.record(0, false);
    health.record(2, false);
    health.record(5, true);
    EXPECT_EQ(health.retried(), 6u);
    EXPECT_EQ(health.failed(), 1u);
    EXPECT_TRUE(health.unreliable());
    clock.advanceMilliseconds(LineHealth::windowMs + 1);
    EXPECT_EQ(health.retried() + health.failed(), 0u);
}
