#include <gtest/gtest.h>

#include "link/IdleCommand.h"
#include "link/ProtocolException.h"
#include "link/SerialFrame.h"
#include "link/SerialProtocol.h"
#include "model/ConfirmedRead.h"
#include "support/FakeClock.h"
#include "support/Printers.h"
#include "support/ScriptedSerialDevice.h"

namespace {
using Bytes = ScriptedSerialDevice::Bytes;

const Bytes breakKey{0xFB};
const Bytes select{0x82, 0x80};
const Bytes poll{0x82, 0x81};
const Bytes ack{0x04};
const Bytes transmit{0x09};

class CountingIdleCommand : public IdleCommand {
public:
    void execute() override { ++runs; }
    int runs = 0;
};

using unitBytes::concat, unitBytes::reply;

// The unit's whole answer to a read request: ACK, ready at the first poll, then the reply.
Bytes readAnswer(const Bytes& payload) {
    return concat({ack, {0x08}, reply(payload)});
}

// The message of the line failure action causes. Other failures are marked: they are never
// repeated, so a fault must not pass for one.
std::string lineFailure(auto action) {
    try {
        action();
    } catch (const ProtocolException& failure) {
        return failure.what();
    } catch (const QuenlarException& failure) {
        return std::string("not a line failure: ") + failure.what();
    }
    return "no failure";
}

class SerialProtocolTest : public ::testing::Test {
protected:
    SerialProtocolTest() {
        protocol.setIdleCommand(&idle);
        device.forgetRecords();
    }

    // The frames the PC sent: the only writes longer than an address.
    std::vector<Bytes> framesSent() const {
        std::vector<Bytes> frames;
        for (const auto& bytes : device.writes())
            if (bytes.size() > 2)
                frames.push_back(bytes);
        return frames;
    }

    std::size_t pollsSent() const {
        return static_cast<std::size_t>(
            std::count(device.writes().begin(), device.writes().end(), poll));
    }

