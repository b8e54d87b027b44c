#include "link/SerialFrame.h"

#include <algorithm>
#include <string>

#include "link/SerialKeyword.h"
#include "model/QuenlarException.h"

namespace {
// Index byte and two value bytes: also the smallest item of any kind.
constexpr std::size_t shortItemSize = 3;

std::span<const std::uint8_t> bytesOf(const ParameterValue& value) {
    return {reinterpret_cast<const std::uint8_t*>(value.bytes().data()), value.size()};
}
} // namespace

SerialFrame::SerialFrame(std::uint8_t command) : payload_{command} {}

SerialFrame::SerialFrame(std::span<const std::uint8_t> payload) {
    append(payload);
}

SerialFrame SerialFrame::writeRequest(const ParameterId& id, const ParameterValue& value) {
    SerialFrame frame(id.number);
    frame.addItem(id.index, value);
    return frame;
}

SerialFrame SerialFrame::readRequest(std::uint8_t number,
                                     const std::vector<std::uint8_t>& indexes) {
    SerialFrame frame(number);
    frame.append(indexes);
    return frame;
}

void SerialFrame::addItem(std::uint8_t index, const ParameterValue& value) {
    const auto bytes = bytesOf(value);
    std::vector<std::uint8_t> item;
    if (bytes.size() == 2)
        item = {index};
    else // A value too long for its length byte makes append refuse the whole item.
        item = {extendedItem, index, static_cast<std::uint8_t>(bytes.size())};
    item.insert(item.end(), bytes.begin(), bytes.end());
    append(item);
}

void SerialFrame::append(std::span<const std::uint8_t> bytes) {
    if (payload_.size() + bytes.size() > maxPayload)
        throw QuenlarException("The message does not fit in one frame.");
    payload_.insert(payload_.end(), bytes.begin(), bytes.end());
}

std::vector<std::uint8_t> SerialFrame::encode() const {
    const auto length = static_cast<std::uint8_t>(payload_.size());
    std::vector<std::uint8_t> bytes;
    bytes.reserve(payload_.size() + 3);
    bytes.push_back(SerialKeyword::stx);
    bytes.push_back(length);
    bytes.insert(bytes.end(), payload_.begin(), payload_.end());
    bytes.push_back(checksum(length, payload_));
    return bytes;
}

void SerialFrame::readItems(ParameterValueMap& values) const {
    if (payload_.empty())
        return;
    const std::uint8_t command = payload_.front();
    std::size_t position = 1;
    while (payload_.size() - position >= shortItemSize) {
        if (payload_[position] == extendedItem) {
            const std::uint8_t index = payload_[position + 1];
            const std::size_t start = position + 3;
            const std::size_t size =
                std::min<std::size_t>(payload_[position + 2], payload_.size() - start);
            values[ParameterId(command, index)] = valueAt(start, size);
            position = start + size;
        } else {
            values[ParameterId(command, payload_[position])] = valueAt(position + 1, 2);
            position += shortItemSize;
        }
    }
}

ParameterValue SerialFrame::valueAt(std::size_t start, std::size_t size) const {
    const auto first = payload_.begin() + static_cast<std::ptrdiff_t>(start);
    return ParameterValue(std::string(first, first + static_cast<std::ptrdiff_t>(size)));
}

std::uint8_t SerialFrame::checksum(std::uint8_t length, std::span<const std::uint8_t> payload) {
    std::uint8_t sum = length;
    for (const std::uint8_t byte : payload)
        sum = static_cast<std::uint8_t>(sum + byte);
    return static_cast<std::uint8_t>(-sum);
}
