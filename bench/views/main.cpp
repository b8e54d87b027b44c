#include <QAction>
#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <numbers>

#include "app/CQuenlarRemoteApp.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/CommandIds.h"
#include "app/PollingClock.h"
#include "app/frames/CMainFrame.h"
#include "app/views/CMainView.h"
#include "bench/support/OffLineProgram.h"
#include "catalogue/Vx41Params.h"
#include "model/Parameter.h"

namespace {
constexpr int ticks = 3000;
constexpr double tickMilliseconds = 30;
constexpr int openings = 50;
constexpr int pacedMilliseconds = 10'000;

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double wallSeconds() {
    const std::chrono::duration<double> now = std::chrono::steady_clock::now().time_since_epoch();
    return now.count();
}

// Gives every level meter of the off-line unit a new reading, as a unit with moving programme
// would: written under the number below, where the unit takes what it then reports.
void moveMeters(Vx41Params& parameters, int tick) {
    GenericProtocol& unit = parameters.protocol();
    for (int meter = 0; meter <= 21; ++meter) {
        const double phase = static_cast<double>(meter) / 22 + tick / 40.0;
        const int raw =
            static_cast<int>(std::lround(560 + 460 * std::sin(2 * std::numbers::pi * phase)));
        unit.write(ParameterId(203, static_cast<std::uint8_t>(meter)), ParameterValue(raw), 0);
    }
}

QAction* command(const CMainFrame& frame, int commandId) {
    for (QAction* action : frame.findChildren<QAction*>())
        if (action->property("commandId").toInt() == commandId)
            return action;
    return nullptr;
}

// Ticks run by hand with new meter readings before each; only the tick and its repaints count.
double milliSecondsPerTick(PollingClock& clock, Vx41Params& parameters) {
    clock.stop();
    double spent = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        moveMeters(parameters, tick);
        const double start = processorSeconds();
        clock.tick();
        QCoreApplication::processEvents();
        spent += processorSeconds() - start;
    }
    return spent * 1000.0 / ticks;
}

// The program left to its 30 ms clock for a while, the meters moving at every tick: the
// processor time per tick and the share of a core, readings included.
std::pair<double, double> atTheClocksPace(PollingClock& clock, Vx41Params& parameters) {
    int tick = 0;
    QTimer mover;
    QObject::connect(&mover, &QTimer::timeout, [&] { moveMeters(parameters, ++tick); });
    mover.start(PollingClock::periodMs);
    clock.resume();
    const double wallStart = wallSeconds();
    const double start = processorSeconds();
    QTimer::singleShot(pacedMilliseconds, qApp, &QCoreApplication::quit);
    QApplication::exec();
    const double spent = processorSeconds() - start;
    const double wall = wallSeconds() - wallStart;
    return {spent * 1000.0 / tick, spent / wall};
}

// "Main && Metadata", then "All Windows": the Monitor window made, bound and laid out.
double milliSecondsToOpenTheMonitor(CMainFrame& frame) {
    double spent = 0;
    for (int opening = 0; opening < openings; ++opening) {
        command(frame, CommandId::ViewMainAndMetadata)->trigger();
        QCoreApplication::processEvents();
        const double start = wallSeconds();
        command(frame, CommandId::ViewAllWindows)->trigger();
        QCoreApplication::processEvents();
        spent += wallSeconds() - start;
    }
    return spent * 1000.0 / openings;
}
} // namespace

int main(int argc, char** argv) {
    OffLineProgram::chooseOffscreen();
    QApplication application(argc, argv);
    OffLineProgram offLine("views-bench");
    CQuenlarRemoteApp& program = offLine.program();
    CMainFrame& frame = *program.mainFrame();
    Vx41Params& parameters = program.document()->parameters();
    PollingClock& clock = program.document()->pollingClock();

    // Analogue outputs on, so that the monitoring controls are in use too.
    parameters.findOrNull(ParameterId(216, 21))->setValue(1);
    std::printf("clock tick run by hand (poll + repaints), three windows, meters moving: %.3f ms "
                "of processor time\n",
                milliSecondsPerTick(clock, parameters));
    const auto [perTick, share] = atTheClocksPace(clock, parameters);
    std::printf("at the clock's pace (%.0f ms): %.3f ms of processor time per tick, %.2f %% of "
                "one core\n",
                tickMilliseconds, perTick, 100.0 * share);
    std::printf("opening the Monitor window: %.2f ms\n", milliSecondsToOpenTheMonitor(frame));

    const QStringList arguments = QCoreApplication::arguments();
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--screenshot"));
        at >= 0 && at + 1 < arguments.size()) {
        // A second at the clock's pace, so the bars show their fall as well as their rise.
        QTimer::singleShot(1000, qApp, &QCoreApplication::quit);
        QApplication::exec();
        frame.grab().save(arguments[at + 1]);
        std::printf("windows saved to %s\n", qPrintable(arguments[at + 1]));
    }
    return 0;
}
