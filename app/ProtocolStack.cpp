#include "app/ProtocolStack.h"

#include <utility>

#include "app/PostingLineTap.h"
#include "app/WaitCursorProtocol.h"
#include "link/DummyVx41Protocol.h"
#include "link/LineThread.h"
#include "link/Protocol.h"
#include "link/SerialStack.h"

ProtocolStack::ProtocolStack() = default;
ProtocolStack::~ProtocolStack() = default;

std::unique_ptr<ProtocolStack> ProtocolStack::offLine() {
    std::unique_ptr<ProtocolStack> stack(new ProtocolStack);
    stack->unit_ = std::make_unique<DummyVx41Protocol>(1);
    stack->bridge_ = std::make_unique<Protocol>(*stack->unit_);
    stack->finish(*stack->bridge_);
    return stack;
}

std::unique_ptr<ProtocolStack> ProtocolStack::serial(SerialDeviceImplementation& port,
                                                     std::uint16_t address, const Clock& clock,
                                                     LineThreadProtocol::Hooks hooks,
                                                     std::function<bool()> portIsOpen) {
    std::unique_ptr<ProtocolStack> stack(new ProtocolStack);
    stack->tap_ = std::make_unique<PostingLineTap>();
    auto serial = std::make_unique<SerialStack>(port, address, clock);
    serial->setTap(stack->tap_.get());
    stack->lineThread_ = std::make_unique<LineThread>(std::move(serial));
    stack->lineProtocol_ = std::make_unique<LineThreadProtocol>(
        *stack->lineThread_, std::move(hooks), std::move(portIsOpen));
    stack->waitCursor_ = std::make_unique<WaitCursorProtocol>(*stack->lineProtocol_);
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
    if (tap_)
        tap_->setTarget(tap);
}
