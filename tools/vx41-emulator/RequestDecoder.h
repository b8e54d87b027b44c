#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "UnitRequest.h"
#include "model/ParameterValueMap.h"

// Tells a write frame from a read request. The frame does not say which it is, so the shape
// decides: an extended item (0xFF, index, k, k bytes) is a write, and so is any frame of exactly
// command, index, high, low - except that those three bytes, read as indexes, may also be a request
// for three parameters. Callers ask for ids in ascending order, and a write of a value below 256
// or of a negative one can never look ascending, so three ascending bytes are a read when the unit
// holds parameters under that number, or when it holds none under the next one (the number a
// write there would be meant for); otherwise they are a write. Every other shape is a read.
class RequestDecoder {
public:
    // The unit's values: the numbers it holds parameters under.
    explicit RequestDecoder(const ParameterValueMap& held) : held_(held) {}

    // Nothing when the frame has no command byte.
    std::optional<UnitRequest> decode(std::span<const std::uint8_t> payload) const;

private:
    static bool extendedWrite(std::span<const std::uint8_t> items);
    bool plainWrite(std::uint8_t command, std::span<const std::uint8_t> items) const;
    bool holdsNumber(std::uint8_t number) const;

    const ParameterValueMap& held_;
};
