#include "model/ConfigurationSnapshot.h"

#include <algorithm>
#include <sstream>

#include "model/ConfigurationReader.h"
#include "model/Parameter.h"
#include "model/ParameterMap.h"
#include "model/QuenlarException.h"

namespace {
std::string hexWord(std::uint32_t word) {
    std::ostringstream text;
    text << std::hex << std::uppercase << word;
    return text.str();
}
} // namespace

ConfigurationSnapshot::ConfigurationSnapshot(std::string name, ParameterValueMap values,
                                             std::string damage, bool checksumDamaged)
    : name_(std::move(name)), values_(std::move(values)), damage_(std::move(damage)),
      checksumDamaged_(checksumDamaged) {}

std::ifstream ConfigurationSnapshot::open(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw QuenlarException(path.string() +
                               " is not a regular file: give a configuration file.");
    return std::ifstream(path, std::ios::binary);
}

ConfigurationSnapshot ConfigurationSnapshot::readFile(const std::filesystem::path& path,
                                                      std::uintmax_t largest) {
    std::ifstream stream = open(path);
    if (!stream)
        throw QuenlarException(path.string() + ": the file cannot be read.");
    return read(stream, path.string(), largest);
}

// A checksum that disagrees does not stop the loader (older versions wrote any checksum), so the
// values are kept; whoever restores or compares them must still say that they may not be what
// was saved.
ConfigurationSnapshot ConfigurationSnapshot::read(std::istream& stream, const std::string& name,
                                                  std::uintmax_t largest) {
    std::string bytes(static_cast<std::size_t>(largest) + 1, '\0');
    stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(stream.gcount()));
    std::istringstream contents(bytes);
    ParameterValueMap values;
    ConfigurationReader reader(contents);
    try {
        reader.read(values);
    } catch (const QuenlarException& failure) {
        throw QuenlarException(name + ": damaged configuration file (" + failure.what() + ")");
    }
    const bool tooLarge = bytes.size() > largest;
    const bool checksumDamaged = !tooLarge && !reader.checksumMatches();
    std::string damage;
    if (tooLarge)
        damage = "it is larger than a configuration of this unit can be (" +
                 std::to_string(largest) + " bytes at most)";
    else if (checksumDamaged)
        damage = "checksum " + hexWord(reader.storedChecksum()) + " does not match the contents (" +
                 hexWord(reader.computedChecksum()) + ")";
    else if (contents.peek() != std::istream::traits_type::eof())
        damage = "bytes follow the checksum";
    return ConfigurationSnapshot(name, std::move(values), std::move(damage), checksumDamaged);
}

ConfigurationSnapshot ConfigurationSnapshot::of(const ParameterMap& parameters,
                                                const std::string& name) {
    ParameterValueMap values;
    for (const auto& [key, parameter] : parameters)
        if (parameter->isPersistent())
            values.emplace(key, parameter->getValue());
    return ConfigurationSnapshot(name, std::move(values), {}, false);
}

std::uintmax_t ConfigurationSnapshot::largestFile(const ParameterMap& parameters) {
    // Count and checksum; for each entry its id, its length and a value as long as a write frame
    // can carry.
    constexpr std::uintmax_t frame = 8;
    constexpr std::uintmax_t entry = 2 + 4 + 251;
    const auto persistent =
        std::count_if(parameters.begin(), parameters.end(),
                      [](const auto& held) { return held.second->isPersistent(); });
    return frame + entry * static_cast<std::uintmax_t>(persistent);
}
