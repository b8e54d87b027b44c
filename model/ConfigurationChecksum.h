#pragma once

#include <cstdint>

#include "model/ParameterId.h"
#include "model/ParameterValue.h"

// The additive checksum at the end of a configuration file: the count, then per entry the id
// bytes, the value length and every value byte taken as signed, all modulo 2^32. The writer and
// the reader share it so that they cannot drift apart.
class ConfigurationChecksum {
public:
    explicit ConfigurationChecksum(std::uint32_t count) : sum_(count) {}

    void addEntry(const ParameterId& id, const ParameterValue& value) {
        sum_ += id.number;
        sum_ += id.index;
        sum_ += static_cast<std::uint32_t>(value.size());
        // Unsigned wrap-around: a byte FF takes one away.
        for (char byte : value.bytes())
            sum_ += static_cast<std::uint32_t>(static_cast<signed char>(byte));
    }

    std::uint32_t value() const { return sum_; }

private:
    std::uint32_t sum_;
};
