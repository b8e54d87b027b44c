#include "RequestDecoder.h"

#include "link/SerialFrame.h"

std::optional<UnitRequest> RequestDecoder::decode(std::span<const std::uint8_t> payload) const {
    if (payload.empty())
        return std::nullopt;
    const std::uint8_t command = payload.front();
    const auto items = payload.subspan(1);
    if (!extendedWrite(items) && !plainWrite(command, items))
        return UnitRequest{UnitRequest::Kind::Read, {}, {}, command, {items.begin(), items.end()}};
    // A write frame holds one item, laid out as the items of a reply.
    ParameterValueMap written;
    SerialFrame({payload.begin(), payload.end()}).readItems(written);
    const auto& [id, value] = *written.begin();
    return UnitRequest{UnitRequest::Kind::Write, id, value, 0, {}};
}

bool RequestDecoder::extendedWrite(std::span<const std::uint8_t> items) {
    constexpr std::size_t headerSize = 3;
    return items.size() >= headerSize && items[0] == SerialFrame::extendedItem &&
           items.size() == headerSize + items[2];
}

bool RequestDecoder::plainWrite(std::uint8_t command, std::span<const std::uint8_t> items) const {
    constexpr std::size_t plainItemSize = 3;
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
