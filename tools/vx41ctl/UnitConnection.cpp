#include "tools/vx41ctl/UnitConnection.h"

#include "link/DummyVx41Protocol.h"
#include "link/Protocol.h"
#include "link/SerialStack.h"
#include "link/posix/PortFactory.h"

UnitConnection::UnitConnection(const Settings& settings) {
    if (!settings.port) {
        offLineUnit_ = std::make_unique<DummyVx41Protocol>(1);
        offLineBridge_ = std::make_unique<Protocol>(*offLineUnit_);
        return;
    }
    port_ = PortFactory::forName(*settings.port);
    port_->open(*settings.port, settings.baud);
    stack_ = std::make_unique<SerialStack>(*port_, settings.address);
    // The line is drained now, before any command runs.
    stack_->top();
}

UnitConnection::~UnitConnection() = default;

void UnitConnection::setTap(LineTap* tap) {
    if (stack_)
        stack_->setTap(tap);
}

GenericProtocol& UnitConnection::protocol() const {
    return stack_ ? stack_->top() : static_cast<GenericProtocol&>(*offLineBridge_);
}

std::size_t UnitConnection::damagedExchanges() const {
    return stack_ ? stack_->damagedExchanges() : 0;
}
