#include "UnitFrame.h"

#include "LineKeyword.h"

namespace {
constexpr std::uint8_t extendedItem = 0xFF;
}

bool UnitFrame::add(std::uint8_t index, const ParameterValue& value) {
    const std::string& bytes = value.bytes();
    const bool plain = bytes.size() == 2;
    const std::size_t itemSize = plain ? 3 : 3 + bytes.size();
    if (payload_.size() + itemSize > maxLength)
        return false;
    if (!plain)
        payload_.push_back(extendedItem);
    payload_.push_back(index);
    if (!plain)
        payload_.push_back(static_cast<std::uint8_t>(bytes.size()));
    payload_.insert(payload_.end(), bytes.begin(), bytes.end());
    return true;
}

std::vector<std::uint8_t> UnitFrame::bytes() const {
    std::vector<std::uint8_t> frame;
    frame.reserve(payload_.size() + 3);
    frame.push_back(LineKeyword::stx);
    frame.push_back(static_cast<std::uint8_t>(payload_.size()));
    for (std::uint8_t byte : payload_)
        frame.push_back(byte);
    frame.push_back(checksum(std::span(frame).subspan(1)));
    return frame;
}

std::uint8_t UnitFrame::checksum(std::span<const std::uint8_t> counted) {
    std::uint8_t sum = 0;
    for (std::uint8_t byte : counted)
        sum = static_cast<std::uint8_t>(sum + byte);
    return static_cast<std::uint8_t>(-sum);
}
