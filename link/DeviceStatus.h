#pragma once

#include <ostream>
#include <string>

// What the unit says of itself when polled.
class DeviceStatus {
public:
    DeviceStatus(std::string name, bool ok) : name_(std::move(name)), ok_(ok) {}
    virtual ~DeviceStatus() = default;
    DeviceStatus(const DeviceStatus&) = default;
    DeviceStatus& operator=(const DeviceStatus&) = default;

    bool isOk() const { return ok_; }
    const std::string& name() const { return name_; }

    friend std::ostream& operator<<(std::ostream& stream, const DeviceStatus& status) {
        return stream << status.name_;
    }

private:
    std::string name_;
    bool ok_;
};
