#include "link/SerialStack.h"

#include "link/FaultTolerantProtocol.h"
#include "link/Protocol.h"
#include "link/SerialDevice.h"
#include "link/SerialProtocol.h"
#include "link/StoppableSerialDevice.h"
#include "link/TappedSerialDevice.h"

SerialStack::SerialStack(SerialDeviceImplementation& port, std::uint16_t address,
                         const Clock& clock)
    : port_(port), address_(address), clock_(clock), device_(std::make_unique<SerialDevice>(port_)),
      stoppable_(std::make_unique<StoppableSerialDevice>(*device_)),
      tapped_(std::make_unique<TappedSerialDevice>(*stoppable_)) {}

SerialStack::~SerialStack() = default;

GenericProtocol& SerialStack::top() {
    if (!tolerant_) {
        serial_ = std::make_unique<SerialProtocol>(address_, tapped_.get(), clock_);
        bridge_ = std::make_unique<Protocol>(*serial_);
        tolerant_ = std::make_unique<FaultTolerantProtocol>(*bridge_, attempts);
    }
    return *tolerant_;
}

void SerialStack::setTap(LineTap* tap) {
    tapped_->setTap(tap);
}

std::size_t SerialStack::damagedExchanges() const {
    return serial_ ? serial_->damagedExchanges() : 0;
}

void SerialStack::stop() {
    stoppable_->stop();
}
