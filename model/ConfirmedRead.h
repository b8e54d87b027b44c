#pragma once

#include <cstddef>
#include <functional>
#include <string>

// The line's checksum is an additive sum: two damaged bits that cancel out pass it, and nothing in
// a single read can tell. Such damage comes with damage the checksum does catch, so once the line
// has shown any during a read, the read is made again until two in a row agree byte for byte.
class ConfirmedRead {
public:
    using Read = std::function<std::string()>;
    // Exchanges the line has failed so far.
    using DamageCount = std::function<std::size_t()>;

    static constexpr int maxReads = 5;

    // One read on a line that showed no damage; throws a QuenlarException when maxReads reads
    // never agree.
    static std::string bytes(const Read& read, const DamageCount& damaged);

private:
    static std::string agreeingBytes(const Read& read, std::string last);
};
