#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "ReplayingLine.h"
#include "app/CQuenlarRemoteApp.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/CommandIds.h"
#include "app/frames/CMainFrame.h"
#include "app/views/CMainView.h"
#include "app/views/CParameterBrowser.h"
#include "app/views/ParameterTableModel.h"
#include "bench/support/OffLineProgram.h"
#include "catalogue/Vx41Params.h"
#include "link/SerialProtocol.h"
#include "link/TappedSerialDevice.h"

namespace {
constexpr int ticks = 1000;
constexpr ParameterId meter{204, 0};

void run(CMainFrame& frame, int commandId);

double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The simulated unit's levels stand still; a live unit's move at every tick. This gives every
// level meter a new reading before each tick, as a unit playing programme would.
class MovingMeters {
public:
    explicit MovingMeters(const ParameterSet* parameters) {
        if (!parameters)
            return;
        for (int index = 0; index < 18; ++index)
            if (Parameter* meter = parameters->findOrNull(ParameterId(204, index)))
                meters_.push_back(meter);
    }

    void step(int tick) {
        for (std::size_t channel = 0; channel < meters_.size(); ++channel) {
            meters_[channel]->assignValue(600 + (tick * 7 + static_cast<int>(channel) * 31) % 420);
            meters_[channel]->notify();
        }
    }

private:
    std::vector<Parameter*> meters_;
};

// Ticks run by hand, each followed by the repaint of whatever it changed; the best of several
// rounds, as other work on the machine only ever adds to a round.
double milliSecondsPerTick(PollingClock& clock, MovingMeters* meters = nullptr) {
    clock.stop();
    double best = 0;
    for (int round = 0; round < 5; ++round) {
        const double start = processorSeconds();
        for (int tick = 0; tick < ticks; ++tick) {
            if (meters)
                meters->step(tick);
            clock.tick();
            QCoreApplication::processEvents();
        }
        const double perTick = (processorSeconds() - start) * 1000.0 / ticks;
        best = round == 0 ? perTick : std::min(best, perTick);
    }
    return best;
}

// Processor time per read of one parameter over a serial line in memory: the best of several
// rounds, as other work on the machine only ever adds to a round.
double microSecondsPerRead(SerialProtocol& line, int reads) {
    double best = 0;
    for (int round = 0; round < 7; ++round) {
        const double start = processorSeconds();
        for (int read = 0; read < reads; ++read)
            line.read(meter);
        const double perRead = (processorSeconds() - start) * 1e6 / reads;
        best = round == 0 ? perRead : std::min(best, perRead);
    }
    return best;
}

// What the line monitor costs the serial line: nothing in the way (the line as it was before
// the monitor existed), the monitor's place in the line with nobody listening (never opened, or
// closed again), and the monitor shown and decoding.
void lineMonitorCost(CMainFrame& frame, CQuenlarRemoteDoc& document) {
    constexpr int silentReads = 100'000;
    ReplayingLine device(meter, 1023);
    TappedSerialDevice tapped(device);
    SerialProtocol bare(0x8280, &device);
    SerialProtocol listened(0x8280, &tapped);
    const double before = microSecondsPerRead(bare, silentReads);
    std::printf("serial read, line without a tap: %.3f us of processor time\n", before);
    const double hidden = microSecondsPerRead(listened, silentReads);
    std::printf("serial read, line monitor never opened (nobody listening): %.3f us (x%.3f)\n",
                hidden, hidden / before);
    run(frame, CommandId::LineMonitor);
    tapped.setTap(document.lineTap());
    const double shown = microSecondsPerRead(listened, 300);
    std::printf("serial read, line monitor shown, decoding into its rows: %.1f us\n", shown);
    run(frame, CommandId::LineMonitor);
    tapped.setTap(document.lineTap());
    const double closed = microSecondsPerRead(listened, silentReads);
    std::printf("serial read, line monitor closed again: %.3f us (x%.3f)\n", closed,
                closed / before);
}

void run(CMainFrame& frame, int commandId) {
    for (QAction* action : frame.findChildren<QAction*>())
        if (action->property("commandId").toInt() == commandId)
            action->trigger();
}

// The row of the first level meter at the top of the table: rows that change at every tick.
void scrollToMeters(CParameterBrowser& browser) {
    QAbstractItemModel& shown = *browser.table().model();
    for (int row = 0; row < shown.rowCount(); ++row)
        if (shown.index(row, ParameterTableModel::IdColumn).data().toString() ==
            QLatin1String("(204, 0)")) {
            browser.table().scrollTo(shown.index(row, 0), QAbstractItemView::PositionAtTop);
            return;
        }
}
} // namespace

int main(int argc, char** argv) {
    OffLineProgram::chooseOffscreen();
    QApplication application(argc, argv);
    OffLineProgram offLine("extra-windows-bench");
    CQuenlarRemoteApp& program = offLine.program();
    CMainFrame& frame = *program.mainFrame();
    PollingClock& clock = program.document()->pollingClock();
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf(QStringLiteral("--screenshots"));
    const QDir pictures(at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString());

    MovingMeters moving(&program.document()->parameters());
    milliSecondsPerTick(clock); // warming up: the first rounds also fill caches
    const double without = milliSecondsPerTick(clock);
    std::printf("clock tick, no extra window: %.3f ms of processor time\n", without);
    const double movingWithout = milliSecondsPerTick(clock, &moving);
    std::printf("clock tick with the levels moving, no extra window: %.3f ms\n", movingWithout);

    run(frame, CommandId::ParameterBrowser);
    auto* browser = frame.findChild<CParameterBrowser*>();
    const double first = milliSecondsPerTick(clock);
    std::printf("clock tick, parameter browser open on all %d parameters (first rows shown): "
                "%.3f ms (x%.2f)\n",
                browser->model().rowCount(), first, first / without);
    scrollToMeters(*browser);
    const double meters = milliSecondsPerTick(clock);
    std::printf("clock tick, parameter browser showing the level meters' rows: %.3f ms (x%.2f)\n",
                meters, meters / without);
    const double movingMeters = milliSecondsPerTick(clock, &moving);
    std::printf("clock tick with the levels moving, browser showing their rows: %.3f ms (x%.2f)\n",
                movingMeters, movingMeters / movingWithout);
    if (at >= 0)
        browser->grab().save(pictures.filePath(QStringLiteral("parameter-browser.png")));
    browser->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const double closed = milliSecondsPerTick(clock);
    std::printf("clock tick, parameter browser closed again: %.3f ms (x%.2f)\n", closed,
                closed / without);
    lineMonitorCost(frame, *program.document());
    return 0;
}
