#include <gtest/gtest.h>

#include "support/Printers.h"

#include "link/DummyProtocol.h"
#include "link/InterpolateIdleCommand.h"
#include "link/LinearInterpolator.h"
#include "link/Protocol.h"
#include "model/Parameter.h"

namespace {

std::vector<int> steps(LinearInterpolator& meter, int count, std::uint16_t low = 0,
                       std::uint16_t high = 0xFFFF) {
    std::vector<int> shown;
    for (int i = 0; i < count; ++i)
        shown.push_back(meter.nextValue(low, high));
    return shown;
}

TEST(LinearInterpolator, ALevelMeterRisesAtOnceAndFallsAtTheRateItFell) {
    LinearInterpolator meter(-256.0f, 0.0f);
    meter.setTarget(1000);
    EXPECT_EQ(steps(meter, 3), (std::vector<int>{1000, 1000, 1000}));
    meter.setTarget(800);
    EXPECT_EQ(steps(meter, 4), (std::vector<int>{600, 400, 200, 0}));
    // The slope spreads over the steps between readings.
    meter.setTarget(1000);
    steps(meter, 3);
    meter.setTarget(800);
    steps(meter, 3);
    meter.setTarget(500);
    EXPECT_EQ(steps(meter, 3), (std::vector<int>{425, 350, 275}));
}

TEST(LinearInterpolator, FallsAreLimitedRisesMayBeSlowAndResultsStayWithinTheBounds) {
    LinearInterpolator meter(-256.0f, 0.0f);
    meter.setTarget(1000);
    meter.setTarget(0); // a fall of 1000 at once is limited to 256 per step
    meter.setTarget(1000);
    EXPECT_EQ(steps(meter, 2, 0, 1023), (std::vector<int>{1000, 1000}));
    meter.setTarget(100);
    EXPECT_EQ(steps(meter, 2, 10, 1023), (std::vector<int>{10, 10}));
    meter.setTarget(500);
    EXPECT_EQ(steps(meter, 1, 0, 300), (std::vector<int>{300}));

    LinearInterpolator rising(0.0f, 1.0f);
    rising.setTarget(10);
    EXPECT_EQ(steps(rising, 3), (std::vector<int>{11, 12, 13}));
    rising.setTarget(5); // falling readings do not pull it down below the reading
    EXPECT_EQ(steps(rising, 2), (std::vector<int>{5, 5}));
}

TEST(InterpolateIdleCommand, StepsEnabledMetersWithAnInterpolatorWhileTheLineWaits) {
    DummyProtocol unit;
    Protocol protocol(unit);
    Parameter meter(protocol, ParameterId(204, 0), 0, 0, 1023, 'C');
    Parameter plain(protocol, ParameterId(204, 1), 0, 0, 1023, 'C');
    LinearInterpolator ballistics(-256.0f, 0.0f);
    meter.setInterpolator(&ballistics);
    InterpolateIdleCommand command;
    command.add(meter);
    command.add(plain);
    protocol.setIdleCommand(&command);
    const auto reading = [](Parameter& parameter, int value) {
        parameter.update({{parameter.getId(), ParameterValue(value)}});
    };

    reading(meter, 500);
    reading(meter, 300);
    reading(plain, 50);
    unit.runIdleWhenDue(0);
    EXPECT_EQ(meter.getValue(), ParameterValue(100));
    EXPECT_EQ(meter.reading(), ParameterValue(300)) << "what the unit sent";
    EXPECT_EQ(plain.getValue(), ParameterValue(50));
    meter.setEnabled(false); // a disabled meter stands still
    reading(meter, 50);
    unit.runIdleWhenDue(IdleCommand::periodMs);
    EXPECT_EQ(meter.getValue(), ParameterValue(50));
    meter.setEnabled(true);
    protocol.setIdleCommand(nullptr);
    reading(meter, 10);
    unit.runIdleWhenDue(2 * IdleCommand::periodMs);
    EXPECT_EQ(meter.getValue(), ParameterValue(10));
}

} // namespace
