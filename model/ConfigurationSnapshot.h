#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iosfwd>
#include <string>

#include "model/ParameterValueMap.h"

class ParameterMap;

// The persistent values of one configuration, from a file or from the parameters as they stand,
// under a name that tells the operator where they came from.
class ConfigurationSnapshot {
public:
    // Opens a configuration file for reading. What is not a regular file is refused with a
    // QuenlarException: a pipe or a device could be read without end, or wait for a writer for
    // ever. The stream is failed when the file cannot be opened.
    static std::ifstream open(const std::filesystem::path& path);
    // Reads a whole configuration file. A file that cannot be opened, or breaks off before its
    // checksum, throws a QuenlarException that names it (as damaged when it breaks off).
    static ConfigurationSnapshot readFile(const std::filesystem::path& path,
                                          std::uintmax_t largest);
    // Reads at most one byte more than largest, the size of the largest configuration there can
    // be: a file that is larger, has bytes after its checksum or a checksum that does not match
    // is damaged.
    static ConfigurationSnapshot read(std::istream& stream, const std::string& name,
                                      std::uintmax_t largest);
    // The values the persistent parameters hold now, under the keys a saved file uses.
    static ConfigurationSnapshot of(const ParameterMap& parameters, const std::string& name);
    // The size of the largest configuration file of these parameters: every persistent one with
    // the longest value the line carries.
    static std::uintmax_t largestFile(const ParameterMap& parameters);

    const std::string& name() const { return name_; }
    const ParameterValueMap& values() const { return values_; }
    // Empty for a sound configuration; otherwise why the file that was read is damaged.
    const std::string& damage() const { return damage_; }
    // Damaged because its checksum does not match what it holds.
    bool checksumDamaged() const { return checksumDamaged_; }

private:
    ConfigurationSnapshot(std::string name, ParameterValueMap values, std::string damage,
                          bool checksumDamaged);

    std::string name_;
    ParameterValueMap values_;
    std::string damage_;
    bool checksumDamaged_ = false;
};
