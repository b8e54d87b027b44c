#include "bench/responsiveness/Report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "bench/responsiveness/BenchSeam.h"
#include "bench/responsiveness/InputProber.h"

namespace {
struct WaitStats {
    std::size_t count = 0;
    double median = 0;
    double p99 = 0;
    double max = 0;
    double over50 = 0;
    double over100 = 0;
};

double shareOver(const std::vector<double>& sorted, double limit) {
    const auto over = sorted.end() - std::upper_bound(sorted.begin(), sorted.end(), limit);
    return static_cast<double>(over) / static_cast<double>(sorted.size());
}

// Nearest-rank percentile of sorted waits.
double percentile(const std::vector<double>& sorted, double share) {
    const auto rank =
        static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return sorted[std::max<std::size_t>(rank, 1) - 1];
}

WaitStats statsOf(std::vector<double> waits) {
    WaitStats stats;
    stats.count = waits.size();
    if (waits.empty())
        return stats;
    std::sort(waits.begin(), waits.end());
    stats.median = percentile(waits, 0.5);
    stats.p99 = percentile(waits, 0.99);
    stats.max = waits.back();
    stats.over50 = shareOver(waits, 50);
    stats.over100 = shareOver(waits, 100);
    return stats;
}

QString fixed(double value, int decimals = 2) {
    return QString::number(value, 'f', decimals);
}

QString percent(double share) {
    return fixed(100 * share, 1) + " %";
}

QString verdict(bool met) {
    return met ? QStringLiteral("met") : QStringLiteral("MISSED");
}

QString targetOf(WaitTarget target, const WaitStats& stats) {
    switch (target) {
    case WaitTarget::polling:
        return "p99 < 50 ms: " + verdict(stats.p99 < 50);
    case WaitTarget::offLinePolling:
        return "p99 < 1 ms: " + verdict(stats.p99 < 1);
    case WaitTarget::noLongWait:
        return "max ≤ 100 ms: " + verdict(stats.max <= 100);
    case WaitTarget::none:
        break;
    }
    return QStringLiteral("—");
}

// A table cell on one line that cannot end the cell early.
QString cell(QString text) {
    return text.replace('\n', QStringLiteral(" / ")).replace('|', QStringLiteral("\\|"));
}

void printRow(const QStringList& cells) {
    QStringList escaped;
    for (const QString& text : cells)
        escaped.append(cell(text));
    std::printf("| %s |\n", qPrintable(escaped.join(QStringLiteral(" | "))));
}

void printHeader(const char* title, const QStringList& columns) {
    std::printf("\n### %s\n\n", title);
    printRow(columns);
    printRow(QStringList(columns.size(), QStringLiteral("---")));
}

QString countedNames(const QStringList& names) {
    const QString count = QString::number(names.size());
    return names.isEmpty() ? count : count + ": " + names.join(", ");
}

double secondsBetween(Report::Time from, Report::Time to) {
    return std::chrono::duration<double>(to - from).count();
}
} // namespace

void Report::addWaits(const QString& run, const QString& phase, Time from, Time to,
                      WaitTarget target) {
    waits_.push_back({run, phase, from, to, target});
}

void Report::addWork(const QString& run, const QString& work, double seconds, double wireSeconds,
                     double maxRatio) {
    work_.push_back({run, work, seconds, wireSeconds, maxRatio});
}

void Report::addLatency(const QString& run, const QString& what, double seconds, double limit) {
    latencies_.push_back(
        {run, what, fixed(seconds, 3), "< " + fixed(limit, 1) + " s: " + verdict(seconds < limit)});
}

void Report::addUnmeasured(const QString& run, const QString& what, const QString& why) {
    latencies_.push_back({run, what, why, QStringLiteral("not measured")});
}

void Report::addSoak(const QString& line, Time from, Time to, qsizetype commErrors, bool unreliable,
                     const QString& status) {
    soaks_.push_back({line, from, to, commErrors, unreliable, status});
}

void Report::addAnswers(const QString& run, const BenchSeam& seam) {
    answers_.push_back({run, seam.dialogs(), seam.messages()});
}

void Report::addFailure(const QString& run, const QString& failure) {
    failures_.append(run + ": " + failure);
}

void Report::print(const InputProber& prober) const {
    printWaits(prober);
    printWork();
    printLatencies();
    printComparisons();
    printSoaks(prober);
    printAnswers();
    for (const QString& failure : failures_)
        std::printf("\nFAILED %s\n", qPrintable(failure));
}

void Report::printWaits(const InputProber& prober) const {
    printHeader("Input waits", {"speed", "phase", "waits", "median ms", "p99 ms", "max ms",
                                ">50 ms", ">100 ms", "target"});
    for (const Waits& row : waits_) {
        const WaitStats stats = statsOf(prober.waitsBetween(row.from, row.to));
        printRow({row.run, row.phase, QString::number(stats.count), fixed(stats.median),
                  fixed(stats.p99), fixed(stats.max), percent(stats.over50), percent(stats.over100),
                  targetOf(row.target, stats)});
    }
}

void Report::printWork() const {
    printHeader("Work against its time on the wire",
                {"speed", "work", "seconds", "wire seconds", "ratio", "target"});
    for (const Work& row : work_) {
        const double ratio = row.seconds / row.wireSeconds;
        const QString target = row.maxRatio > 0 ? "≤ " + fixed(row.maxRatio, 1) +
                                                      " × wire: " + verdict(ratio <= row.maxRatio)
                                                : QStringLiteral("—");
        printRow(
            {row.run, row.work, fixed(row.seconds), fixed(row.wireSeconds), fixed(ratio), target});
    }
}

void Report::printLatencies() const {
    printHeader("Latencies", {"speed", "measure", "seconds", "target"});
    for (const Latency& row : latencies_)
        printRow({row.run, row.what, row.value, row.target});
}

void Report::addComparison(const QString& run, const QString& work, double seconds,
                           double lineSeconds, double maxRatio) {
    comparisons_.push_back({run, work, seconds, lineSeconds, maxRatio});
}

void Report::printComparisons() const {
    if (comparisons_.empty())
        return;
    printHeader("Through a serial server against the serial line",
                {"port", "work", "seconds", "over the line", "ratio", "target"});
    for (const Comparison& row : comparisons_) {
        const double ratio = row.seconds / row.lineSeconds;
        printRow({row.run, row.work, fixed(row.seconds), fixed(row.lineSeconds), fixed(ratio),
                  "≤ " + fixed(row.maxRatio, 1) + " × line: " + verdict(ratio <= row.maxRatio)});
    }
}

void Report::printSoaks(const InputProber& prober) const {
    if (soaks_.empty())
        return;
    printHeader("Faulty line at 115200, polling",
                {"line", "seconds", "waits", "max ms", ">100 ms", "comm error dialogs",
                 "unreliable at end", "status"});
    for (const Soak& row : soaks_) {
        const WaitStats stats = statsOf(prober.waitsBetween(row.from, row.to));
        printRow({row.line, fixed(secondsBetween(row.from, row.to), 1),
                  QString::number(stats.count), fixed(stats.max), percent(stats.over100),
                  QString::number(row.commErrors), row.unreliable ? "yes" : "no", row.status});
    }
}

void Report::printAnswers() const {
    printHeader("Questions the program asked (target on a clean line: none)",
                {"run", "dialogs besides Open Device", "message boxes"});
    for (const Answers& row : answers_)
        printRow({row.run, countedNames(row.dialogs),
                  row.messages.isEmpty() ? "none" : row.messages.join(" ; ")});
}
