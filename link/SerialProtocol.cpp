#include "link/SerialProtocol.h"

#include <algorithm>
#include <exception>
#include <map>
#include <set>
#include <span>
#include <vector>

#include "link/AbstractSerialDevice.h"
#include "link/BusyStatus.h"
#include "link/ErrorStatus.h"
#include "link/NotRespondingStatus.h"
#include "link/OkStatus.h"
#include "link/ProtocolException.h"
#include "link/SerialFrame.h"
#include "link/SerialKeyword.h"

namespace {
// A byte is due within this time; it also bounds the drains.
constexpr std::uint32_t readTimeoutMs = 200;
// What the unit may have left on the line from an earlier connection.
constexpr std::size_t flushSize = 500;
// What the unit may still be sending when an exchange fails.
constexpr std::size_t drainSize = 256;
// About two seconds of a busy unit before giving up.
constexpr int maxPolls = 100;
constexpr std::uint32_t busyPauseMs = 20;
// Read time-outs a reply frame may take to arrive: enough for 256 bytes at 9600 baud.
constexpr int maxFrameReads = 3;
// Attempts at one frame of a grouped read, as many as a whole exchange gets from the stack.
constexpr int frameAttempts = 5;

bool keepsPolling(std::uint8_t reply) {
    return reply == SerialKeyword::busy || reply == SerialKeyword::notReady;
}
} // namespace

SerialProtocol::SerialProtocol(std::uint16_t address, AbstractSerialDevice* device,
                               const Clock& clock)
    : device_(requireDevice(device)), selectAddress_(selectAddressOf(address)),
      pollAddress_(pollAddressOf(address)), clock_(clock) {
    device_.setTimeout(readTimeoutMs);
    discard(flushSize);
}

AbstractSerialDevice& SerialProtocol::requireDevice(AbstractSerialDevice* device) {
    if (device == nullptr)
        throw ProtocolException("NULL serial device.");
    return *device;
}

SerialProtocol::Address SerialProtocol::selectAddressOf(std::uint16_t address) {
    return {static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address)};
}

// Only the low byte counts up: 0x82FF polls at 0x82 0x00.
SerialProtocol::Address SerialProtocol::pollAddressOf(std::uint16_t address) {
    return {static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address + 1)};
}

DeviceStatus SerialProtocol::status() {
    try {
        sendAddress(pollAddress_);
        const auto reply = readByte();
        if (!reply)
            return NotRespondingStatus();
        if (*reply == SerialKeyword::ack)
            return OkStatus();
        if (*reply == SerialKeyword::busy)
            return BusyStatus();
        return ErrorStatus();
    } catch (const QuenlarException&) {
        return ErrorStatus();
    }
}

void SerialProtocol::write(const ParameterId& id, const ParameterValue& value,
                           std::uint32_t delayMs) {
    transmit(SerialFrame::writeRequest(id, value));
    wait(delayMs);
    waitWhileBusy();
}

ParameterValue SerialProtocol::read(const ParameterId& id) {
    ParameterValueMap values;
    request(SerialFrame::readRequest(id.number, {id.index}), values);
    const auto found = values.find(id);
    return found == values.end() ? ParameterValue() : found->second;
}

void SerialProtocol::readMany(const ParameterIdSet& ids, ParameterValueMap& values) {
    std::map<std::uint8_t, std::vector<std::uint8_t>> indexesByNumber;
    // An index asked twice is asked once: the reply must hold exactly the ids of its frame.
    for (const auto& id : ids) {
        auto& indexes = indexesByNumber[id.number];
        if (std::find(indexes.begin(), indexes.end(), id.index) == indexes.end())
            indexes.push_back(id.index);
    }
    // Every frame is built before the first is sent, so a request too big for the line fails
    // before any exchange.
    std::vector<SerialFrame> frames;
    for (const auto& [number, indexes] : indexesByNumber)
        frames.push_back(SerialFrame::readRequest(number, indexes));
    // A frame that fails is asked again on its own, and one that keeps failing is asked for in
    // halves, down to single ids: on a line that damages one byte in a hundred a long reply seldom
    // comes whole, a short one nearly always does. Until the unit has answered in this read each
    // frame is asked once, and a frame met by silence is asked again only if the unit still
    // answers a poll, so a unit that does not answer, or stops, fails about as quickly as before.
    heardBeforeRead_ = bytesHeard_;
    int attempts = 1;
    for (const auto& frame : frames) {
        requestInPieces(frame, values, attempts);
        attempts = frameAttempts;
    }
}

