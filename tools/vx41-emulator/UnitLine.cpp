#include "UnitLine.h"

#include "model/Clock.h"

UnitLine::UnitLine(const UnitSettings& settings, const Clock& clock)
    : clock_(clock), decoder_(settings.address), faults_(settings.faults),
      unit_(settings, clock, faults_), lastByteMs_(clock.milliseconds()) {}

std::vector<std::uint8_t> UnitLine::receive(const std::uint8_t* bytes, std::size_t count) {
    resyncAfterGap();
    std::vector<std::uint8_t> answer;
    for (std::size_t i = 0; i < count; ++i) {
        if (const auto event = decoder_.feed(bytes[i])) {
            const auto sent = faults_.distort(unit_.handle(*event));
            answer.insert(answer.end(), sent.begin(), sent.end());
        }
    }
    return answer;
}

void UnitLine::resyncAfterGap() {
    const std::uint64_t now = clock_.milliseconds();
    if (decoder_.midMessage() && now - lastByteMs_ > resyncGapMs)
        decoder_.reset();
    lastByteMs_ = now;
}
