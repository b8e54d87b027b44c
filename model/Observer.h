#pragma once

class Parameter;

// Learns of every change of one parameter and re-reads what it presents.
class Observer {
public:
    Observer() = default;
    Observer(const Observer&) = delete;
    Observer& operator=(const Observer&) = delete;
    virtual ~Observer();

    virtual void update(Parameter& parameter);
    // The parameter is being destroyed: drop it without touching it.
    virtual void forgetSubject(Parameter& parameter);
    // Observes parameter and is updated at once, so it starts from the current state.
    virtual void attach(Parameter& parameter);
    virtual void detach();

    Parameter* subject() const { return subject_; }

private:
    Parameter* subject_ = nullptr;
};
