#include "tools/vx41ctl/UnitConnection.h"

#include <utility>

#include "link/DummyVx41Protocol.h"
#include "link/FaultTolerantProtocol.h"
#include "link/Protocol.h"
#include "link/SerialDevice.h"
#include "link/SerialProtocol.h"
#include "link/TappedSerialDevice.h"
#include "link/posix/PosixSerialPort.h"

namespace {
// As many attempts per exchange as the program makes.
constexpr std::uint32_t attempts = 5;
} // namespace

UnitConnection::UnitConnection(const Settings& settings) {
    if (!settings.port) {
        line_ = std::make_unique<DummyVx41Protocol>(1);
        bridge_ = std::make_unique<Protocol>(*line_);
        return;
    }
    port_ = std::make_unique<PosixSerialPort>(*settings.port, settings.baud);
    device_ = std::make_unique<SerialDevice>(*port_);
    tapped_ = std::make_unique<TappedSerialDevice>(*device_);
    auto serial = std::make_unique<SerialProtocol>(settings.address, tapped_.get());
    serial_ = serial.get();
    line_ = std::move(serial);
    bridge_ = std::make_unique<Protocol>(*line_);
    tolerant_ = std::make_unique<FaultTolerantProtocol>(*bridge_, attempts);
}

UnitConnection::~UnitConnection() = default;

void UnitConnection::setTap(LineTap* tap) {
    if (tapped_)
        tapped_->setTap(tap);
}

GenericProtocol& UnitConnection::protocol() const {
    return tolerant_ ? static_cast<GenericProtocol&>(*tolerant_) : *bridge_;
}

std::size_t UnitConnection::damagedExchanges() const {
    return serial_ != nullptr ? serial_->damagedExchanges() : 0;
}
