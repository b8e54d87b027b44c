#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include "app/CQuenlarRemoteDoc.h"

// Turns the event loop until the document's serial line has answered everything sent to it, so a
// test sees what the answers did. A line that never answers ends the wait after a long grace, so
// the test fails instead of hanging.
inline void waitForTheLine(CQuenlarRemoteDoc& document) {
    const QDeadlineTimer grace(30'000);
    while (document.exchangesUnderWay() > 0 && !grace.hasExpired()) {
        QEventLoop loop;
        QObject::connect(&document, &CQuenlarRemoteDoc::lineIdle, &loop, &QEventLoop::quit);
        QObject::connect(&document, &CQuenlarRemoteDoc::connectionChanged, &loop,
                         &QEventLoop::quit);
        QTimer::singleShot(grace.remainingTime(), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

// One tick of the polling clock, and what it sent answered.
inline void tickAndWait(CQuenlarRemoteDoc& document) {
    document.pollingClock().tick();
    waitForTheLine(document);
}
