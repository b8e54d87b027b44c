#include "model/ConfigurationReader.h"

#include <algorithm>
#include <array>

#include "model/ConfigurationChecksum.h"
#include "model/QuenlarException.h"

namespace {
// A declared length is only a claim: values are read in pieces of this size, so a damaged length
// costs no more memory than the file itself holds.
constexpr std::size_t chunkSize = 4096;

std::uint8_t unshifted(char byte) {
    return static_cast<std::uint8_t>(static_cast<std::uint8_t>(byte) + 0x80);
}
} // namespace

void ConfigurationReader::read(ParameterValueMap& values) {
    std::uint32_t count = 0;
    if (!readWord(count))
        throw QuenlarException("Error reading the parameter count.");
    ConfigurationChecksum checksum(count);
    for (std::uint32_t entry = 0; entry < count; ++entry)
        if (!readEntry(values, checksum))
            break;
    if (!readWord(storedChecksum_))
        throw QuenlarException("Error reading the checksum.");
    computedChecksum_ = checksum.value();
}

bool ConfigurationReader::readEntry(ParameterValueMap& values, ConfigurationChecksum& checksum) {
    if (stream_.peek() == std::istream::traits_type::eof())
        return false;
    char number = 0;
    if (!stream_.get(number))
        return false;
    char index = 0;
    if (!stream_.get(index))
        throw QuenlarException("Error restoring a parameter id");
    std::uint32_t length = 0;
    if (!readWord(length))
        throw QuenlarException("Error restoring a parameter value.");
    const ParameterId id(unshifted(number), unshifted(index));
    ParameterValue value = readValue(length);
    checksum.addEntry(id, value);
    values.insert_or_assign(id, std::move(value));
    return true;
}

bool ConfigurationReader::readWord(std::uint32_t& word) {
    std::array<char, 4> bytes{};
    if (!stream_.read(bytes.data(), bytes.size()))
        return false;
    word = 0;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte)
        word = (word << 8) | static_cast<std::uint8_t>(*byte);
    return true;
}

ParameterValue ConfigurationReader::readValue(std::uint32_t length) {
    std::string bytes;
    while (bytes.size() < length) {
        const std::size_t start = bytes.size();
        const auto wanted = std::min<std::size_t>(chunkSize, length - start);
        bytes.resize(start + wanted);
        if (!stream_.read(bytes.data() + start, static_cast<std::streamsize>(wanted)))
            throw QuenlarException("Error restoring a parameter value.");
    }
    return ParameterValue(std::move(bytes));
}
