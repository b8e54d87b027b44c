#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class SerialStack;

// A thread of its own for the serial line: it alone touches the stack and the port below it, and
// runs exchanges one at a time as jobs. Urgent jobs (what the operator asked for) go before any
// background job (the steps of polling) that has not started yet; each kind keeps its own order.
// A job reports its outcome itself and must not throw.
class LineThread {
public:
    using Job = std::function<void(SerialStack&)>;
    enum class Priority { urgent, background };

    // Takes the stack over; from now on only the line's thread uses it.
    explicit LineThread(std::unique_ptr<SerialStack> stack);
    // Ends the running job at its next byte, drops the jobs not started, then the stack goes.
    ~LineThread();
    LineThread(const LineThread&) = delete;
    LineThread& operator=(const LineThread&) = delete;

    void submit(Job job, Priority priority);

private:
    // Drops every job not started yet.
    void discardPending();
    void run();
    // Waits for the next job; an empty one once the thread is to end.
    Job take();

    std::unique_ptr<SerialStack> stack_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> urgent_;
    std::deque<Job> background_;
    bool stopping_ = false;
    std::thread thread_;
};
