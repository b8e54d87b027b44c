#pragma once

#include <QObject>
#include <QTimer>
#include <exception>

class CQuenlarRemoteDoc;

// The main loop of the program, owned by the document: every 30 ms one poll of the unit. Starting
// it reads everything first. A tick does nothing while a modal dialog, message box or progress
// window is open, nor inside another tick (a modal loop still dispatches timers).
class PollingClock : public QObject {
    Q_OBJECT

public:
    static constexpr int periodMs = 30;

    explicit PollingClock(CQuenlarRemoteDoc& document, QObject* parent = nullptr);

    // Sets the timer, then reads everything. When the unit does not answer the operator chooses
    // between trying the start again and working off line; any other failure off line is shown
    // and leaves the clock stopped.
    void start();
    void stop();
    // Sets the timer again without reading everything (after long work that read it all).
    void resume();
    bool isRunning() const { return timer_.isActive(); }

    // One tick, as the timer runs it; a failure goes to the document's recovery.
    void tick();

private:
    bool isLinkFailure(const std::exception& failure) const;

    CQuenlarRemoteDoc& document_;
    QTimer timer_;
    bool ticking_ = false;
};
