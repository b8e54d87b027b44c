#include "RequestDecoder.h"

#include <string>

namespace {
constexpr std::uint8_t extendedItem = 0xFF;
constexpr std::size_t plainItemSize = 3;
constexpr std::size_t extendedHeaderSize = 3;

UnitRequest writeRequest(std::uint8_t command, std::uint8_t index, ParameterValue value) {
    return UnitRequest{
        UnitRequest::Kind::Write, ParameterId(command, index), std::move(value), 0, {}};
}

UnitRequest readRequest(std::uint8_t command, std::span<const std::uint8_t> indexes) {
    return UnitRequest{UnitRequest::Kind::Read, {}, {}, command, {indexes.begin(), indexes.end()}};
}
} // namespace

std::optional<UnitRequest> RequestDecoder::decode(std::span<const std::uint8_t> payload) const {
    if (payload.empty())
        return std::nullopt;
    const std::uint8_t command = payload.front();
    const auto items = payload.subspan(1);
    if (auto write = extendedWrite(command, items))
        return write;
    if (plainWrite(command, items)) {
        const int number = (items[1] << 8) | items[2];
        return writeRequest(command, items[0], ParameterValue(number));
    }
    return readRequest(command, items);
}

std::optional<UnitRequest> RequestDecoder::extendedWrite(std::uint8_t command,
                                                         std::span<const std::uint8_t> items) {
    if (items.size() < extendedHeaderSize || items[0] != extendedItem ||
        items.size() != extendedHeaderSize + items[2])
        return std::nullopt;
    const auto bytes = items.subspan(extendedHeaderSize);
    return writeRequest(command, items[1], ParameterValue(std::string(bytes.begin(), bytes.end())));
}

bool RequestDecoder::plainWrite(std::uint8_t command, std::span<const std::uint8_t> items) const {
    if (items.size() != plainItemSize)
        return false;
    const bool ascending = items[0] < items[1] && items[1] < items[2];
    if (!ascending)
        return true;
    return !holdsNumber(command) && holdsNumber(static_cast<std::uint8_t>(command + 1));
}

bool RequestDecoder::holdsNumber(std::uint8_t number) const {
    const auto first = held_.lower_bound(ParameterId(number, 0));
    return first != held_.end() && first->first.number == number;
}
