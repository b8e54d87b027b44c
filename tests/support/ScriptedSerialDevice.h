#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <numeric>
#include <vector>

#include "link/AbstractSerialDevice.h"
#include "model/QuenlarException.h"

// A serial device in memory: reads serve the scripted answer bytes in order (as many as asked
// and left, 0 once the script is used up); every write call and every read request is recorded.
class ScriptedSerialDevice : public AbstractSerialDevice {
public:
    using Bytes = std::vector<std::uint8_t>;

    void setTimeout(std::uint32_t ms) override { timeouts_.push_back(ms); }

    void write(const std::uint8_t* bytes, std::size_t count) override {
        if (writes_.size() >= firstFailingWrite_)
            throw QuenlarException("Error sending serial data.");
        writes_.emplace_back(bytes, bytes + count);
    }

    std::size_t read(std::uint8_t* buffer, std::size_t count) override {
        reads_.push_back(count);
        const std::size_t end = silences_.empty() ? script_.size() : silences_.front();
        const std::size_t served = std::min({count, end - position_, chunk_});
        std::copy_n(script_.begin() + static_cast<std::ptrdiff_t>(position_), served, buffer);
        position_ += served;
        // The read that runs into a silence waits out its time-out, and the silence is over.
        if (served < count && position_ == end && !silences_.empty())
            silences_.erase(silences_.begin());
        return served;
    }

    // Appends to what the device will answer.
    void answer(const Bytes& bytes) { script_.insert(script_.end(), bytes.begin(), bytes.end()); }
    void answer(const std::uint8_t* bytes, std::size_t count) {
        script_.insert(script_.end(), bytes, bytes + count);
    }
    // Appends what the device answers after falling silent once: the read that meets the silence
    // ends there, as a drain does.
    void answerAfterSilence(const Bytes& bytes) {
        silences_.push_back(script_.size());
        answer(bytes);
    }
    // Each read serves at most bytes, as a slow line delivers a long frame over several reads.
    void limitReadsTo(std::size_t bytes) { chunk_ = bytes; }
    // Write calls from number call on (counting from 0) throw, as a broken port does.
    void failWritesFrom(std::size_t call) { firstFailingWrite_ = call; }
    // Forgets what was recorded so far, for example by the construction of a protocol.
    void forgetRecords() {
        writes_.clear();
        reads_.clear();
        timeouts_.clear();
    }

    // The bytes of each write call, one entry per call.
    const std::vector<Bytes>& writes() const { return writes_; }
    // The byte count asked for by each read call.
    const std::vector<std::size_t>& reads() const { return reads_; }
    const std::vector<std::uint32_t>& timeouts() const { return timeouts_; }
    std::size_t unread() const { return script_.size() - position_; }

private:
    Bytes script_;
    std::size_t position_ = 0;
    std::vector<std::size_t> silences_;
    std::size_t chunk_ = std::numeric_limits<std::size_t>::max();
    std::size_t firstFailingWrite_ = std::numeric_limits<std::size_t>::max();
    std::vector<Bytes> writes_;
    std::vector<std::size_t> reads_;
    std::vector<std::uint32_t> timeouts_;
};

// What a scripted unit answers with.
namespace unitBytes {
using Bytes = ScriptedSerialDevice::Bytes;

// A reply frame: STX, length, payload, checksum (off by damage if given).
inline Bytes reply(const Bytes& payload, int damage = 0) {
    const auto length = static_cast<std::uint8_t>(payload.size());
    Bytes bytes{0x02, length};
    // Byte by byte: a range insert here draws a false out-of-bounds warning from GCC 12 at -O3.
    for (const auto byte : payload)
        bytes.push_back(byte);
    const int sum = std::accumulate(payload.begin(), payload.end(), int{length});
    bytes.push_back(static_cast<std::uint8_t>(-sum + damage));
    return bytes;
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes bytes;
    for (const auto& part : parts)
        bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}
} // namespace unitBytes
