#include "link/DummyProtocol.h"

#include "link/OkStatus.h"

DeviceStatus DummyProtocol::status() {
    return OkStatus();
}

void DummyProtocol::write(const ParameterId& id, const ParameterValue& value, std::uint32_t) {
    values_[id.next()] = value;
}

ParameterValue DummyProtocol::read(const ParameterId& id) {
    return values_[id];
}
