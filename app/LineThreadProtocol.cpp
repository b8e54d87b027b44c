#include "app/LineThreadProtocol.h"

#include <QEventLoop>
#include <QPointer>
#include <utility>

#include "app/OperationCancelled.h"
#include "link/ErrorStatus.h"
#include "link/ProtocolException.h"
#include "link/SerialStack.h"

LineThreadProtocol::LineThreadProtocol(LineThread& line, Hooks hooks,
                                       std::function<bool()> portIsOpen)
    : line_(line), hooks_(std::move(hooks)), portIsOpen_(std::move(portIsOpen)) {}

LineThreadProtocol::~LineThreadProtocol() {
    for (QEventLoop* loop : waiting_)
        loop->quit();
}

DeviceStatus LineThreadProtocol::status() {
    try {
        Answer answer =
            await([](SerialStack& stack, Answer& into) { into.status = stack.top().status(); });
        return *answer.status;
    } catch (const OperationCancelled&) {
        throw;
    } catch (const std::exception&) {
        return ErrorStatus();
    }
}

void LineThreadProtocol::write(const ParameterId& id, const ParameterValue& value,
                               std::uint32_t delayMs) {
    if (deferred_) {
        writeLater(id, value, delayMs, false);
        return;
    }
    await([id, value, delayMs](SerialStack& stack, Answer&) {
        stack.top().write(id, value, delayMs);
    });
}

ParameterValue LineThreadProtocol::read(const ParameterId& id) {
    if (deferred_) {
        readSoon({id});
        return hooks_.held(id);
    }
    Answer answer =
        await([id](SerialStack& stack, Answer& into) { into.values[id] = stack.top().read(id); });
    return answer.values[id];
}

void LineThreadProtocol::readMany(const ParameterIdSet& ids, ParameterValueMap& values) {
    Answer answer =
        await([ids](SerialStack& stack, Answer& into) { stack.top().readMany(ids, into.values); });
    for (auto& [id, value] : answer.values)
        values[id] = std::move(value);
}

ParameterValue LineThreadProtocol::writeAndRead(const ParameterId& id, const ParameterValue& value,
                                                std::uint32_t delayMs) {
    if (deferred_) {
        writeLater(id, value, delayMs, true);
        return value;
    }
    Answer answer = await([id, value, delayMs](SerialStack& stack, Answer& into) {
        into.values[id] = stack.top().writeAndRead(id, value, delayMs);
    });
    return answer.values[id];
}

void LineThreadProtocol::writeLater(const ParameterId& id, const ParameterValue& value,
                                    std::uint32_t delayMs, bool readBack) {
    if (readBack)
        ++pendingWrites_[id];
    const auto exchange = [id, value, delayMs, readBack](SerialStack& stack, Answer& into) {
        if (readBack)
            into.values[id] = stack.top().writeAndRead(id, value, delayMs);
        else
            stack.top().write(id, value, delayMs);
    };
    const auto done = [this, id, readBack](Answer& answer) {
        // A failure has cleared every pending write already.
        const auto pending = pendingWrites_.find(id);
        if (readBack && pending != pendingWrites_.end() && --pending->second == 0)
            pendingWrites_.erase(pending);
        // What the unit kept comes back as an update, unless a later write is still on its way.
        answer.values = withoutPendingWrites(std::move(answer.values));
    };
    submit(LineThread::Priority::urgent, exchange, done, true);
}

void LineThreadProtocol::readInBackground(const ParameterIdSet& ids, std::function<void()> done) {
    const auto exchange = [ids](SerialStack& stack, Answer& into) {
        stack.top().readMany(ids, into.values);
    };
    const auto received = [this, done](Answer& answer) {
        answer.values = withoutPendingWrites(std::move(answer.values));
        if (done)
            done();
    };
    submit(LineThread::Priority::background, exchange, received, true);
}

void LineThreadProtocol::readSoon(const ParameterIdSet& ids) {
    const auto exchange = [ids](SerialStack& stack, Answer& into) {
        stack.top().readMany(ids, into.values);
    };
    const auto received = [this](Answer& answer) {
        answer.values = withoutPendingWrites(std::move(answer.values));
    };
    submit(LineThread::Priority::urgent, exchange, received, true);
}

