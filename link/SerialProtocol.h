#pragma once

#include <array>
#include <cstdint>
#include <exception>
#include <optional>
#include <string>

#include "link/ProtocolImplementation.h"
#include "model/SystemClock.h"

class AbstractSerialDevice;
class SerialFrame;

// The unit on its RS-232 remote port. The PC is the only master of a poll/select bus: it selects
// the unit to send it a frame, polls it for its state and authorises it to send a reply frame.
// Every failure of an exchange drains what the unit may still be sending and throws a
// ProtocolException; failures of the port itself pass through as they are.
class SerialProtocol : public ProtocolImplementation {
public:
    // The device is not owned. Throws a ProtocolException when it is null.
    SerialProtocol(std::uint16_t address, AbstractSerialDevice* device,
                   const Clock& clock = SystemClock::instance());

    // Polls once; never throws.
    DeviceStatus status() override;
    // Returns once the unit took the value and is no longer busy.
    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override;
    // The empty value when the reply did not hold id.
    ParameterValue read(const ParameterId& id) override;
    // One request per number, in ascending order; replies are merged into values. Once the unit
    // has answered, a frame that fails is asked again, up to five times in all, and then in
    // halves; each reply must hold exactly the ids its frame asked for.
    void readMany(const ParameterIdSet& ids, ParameterValueMap& values) override;
    // Exchanges that failed so far: whether the line has shown damage, which the checksum may
    // also have let through unseen.
    std::size_t damagedExchanges() const { return damagedExchanges_; }

private:
    using Address = std::array<std::uint8_t, 2>;

    static AbstractSerialDevice& requireDevice(AbstractSerialDevice* device);
    static Address selectAddressOf(std::uint16_t address);
    static Address pollAddressOf(std::uint16_t address);

    void request(const SerialFrame& frame, ParameterValueMap& values);
    void requestInPieces(const SerialFrame& frame, ParameterValueMap& values, int attempts);
    // The failure of the last attempt, or none when one got through. Throws at once when the unit
    // said nothing to the frame and does not answer a poll either.
    std::exception_ptr requestAgainOnFailure(const SerialFrame& frame, ParameterValueMap& values,
                                             int attempts);
    bool stillAnswers();
    void requestExactly(const SerialFrame& frame, ParameterValueMap& values);
    void transmit(const SerialFrame& frame);
    void awaitAck();
    void pollFor(std::uint8_t expected);
    void waitWhileBusy();
    void authorise();
    SerialFrame receiveFrame();

    void sendAddress(const Address& address);
    void writeByte(std::uint8_t byte);
    std::optional<std::uint8_t> readByte();
    // Reads until wanted bytes came or the line fell silent; the number read.
    std::size_t readUpTo(std::uint8_t* buffer, std::size_t wanted);
    void discard(std::size_t count);
    void wait(std::uint32_t ms);
    [[noreturn]] void fail(const std::string& message);

    AbstractSerialDevice& device_;
    Address selectAddress_;
    Address pollAddress_;
    const Clock& clock_;
    // Bytes the unit sent so far: whether it still answers.
    std::size_t bytesHeard_ = 0;
    // bytesHeard_ when the grouped read under way began.
    std::size_t heardBeforeRead_ = 0;
    std::size_t damagedExchanges_ = 0;
};
