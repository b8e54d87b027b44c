#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "EmulatorCommandLine.h"
#include "UnitLine.h"
#include "support/FakeClock.h"
#include "support/ScriptedSerialDevice.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using unitBytes::Bytes, unitBytes::concat;

namespace {

// What the PC sends, built byte by byte so that the tests do not lean on the unit's own encoder.
struct LineBytes {
    static Bytes select(std::uint16_t address = 0x8280) {
        return {0xFB, static_cast<std::uint8_t>(address >> 8),
                static_cast<std::uint8_t>(address & 0xFF)};
    }
    // The poll address counts up in the low byte only.
    static Bytes poll(std::uint16_t address = 0x8280) {
        return select(static_cast<std::uint16_t>((address & 0xFF00) | ((address + 1) & 0xFF)));
    }
    // STX, length, payload, checksum, framed as the scripted unit of the line tests frames it.
    static Bytes frame(const Bytes& payload) { return unitBytes::reply(payload); }
    static Bytes readRequest(std::uint8_t number, std::initializer_list<std::uint8_t> indexes) {
        Bytes payload{number};
        append(payload, indexes);
        return frame(payload);
    }
    // A write of a two-byte number under the written (number - 1) id.
    static Bytes write(std::uint8_t number, std::uint8_t index, int value) {
        return frame({number, index, static_cast<std::uint8_t>((value >> 8) & 0xFF),
                      static_cast<std::uint8_t>(value & 0xFF)});
    }
    static Bytes writeText(std::uint8_t number, std::uint8_t index, const std::string& text) {
        Bytes payload{number, 0xFF, index, static_cast<std::uint8_t>(text.size())};
        append(payload, text);
        return frame(payload);
    }
    // Byte by byte: the library's bulk insert trips a false bounds warning of the compiler.
    template <typename Range> static void append(Bytes& bytes, const Range& more) {
        for (auto byte : more)
            bytes.push_back(static_cast<std::uint8_t>(byte));
    }
};

class UnitLineTest : public ::testing::Test {
protected:
    void start() { line = std::make_unique<UnitLine>(settings, clock); }
    Bytes send(const Bytes& bytes) { return line->receive(bytes.data(), bytes.size()); }
    Bytes poll() { return send(LineBytes::poll()); }
    Bytes transmit() { return send(concat({LineBytes::select(), {0x09}})); }
    Bytes request(const Bytes& frame) { return send(concat({LineBytes::select(), frame})); }
    // A whole read exchange, as the PC runs it; returns the reply frame.
    Bytes read(const Bytes& requestFrame) {
        EXPECT_THAT(request(requestFrame), ElementsAre(0x04));
        EXPECT_THAT(poll(), ElementsAre(0x08));
        Bytes reply = transmit();
        EXPECT_THAT(send({0x04}), IsEmpty());
        return reply;
    }
    int held(std::uint8_t number, std::uint8_t index) const {
        return line->state().values().at(ParameterId(number, index)).toInt16();
    }
    // What the unit says to a conversation of writes, polls and reads, twenty rounds long, when it
    // drops and corrupts its answer bytes at these rates.
    Bytes answersTo(double drop, double corrupt, std::uint32_t seed = 1) {
        settings.faults.dropProbability = drop;
        settings.faults.corruptProbability = corrupt;
        settings.faults.seed = seed;
        start();
        Bytes heard;
        // A braced list runs its parts in order.
        for (int round = 0; round < 20; ++round)
            for (const Bytes& answer : {request(LineBytes::write(196, 0, round)), poll(),
                                        request(LineBytes::readRequest(210, {0, 1, 2, 64})), poll(),
                                        transmit(), send({0x04})})
                LineBytes::append(heard, answer);
        return heard;
    }

