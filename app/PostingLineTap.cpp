#include "app/PostingLineTap.h"

#include <vector>

void PostingLineTap::setTarget(LineTap* target) {
    target_ = target;
    listening_ = target != nullptr;
}

void PostingLineTap::sent(std::span<const std::uint8_t> bytes) {
    if (!listening_)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, copy = std::vector<std::uint8_t>(bytes.begin(), bytes.end())] {
            if (target_ != nullptr)
                target_->sent(copy);
        },
        Qt::QueuedConnection);
}

void PostingLineTap::received(std::size_t asked, std::span<const std::uint8_t> bytes) {
    if (!listening_)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, asked, copy = std::vector<std::uint8_t>(bytes.begin(), bytes.end())] {
            if (target_ != nullptr)
                target_->received(asked, copy);
        },
        Qt::QueuedConnection);
}
