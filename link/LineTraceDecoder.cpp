#include "link/LineTraceDecoder.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

#include "link/LineTraceSink.h"
#include "link/SerialFrame.h"
#include "link/SerialKeyword.h"
#include "model/Clock.h"
#include "model/ParameterMap.h"

namespace {
using Direction = LineTraceEntry::Direction;
using Kind = LineTraceEntry::Kind;

// Enough to cover every attempt of the exchanges that may still be repeated.
constexpr std::size_t rememberedFrames = 16;

std::string hex(std::uint8_t byte) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[byte >> 4], digits[byte & 0x0F]};
}

std::string hex(std::span<const std::uint8_t> bytes) {
    std::string text;
    for (const auto byte : bytes) {
        if (!text.empty())
            text += ' ';
        text += hex(byte);
    }
    return text;
}

std::string hex(const ParameterValue& value) {
    const auto* data = reinterpret_cast<const std::uint8_t*>(value.bytes().data());
    return hex(std::span<const std::uint8_t>(data, value.size()));
}

// Numbers as signed values, text as text, the bytes always.
std::string valueText(const ParameterValue& value) {
    if (value.size() == 2)
        return std::to_string(value.toInt16()) + " [" + hex(value) + "]";
    const auto& bytes = value.bytes();
    const bool printable = !bytes.empty() && std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return c >= 0x20 && c < 0x7F;
    });
    return (printable ? "\"" + bytes + "\" " : std::string()) + "[" + hex(value) + "]";
}

std::string itemsText(std::span<const std::uint8_t> payload) {
    ParameterValueMap values;
    SerialFrame(payload).readItems(values);
    std::string text;
    for (const auto& [id, value] : values)
        text += (text.empty() ? "" : ", ") + id.toString() + " = " + valueText(value);
    return text;
}

std::string keywordName(std::uint8_t byte) {
    switch (byte) {
    case SerialKeyword::ack:
        return "ACK";
    case SerialKeyword::error:
        return "ERROR";
    case SerialKeyword::busy:
        return "BUSY";
    case SerialKeyword::notReady:
        return "NOT READY";
    case SerialKeyword::dataReady:
        return "DATA READY";
    case SerialKeyword::transmit:
        return "TRANSMIT";
    default:
        return "byte " + hex(byte);
    }
}

bool isUnitKeyword(std::uint8_t byte) {
    return byte >= SerialKeyword::ack && byte <= SerialKeyword::dataReady;
}

// The frame split into payload and checksum, with the words for the checksum: a damaged one
// also says what it should have been.
struct CheckedFrame {
    std::span<const std::uint8_t> payload;
    bool good;
    std::string checksumText;
};

CheckedFrame check(const std::vector<std::uint8_t>& frame) {
    const std::span<const std::uint8_t> payload(frame.data(), frame.size() - 1);
    const auto length = static_cast<std::uint8_t>(payload.size());
    const std::uint8_t expected = SerialFrame::checksum(length, payload);
    const bool good = expected == frame.back();
    std::string text = "checksum " + hex(frame.back());
    if (!good)
        text += ", expected " + hex(expected);
    return {payload, good, text};
}
} // namespace

LineTraceDecoder::LineTraceDecoder(LineTraceSink& sink, const Clock& clock,
                                   std::set<std::uint8_t> readNumbers)
    : sink_(sink), clock_(clock), readNumbers_(std::move(readNumbers)),
      startMs_(clock.milliseconds()) {}

std::set<std::uint8_t> LineTraceDecoder::numbersOf(const ParameterMap& parameters) {
    std::set<std::uint8_t> numbers;
    for (const auto& entry : parameters)
        numbers.insert(entry.first.number);
    return numbers;
}

void LineTraceDecoder::sent(std::span<const std::uint8_t> bytes) {
    for (const auto byte : bytes)
        sentByte(byte);
}

