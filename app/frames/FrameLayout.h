#pragma once

#include <QRect>
#include <QSize>
#include <optional>

// The fixed arrangement of the view windows: the Main window at the top left, the Metadata window
// beside it and the Monitor window under both, and the frame size that just holds the open ones.
class FrameLayout {
public:
    FrameLayout(bool main, bool metadata, bool monitor);

    // The frame's size for the open windows; none when no window is open.
    std::optional<QSize> frameSize() const;
    // Where the Metadata window and the Monitor window go when they are open.
    QRect metadataRect() const;
    QRect monitorRect() const;
    // The size of the window area that holds every open window whole.
    QSize windowsSize() const;

private:
    bool main_;
    bool metadata_;
    bool monitor_;
};