// A frame that fails every attempt is asked for in halves. A failure ends the read, so the second
// half is asked only once the first got through: the unit has answered, it gets every attempt.
void SerialProtocol::requestInPieces(const SerialFrame& frame, ParameterValueMap& values,
                                     int attempts) {
    const auto failure = requestAgainOnFailure(frame, values, attempts);
    if (!failure)
        return;
    const auto& payload = frame.payload();
    if (payload.size() <= 2)
        std::rethrow_exception(failure);
    const auto middle = payload.begin() + 1 + static_cast<std::ptrdiff_t>((payload.size() - 1) / 2);
    requestInPieces(SerialFrame::readRequest(payload.front(), {payload.begin() + 1, middle}),
                    values, attempts);
    requestInPieces(SerialFrame::readRequest(payload.front(), {middle, payload.end()}), values,
                    frameAttempts);
}

std::exception_ptr SerialProtocol::requestAgainOnFailure(const SerialFrame& frame,
                                                         ParameterValueMap& values, int attempts) {
    for (int attempt = 1;; ++attempt) {
        const std::size_t heardBefore = bytesHeard_;
        try {
            requestExactly(frame, values);
            return nullptr;
        } catch (const ProtocolException&) {
            if (bytesHeard_ == heardBefore && !stillAnswers())
                throw;
            if (attempt >= attempts)
                return std::current_exception();
        }
    }
}

// Silence may be no more than a lost ACK. A unit that has answered in this grouped read is polled
// once: one that has gone costs a poll's time-out more than it did.
bool SerialProtocol::stillAnswers() {
    if (bytesHeard_ == heardBeforeRead_)
        return false;
    sendAddress(pollAddress_);
    return readByte().has_value();
}

// A damaged index the checksum let through fails this frame, which is asked again, rather than
// the whole grouped read.
void SerialProtocol::requestExactly(const SerialFrame& frame, ParameterValueMap& values) {
    ParameterValueMap answer;
    request(frame, answer);
    const std::set<std::uint8_t> asked(frame.payload().begin() + 1, frame.payload().end());
    const auto wasAsked = [&](const auto& item) { return asked.contains(item.first.index); };
    if (answer.size() != asked.size() || !std::ranges::all_of(answer, wasAsked))
        fail("The device returned other parameters than those asked for.");
    for (auto& [id, value] : answer)
        values.insert_or_assign(id, std::move(value));
}

void SerialProtocol::request(const SerialFrame& frame, ParameterValueMap& values) {
    transmit(frame);
    pollFor(SerialKeyword::dataReady);
    authorise();
    const SerialFrame reply = receiveFrame();
    writeByte(SerialKeyword::ack);
    // Two damaged bytes can cancel out in the checksum; an answer about another number is never
    // the one asked for, and would otherwise read as an empty value.
    if (!reply.payload().empty() && reply.payload().front() != frame.payload().front())
        fail("The device returned a reply for another parameter.");
    reply.readItems(values);
}

void SerialProtocol::transmit(const SerialFrame& frame) {
    const auto bytes = frame.encode();
    sendAddress(selectAddress_);
    device_.write(bytes.data(), bytes.size());
    awaitAck();
}

void SerialProtocol::awaitAck() {
    const auto reply = readByte();
    if (!reply)
        fail("No response when expecting an ACK.");
    if (*reply != SerialKeyword::ack)
        fail("The device returned " + std::to_string(*reply) + " instead of ACK");
}

