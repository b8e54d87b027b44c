#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "app/CQuenlarRemoteDoc.h"
#include "app/observers/ObserverActions.h"
#include "model/ControlObserver.h"
#include "model/ParameterId.h"

// The observers of one window, attached to the document's parameters in the order they are
// added and given the user's actions through the document's guard. They detach when this goes.
class BoundObservers {
public:
    explicit BoundObservers(CQuenlarRemoteDoc& document)
        : document_(document), guard_(document.userActionGuard()) {}

    // Makes the observer, attaches it to id and, if the user can work its control, binds the
    // control's actions to it.
    template <class Kind, class... Arguments>
    Kind& add(const ParameterId& id, Arguments&&... arguments) {
        return adopt(id, std::make_unique<Kind>(std::forward<Arguments>(arguments)...));
    }

    // Makes and attaches the observer without binding any action: the window works it itself.
    template <class Kind, class... Arguments>
    Kind& addUnbound(const ParameterId& id, Arguments&&... arguments) {
        return adoptUnbound(id, std::make_unique<Kind>(std::forward<Arguments>(arguments)...));
    }

    // As add and addUnbound, for an observer made by the caller.
    template <class Kind> Kind& adopt(const ParameterId& id, std::unique_ptr<Kind> observer) {
        Kind& made = adoptUnbound(id, std::move(observer));
        if constexpr (requires { ObserverActions::bind(made, guard_); })
            ObserverActions::bind(made, guard_);
        return made;
    }

    template <class Kind>
    Kind& adoptUnbound(const ParameterId& id, std::unique_ptr<Kind> observer) {
        Kind& made = *observer;
        observers_.push_back(std::move(observer));
        document_.attach(id, made);
        return made;
    }

    CQuenlarRemoteDoc& document() const { return document_; }
    const ActionGuard& guard() const { return guard_; }

private:
    CQuenlarRemoteDoc& document_;
    ActionGuard guard_;
    std::vector<std::unique_ptr<ControlObserver>> observers_;
};