void LineTraceDecoder::sentByte(std::uint8_t byte) {
    switch (pcState_) {
    case PcState::Idle:
        sentWhileIdle(byte);
        break;
    case PcState::AddressHigh:
        address_[0] = byte;
        pcState_ = PcState::AddressLow;
        break;
    case PcState::AddressLow:
        address_[1] = byte;
        pcState_ = PcState::Addressed;
        break;
    case PcState::Addressed:
        // What follows an address tells a select from a poll.
        if (byte == SerialKeyword::stx) {
            pcState_ = PcState::Length;
        } else if (byte == SerialKeyword::transmit) {
            record(Direction::ToUnit, Kind::Keyword, "select " + hex(address_) + ": TRANSMIT");
            pcState_ = PcState::Idle;
        } else {
            flushPoll();
            sentWhileIdle(byte);
        }
        break;
    case PcState::Length:
        pcFrame_.assign(1, byte);
        pcRemaining_ = byte + 1u;
        pcState_ = PcState::Body;
        break;
    case PcState::Body:
        pcFrame_.push_back(byte);
        if (--pcRemaining_ == 0) {
            pcState_ = PcState::Idle;
            pcFrameComplete();
        }
        break;
    }
}

void LineTraceDecoder::sentWhileIdle(std::uint8_t byte) {
    if (byte == SerialKeyword::breakKey)
        pcState_ = PcState::AddressHigh;
    else
        record(Direction::ToUnit, Kind::Keyword, keywordName(byte));
}

void LineTraceDecoder::flushPoll() {
    if (pcState_ != PcState::Addressed)
        return;
    pcState_ = PcState::Idle;
    record(Direction::ToUnit, Kind::Poll, "poll " + hex(address_));
}

void LineTraceDecoder::pcFrameComplete() {
    // pcFrame_ holds the length byte, the payload and the checksum.
    const Bytes frame(pcFrame_.begin() + 1, pcFrame_.end());
    const CheckedFrame checked = check(frame);
    const bool write = isWrite(checked.payload);
    std::string what;
    if (checked.payload.empty()) {
        what = "empty frame";
    } else if (write) {
        what = "write " + itemsText(checked.payload);
    } else {
        std::string indexes;
        for (const auto index : checked.payload.subspan(1))
            indexes.append(" ").append(std::to_string(index));
        what.assign("read (").append(hex(checked.payload.front())).append(";").append(indexes);
        what += ')';
    }
    const bool retry = remembersFailedSend(frame);
    awaitingFrameAck_ = true;
    afterWrite_ = write;
    requestedNumber_ = write || checked.payload.empty() ? -1 : checked.payload.front();
    record(Direction::ToUnit, Kind::Frame,
           "select " + hex(address_) + ": " + what + ", " + checked.checksumText, false, retry);
}

// Extended items are only ever written; a plain item has the shape of three indexes, which are
// only ever asked for in ascending order, under a number the unit reads.
bool LineTraceDecoder::isWrite(std::span<const std::uint8_t> payload) const {
    constexpr std::size_t headerSize = 3;
    if (payload.size() < 1 + headerSize)
        return false;
    const std::uint8_t command = payload[0];
    const auto items = payload.subspan(1);
    if (items[0] == SerialFrame::extendedItem && items.size() == headerSize + items[2])
        return true;
    if (items.size() != headerSize)
        return false;
    if (!(items[0] < items[1] && items[1] < items[2]))
        return true;
    return !readNumbers_.contains(command) &&
           readNumbers_.contains(static_cast<std::uint8_t>(command + 1));
}

bool LineTraceDecoder::remembersFailedSend(const Bytes& frame) {
    const auto earlier = std::find_if(sentFrames_.begin(), sentFrames_.end(),
                                      [&](const SentFrame& sent) { return sent.bytes == frame; });
    if (earlier == sentFrames_.end()) {
        if (sentFrames_.size() == rememberedFrames)
            sentFrames_.erase(sentFrames_.begin());
        sentFrames_.push_back({frame, failures_});
        return false;
    }
    const bool retry = earlier->failuresBefore < failures_;
    earlier->failuresBefore = failures_;
    return retry;
}

void LineTraceDecoder::received(std::size_t asked, std::span<const std::uint8_t> bytes) {
    flushPoll();
    // A read of more than the message under way can hold is a drain: the PC gave up on it.
    if (unitState_ == UnitState::Body && asked > unitRemaining_)
        cutShort();
    if (unitState_ == UnitState::Idle && asked > 1) {
        discarded(bytes);
        return;
    }
    for (const auto byte : bytes)
        receivedByte(byte);
    if (bytes.empty())
        silence();
}

