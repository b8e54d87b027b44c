#include "model/ConfirmedRead.h"

#include <utility>

#include "model/QuenlarException.h"

std::string ConfirmedRead::bytes(const Read& read, const DamageCount& damaged) {
    const std::size_t damagedBefore = damaged();
    std::string first = read();
    if (damaged() == damagedBefore)
        return first;
    return agreeingBytes(read, std::move(first));
}

std::string ConfirmedRead::agreeingBytes(const Read& read, std::string last) {
    for (int reads = 1; reads < maxReads; ++reads) {
        std::string next = read();
        if (next == last)
            return next;
        last = std::move(next);
    }
    throw QuenlarException("The line damaged the configuration: " + std::to_string(maxReads) +
                           " reads of it never agreed.");
}
