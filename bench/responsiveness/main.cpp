#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/CQuenlarRemoteDoc.h"
#include "bench/responsiveness/BenchProgram.h"
#include "bench/responsiveness/InputProber.h"
#include "bench/responsiveness/Report.h"
#include "bench/support/OffLineProgram.h"
#include "model/ConfigurationReader.h"
#include "support/EmulatorProcess.h"
#include "support/Ser2netProcess.h"

namespace {
using Time = std::chrono::steady_clock::time_point;

struct Options {
    std::vector<std::uint32_t> speeds;
    int pollSeconds = 10;
    int soakSeconds = 0;
    bool network = false;
};

// Work on the program with the bytes it put on the line; done is false when it was cancelled.
struct Measured {
    Time from, to;
    std::size_t bytes = 0;
    bool done = true;
};

Time now() {
    return std::chrono::steady_clock::now();
}

double secondsBetween(Time from, Time to) {
    return std::chrono::duration<double>(to - from).count();
}

// Ten bits a byte: start, eight data bits, stop.
double wireSeconds(std::size_t bytes, std::uint32_t baud) {
    return static_cast<double>(bytes) * 10.0 / baud;
}

void note(const QString& run, const char* what) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(run), what);
}

int positiveNumber(const QCommandLineParser& parser, const QString& name) {
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < 0) {
        std::fprintf(stderr, "--%s takes a number of seconds\n", qPrintable(name));
        std::exit(2);
    }
    return value;
}

Options parseOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("How responsive the program stays, connected and off line.");
    parser.addHelpOption();
    parser.addOptions({{"speeds", "Line speeds to run at.", "list", "9600,38400,115200"},
                       {"poll-seconds", "Seconds of polling at each speed.", "seconds", "10"},
                       {"soak-seconds", "Seconds on each faulty line (0: none).", "seconds", "0"},
                       {"network", "Also reach the unit at 115200 through ser2net, raw and with "
                                   "RFC 2217."}});
    parser.process(arguments);
    Options options;
    for (const QString& speed : parser.value("speeds").split(',')) {
        bool ok = false;
        options.speeds.push_back(speed.toUInt(&ok));
        if (!ok) {
            std::fprintf(stderr, "--speeds takes speeds such as 9600,115200\n");
            std::exit(2);
        }
    }
    options.pollSeconds = positiveNumber(parser, "poll-seconds");
    options.soakSeconds = positiveNumber(parser, "soak-seconds");
    options.network = parser.isSet("network");
    return options;
}

void runEventLoopFor(int seconds) {
    QEventLoop loop;
    QTimer::singleShot(std::chrono::seconds(seconds), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

Measured measure(const BenchProgram& program, const std::function<bool()>& work) {
    Measured measured;
    const std::size_t bytes = program.lineBytes();
    measured.from = now();
    measured.done = work();
    measured.to = now();
    measured.bytes = program.lineBytes() - bytes;
    return measured;
}

void addWork(Report& report, const QString& run, const QString& work, const Measured& measured,
             std::uint32_t baud, double maxRatio = 0) {
    report.addWaits(run, work, measured.from, measured.to, WaitTarget::noLongWait);
    report.addWork(run, work, secondsBetween(measured.from, measured.to),
                   wireSeconds(measured.bytes, baud), maxRatio);
    if (!measured.done)
        report.addFailure(run, work + " was cancelled");
}

QPushButton* progressCancelButton() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("ProgressWindow") && window->isVisible())
            return window->findChild<QPushButton*>("cancel");
    return nullptr;
}

// Starts the program, runs the phases and notes what the program asked meanwhile, whatever
// happens.
void startAndRun(BenchProgram& program, const QString& run, Report& report,
                 const std::function<void()>& phases) {
    try {
        if (program.start())
            phases();
        else
            report.addFailure(run, "the program did not start");
    } catch (const std::exception& failure) {
        report.addFailure(run, failure.what());
    }
    report.addAnswers(run, program.seam());
}