void LineTraceDecoder::receivedByte(std::uint8_t byte) {
    switch (unitState_) {
    case UnitState::Idle:
        if (byte == SerialKeyword::stx)
            unitState_ = UnitState::Length;
        else
            unitKeyword(byte);
        break;
    case UnitState::Length:
        unitFrame_.clear();
        unitRemaining_ = byte + 1u;
        unitState_ = UnitState::Body;
        break;
    case UnitState::Body:
        unitFrame_.push_back(byte);
        if (--unitRemaining_ == 0) {
            unitState_ = UnitState::Idle;
            unitFrameComplete();
        }
        break;
    }
}

void LineTraceDecoder::unitKeyword(std::uint8_t byte) {
    const bool expected = awaitingFrameAck_ ? byte == SerialKeyword::ack
                                            : isUnitKeyword(byte) && byte != SerialKeyword::error;
    awaitingFrameAck_ = false;
    record(Direction::FromUnit, Kind::Keyword, keywordName(byte), !expected);
}

void LineTraceDecoder::unitFrameComplete() {
    const CheckedFrame checked = check(unitFrame_);
    std::string text = "reply";
    bool foreign = false;
    if (!checked.payload.empty()) {
        text.append(" ").append(itemsText(checked.payload));
        foreign = requestedNumber_ >= 0 && checked.payload.front() != requestedNumber_;
        if (foreign)
            text.append(" (for number ")
                .append(hex(checked.payload.front()))
                .append(", not the one asked for)");
    }
    const bool good = checked.good && !foreign;
    if (good)
        sentFrames_.clear();
    record(Direction::FromUnit, Kind::Frame, text + ", " + checked.checksumText, !good);
}

// A unit may stay quiet while it works on a write; anywhere else silence fails the exchange.
void LineTraceDecoder::silence() {
    if (unitState_ != UnitState::Idle) {
        cutShort();
        return;
    }
    const bool quietAfterWrite = afterWrite_ && !awaitingFrameAck_;
    awaitingFrameAck_ = false;
    record(Direction::FromUnit, Kind::Silence,
           quietAfterWrite ? "no answer (quiet after a write)" : "no answer", !quietAfterWrite);
}

void LineTraceDecoder::cutShort() {
    const std::size_t got = unitState_ == UnitState::Body ? unitFrame_.size() : 0;
    const std::size_t wanted = got + unitRemaining_;
    std::string text = "frame cut short";
    if (unitState_ == UnitState::Body)
        text += " after " + std::to_string(got) + " of " + std::to_string(wanted) + " bytes";
    unitState_ = UnitState::Idle;
    unitRemaining_ = 0;
    record(Direction::FromUnit, Kind::Frame, text, true);
}

void LineTraceDecoder::discarded(std::span<const std::uint8_t> bytes) {
    if (!bytes.empty())
        record(Direction::FromUnit, Kind::Discarded,
               "discarded " + std::to_string(bytes.size()) + " bytes: " + hex(bytes));
}

void LineTraceDecoder::record(Direction direction, Kind kind, std::string text, bool failure,
                              bool retry) {
    if (failure)
        ++failures_;
    LineTraceEntry entry;
    entry.elapsedMs = clock_.milliseconds() - startMs_;
    entry.direction = direction;
    entry.kind = kind;
    entry.text = std::move(text);
    entry.failure = failure;
    entry.retry = retry;
    sink_.traced(entry);
}

std::string LineTraceDecoder::line(const LineTraceEntry& entry) {
    std::ostringstream text;
    text << std::setw(4) << entry.elapsedMs / 1000 << '.' << std::setw(3) << std::setfill('0')
         << entry.elapsedMs % 1000 << std::setfill(' ')
         << (entry.direction == Direction::ToUnit ? "  PC   > " : "  UNIT < ") << entry.text;
    if (entry.retry)
        text << "  [retry]";
    if (entry.failure)
        text << "  [FAILED]";
    return text.str();
}
