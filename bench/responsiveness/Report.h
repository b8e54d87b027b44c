#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <vector>

class BenchSeam;
class InputProber;

// What input waits are held to in a phase.
enum class WaitTarget { none, polling, offLinePolling, noLongWait };

// The results of every run, printed at the end as markdown tables, one per kind of result, each
// with its target beside it. Input waits are taken from the prober only then, once every probe
// posted has been received.
class Report {
public:
    using Time = std::chrono::steady_clock::time_point;

    void addWaits(const QString& run, const QString& phase, Time from, Time to, WaitTarget target);
    // maxRatio 0: no target for this work.
    void addWork(const QString& run, const QString& work, double seconds, double wireSeconds,
                 double maxRatio = 0);
    void addLatency(const QString& run, const QString& what, double seconds, double limit);
    // Work through a serial server against the same work over the serial line.
    void addComparison(const QString& run, const QString& work, double seconds, double lineSeconds,
                       double maxRatio);
    // A latency that could not be measured, and why.
    void addUnmeasured(const QString& run, const QString& what, const QString& why);
    void addSoak(const QString& line, Time from, Time to, qsizetype commErrors, bool unreliable,
                 const QString& status);
    void addAnswers(const QString& run, const BenchSeam& seam);
    void addFailure(const QString& run, const QString& failure);

    void print(const InputProber& prober) const;

private:
    struct Waits {
        QString run, phase;
        Time from, to;
        WaitTarget target;
    };
    struct Work {
        QString run, work;
        double seconds, wireSeconds, maxRatio;
    };
    struct Latency {
        QString run, what, value, target;
    };
    struct Comparison {
        QString run, work;
        double seconds, lineSeconds, maxRatio;
    };
    struct Soak {
        QString line;
        Time from, to;
        qsizetype commErrors;
        bool unreliable;
        QString status;
    };
    struct Answers {
        QString run;
        QStringList dialogs, messages;
    };

    void printWaits(const InputProber& prober) const;
    void printWork() const;
    void printLatencies() const;
    void printComparisons() const;
    void printSoaks(const InputProber& prober) const;
    void printAnswers() const;

    std::vector<Waits> waits_;
    std::vector<Work> work_;
    std::vector<Latency> latencies_;
    std::vector<Comparison> comparisons_;
    std::vector<Soak> soaks_;
    std::vector<Answers> answers_;
    QStringList failures_;
};