void measureStartUp(const BenchProgram& program, const QString& run, std::uint32_t baud,
                    Report& report) {
    report.addLatency(run, "OK → Main window shown",
                      secondsBetween(program.acceptedAt(), program.shownAt()), 0.5);
    report.addWaits(run, "connecting", program.acceptedAt(), program.startedAt(),
                    WaitTarget::noLongWait);
    report.addWork(run, "first full read", secondsBetween(program.shownAt(), program.startedAt()),
                   wireSeconds(program.lineBytes() - program.bytesAtShow(), baud),
                   baud == 9600 ? 1.1 : 0);
}

void measurePolling(const QString& run, int seconds, WaitTarget target, Report& report) {
    note(run, "polling");
    const Time from = now();
    runEventLoopFor(seconds);
    report.addWaits(run, "polling", from, now(), target);
}

bool save(CQuenlarRemoteDoc& document, const QString& file) {
    return document.runLongWork("Saving the configuration...",
                                [&] { document.saveConfiguration(file.toStdString()); });
}

ParameterValueMap readConfiguration(const QString& file) {
    std::ifstream stream(file.toStdString(), std::ios::binary);
    ParameterValueMap values;
    ConfigurationReader(stream).read(values);
    return values;
}

void measureWork(BenchProgram& program, const QString& run, std::uint32_t baud, Report& report) {
    CQuenlarRemoteDoc& document = program.document();
    note(run, "full refresh");
    const Measured refresh = measure(program, [&] {
        document.refreshAll();
        return true;
    });
    addWork(report, run, "full refresh", refresh, baud, baud == 115200 ? 1.1 : 0);
    note(run, "save");
    const QString file = program.folderPath("saved.vx41");
    addWork(report, run, "save", measure(program, [&] { return save(document, file); }), baud);
    note(run, "restore");
    const ParameterValueMap values = readConfiguration(file);
    const Measured restore = measure(program, [&] {
        return document.runLongWork("Restoring the configuration...",
                                    [&] { document.restoreConfiguration(values, false, {}); });
    });
    addWork(report, run, "restore", restore, baud);
}

// A second of a save, then Cancel on the progress window, then a second of what follows.
void measureCancel(BenchProgram& program, const QString& run, Report& report) {
    note(run, "cancel");
    Time clickedAt{};
    QTimer click;
    click.setSingleShot(true);
    QObject::connect(&click, &QTimer::timeout, &click, [&clickedAt] {
        if (QPushButton* cancel = progressCancelButton()) {
            clickedAt = now();
            cancel->click();
        }
    });
    click.start(std::chrono::seconds(1));
    const Measured saving =
        measure(program, [&] { return save(program.document(), program.folderPath("cut.vx41")); });
    click.stop();
    // A second of the program after the work ended: what the operator meets next, and the probes
    // posted just before the end come in here rather than once the bench is tearing down.
    runEventLoopFor(1);
    report.addWaits(run, "cancelling a save", saving.from, now(), WaitTarget::noLongWait);
    const QString what = QStringLiteral("Cancel → work ended");
    if (clickedAt == Time{})
        report.addUnmeasured(run, what, "the save ended before the click");
    else if (saving.done)
        report.addUnmeasured(run, what, "the save ended despite the click");
    else
        report.addLatency(run, what, secondsBetween(clickedAt, saving.to), 0.5);
}

void runConnected(std::uint32_t baud, const Options& options, Report& report) {
    const QString run = QString::number(baud);
    note(run, "connecting");
    EmulatorProcess emulator(VX41_EMULATOR,
                             {"--pace", "--animate", "--baud", std::to_string(baud)});
    BenchProgram program(emulator.linePath(), baud, false);
    startAndRun(program, run, report, [&] {
        measureStartUp(program, run, baud, report);
        measurePolling(run, options.pollSeconds, WaitTarget::polling, report);
        measureWork(program, run, baud, report);
        measureCancel(program, run, report);
    });
}

void runOffLine(const Options& options, Report& report) {
    const QString run = QStringLiteral("off line");
    BenchProgram program({}, 9600, false);
    startAndRun(program, run, report, [&] {
        measurePolling(run, options.pollSeconds, WaitTarget::offLinePolling, report);
    });
}

