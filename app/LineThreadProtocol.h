#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "link/GenericProtocol.h"
#include "link/LineThread.h"

class QEventLoop;
class SerialStack;

// The unit as the parameters on the GUI thread see it while the serial line runs on a thread of
// its own (not owned; it must go before this).
//
// By default an exchange waits for the line with the event loop turning, so windows repaint and a
// cancel is seen at once. In deferred mode (the operator's actions, and what answers from the unit
// set off) nothing waits: a write shows its value at once and goes to the line ahead of polling, a
// read leaves the value held as it is, and the unit's answers are applied as they arrive. An
// answer for a parameter with a write still on its way is dropped, since the unit read it before
// the write: it would undo what the operator set.
class LineThreadProtocol : public QObject, public GenericProtocol {
    Q_OBJECT

public:
    // Where answers go; all are called on the GUI thread.
    struct Hooks {
        // The value held for id, which a deferred read leaves in place.
        std::function<ParameterValue(const ParameterId&)> held;
        // Values the unit answered, to apply to the parameters.
        std::function<void(const ParameterValueMap&)> apply;
        // A deferred exchange failed; what was queued behind it is dropped.
        std::function<void(const std::exception_ptr&)> failed;
        // After every exchange: how many attempts the line repeated, whether it failed at last.
        std::function<void(std::size_t repeated, bool failed)> exchanged;
    };

    // portIsOpen is asked on the line's thread after every exchange.
    LineThreadProtocol(LineThread& line, Hooks hooks, std::function<bool()> portIsOpen);
    ~LineThreadProtocol() override;

    DeviceStatus status() override;
    // Meters are stepped on the GUI thread; nothing runs in the line's waits.
    void setIdleCommand(IdleCommand*) override {}
    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override;
    ParameterValue read(const ParameterId& id) override;
    void readMany(const ParameterIdSet& ids, ParameterValueMap& values) override;
    ParameterValue writeAndRead(const ParameterId& id, const ParameterValue& value,
                                std::uint32_t delayMs) override;

    // Reads ids in the background, behind every urgent exchange, and applies the answer; done
    // follows, whatever the outcome (a failure goes to the failed hook).
    void readInBackground(const ParameterIdSet& ids, std::function<void()> done);
    // As readInBackground, ahead of polling.
    void readSoon(const ParameterIdSet& ids);

    // While one lives, exchanges wait or not (see the class comment) as it says; then as before.
    // protocol may be null (off line) or go while the mode lives.
    class Mode {
    public:
        Mode(LineThreadProtocol* protocol, bool deferred);
        ~Mode();
        Mode(const Mode&) = delete;
        Mode& operator=(const Mode&) = delete;

    private:
        QPointer<LineThreadProtocol> protocol_;
        bool previous_ = false;
    };

    // Runs work on the line's thread, between two exchanges, and waits for it.
    void runOnLine(std::function<void()> work);

    // The waiting exchange, and every one after it until allowed again, ends in
    // OperationCancelled. The line finishes the exchange under way; its answer is dropped.
    void cancel();
    void allowAgain() { cancelled_ = false; }
    // Exchanges sent and not answered yet.
    std::size_t outstanding() const { return outstanding_; }
    // Attempts the line failed so far, including those a later attempt made good.
    std::size_t damagedExchanges() const { return damaged_; }
    // Whether the port was open after the last exchange (a lost device closes it).
    bool portOpen() const { return portOpen_; }
    // Called on the GUI thread after every answer that leaves the line with nothing to do.
    void setIdleListener(std::function<void()> listener) { idleListener_ = std::move(listener); }

private:
    struct Answer {
        ParameterValueMap values;
        std::optional<DeviceStatus> status;
        std::exception_ptr failure;
        std::size_t repeated = 0;
        bool portOpen = true;
        // Sent before a deferred exchange failed, and so never tried.
        bool dropped = false;
    };
    using Exchange = std::function<void(SerialStack&, Answer&)>;
    using Done = std::function<void(Answer&)>;

    // A deferred exchange's answer is applied, or its failure reported, once done has seen it;
    // a waited one's goes only to done.
    void submit(LineThread::Priority priority, Exchange exchange, Done done, bool deferred);
    void received(Answer& answer, const Done& done, bool deferred);
    // Runs exchange on the line and waits for its answer; rethrows its failure.
    Answer await(Exchange exchange);
    // readBack: writeAndRead of id, whose answer is applied; otherwise a plain write.
    void writeLater(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs,
                    bool readBack);
    // The answer, less what a write still on its way will set.
    ParameterValueMap withoutPendingWrites(ParameterValueMap values) const;
    void failedLater(const std::exception_ptr& failure);

    LineThread& line_;
    Hooks hooks_;
    std::function<bool()> portIsOpen_;
    std::function<void()> idleListener_;
    bool deferred_ = false;
    std::size_t damaged_ = 0;
    bool cancelled_ = false;
    bool portOpen_ = true;
    std::size_t outstanding_ = 0;
    // Exchanges are numbered as sent; deferred ones up to dropUpTo_ are not tried (read on the
    // line's thread).
    std::uint64_t submitted_ = 0;
    std::atomic<std::uint64_t> dropUpTo_{0};
    // Writes on their way, by the id whose value they set.
    std::map<ParameterId, int> pendingWrites_;
    // The event loops of the exchanges waiting now, innermost last.
    std::vector<QEventLoop*> waiting_;
};
