#pragma once

#include "link/DeviceStatus.h"

// The unit reports an error, answers something unexpected, or the poll failed.
class ErrorStatus : public DeviceStatus {
public:
    ErrorStatus() : DeviceStatus("Error", false) {}
};