    FakeClock clock;
    ScriptedSerialDevice device;
    CountingIdleCommand idle;
    SerialProtocol protocol{0x8280, &device, clock};
};

TEST(SerialFrameTest, ReadsWhatThereIsOfShortExtendedRepeatedAndTruncatedItems) {
    const std::pair<Bytes, ParameterValueMap> cases[] = {
        {{0x21, 0x05, 0x00, 0x01, 0xFF, 0x07, 0x00, 0x08, 0x00, 0x02},
         {{{0x21, 5}, 1}, {{0x21, 7}, ParameterValue()}, {{0x21, 8}, 2}}},
        // A later item of the same index wins.
        {{0x21, 0x05, 0x00, 0x01, 0x05, 0x00, 0x02}, {{{0x21, 5}, 2}}},
        // An extended item cut short keeps the bytes that came.
        {{0x21, 0xFF, 0x07, 0x05, 'A', 'B'}, {{{0x21, 7}, ParameterValue::fromText("AB")}}},
        // Fewer than three bytes left end the parse.
        {{0x21, 0x05, 0x00, 0x01, 0x06, 0x00}, {{{0x21, 5}, 1}}},
        {{0x21, 0xFF, 0x06}, {}},
        {{0x21}, {}},
        {{}, {}},
    };
    for (const auto& [payload, expected] : cases) {
        ParameterValueMap values;
        SerialFrame(payload).readItems(values);
        EXPECT_EQ(values, expected) << testing::PrintToString(payload);
    }
}

TEST(SerialProtocolConstructionTest, SetsTheReadTimeoutFlushesTheLineAndNeedsADevice) {
    ScriptedSerialDevice device;
    device.answer({0x04, 0x08, 0x02});
    SerialProtocol protocol(0x8280, &device);
    EXPECT_EQ(device.timeouts(), std::vector<std::uint32_t>{200});
    EXPECT_EQ(device.reads(), std::vector<std::size_t>{500});
    EXPECT_EQ(device.unread(), 0u);
    EXPECT_EQ(lineFailure([] { SerialProtocol(0x8280, nullptr); }), "NULL serial device.");
}

TEST_F(SerialProtocolTest, ReadsAParameterWithTheWorkedBytes) {
    device.answer(concat({ack, {0x06, 0x06, 0x08}, {0x02, 0x04, 0x21, 0x05, 0x00, 0x01, 0xD5}}));

    EXPECT_EQ(protocol.read({0x21, 0x05}), ParameterValue(1));

    const std::vector<Bytes> expected{breakKey, select,   {0x02, 0x02, 0x21, 0x05, 0xD8},
                                      breakKey, poll,     breakKey,
                                      poll,     breakKey, poll,
                                      breakKey, select,   transmit,
                                      ack};
    EXPECT_EQ(device.writes(), expected);
    // Every read asks for exactly the bytes due next.
    EXPECT_EQ(device.reads(), (std::vector<std::size_t>{1, 1, 1, 1, 1, 1, 5}));
}

TEST_F(SerialProtocolTest, WritesAParameterWithTheWorkedBytesThenWaitsOutItsDelay) {
    device.answer({0x04, 0x04});

    protocol.write({0x20, 0x05}, 1, 0);

    const std::vector<Bytes> expected{
        breakKey, select, {0x02, 0x04, 0x20, 0x05, 0x00, 0x01, 0xD6}, breakKey, poll};
    EXPECT_EQ(device.writes(), expected);
    EXPECT_EQ(idle.runs, 0);

    device.answer({0x04, 0x04}); // a delay is waited out in full, and no longer
    clock.pauseStep = 5;
    protocol.write({0x20, 0x05}, 1, 50);
    EXPECT_EQ(clock.milliseconds(), 1050u);
}

TEST_F(SerialProtocolTest, LineWaitsRunTheIdleCommandAtThePollingPaceHoweverFastTheyTurn) {
    idle.run(clock.milliseconds()); // a poll has just stepped the meters
    idle.runs = 0;
    device.answer(concat({ack, {0x06, 0x08}, reply({0x21, 0x05, 0x00, 0x01})}));
    protocol.read({0x21, 0x05});
    EXPECT_EQ(idle.runs, 0) << "a busy pause right after a poll";

    for (const std::uint64_t pauseStep : {1u, 5u}) {
        clock.pauseStep = pauseStep;
        idle.runs = 0;
        device.answer({0x04, 0x04});
        protocol.write({0x20, 0x05}, 1, 3000);
        EXPECT_EQ(idle.runs, 100) << pauseStep << " ms a turn";
    }
}

TEST_F(SerialProtocolTest, WritesOtherLengthsAsExtendedItems) {
    device.answer(Bytes(6, 0x04));

    protocol.write({0x20, 0x05}, ParameterValue(std::string(1, '\x7F')), 0);
    protocol.write({0x20, 0x05}, ParameterValue::fromText("abc"), 0);
    protocol.write({0x20, 0x05}, ParameterValue(), 0);

    const std::vector<Bytes> expected{
        {0x02, 0x05, 0x20, 0xFF, 0x05, 0x01, 0x7F, 0x57},
        {0x02, 0x07, 0x20, 0xFF, 0x05, 0x03, 'a', 'b', 'c', 0xAC},
        {0x02, 0x04, 0x20, 0xFF, 0x05, 0x00, 0xD8},
    };
    EXPECT_EQ(framesSent(), expected);
}

// The length byte carries at most 255 payload bytes: a frame beyond is refused before anything
// is sent, and not as a line failure, since no repeat could send it.
TEST_F(SerialProtocolTest, RefusesWhatNoFrameCanCarryBeforeSendingAnything) {
    EXPECT_EQ(
        SerialFrame::writeRequest({0x20, 1}, ParameterValue(std::string(251, 'A'))).encode().size(),
        258u);
    EXPECT_EQ(SerialFrame::readRequest(0x30, Bytes(254, 0x01)).payload().size(), 255u);
    EXPECT_THROW(SerialFrame(Bytes(256, 0x01)), QuenlarException);
    const std::string tooLong = "not a line failure: The message does not fit in one frame.";
    const auto writeTooMuch = [&] {
        protocol.write({0x20, 0x05}, ParameterValue(std::string(252, 'A')), 0);
    };
    EXPECT_EQ(lineFailure(writeTooMuch), tooLong);
    ParameterIdSet ids{{0x20, 0x01}};
    for (int index = 0; index < 255; ++index)
        ids.emplace_back(0x21, static_cast<std::uint8_t>(index));
    ParameterValueMap values;
    EXPECT_EQ(lineFailure([&] { protocol.readMany(ids, values); }), tooLong);
    EXPECT_TRUE(device.writes().empty());
}

TEST_F(SerialProtocolTest, ReadManyAsksOnceForEachNumberInAscendingOrder) {
    device.answer(readAnswer({0x21, 0x05, 0x00, 0x07}));
    device.answer(readAnswer({0x30, 0x01, 0x00, 0x01, 0xFF, 0x02, 0x02, 'h', 'i'}));
    ParameterValueMap values;

    protocol.readMany({}, values); // nothing asked: the line is left alone
    EXPECT_TRUE(device.writes().empty());
    protocol.readMany({{0x30, 0x01}, {0x21, 0x05}, {0x30, 0x02}}, values);

    const std::vector<Bytes> expected{{0x02, 0x02, 0x21, 0x05, 0xD8},
                                      {0x02, 0x03, 0x30, 0x01, 0x02, 0xCA}};
    EXPECT_EQ(framesSent(), expected);
    EXPECT_EQ(values, (ParameterValueMap{{{0x21, 0x05}, 7},
                                         {{0x30, 0x01}, 1},
                                         {{0x30, 0x02}, ParameterValue::fromText("hi")}}));
}

// Silent: not even an ACK. LostAck: the same, but the unit answers a poll then; Gone: it does not.
enum class Answer { Good, Damaged, WithAnotherId, Silent, LostAck, Gone };

// The unit's answer to times requests for these indexes of number, all asked alike.
struct Turn {
    std::uint8_t number;
    Bytes indexes;
    Answer answer;
    int times = 1;
};

// What the unit answers to a request for the given indexes of number: each value is its index.
Bytes answerTo(std::uint8_t number, Bytes indexes, Answer answer) {
    if (answer == Answer::WithAnotherId)
        indexes.push_back(9);
    Bytes payload{number};
    for (const std::uint8_t index : indexes)
        payload.insert(payload.end(), {index, 0x00, index});
    Bytes bytes = readAnswer(payload);
    if (answer == Answer::Damaged)
        ++bytes.back();
    return bytes;
}

// The PC's side of an exchange: a damaged reply is not acknowledged, silence ends the exchange at
// the request, and a poll may follow.
std::vector<Bytes> writesOf(const Turn& turn) {
    using enum Answer;
    std::vector<Bytes> writes{breakKey, select,
                              SerialFrame::readRequest(turn.number, turn.indexes).encode()};
    if (turn.answer == LostAck || turn.answer == Gone)
        writes.insert(writes.end(), {breakKey, poll});
    else if (turn.answer != Silent)
        writes.insert(writes.end(), {breakKey, poll, breakKey, select, transmit});
    if (turn.answer == Good || turn.answer == WithAnotherId)
        writes.push_back(ack);
    return writes;
}

// A grouped read of 0x21 5, 6 and 0x30 1, 2, 3. A failed frame is asked again, up to five times,
// then in halves down to single ids, each piece's reply holding exactly its ids; until the unit
// has answered each is asked once; silence ends the read unless the unit answers a poll. Every
// exchange that gets through sends the bytes a single read always did.
TEST(SerialProtocolRetryTest, AFailedFrameIsAskedAgainThenInPieces) {
    using enum Answer;
    const std::pair<std::vector<Turn>, std::string> cases[] = {
        {{{0x21, {5, 6}, Good}, {0x30, {1, 2, 3}, Good}}, "no failure"},
        {{{0x21, {5, 6}, Good}, {0x30, {1, 2, 3}, Damaged, 4}, {0x30, {1, 2, 3}, Good}},
         "no failure"},
        {{{0x21, {5, 6}, Good},
          {0x30, {1, 2, 3}, Damaged, 5},
          {0x30, {1}, Good},
          {0x30, {2, 3}, Damaged, 5},
          {0x30, {2}, WithAnotherId},
          {0x30, {2}, Good},
          {0x30, {3}, Good}},
         "no failure"},
        {{{0x21, {5, 6}, Good}, {0x30, {1, 2, 3}, Damaged, 5}, {0x30, {1}, Damaged, 5}},
         "Incorrect checksum"},
        {{{0x21, {5, 6}, Damaged},
          {0x21, {5}, Good},
          {0x21, {6}, Damaged},
          {0x21, {6}, Good},
          {0x30, {1, 2, 3}, Good}},
         "no failure"},
        {{{0x21, {5, 6}, Damaged}, {0x21, {5}, Damaged}}, "Incorrect checksum"},
        {{{0x21, {5, 6}, Silent}}, "No response when expecting an ACK."},
        {{{0x21, {5, 6}, Good}, {0x30, {1, 2, 3}, LostAck}, {0x30, {1, 2, 3}, Good}}, "no failure"},
        {{{0x21, {5, 6}, Good}, {0x30, {1, 2, 3}, Gone}}, "No response when expecting an ACK."},
    };
    const ParameterValueMap all{
        {{0x21, 5}, 5}, {{0x21, 6}, 6}, {{0x30, 1}, 1}, {{0x30, 2}, 2}, {{0x30, 3}, 3}};
    for (std::size_t row = 0; row < std::size(cases); ++row) {
        const auto& [turns, failure] = cases[row];
        const auto title = "case " + std::to_string(row + 1);
        ScriptedSerialDevice device;
        SerialProtocol protocol(0x8280, &device);
        std::vector<Bytes> expectedWrites;
        bool failed = false; // the drain of a failed exchange ends at a silence
        for (const auto& turn : turns) {
            for (int time = 0; time < turn.times; ++time) {
                if (failed)
                    device.answerAfterSilence({});
                if (turn.answer < Silent)
                    device.answer(answerTo(turn.number, turn.indexes, turn.answer));
                else // the ACK, then the drain, meet silence; the poll after it may be answered
                    device.answerAfterSilence({});
                if (turn.answer > Silent)
                    device.answerAfterSilence(turn.answer == LostAck ? Bytes{0x08} : Bytes{});
                failed = turn.answer != Good && turn.answer != LostAck;
                const auto writes = writesOf(turn);
                expectedWrites.insert(expectedWrites.end(), writes.begin(), writes.end());
            }
        }
        ParameterValueMap values;
        const std::string outcome = lineFailure([&] {
            protocol.readMany({{0x21, 5}, {0x21, 6}, {0x30, 1}, {0x30, 2}, {0x30, 3}}, values);
        });
        EXPECT_EQ(outcome, failure) << title;
        EXPECT_EQ(device.writes(), expectedWrites) << title;
        if (failure == "no failure") {
            EXPECT_EQ(values, all) << title;
        }
    }
}

TEST_F(SerialProtocolTest, ReplyWithoutTheAskedParameterReadsEmpty) {
    device.answer(readAnswer({}));
    device.answer(readAnswer({0x21, 0x06, 0x00, 0x01}));
    EXPECT_EQ(protocol.read({0x21, 0x05}), ParameterValue());
    EXPECT_EQ(protocol.read({0x21, 0x05}), ParameterValue());
    EXPECT_EQ(device.unread(), 0u);
}

TEST_F(SerialProtocolTest, PollsAgainAtOnceWhenNotReadyButWaitsTwentyMillisecondsAfterBusy) {
    device.answer(concat({ack, {0x07, 0x07, 0x08}, reply({0x21, 0x05, 0x00, 0x01})}));
    protocol.read({0x21, 0x05});
    EXPECT_EQ(pollsSent(), 3u);
    EXPECT_EQ(idle.runs, 0);
    EXPECT_EQ(clock.milliseconds(), 1000u);

    device.answer(concat({ack, {0x06, 0x07, 0x06, 0x08}, reply({0x21, 0x05, 0x00, 0x01})}));
    protocol.read({0x21, 0x05});
    EXPECT_EQ(pollsSent(), 3u + 4u);
    EXPECT_EQ(idle.runs, 2);
    EXPECT_EQ(clock.milliseconds(), 1040u);
}

TEST_F(SerialProtocolTest, AWriteWaitsOutBusyForAHundredPollsAtMostAndTakesAnyOtherAnswer) {
    device.answer(concat({ack, Bytes(99, 0x06), ack}));
    protocol.write({0x20, 0x05}, 1, 0);
    EXPECT_EQ(pollsSent(), 100u);
    EXPECT_EQ(device.unread(), 0u);
    EXPECT_EQ(idle.runs, 66) << "every 30 ms of 99 busy pauses";

    device.forgetRecords();
    device.answer(concat({ack, {0x06, 0x07, 0x05}}));
    protocol.write({0x20, 0x05}, 1, 0);
    device.answer(ack); // and then silence
    protocol.write({0x20, 0x05}, 1, 0);
    EXPECT_EQ(pollsSent(), 4u);
    EXPECT_NE(device.reads().back(), 256u);
}

TEST_F(SerialProtocolTest, PollsAtTheSelectAddressWithOnlyTheLowByteIncremented) {
    ScriptedSerialDevice highDevice;
    SerialProtocol highProtocol(0x82FF, &highDevice, clock);
    highDevice.answer(ack);
    highProtocol.status();
    EXPECT_EQ(highDevice.writes(), (std::vector<Bytes>{breakKey, {0x82, 0x00}}));
}

TEST_F(SerialProtocolTest, PortFailurePassesThroughWithoutDrain) {
    device.failWritesFrom(2);
    device.answer(Bytes(4, 0x04));
    const auto read = [&] { protocol.read({0x21, 0x05}); };
    EXPECT_EQ(lineFailure(read), "not a line failure: Error sending serial data.");
    EXPECT_TRUE(device.reads().empty());
}

TEST_F(SerialProtocolTest, StatusPollsOnceAndNamesTheAnswerOrTheSilenceOrTheBrokenPort) {
    const std::pair<std::uint8_t, std::string> answers[] = {
        {0x04, "Ok"}, {0x05, "Error"}, {0x06, "Busy"}, {0x07, "Error"}, {0x08, "Error"}};
    for (const auto& [answer, name] : answers) {
        device.forgetRecords();
        device.answer({answer});
        EXPECT_EQ(protocol.status().name(), name);
        EXPECT_EQ(device.writes(), (std::vector<Bytes>{breakKey, poll}));
        EXPECT_EQ(device.reads(), std::vector<std::size_t>{1});
    }
    EXPECT_EQ(protocol.status().name(), "Not Responding");
    device.answer(ack);
    device.failWritesFrom(device.writes().size() + 1);
    EXPECT_EQ(protocol.status().name(), "Error");
}

// Every failure drains what the unit may still send, and leaves values alone.
TEST_F(SerialProtocolTest, EveryFailureDrainsAndReportsItself) {
    enum class Exchange { Read, Write };
    using enum Exchange;
    const struct {
        Exchange exchange;
        Bytes answer;
        std::string message;
    } cases[] = {
        {Read, {}, "No response when expecting an ACK."},
        {Write, {0x05, 0x04}, "The device returned 5 instead of ACK"},
        {Read, {0x04}, "There was no response to a poll."},
        {Read, {0x04, 0x06, 0x09, 0x08}, "The device returned 9 instead of 8"},
        {Read, concat({ack, Bytes(100, 0x06), {0x08}}), "The device returned 6 instead of 8"},
        {Write, concat({ack, Bytes(100, 0x06), ack}),
         "The device seems to be stuck in the busy state."},
        {Read, {0x04, 0x08}, "The device didn't transmit after receiving authorization."},
        {Read,
         {0x04, 0x08, 0x03, 0x02, 0x04, 0x21, 0x05, 0x00, 0x01, 0xD5},
         "The Smpte keyword is not STX"},
        {Read, {0x04, 0x08, 0x02}, "The message length is missing."},
        {Read, {0x04, 0x08, 0x02, 0x04, 0x21, 0x05, 0x00}, "Some of the message data is missing."},
        {Read, {0x04, 0x08, 0x02, 0x04, 0x21, 0x05, 0x00, 0x01, 0xD4, 0x04}, "Incorrect checksum"},
        // 0x21 became 0x25 and 0x01 became 0xFD: the checksum still holds.
        {Read,
         {0x04, 0x08, 0x02, 0x04, 0x25, 0x05, 0x00, 0xFD, 0xD5},
         "The device returned a reply for another parameter."}};
    for (const auto& [exchange, answer, message] : cases) {
        ScriptedSerialDevice unit;
        SerialProtocol line(0x8280, &unit, clock);
        unit.answer(answer);
        ParameterValueMap values;
        EXPECT_EQ(lineFailure([&] {
                      if (exchange == Read)
                          line.readMany({{0x21, 0x05}}, values);
                      else
                          line.write({0x20, 0x05}, 1, 0);
                  }),
                  message);
        EXPECT_EQ(unit.reads().back(), 256u) << message;
        EXPECT_EQ(unit.unread(), 0u) << message;
        EXPECT_TRUE(values.empty()) << message;
    }
}

TEST_F(SerialProtocolTest, ALongReplyMayTakeSeveralReadsOnASlowLineButNotWithoutBound) {
    Bytes payload{0x21};
    ParameterIdSet ids;
    for (std::uint8_t index = 0; index < 84; ++index) {
        payload.insert(payload.end(), {index, 0x00, index});
        ids.emplace_back(0x21, index);
    }
    device.answer(readAnswer(payload));
    device.limitReadsTo(100);
    ParameterValueMap values;
    protocol.readMany(ids, values);
    EXPECT_EQ(values.size(), 84u);
    EXPECT_EQ(values.at({0x21, 83}), ParameterValue(83));

    // A reply that stops half way is missing data after a bounded number of reads.
    device.answer(concat({ack, {0x08}, {0x02, 0xF0, 0x21}, Bytes(150, 0x00)}));
    device.limitReadsTo(50);
    const auto read = [&] { protocol.read({0x21, 0x05}); };
    EXPECT_EQ(lineFailure(read), "Some of the message data is missing.");
    // Three reads of the frame's rest, the last of them 50 bytes short, then the drain.
    const auto& reads = device.reads();
    ASSERT_GE(reads.size(), 4u);
    EXPECT_EQ(std::vector<std::size_t>(reads.end() - 4, reads.end()),
              (std::vector<std::size_t>{241, 191, 141, 256}));
}

// Two damaged bits that cancel out pass the checksum. Once the line has shown damage during a
// save, the configuration is read until two reads agree; on a clean line it is read once.
TEST(SerialProtocolSaveTest, ALineThatShowedDamageIsReadAgainUntilTwoReadsAgree) {
    const Bytes good = readAnswer({0x21, 0x05, 0x00, 0x07});
    // Bit 2 up in the high byte, down in the low one: 7 reads as 0x0403.
    const Bytes cancelling = readAnswer({0x21, 0x05, 0x04, 0x03});
    const Bytes other = readAnswer({0x30, 0x01, 0x00, 0x01});
    Bytes damaged = other;
    ++damaged.back();
    for (const bool clean : {true, false}) {
        ScriptedSerialDevice device;
        SerialProtocol protocol(0x8280, &device);
        if (clean) {
            device.answer(concat({good, other}));
        } else {
            device.answer(concat({cancelling, damaged}));
            device.answerAfterSilence(concat({other, good, other, good, other}));
        }
        int reads = 0;
        const auto read = [&] {
            ++reads;
            ParameterValueMap values;
            protocol.readMany({{0x21, 5}, {0x30, 1}}, values);
            return values.at({0x21, 5}).bytes() + values.at({0x30, 1}).bytes();
        };
        const auto damage = [&] { return protocol.damagedExchanges(); };

        EXPECT_EQ(ConfirmedRead::bytes(read, damage), std::string({0, 7, 0, 1}));
        EXPECT_EQ(reads, clean ? 1 : 3);
        EXPECT_EQ(device.unread(), 0u);
        if (clean)
            continue;
        // Damage the line showed before does not make a clean read count twice.
        reads = 0;
        device.answer(concat({good, other}));
        EXPECT_EQ(ConfirmedRead::bytes(read, damage), std::string({0, 7, 0, 1}));
        EXPECT_EQ(reads, 1);
    }
}

} // namespace