// Polling on a line that loses or damages one byte of the unit's in a hundred; a communications
// error is answered "Try To Reconnect", so polling goes on.
void runFaultyLine(const char* fault, const Options& options, Report& report) {
    const QString run = QStringLiteral("%1 0.01").arg(fault);
    note(run, "faulty line");
    EmulatorProcess emulator(
        VX41_EMULATOR, {"--pace", "--animate", "--baud", "115200", fault, "0.01", "--seed", "41"});
    BenchProgram program(emulator.linePath(), 115200, true);
    startAndRun(program, run, report, [&] {
        measureStartUp(program, run, 115200, report);
        const auto commErrors = [&] { return program.seam().dialogs().count("CCommErrorDlg"); };
        const qsizetype before = commErrors();
        const Time from = now();
        runEventLoopFor(options.soakSeconds);
        const CQuenlarRemoteDoc& document = program.document();
        report.addSoak(run, from, now(), commErrors() - before, document.lineHealth().unreliable(),
                       document.lineStatusText());
    });
}

// The fastest of three saves, so that a stray stall of the machine does not count.
double fastestSave(BenchProgram& program) {
    double fastest = 0;
    for (int run = 0; run < 3; ++run) {
        const Measured saving = measure(
            program, [&] { return save(program.document(), program.folderPath("saved.vx41")); });
        const double seconds = secondsBetween(saving.from, saving.to);
        fastest = run == 0 ? seconds : std::min(fastest, seconds);
    }
    return fastest;
}

// The same unit at 115200 over its line and through ser2net: saves against those over the line,
// polling, and how soon a server killed while polling is reported.
void runNetwork(Ser2netProcess::Mode mode, const Options& options, Report& report) {
    EmulatorProcess emulator(VX41_EMULATOR, {"--pace", "--animate", "--baud", "115200"});
    double lineSave = 0;
    {
        BenchProgram line(emulator.linePath(), 115200, false);
        startAndRun(line, "115200 line", report, [&] { lineSave = fastestSave(line); });
    }
    Ser2netProcess server(emulator.linePath(), mode);
    const QString run = QString::fromStdString(server.address()).section(':', 0, 0);
    note(run, "through ser2net");
    BenchProgram program(server.address(), 115200, false);
    startAndRun(program, run, report, [&] {
        measureStartUp(program, run, 115200, report);
        measurePolling(run, options.pollSeconds, WaitTarget::polling, report);
        report.addComparison(run, "save", fastestSave(program), lineSave, 1.1);
        const Time killed = now();
        server.kill();
        QEventLoop loop;
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (program.seam().commErrorAt() != Time{} || now() - killed > std::chrono::seconds(5))
                loop.quit();
        });
        check.start(1);
        loop.exec();
        if (program.seam().commErrorAt() == Time{})
            report.addUnmeasured(run, "server killed → Communications Error", "none in 5 s");
        else
            report.addLatency(run, "server killed → Communications Error",
                              secondsBetween(killed, program.seam().commErrorAt()), 1.0);
    });
}

// A run whose emulator would not start is reported and the others go on.
void guarded(Report& report, const QString& run, const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& failure) {
        report.addFailure(run, failure.what());
    }
}
} // namespace

int main(int argc, char** argv) {
    OffLineProgram::chooseOffscreen();
    QApplication application(argc, argv);
    const Options options = parseOptions(QApplication::arguments());
    InputProber prober;
    Report report;
    for (const std::uint32_t baud : options.speeds)
        guarded(report, QString::number(baud), [&] { runConnected(baud, options, report); });
    runOffLine(options, report);
    if (options.network)
        for (const auto mode : {Ser2netProcess::Mode::raw, Ser2netProcess::Mode::rfc2217})
            guarded(report, "network", [&] { runNetwork(mode, options, report); });
    if (options.soakSeconds > 0)
        for (const char* fault : {"--drop", "--corrupt"})
            guarded(report, fault, [&] { runFaultyLine(fault, options, report); });
    prober.stop();
    report.print(prober);
    return 0;
}
