#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bitset>
#include <memory>

#include "FaultInjector.h"
#include "LineBytes.h"
#include "UnitLine.h"
#include "support/FakeClock.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
// A conversation that makes the unit say a good deal: writes, polls and replies.
Bytes conversation() {
    Bytes all;
    for (int round = 0; round < 20; ++round) {
        for (const Bytes& part :
             {LineBytes::select(), LineBytes::write(196, 0, round), LineBytes::poll(),
              LineBytes::select(), LineBytes::readRequest(210, {0, 1, 2, 64}), LineBytes::poll(),
              LineBytes::select(), Bytes{0x09}, Bytes{0x04}})
            all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

Bytes answers(const FaultSettings& faults) {
    FakeClock clock;
    UnitSettings settings;
    settings.faults = faults;
    UnitLine line(settings, clock);
    const Bytes said = conversation();
    return line.receive(said.data(), said.size());
}

TEST(FaultInjectionTest, TheSameSeedGivesTheSameFaults) {
    FaultSettings faults;
    faults.dropProbability = 0.2;
    faults.corruptProbability = 0.2;
    faults.seed = 42;
    const Bytes clean = answers({});
    const Bytes first = answers(faults);
    EXPECT_EQ(first, answers(faults));
    EXPECT_NE(first, clean);
    EXPECT_LT(first.size(), clean.size());
    faults.seed = 43;
    EXPECT_NE(first, answers(faults));
}

TEST(FaultInjectionTest, DropsOrFlipsEveryByteAtCertainty) {
    FaultSettings dropAll;
    dropAll.dropProbability = 1.0;
    EXPECT_THAT(answers(dropAll), IsEmpty());

    FaultSettings corruptAll;
    corruptAll.corruptProbability = 1.0;
    const Bytes clean = answers({});
    const Bytes corrupted = answers(corruptAll);
    ASSERT_EQ(corrupted.size(), clean.size());
    for (std::size_t i = 0; i < clean.size(); ++i)
        EXPECT_EQ(std::bitset<8>(clean[i] ^ corrupted[i]).count(), 1u) << "byte " << i;
}

TEST(FaultInjectionTest, AnswersBusyToTheGivenNumberOfPollsAfterEachRequest) {
    FakeClock clock;
    UnitSettings settings;
    settings.faults.busyPolls = 2;
    UnitLine line(settings, clock);
    const auto send = [&line](const Bytes& bytes) {
        return line.receive(bytes.data(), bytes.size());
    };
    EXPECT_THAT(send(LineBytes::poll()), ElementsAre(0x04));
    send(LineBytes::join({LineBytes::select(), LineBytes::readRequest(197, {0})}));
    EXPECT_THAT(send(LineBytes::poll()), ElementsAre(0x06));
    EXPECT_THAT(send(LineBytes::poll()), ElementsAre(0x06));
    EXPECT_THAT(send(LineBytes::poll()), ElementsAre(0x08));
}

TEST(FaultInjectionTest, FallsSilentAfterTheGivenNumberOfRequests) {
    FakeClock clock;
    UnitSettings settings;
    settings.faults.silentAfter = 2;
    UnitLine line(settings, clock);
    const auto send = [&line](const Bytes& bytes) {
        return line.receive(bytes.data(), bytes.size());
    };
    const Bytes write = LineBytes::join({LineBytes::select(), LineBytes::write(196, 0, 1)});
    EXPECT_THAT(send(write), ElementsAre(0x04));
    EXPECT_THAT(send(LineBytes::poll()), ElementsAre(0x04));
    EXPECT_THAT(send(write), ElementsAre(0x04));
    EXPECT_THAT(send(LineBytes::poll()), ElementsAre(0x04));
    EXPECT_THAT(send(write), IsEmpty());
    EXPECT_THAT(send(LineBytes::poll()), IsEmpty());
}
} // namespace
