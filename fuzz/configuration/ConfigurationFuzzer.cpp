// Feeds arbitrary bytes to the configuration reader and, when they read as a file, restores them
// into a set on the off-line unit; a set saved afterwards must read back as the values it holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "link/Protocol.h"
#include "model/ConfigurationReader.h"
#include "model/QuenlarException.h"
#include "tests/support/ConfigurationTestSet.h"

namespace {
void checkSavedFileReadsBack(ParameterSet& set) {
    std::ostringstream saved(std::ios::binary);
    set.parameters().save(saved);
    std::istringstream file(saved.str(), std::ios::binary);
    ConfigurationReader reader(file);
    ParameterValueMap values;
    reader.read(values);
    if (!reader.checksumMatches())
        std::abort();
    for (const auto& [id, value] : values)
        if (set.find(id).getValue() != value)
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size),
                              std::ios::binary);
    ParameterValueMap values;
    try {
        ConfigurationReader(stream).read(values);
    } catch (const QuenlarException&) {
        return 0;
    }
    DummyVx41Protocol device;
    Protocol protocol(device);
    ConfigurationTestSet set(protocol);
    try {
        set.parameters().restore(values, size % 2 == 0);
    } catch (const QuenlarException&) {
        // Foreign ids and refused values end a restore; what was applied stays and must save.
    }
    checkSavedFileReadsBack(set);
    return 0;
}
