#include "app/ProtocolStack.h"

#include <utility>

#include "app/WaitCursorProtocol.h"
#include "link/DummyVx41Protocol.h"
#include "link/FaultTolerantProtocol.h"
#include "link/Protocol.h"
#include "link/SerialDevice.h"
#include "link/SerialProtocol.h"
#include "link/TappedSerialDevice.h"

ProtocolStack::ProtocolStack() = default;
ProtocolStack::~ProtocolStack() = default;

std::unique_ptr<ProtocolStack> ProtocolStack::offLine() {
    std::unique_ptr<ProtocolStack> stack(new ProtocolStack);
    stack->implementation_ = std::make_unique<DummyVx41Protocol>(1);
    stack->bridge_ = std::make_unique<Protocol>(*stack->implementation_);
    stack->finish(*stack->bridge_);
    return stack;
}

std::unique_ptr<ProtocolStack> ProtocolStack::serial(SerialDeviceImplementation& port,
                                                     std::uint16_t address, const Clock& clock) {
    std::unique_ptr<ProtocolStack> stack(new ProtocolStack);
    stack->device_ = std::make_unique<SerialDevice>(port);
    stack->tapped_ = std::make_unique<TappedSerialDevice>(*stack->device_);
    auto serial = std::make_unique<SerialProtocol>(address, stack->tapped_.get(), clock);
    stack->serial_ = serial.get();
    stack->implementation_ = std::move(serial);
    stack->bridge_ = std::make_unique<Protocol>(*stack->implementation_);
    stack->tolerant_ = std::make_unique<FaultTolerantProtocol>(*stack->bridge_, attempts);
    stack->waitCursor_ = std::make_unique<WaitCursorProtocol>(*stack->tolerant_);
    stack->finish(*stack->waitCursor_);
    return stack;
}

void ProtocolStack::finish(GenericProtocol& below) {
    progress_ = std::make_unique<ProgressProtocol>(below);
}

void ProtocolStack::setProgressListener(ProgressProtocol::Listener listener) {
    progress_->setListener(std::move(listener));
}

void ProtocolStack::setLineTap(LineTap* tap) {
    if (tapped_)
        tapped_->setTap(tap);
}

std::size_t ProtocolStack::damagedExchanges() const {
    return serial_ != nullptr ? serial_->damagedExchanges() : 0;
}
