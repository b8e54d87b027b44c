#include <sstream>
#include <streambuf>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "HexBytes.h"
#include "link/Protocol.h"
#include "tests/support/ConfigurationTestSet.h"
#include "tests/support/FailureMessage.h"

namespace {

using Set = ConfigurationTestSet;

// Takes only as many bytes as its buffer holds, like a disk that fills up.
class FullDiskBuffer : public std::streambuf {
public:
    explicit FullDiskBuffer(std::size_t capacity) : bytes_(capacity) {
        setp(bytes_.data(), bytes_.data() + capacity);
    }

private:
    std::vector<char> bytes_;
};

class ConfigurationFile : public ::testing::Test {
protected:
    std::string saved() {
        std::ostringstream stream(std::ios::binary);
        set.save(stream);
        return stream.str();
    }
    void load(const std::string& bytes, bool includeSetup) {
        std::istringstream stream(bytes, std::ios::binary);
        set.load(stream, includeSetup);
    }
    void expectLoadFailure(const std::string& bytes, const std::string& message) {
        EXPECT_EQ(messageOf([&] { load(bytes, true); }), message);
    }
    const ParameterValue& value(const ParameterId& id) { return set.find(id).getValue(); }

    ScriptedVx41Protocol device;
    Protocol protocol{device};
    Set set{protocol};
};

TEST_F(ConfigurationFile, SavesWhatTheUnitHoldsInIdOrderWithoutStatusParameters) {
    // The off-line unit starts with (117, 21) = 0, (117, 36) = 0, (117, 37) = 0, (197, 0) = 60
    // and (210, 0) = "PRESET 1"; the status (113, 4) is not saved.
    EXPECT_EQ(saved(), hexBytes("05 00 00 00"
                                "| F5 95 | 02 00 00 00 | 00 00"
                                "| F5 A4 | 02 00 00 00 | 00 00"
                                "| F5 A5 | 02 00 00 00 | 00 00"
                                "| 45 80 | 02 00 00 00 | 00 3C"
                                "| 52 80 | 08 00 00 00 | 50 52 45 53 45 54 20 31"
                                "| C9 05 00 00"));
}

TEST(ConfigurationFileOfAnEmptySet, IsEightZeroBytes) {
    DummyVx41Protocol device;
    Protocol protocol(device);
    ParameterSet set(protocol);
    std::ostringstream stream(std::ios::binary);
    set.save(stream);
    EXPECT_EQ(stream.str(), std::string(8, '\0'));
}

TEST_F(ConfigurationFile, SaveReportsAStreamThatStopsTakingBytes) {
    const auto saveInto = [this](std::size_t capacity) {
        FullDiskBuffer buffer(capacity);
        std::ostream stream(&buffer);
        return messageOf([&] { set.save(stream); });
    };
    EXPECT_EQ(saveInto(5), "Error saving a parameter id");
    EXPECT_EQ(saveInto(6), "Error saving a parameter value.");
    EXPECT_EQ(saveInto(11), "Error saving a parameter value.");
}

TEST_F(ConfigurationFile, RoundTripRestoresEveryValueAndTheSetupOnlyWhenAskedFor) {
    const std::string before = saved();
    set.find(Set::enabler).setValue(1);
    set.find(Set::dependent).setValue(4);
    set.find(Set::plain).setValue(-3);
    set.find(Set::trim).setValue(72);
    set.find(Set::label).setValue(ParameterValue::fromText("Live & <Loud>"));
    ASSERT_NE(saved(), before);

    load(before, false);
    EXPECT_EQ(value(Set::plain), ParameterValue(0));
    EXPECT_EQ(value(Set::trim), ParameterValue(72));
    load(before, true);
    EXPECT_EQ(saved(), before);
}

TEST_F(ConfigurationFile, ValueRefusedUntilALaterParameterIsRestoredComesInTheNextPass) {
    // (117, 36) comes first but is disabled until (117, 37), later in id order, is 1.
    load(hexBytes("02 00 00 00 | F5 A4 | 02 00 00 00 | 00 04 | F5 A5 | 02 00 00 00 | 00 01"
                  "| 00 00 00 00"),
         true);
    EXPECT_EQ(value(Set::dependent), ParameterValue(4));
    EXPECT_EQ(value(Set::enabler), ParameterValue(1));
}

TEST_F(ConfigurationFile, RestoreGivesUpAfterTenPassesAndNeverWaitsAfterAWrite) {
    set.control(Set::plain).setWriteDelay(2000);
    device.refused.insert(Set::plain);
    load(hexBytes("01 00 00 00 | F5 95 | 02 00 00 00 | 00 07 | 00 00 00 00"), true);

    EXPECT_EQ(device.writes.size(), 10u);
    for (const auto& write : device.writes)
        EXPECT_EQ(write.delayMs, 0u);
    EXPECT_EQ(set.control(Set::plain).writeDelay(), 2000u);
}

TEST_F(ConfigurationFile, FailuresWhileRestoringKeepWhatWasAppliedAndTheWriteDelay) {
    // (117, 21) is applied before the unknown (170, 0) stops the restore.
    expectLoadFailure(hexBytes("02 00 00 00 | F5 95 | 02 00 00 00 | 00 02 | 2A 80 | 02 00 00 00"
                               "| 00 01 | 00 00 00 00"),
                      "This is not a valid configuration file for this device");
    EXPECT_EQ(value(Set::plain), ParameterValue(2));

    set.control(Set::plain).setWriteDelay(500);
    device.failWrites = true;
    expectLoadFailure(hexBytes("01 00 00 00 | F5 95 | 02 00 00 00 | 00 03 | 00 00 00 00"),
                      "This is not a valid configuration file for this device");
    // A failed restore must not leave the parameter without its write delay.
    EXPECT_EQ(set.control(Set::plain).writeDelay(), 500u);

    expectLoadFailure(hexBytes("01 00 00 00 | F5"), "Error restoring a parameter id");
}

} // namespace
