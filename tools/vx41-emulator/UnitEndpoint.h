#pragma once

#include <string>

// The unit's end of the line: a descriptor to read the PC's bytes from and write answers to, and
// the path the PC opens.
class UnitEndpoint {
public:
    virtual ~UnitEndpoint() = default;
    virtual int fd() const = 0;
    virtual const std::string& clientPath() const = 0;
};
