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

std::unique_ptr<ProtocolStack> ProtocolStack::offLine(ProgressProtocol::Listener exchanged) {
    std::unique_ptr<ProtocolStack> stack(new ProtocolStack);
    stack->unit_ = std::make_unique<DummyVx41Protocol>(1);
    stack->bridge_ = std::make_unique<Protocol>(*stack->unit_);
    stack->progress_ = std::make_unique<ProgressProtocol>(*stack->bridge_);
    stack->progress_->setListener(std::move(exchanged));
    stack->top_ = stack->progress_.get();
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
    stack->top_ = stack->waitCursor_.get();
    return stack;
}

void ProtocolStack::setLineTap(LineTap* tap) {
    if (tap_)
        tap_->setTarget(tap);
}
