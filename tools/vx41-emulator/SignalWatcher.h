#pragma once

#include <signal.h>

#include "FileDescriptor.h"

// Turns SIGINT, SIGTERM and SIGHUP into a readable descriptor so that the main loop can stop
// cleanly and let every destructor run. The signals stay blocked for the watcher's lifetime; the
// previous signal mask comes back afterwards.
class SignalWatcher {
public:
    SignalWatcher();
    ~SignalWatcher();
    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

    int fd() const { return fd_.get(); }
    // The signal that arrived.
    int take();

private:
    sigset_t previousMask_{};
    FileDescriptor fd_;
};
