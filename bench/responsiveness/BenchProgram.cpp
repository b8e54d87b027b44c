#include "bench/responsiveness/BenchProgram.h"

#include <QEvent>
#include <stdexcept>

#include "app/CQuenlarRemoteDoc.h"
#include "app/frames/CMainFrame.h"
#include "model/SystemClock.h"

namespace {
// The stored speed is an index into the speeds 'Open Device' offers.
std::uint32_t baudIndex(std::uint32_t baud) {
    switch (baud) {
    case 9600:
        return 0;
    case 19200:
        return 1;
    case 38400:
        return 2;
    case 115200:
        return 3;
    default:
        throw std::invalid_argument("speeds are 9600, 19200, 38400 and 115200");
    }
}

} // namespace

BenchProgram::BenchProgram(const std::string& port, std::uint32_t baud, bool reconnect)
    : settings_(folder_.filePath(QStringLiteral("settings.ini"))), seam_(reconnect),
      program_(seam_, SystemClock::instance(), settings_, std::chrono::milliseconds(0)) {
    settings_.setNumber("off line", port.empty() ? 1 : 0);
    settings_.setText("port path", QString::fromStdString(port));
    settings_.setNumber("baud rate", baudIndex(baud));
    watchOpening();
}

// The document and the frame are made inside the start-up, just before 'Open Device'.
void BenchProgram::watchOpening() {
    seam_.onOpenDevice([this] {
        program_.document()->setLineTap(&tap_);
        program_.mainFrame()->installEventFilter(this);
    });
}

bool BenchProgram::start() {
    const bool started = program_.initInstance();
    startedAt_ = std::chrono::steady_clock::now();
    return started;
}

bool BenchProgram::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && shownAt_ == Time{}) {
        shownAt_ = std::chrono::steady_clock::now();
        bytesAtShow_ = tap_.bytes;
    }
    return QObject::eventFilter(watched, event);
}
