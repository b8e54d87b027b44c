#pragma once

#include "link/DeviceStatus.h"

// The unit answers a poll with ACK; always so off line.
class OkStatus : public DeviceStatus {
public:
    OkStatus() : DeviceStatus("Ok", true) {}
};
