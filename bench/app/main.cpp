#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

#include "app/CQuenlarRemoteApp.h"
#include "app/frames/CMainFrame.h"
#include "app/views/CMainView.h"
#include "bench/support/OffLineProgram.h"

namespace {
constexpr int ticks = 3000;
constexpr int idleMilliseconds = 10'000;

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Ticks run by hand, each followed by the repaint of whatever it changed, or of the whole
// window when repaintAll is given.
double milliSecondsPerTick(PollingClock& clock, QWidget* repaintAll = nullptr) {
    clock.stop();
    const double start = processorSeconds();
    for (int tick = 0; tick < ticks; ++tick) {
        clock.tick();
        if (repaintAll)
            repaintAll->repaint();
        QCoreApplication::processEvents();
    }
    return (processorSeconds() - start) * 1000.0 / ticks;
}

// The program left alone with its 30 ms clock running.
double idleShareOfACore(PollingClock& clock) {
    clock.resume();
    const auto wallStart = std::chrono::steady_clock::now();
    const double start = processorSeconds();
    QTimer::singleShot(idleMilliseconds, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
    return (processorSeconds() - start) / wall.count();
}
} // namespace

int main(int argc, char** argv) {
    OffLineProgram::chooseOffscreen();
    QApplication application(argc, argv);
    OffLineProgram offLine("app-bench");
    CQuenlarRemoteApp& program = offLine.program();
    PollingClock& clock = program.document()->pollingClock();

    std::printf("clock tick (poll + repaint of what changed), off line: %.3f ms of processor "
                "time\n",
                milliSecondsPerTick(clock));
    std::printf("clock tick (poll + repaint of the whole main window): %.3f ms of processor time\n",
                milliSecondsPerTick(clock, program.mainFrame()));
    const QStringList arguments = QCoreApplication::arguments();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
        at >= 0 && at + 1 < arguments.size()) {
        program.mainFrame()->grab().save(arguments[at + 1]);
        std::printf("main window saved to %s\n", qPrintable(arguments[at + 1]));
    }
    std::printf("idle, clock running: %.2f %% of one core\n", 100.0 * idleShareOfACore(clock));
    return 0;
}