void SerialProtocol::pollFor(std::uint8_t expected) {
    std::uint8_t reply = SerialKeyword::busy;
    for (int poll = 0; poll < maxPolls && keepsPolling(reply); ++poll) {
        sendAddress(pollAddress_);
        const auto answer = readByte();
        if (!answer)
            fail("There was no response to a poll.");
        reply = *answer;
        if (reply == SerialKeyword::busy)
            wait(busyPauseMs);
    }
    if (reply != expected)
        fail("The device returned " + std::to_string(reply) + " instead of " +
             std::to_string(expected));
}

// After a write the unit may stop answering polls altogether; only a unit that stays busy is an
// error.
void SerialProtocol::waitWhileBusy() {
    std::optional<std::uint8_t> reply = SerialKeyword::busy;
    for (int poll = 0; poll < maxPolls && reply && keepsPolling(*reply); ++poll) {
        sendAddress(pollAddress_);
        reply = readByte();
        if (reply == SerialKeyword::busy)
            wait(busyPauseMs);
    }
    if (reply == SerialKeyword::busy)
        fail("The device seems to be stuck in the busy state.");
}

void SerialProtocol::authorise() {
    sendAddress(selectAddress_);
    writeByte(SerialKeyword::transmit);
}

SerialFrame SerialProtocol::receiveFrame() {
    const auto keyword = readByte();
    if (!keyword)
        fail("The device didn't transmit after receiving authorization.");
    if (*keyword != SerialKeyword::stx)
        fail("The Smpte keyword is not STX");
    const auto length = readByte();
    if (!length)
        fail("The message length is missing.");
    // Payload and checksum: at most 256 bytes, as the length is one byte.
    std::array<std::uint8_t, SerialFrame::maxPayload + 1> buffer{};
    const std::size_t wanted = *length + 1u;
    if (readUpTo(buffer.data(), wanted) < wanted)
        fail("Some of the message data is missing.");
    const std::span<const std::uint8_t> payload(buffer.data(), *length);
    if (SerialFrame::checksum(*length, payload) != buffer[*length])
        fail("Incorrect checksum");
    return SerialFrame(payload);
}

void SerialProtocol::sendAddress(const Address& address) {
    writeByte(SerialKeyword::breakKey);
    device_.write(address.data(), address.size());
}

void SerialProtocol::writeByte(std::uint8_t byte) {
    device_.write(&byte, 1);
}

std::optional<std::uint8_t> SerialProtocol::readByte() {
    std::uint8_t byte = 0;
    if (device_.read(&byte, 1) == 0)
        return std::nullopt;
    ++bytesHeard_;
    return byte;
}

// A long frame takes longer than one read time-out at the slow line speeds (a full frame at 9600
// baud, 267 ms), so the read goes on while bytes keep coming, up to a few time-outs in all.
std::size_t SerialProtocol::readUpTo(std::uint8_t* buffer, std::size_t wanted) {
    std::size_t got = 0;
    for (int read = 0; read < maxFrameReads && got < wanted; ++read) {
        const std::size_t more = device_.read(buffer + got, wanted - got);
        if (more == 0)
            break;
        got += more;
        bytesHeard_ += more;
    }
    return got;
}

void SerialProtocol::discard(std::size_t count) {
    std::vector<std::uint8_t> buffer(count);
    device_.read(buffer.data(), count);
}

// Busy, so that the idle command (the meters) keeps running, at the polling pace, while the line
// waits.
void SerialProtocol::wait(std::uint32_t ms) {
    const std::uint64_t start = clock_.milliseconds();
    while (clock_.milliseconds() - start < ms) {
        runIdleWhenDue(clock_.milliseconds());
        clock_.pause();
    }
}

void SerialProtocol::fail(const std::string& message) {
    ++damagedExchanges_;
    discard(drainSize);
    throw ProtocolException(message);
}
