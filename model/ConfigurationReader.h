#pragma once

#include <cstdint>
#include <istream>

#include "model/ParameterValueMap.h"

class ConfigurationChecksum;

// Reads one configuration file: a little-endian 32-bit count, that many entries (two id bytes
// shifted by 0x80, a 32-bit length, the value bytes) and a 32-bit additive checksum.
class ConfigurationReader {
public:
    explicit ConfigurationReader(std::istream& stream) : stream_(stream) {}

    // Reads the whole file into values; a later entry replaces an earlier one with the same id.
    // The stored checksum is not held against the contents (files of older versions carry any
    // checksum); checksumMatches tells whether it agrees.
    void read(ParameterValueMap& values);

    // Meaningful once read has succeeded.
    bool checksumMatches() const { return storedChecksum_ == computedChecksum_; }
    std::uint32_t storedChecksum() const { return storedChecksum_; }
    std::uint32_t computedChecksum() const { return computedChecksum_; }

private:
    // false when the next entry does not even start; throws when it starts but breaks off.
    bool readEntry(ParameterValueMap& values, ConfigurationChecksum& checksum);
    bool readWord(std::uint32_t& word);
    ParameterValue readValue(std::uint32_t length);

    std::istream& stream_;
    std::uint32_t storedChecksum_ = 0;
    std::uint32_t computedChecksum_ = 0;
};
