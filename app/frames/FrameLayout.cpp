#include "app/frames/FrameLayout.h"

namespace {
// Rectangles in the client area of the frame, right and bottom exclusive.
const QRect mainAtTopLeft(QPoint(0, 0), QPoint(361 - 1, 324 - 1));
const QRect metadataBeside(QPoint(361, 0), QPoint(788 - 1, 324 - 1));
const QRect monitorUnder(QPoint(0, 324), QPoint(788 - 1, 531 - 1));
} // namespace

FrameLayout::FrameLayout(bool main, bool metadata, bool monitor)
    : main_(main), metadata_(metadata), monitor_(monitor) {}

std::optional<QSize> FrameLayout::frameSize() const {
    if (monitor_)
        return main_ || metadata_ ? QSize(800, 600) : QSize(800, 300);
    if (main_ && metadata_)
        return QSize(800, 395);
    if (main_)
        return QSize(372, 395);
    if (metadata_)
        return QSize(439, 395);
    return std::nullopt;
}

QRect FrameLayout::metadataRect() const {
    return main_ || monitor_ ? metadataBeside : QRect(QPoint(0, 0), metadataBeside.size());
}

QRect FrameLayout::monitorRect() const {
    return main_ || metadata_ ? monitorUnder : QRect(QPoint(0, 0), monitorUnder.size());
}

QSize FrameLayout::windowsSize() const {
    QRect windows;
    if (main_)
        windows |= mainAtTopLeft;
    if (metadata_)
        windows |= metadataRect();
    if (monitor_)
        windows |= monitorRect();
    return windows.isNull() ? QSize() : QSize(windows.right() + 1, windows.bottom() + 1);
}
