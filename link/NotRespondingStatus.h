#pragma once

#include "link/DeviceStatus.h"

// No answer within the read time-out.
class NotRespondingStatus : public DeviceStatus {
public:
    NotRespondingStatus() : DeviceStatus("Not Responding", false) {}
};
