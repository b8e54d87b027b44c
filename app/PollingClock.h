#pragma once

#include <QObject>
#include <QTimer>
#include <exception>
#include <functional>

class CQuenlarRemoteDoc;

// The main loop of the program: every 30 ms the idle processing (command states brought up to
// date), then one poll of the unit. Starting it reads everything first. A tick does nothing
// while a modal dialog or message box is open, nor inside another tick (a modal loop still
// dispatches timers).
class PollingClock : public QObject {
    Q_OBJECT

public:
    static constexpr int periodMs = 30;

    // The Main view hands it to the document; it withdraws itself from there when it goes.
    explicit PollingClock(CQuenlarRemoteDoc& document, QObject* parent = nullptr);
    ~PollingClock() override;

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
    void setIdleProcessing(std::function<void()> idle) { idle_ = std::move(idle); }

private:
    bool isLinkFailure(const std::exception& failure) const;

    CQuenlarRemoteDoc& document_;
    QTimer timer_;
    std::function<void()> idle_;
    bool ticking_ = false;
};
