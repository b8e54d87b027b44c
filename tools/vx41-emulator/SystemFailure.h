#pragma once

#include <cerrno>
#include <string>
#include <system_error>

// The failure of a system call, with what the program was doing and the system's reason.
class SystemFailure : public std::system_error {
public:
    explicit SystemFailure(const std::string& what)
        : std::system_error(errno, std::generic_category(), what) {}
};
