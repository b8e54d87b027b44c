#include "link/LineThread.h"

#include "link/SerialStack.h"

LineThread::LineThread(std::unique_ptr<SerialStack> stack)
    : stack_(std::move(stack)), thread_([this] { run(); }) {}

LineThread::~LineThread() {
    discardPending();
    // A unit gone silent would keep the job under way busy through all its attempts.
    stack_->stop();
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void LineThread::submit(Job job, Priority priority) {
    {
        const std::lock_guard lock(mutex_);
        (priority == Priority::urgent ? urgent_ : background_).push_back(std::move(job));
    }
    wake_.notify_one();
}

void LineThread::discardPending() {
    std::deque<Job> urgent;
    std::deque<Job> background;
    {
        const std::lock_guard lock(mutex_);
        urgent.swap(urgent_);
        background.swap(background_);
    }
    // The jobs go outside the lock: what they hold may report its end.
}

void LineThread::run() {
    while (Job job = take()) {
        try {
            job(*stack_);
        } catch (...) {
            // A job reports its own failures; nothing may end the line's thread.
        }
    }
}

LineThread::Job LineThread::take() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return stopping_ || !urgent_.empty() || !background_.empty(); });
    if (stopping_)
        return {};
    std::deque<Job>& queue = urgent_.empty() ? background_ : urgent_;
    Job job = std::move(queue.front());
    queue.pop_front();
    return job;
}
