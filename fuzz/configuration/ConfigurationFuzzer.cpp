// Feeds arbitrary bytes to the configuration reader and, when they read as a file, restores them
// on the off-line unit, into a small set or (for a third of the inputs, since it is slower to
// build) into the whole VX41 catalogue; a set saved afterwards must read back as the values it
// holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "catalogue/Vx41Params.h"
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

template <class Restore> void restoreAndCheck(ParameterSet& set, Restore restore) {
    try {
        restore();
    } catch (const QuenlarException&) {
        // Foreign ids and refused values end a restore; what was applied stays and must save.
    }
    checkSavedFileReadsBack(set);
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
    const bool includeSetup = size % 2 == 0;
    DummyVx41Protocol device;
    Protocol protocol(device);
    if (size % 3 == 0) {
        Vx41Params set(protocol);
        restoreAndCheck(set, [&] { set.restoreConfiguration(values, includeSetup); });
    } else {
        ConfigurationTestSet set(protocol);
        restoreAndCheck(set, [&] { set.parameters().restore(values, includeSetup); });
    }
    return 0;
}
