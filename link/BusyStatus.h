#pragma once

#include "link/DeviceStatus.h"

// The unit answers BUSY.
class BusyStatus : public DeviceStatus {
public:
    BusyStatus() : DeviceStatus("Busy", false) {}
};
