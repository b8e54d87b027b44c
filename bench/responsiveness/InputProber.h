#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <atomic>
#include <chrono>
#include <random>
#include <thread>
#include <vector>

// Stands in for the operator's input: at random moments, 2 to 20 ms apart, a thread posts an
// event stamped with its posting time to an object of the GUI thread, which notes how long the
// event waited for the event loop. That wait is the lag a person feels on a click or a key.
class InputProber {
public:
    using Time = std::chrono::steady_clock::time_point;

    InputProber() : thread_([this] { probe(); }) {}
    ~InputProber() { stop(); }
    InputProber(const InputProber&) = delete;
    InputProber& operator=(const InputProber&) = delete;

    // Ends the probing and takes in every probe posted so far.
    void stop() {
        running_ = false;
        if (thread_.joinable())
            thread_.join();
        QCoreApplication::sendPostedEvents(&receiver_, ProbeEvent::type());
    }

    // The waits, in milliseconds, of the probes posted between from and to.
    std::vector<double> waitsBetween(Time from, Time to) const {
        std::vector<double> waits;
        for (const Wait& wait : receiver_.waits)
            if (wait.posted >= from && wait.posted < to)
                waits.push_back(wait.milliseconds);
        return waits;
    }

private:
    struct ProbeEvent : QEvent {
        ProbeEvent() : QEvent(type()), posted(std::chrono::steady_clock::now()) {}
        static QEvent::Type type() {
            static const auto registered = static_cast<QEvent::Type>(QEvent::registerEventType());
            return registered;
        }
        Time posted;
    };

    struct Wait {
        Time posted;
        double milliseconds;
    };

    // Lives on the GUI thread; only the GUI thread touches its waits.
    struct Receiver : QObject {
        void customEvent(QEvent* event) override {
            const Time posted = static_cast<ProbeEvent*>(event)->posted;
            const std::chrono::duration<double, std::milli> waited =
                std::chrono::steady_clock::now() - posted;
            waits.push_back({posted, waited.count()});
        }
        std::vector<Wait> waits;
    };

    void probe() {
        std::mt19937 random(41);
        std::uniform_real_distribution<double> pause(2.0, 20.0);
        while (running_) {
            std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(pause(random)));
            QCoreApplication::postEvent(&receiver_, new ProbeEvent);
        }
    }

    // Made before the thread that posts to it.
    Receiver receiver_;
    std::atomic<bool> running_{true};
    std::thread thread_;
};
