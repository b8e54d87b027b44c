#include "SignalWatcher.h"

#include <sys/signalfd.h>
#include <unistd.h>

#include "SystemFailure.h"

namespace {
sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    return signals;
}
} // namespace

SignalWatcher::SignalWatcher() {
    const sigset_t signals = stopSignals();
    if (sigprocmask(SIG_BLOCK, &signals, &previousMask_) != 0)
        throw SystemFailure("cannot block the stop signals");
    fd_ = FileDescriptor(signalfd(-1, &signals, SFD_CLOEXEC));
    if (fd_.get() < 0) {
        const SystemFailure failure("cannot watch the stop signals");
        sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
        throw failure;
    }
}

SignalWatcher::~SignalWatcher() {
    sigprocmask(SIG_SETMASK, &previousMask_, nullptr);
}

int SignalWatcher::take() {
    signalfd_siginfo info{};
    if (::read(fd_.get(), &info, sizeof info) != static_cast<ssize_t>(sizeof info))
        throw SystemFailure("cannot read the stop signal");
    return static_cast<int>(info.ssi_signo);
}
