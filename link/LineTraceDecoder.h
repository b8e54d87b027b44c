#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "link/LineTap.h"
#include "link/LineTraceEntry.h"

class Clock;
class LineTraceSink;
class ParameterMap;

// Turns the bytes of the serial line, as a tap sees them, into messages: polls and their answers,
// request, write and reply frames with their items and checksums, keywords, silences. It marks
// the messages where an exchange failed, and a frame the PC sends again after such a failure as a
// retry. It follows the line byte by byte, so it needs nothing from the protocol above it.
class LineTraceDecoder : public LineTap {
public:
    // readNumbers: the numbers the unit holds parameters under. A write frame and a request for
    // three indexes can have the same shape, and only these tell them apart; without them such a
    // frame is taken for a request when its indexes ascend.
    LineTraceDecoder(LineTraceSink& sink, const Clock& clock, std::set<std::uint8_t> readNumbers);
    static std::set<std::uint8_t> numbersOf(const ParameterMap& parameters);

    void sent(std::span<const std::uint8_t> bytes) override;
    void received(std::size_t asked, std::span<const std::uint8_t> bytes) override;

    // One line of text: seconds, who spoke, the message, and marks for retries and failures.
    static std::string line(const LineTraceEntry& entry);

private:
    enum class PcState { Idle, AddressHigh, AddressLow, Addressed, Length, Body };
    enum class UnitState { Idle, Length, Body };
    using Bytes = std::vector<std::uint8_t>;

    struct SentFrame {
        Bytes bytes;
        std::size_t failuresBefore;
    };

    void sentByte(std::uint8_t byte);
    void sentWhileIdle(std::uint8_t byte);
    void flushPoll();
    void pcFrameComplete();
    bool isWrite(std::span<const std::uint8_t> payload) const;
    bool remembersFailedSend(const Bytes& frame);

    void receivedByte(std::uint8_t byte);
    void unitKeyword(std::uint8_t byte);
    void unitFrameComplete();
    void silence();
    void cutShort();
    void discarded(std::span<const std::uint8_t> bytes);

    void record(LineTraceEntry::Direction direction, LineTraceEntry::Kind kind, std::string text,
                bool failure = false, bool retry = false);

    LineTraceSink& sink_;
    const Clock& clock_;
    std::set<std::uint8_t> readNumbers_;
    std::uint64_t startMs_;

    PcState pcState_ = PcState::Idle;
    std::array<std::uint8_t, 2> address_{};
    std::size_t pcRemaining_ = 0;
    Bytes pcFrame_;

    UnitState unitState_ = UnitState::Idle;
    std::size_t unitRemaining_ = 0;
    Bytes unitFrame_;

    // What the exchange under way expects.
    bool awaitingFrameAck_ = false;
    bool afterWrite_ = false;
    int requestedNumber_ = -1;

    // Frames sent since the last good reply, to recognise the PC's retries.
    std::vector<SentFrame> sentFrames_;
    std::size_t failures_ = 0;
};
