#pragma once

#include <stdexcept>
#include <string>

// Base of every failure the system reports to the operator; the message is the text shown.
class QuenlarException : public std::runtime_error {
public:
    explicit QuenlarException(const std::string& message) : std::runtime_error(message) {}
};
