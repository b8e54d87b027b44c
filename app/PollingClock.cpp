#include "app/PollingClock.h"

#include <QApplication>

#include "app/CQuenlarRemoteDoc.h"
#include "app/OperationCancelled.h"
#include "catalogue/ReentryGuard.h"
#include "link/ProtocolException.h"

PollingClock::PollingClock(CQuenlarRemoteDoc& document, QObject* parent)
    : QObject(parent), document_(document) {
    setObjectName("PollingClock");
    timer_.setInterval(periodMs);
    connect(&timer_, &QTimer::timeout, this, &PollingClock::tick);
}

void PollingClock::start() {
    for (;;) {
        timer_.start();
        try {
            document_.refreshAll();
            return;
        } catch (const OperationCancelled&) {
            // The operator stopped the reading; polling brings the rest in.
            return;
        } catch (const std::exception& failure) {
            timer_.stop();
            const QString message = QString::fromStdString(failure.what());
            if (!isLinkFailure(failure)) {
                document_.errorMessage(message);
                return;
            }
            // "Try To Reconnect" starts again; "Work Offline" starts on the simulated unit.
            if (!document_.askToReconnect(message))
                document_.goOffLine();
        }
    }
}

// While connected any failure may be the line's: a port whose adapter was pulled fails to
// reopen with its own message. Stopping there would leave the program connected to nothing.
bool PollingClock::isLinkFailure(const std::exception& failure) const {
    return dynamic_cast<const ProtocolException*>(&failure) != nullptr ||
           document_.connectionState() == CQuenlarRemoteDoc::connectedState;
}

void PollingClock::stop() {
    timer_.stop();
}

void PollingClock::resume() {
    timer_.start();
}

void PollingClock::tick() {
    if (ticking_ || QApplication::activeModalWidget() != nullptr)
        return;
    ReentryGuard guard(ticking_);
    try {
        document_.poll();
    } catch (const std::exception& failure) {
        document_.communicationsError(QString::fromStdString(failure.what()));
    }
}