    FakeClock clock;
    UnitSettings settings;
    std::unique_ptr<UnitLine> line = std::make_unique<UnitLine>(UnitSettings{}, clock);
};

TEST_F(UnitLineTest, AnswersTheWorkedWriteAndReadByteForByte) {
    EXPECT_THAT(send({0xFB, 0x82, 0x80, 0x02, 0x04, 0x20, 0x05, 0x00, 0x01, 0xD6}),
                ElementsAre(0x04));
    EXPECT_THAT(send({0xFB, 0x82, 0x80, 0x02, 0x02, 0x21, 0x05, 0xD8}), ElementsAre(0x04));
    EXPECT_THAT(send({0xFB, 0x82, 0x81}), ElementsAre(0x08));
    EXPECT_THAT(send({0xFB, 0x82, 0x80, 0x09}),
                ElementsAre(0x02, 0x04, 0x21, 0x05, 0x00, 0x01, 0xD5));
    EXPECT_THAT(send({0x04}), IsEmpty());
    // The reply was collected: the unit is idle again.
    EXPECT_THAT(poll(), ElementsAre(0x04));
}

TEST_F(UnitLineTest, KeepsAReplyUntilThePcAcknowledgesIt) {
    request(LineBytes::readRequest(197, {0}));
    const Bytes first = transmit();
    EXPECT_EQ(first, LineBytes::frame({197, 0, 0, 60}));
    // The PC found the reply damaged and asks again.
    EXPECT_EQ(transmit(), first);
    // An ACK that does not follow the reply acknowledges nothing.
    EXPECT_THAT(poll(), ElementsAre(0x08));
    send({0x04});
    EXPECT_THAT(poll(), ElementsAre(0x08));
    transmit();
    send({0x04});
    EXPECT_THAT(poll(), ElementsAre(0x04));
    EXPECT_THAT(transmit(), IsEmpty());
}

TEST_F(UnitLineTest, ListensOnlyToItsOwnAddresses) {
    settings.address = 0x82FF;
    start();
    // The poll address counts up in the low byte only.
    EXPECT_THAT(send({0xFB, 0x82, 0x00}), ElementsAre(0x04));
    EXPECT_THAT(send({0xFB, 0x83, 0x00}), IsEmpty());
    EXPECT_THAT(send(LineBytes::poll(0x8280)), IsEmpty());
    EXPECT_THAT(send(concat({LineBytes::select(0x8280), LineBytes::write(196, 0, 77)})), IsEmpty());
    EXPECT_THAT(send(concat({LineBytes::select(0x8280), {0x09}})), IsEmpty());
    // A frame for another unit that happens to hold BREAK and our poll address is skipped whole.
    EXPECT_THAT(
        send(concat({LineBytes::select(0x9000), LineBytes::frame({0x30, 0xFB, 0x82, 0x00})})),
        IsEmpty());
    EXPECT_THAT(send({0xFB, 0x82, 0x00}), ElementsAre(0x04));
    // The other unit's write did not reach this one.
    EXPECT_EQ(held(197, 0), 60);
}

TEST_F(UnitLineTest, RepliesWithExtendedItemsAndLeavesOutWhatOverflowsTheFrame) {
    request(LineBytes::writeText(209, 3, "LIVE"));
    // A text value, a number, and an id the unit never held (an empty value, length 0).
    EXPECT_EQ(read(LineBytes::readRequest(210, {3, 64, 100})),
              LineBytes::frame({210, 0xFF, 3, 4, 'L', 'I', 'V', 'E', 64, 0, 32, 0xFF, 100, 0}));

    for (std::uint8_t index : {0, 1, 2})
        request(LineBytes::writeText(209, index, std::string(100, 'x')));
    const Bytes reply = read(LineBytes::readRequest(210, {0, 1, 2}));
    // Command plus two items of 103 bytes fit in 255; the third does not.
    ASSERT_EQ(reply.size(), 2u + 1u + 2u * 103u + 1u);
    EXPECT_EQ(reply, LineBytes::frame(Bytes(reply.begin() + 2, reply.end() - 1)));
}

TEST_F(UnitLineTest, TellsThreeIndexReadsFromWrites) {
    // Three ascending indexes under a number the unit reads: a request for three values.
    EXPECT_EQ(read(LineBytes::readRequest(197, {3, 4, 17}))[1], 1 + 3 * 3);
    // The same shape, not ascending: a write of 0x0005 to (197, 3).
    request(LineBytes::write(196, 3, 5));
    EXPECT_EQ(held(197, 3), 5);
    // Ascending, but the unit holds nothing under 196 and does hold 197: a write of 0x0405.
    request(LineBytes::write(196, 3, 0x0405));
    EXPECT_EQ(held(197, 3), 0x0405);
}

TEST_F(UnitLineTest, RecoversFromDamagedAndBrokenOffMessages) {
    Bytes damaged = LineBytes::write(196, 0, 99);
    damaged.back() ^= 0x01;
    EXPECT_THAT(request(damaged), ElementsAre(0x05));
    EXPECT_THAT(request(LineBytes::frame({})), ElementsAre(0x05));
    EXPECT_EQ(held(197, 0), 60);
    EXPECT_THAT(poll(), ElementsAre(0x04));
    // The start of a frame whose remaining bytes were lost swallows what follows at once, but
    // not what follows a pause.
    send(concat({LineBytes::select(), {0x02, 0x10, 0x21}}));
    EXPECT_THAT(poll(), IsEmpty());
    send(concat({LineBytes::select(), {0x02, 0x10, 0x21}}));
    clock.advanceMilliseconds(101);
    EXPECT_THAT(poll(), ElementsAre(0x04));
}

TEST_F(UnitLineTest, StaysBusyForTheWriteDelay) {
    settings.writeDelayMs = 500;
    start();
    request(LineBytes::write(196, 0, 1));
    EXPECT_THAT(poll(), ElementsAre(0x06));
    clock.advanceMilliseconds(499);
    EXPECT_THAT(poll(), ElementsAre(0x06));
    clock.advanceMilliseconds(1);
    EXPECT_THAT(poll(), ElementsAre(0x04));
    // A read asked for meanwhile becomes ready only when the delay is over.
    request(LineBytes::write(196, 0, 2));
    request(LineBytes::readRequest(197, {0}));
    EXPECT_THAT(poll(), ElementsAre(0x06));
    clock.advanceMilliseconds(500);
    EXPECT_THAT(poll(), ElementsAre(0x08));
}

TEST_F(UnitLineTest, SeededFaultsRepeatAndCertainOnesHitEveryByte) {
    const Bytes clean = answersTo(0.0, 0.0);
    const Bytes first = answersTo(0.2, 0.2, 42);
    EXPECT_EQ(first, answersTo(0.2, 0.2, 42));
    EXPECT_LT(first.size(), clean.size());
    EXPECT_NE(first, answersTo(0.2, 0.2, 43));

    EXPECT_THAT(answersTo(1.0, 0.0), IsEmpty());
    const Bytes corrupted = answersTo(0.0, 1.0);
    ASSERT_EQ(corrupted.size(), clean.size());
    for (std::size_t i = 0; i < clean.size(); ++i)
        EXPECT_EQ(std::bitset<8>(clean[i] ^ corrupted[i]).count(), 1u) << "byte " << i;
}

TEST_F(UnitLineTest, AnswersBusyToTheGivenPollsAndFallsSilentAfterTheGivenRequests) {
    settings.faults.busyPolls = 2;
    settings.faults.silentAfter = 2;
    start();
    EXPECT_THAT(poll(), ElementsAre(0x04));
    request(LineBytes::readRequest(197, {0}));
    EXPECT_THAT(poll(), ElementsAre(0x06));
    EXPECT_THAT(poll(), ElementsAre(0x06));
    EXPECT_THAT(poll(), ElementsAre(0x08));
    EXPECT_EQ(transmit(), LineBytes::frame({197, 0, 0, 60}));
    EXPECT_THAT(request(LineBytes::write(196, 0, 1)), ElementsAre(0x04));
    EXPECT_THAT(request(LineBytes::write(196, 0, 1)), IsEmpty());
    EXPECT_THAT(poll(), IsEmpty());
}

// Parses the words of line as the program's arguments; the exit code when it would end at once.
std::optional<int> parse(EmulatorCommandLine& commandLine, const std::string& line) {
    std::istringstream words("vx41-emulator " + line);
    std::vector<std::string> arguments{std::istream_iterator<std::string>(words), {}};
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    return commandLine.parse(static_cast<int>(argv.size()), argv.data());
}

// What the unit cannot be is refused; an address is hexadecimal in either case. Which addresses
// are refused is checked with vx41ctl's command line, which takes them alike.
TEST(EmulatorCommandLineTest, RefusesWhatTheUnitCannotBe) {
    for (const std::string line : {"--address 8281", "--baud 57600", "--drop 1.5", "--drop nan",
                                   "--corrupt -0.1", "--pace extra"}) {
        EmulatorCommandLine commandLine;
        EXPECT_EQ(parse(commandLine, line), EmulatorCommandLine::badUsage) << line;
    }
    EmulatorCommandLine help;
    EXPECT_EQ(parse(help, "--help"), EmulatorCommandLine::stopped);
    EmulatorCommandLine taken;
    ASSERT_EQ(parse(taken, "--address 0X82fe --write-delay 1250"), std::nullopt);
    EXPECT_EQ(taken.options().unit.address, 0x82FE);
    EXPECT_EQ(taken.options().unit.writeDelayMs, 1250u);
}
} // namespace
