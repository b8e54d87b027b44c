#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>

#include "model/ParameterValueMap.h"

class ParameterMap;

// The persistent values of one configuration, from a file or from the parameters as they stand,
// under a name that tells the operator where they came from.
class ConfigurationSnapshot {
public:
    // Reads a whole configuration file. A file that cannot be opened, or breaks off before its
    // checksum, throws a QuenlarException that names it (as damaged when it breaks off).
    static ConfigurationSnapshot readFile(const std::filesystem::path& path);
    static ConfigurationSnapshot read(std::istream& stream, const std::string& name);
    // The values the persistent parameters hold now, under the keys a saved file uses.
    static ConfigurationSnapshot of(const ParameterMap& parameters, const std::string& name);

    const std::string& name() const { return name_; }
    const ParameterValueMap& values() const { return values_; }
    // Empty for a sound configuration; otherwise why the file that was read is damaged.
    const std::string& damage() const { return damage_; }

private:
    ConfigurationSnapshot(std::string name, ParameterValueMap values, std::string damage);

    std::string name_;
    ParameterValueMap values_;
    std::string damage_;
};
