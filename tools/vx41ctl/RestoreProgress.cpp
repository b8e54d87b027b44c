#include "tools/vx41ctl/RestoreProgress.h"

#include <algorithm>

ParameterValue RestoreProgress::writeAndRead(const ParameterId& id, const ParameterValue& value,
                                             std::uint32_t delayMs) {
    ParameterValue held = ProtocolDecorator::writeAndRead(id, value, delayMs);
    ++written_;
    show();
    return held;
}

void RestoreProgress::finish() {
    if (written_ > 0)
        terminal_ << '\n' << std::flush;
}

void RestoreProgress::show() {
    // Later passes write again what the unit refused at first, so the count can pass the number
    // of values in the file.
    const std::size_t total = std::max(expected_, written_);
    terminal_ << "\rRestoring: " << written_ << " of " << total << " values written" << std::flush;
}
