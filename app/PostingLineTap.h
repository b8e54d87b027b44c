#pragma once

#include <QObject>
#include <atomic>

#include "link/LineTap.h"

// Listens to the line on its own thread and hands the bytes to a tap on the GUI thread, in the
// order they passed. Without a tap it passes nothing on.
class PostingLineTap : public QObject, public LineTap {
public:
    // Not owned; null to stop listening. Called on the GUI thread.
    void setTarget(LineTap* target);

    void sent(std::span<const std::uint8_t> bytes) override;
    void received(std::size_t asked, std::span<const std::uint8_t> bytes) override;

private:
    LineTap* target_ = nullptr;
    std::atomic<bool> listening_{false};
};
