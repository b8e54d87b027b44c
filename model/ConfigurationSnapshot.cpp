#include "model/ConfigurationSnapshot.h"

#include <fstream>
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
                                             std::string damage)
    : name_(std::move(name)), values_(std::move(values)), damage_(std::move(damage)) {}

ConfigurationSnapshot ConfigurationSnapshot::readFile(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream)
        throw QuenlarException(path.string() + ": the file cannot be read.");
    return read(stream, path.string());
}

// A checksum that disagrees does not stop the loader (older versions wrote any checksum), so the
// values are kept; a comparison must still say that they may not be what was saved.
ConfigurationSnapshot ConfigurationSnapshot::read(std::istream& stream, const std::string& name) {
    ParameterValueMap values;
    ConfigurationReader reader(stream);
    try {
        reader.read(values);
    } catch (const QuenlarException& failure) {
        throw QuenlarException(name + ": damaged configuration file (" + failure.what() + ")");
    }
    std::string damage;
    if (!reader.checksumMatches())
        damage = "checksum " + hexWord(reader.storedChecksum()) + " does not match the contents (" +
                 hexWord(reader.computedChecksum()) + ")";
    else if (stream.peek() != std::istream::traits_type::eof())
        damage = "bytes follow the checksum";
    return ConfigurationSnapshot(name, std::move(values), std::move(damage));
}

ConfigurationSnapshot ConfigurationSnapshot::of(const ParameterMap& parameters,
                                                const std::string& name) {
    ParameterValueMap values;
    for (const auto& [key, parameter] : parameters)
        if (parameter->isPersistent())
            values.emplace(key, parameter->getValue());
    return ConfigurationSnapshot(name, std::move(values), {});
}