ParameterValueMap LineThreadProtocol::withoutPendingWrites(ParameterValueMap values) const {
    for (const auto& [id, count] : pendingWrites_)
        values.erase(id);
    return values;
}

// The job runs on the line's thread and posts its answer back; this object outlives the line, so
// the answer always finds it.
void LineThreadProtocol::submit(LineThread::Priority priority, Exchange exchange, Done done,
                                bool deferred) {
    ++outstanding_;
    const std::uint64_t ticket = ++submitted_;
    line_.submit(
        [this, exchange = std::move(exchange), done = std::move(done), deferred,
         ticket](SerialStack& stack) {
            Answer answer;
            const std::size_t damagedBefore = stack.damagedExchanges();
            try {
                if (deferred && ticket <= dropUpTo_)
                    answer.dropped = true;
                else
                    exchange(stack, answer);
            } catch (...) {
                answer.failure = std::current_exception();
            }
            answer.repeated = stack.damagedExchanges() - damagedBefore;
            answer.portOpen = portIsOpen_();
            QMetaObject::invokeMethod(
                this,
                [this, answer = std::move(answer), done, deferred]() mutable {
                    received(answer, done, deferred);
                },
                Qt::QueuedConnection);
        },
        priority);
}

void LineThreadProtocol::received(Answer& answer, const Done& done, bool deferred) {
    --outstanding_;
    damaged_ += answer.repeated;
    portOpen_ = answer.portOpen;
    // A hook may end this object (a failure that ends off line): it runs on copies, and nothing
    // here is touched after it but through self.
    const QPointer<LineThreadProtocol> self(this);
    const Hooks hooks = hooks_;
    if (hooks.exchanged)
        hooks.exchanged(answer.repeated, answer.failure != nullptr);
    if (!self)
        return;
    done(answer);
    if (deferred && !answer.dropped) {
        if (answer.failure)
            failedLater(answer.failure);
        else if (!answer.values.empty())
            hooks.apply(answer.values);
    }
    if (self && outstanding_ == 0 && idleListener_) {
        const auto idle = idleListener_;
        idle();
    }
}

// Everything queued behind a failed exchange would only fail again, each after its own time-outs.
void LineThreadProtocol::failedLater(const std::exception_ptr& failure) {
    dropUpTo_ = submitted_;
    pendingWrites_.clear();
    const auto failed = hooks_.failed;
    if (failed)
        failed(failure);
}

LineThreadProtocol::Answer LineThreadProtocol::await(Exchange exchange) {
    if (cancelled_)
        throw OperationCancelled();
    struct Waiting {
        std::optional<Answer> answer;
        QEventLoop* loop = nullptr;
    };
    auto waiting = std::make_shared<Waiting>();
    QEventLoop loop;
    waiting->loop = &loop;
    // The answer of a waited exchange is handed over here rather than applied.
    const Done handOver = [waiting](Answer& answer) {
        waiting->answer = std::move(answer);
        if (waiting->loop != nullptr)
            waiting->loop->quit();
    };
    submit(LineThread::Priority::urgent, std::move(exchange), handOver, false);
    QPointer<LineThreadProtocol> self(this);
    waiting_.push_back(&loop);
    loop.exec();
    waiting->loop = nullptr;
    if (!self)
        throw ProtocolException("The line was closed.");
    std::erase(waiting_, &loop);
    if (!waiting->answer)
        throw OperationCancelled();
    if (waiting->answer->failure)
        std::rethrow_exception(waiting->answer->failure);
    return std::move(*waiting->answer);
}

void LineThreadProtocol::cancel() {
    cancelled_ = true;
    for (QEventLoop* loop : waiting_)
        loop->quit();
}

void LineThreadProtocol::runOnLine(std::function<void()> work) {
    await([work = std::move(work)](SerialStack&, Answer&) { work(); });
}

LineThreadProtocol::Mode::Mode(LineThreadProtocol* protocol, bool deferred) : protocol_(protocol) {
    if (protocol_) {
        previous_ = protocol_->deferred_;
        protocol_->deferred_ = deferred;
    }
}

LineThreadProtocol::Mode::~Mode() {
    if (protocol_)
        protocol_->deferred_ = previous_;
}
