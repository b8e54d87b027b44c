#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Listens to the bytes of a serial line as they pass.
class LineTap {
public:
    virtual ~LineTap() = default;
    // Bytes the PC wrote to the line.
    virtual void sent(std::span<const std::uint8_t> bytes) = 0;
    // One read: asked bytes were wanted, bytes came. Fewer than asked means the line fell silent
    // for a read time-out.
    virtual void received(std::size_t asked, std::span<const std::uint8_t> bytes) = 0;
};
