#include "model/Observer.h"

#include "model/Parameter.h"

Observer::~Observer() {
    Observer::detach();
}

void Observer::update(Parameter&) {}

void Observer::forgetSubject(Parameter& parameter) {
    if (subject_ == &parameter)
        subject_ = nullptr;
}

void Observer::attach(Parameter& parameter) {
    // Leaving a previous subject keeps it from calling an observer that may be destroyed later.
    if (subject_ != nullptr && subject_ != &parameter)
        detach();
    subject_ = &parameter;
    parameter.addObserver(*this);
}

void Observer::detach() {
    if (subject_ == nullptr)
        return;
    subject_->removeObserver(*this);
    subject_ = nullptr;
}
