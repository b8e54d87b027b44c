#pragma once

#include <cstdint>
#include <string>

#include "model/Observer.h"
#include "model/ParameterMap.h"
#include "model/ParameterValue.h"
#include "model/QuenlarException.h"

class Parameter;

// Base of the rule objects: observes one parameter (the subject) and, whenever it reports a
// change, keeps a copy of its value and enabled state, calls valueChanged() when the value is new
// and then always apply().
//
// A concrete rule looks up the parameters it reads or drives in its constructor (find, findAs)
// and attaches itself to its subject last: attaching updates it at once, so the rule starts out
// applied to the current state. The base constructor cannot do that, because the derived hooks
// are not in place while it runs.
class ParameterDependencies : public Observer {
public:
    // Detaches from the subject on destruction, as every Observer does.
    explicit ParameterDependencies(ParameterMap& map) : map_(map) {}

    void update(Parameter& parameter) override;

protected:
    // The rule itself; run after every change of the subject.
    virtual void apply() {}
    // Run before apply() when the subject's value differs from the copy kept.
    virtual void valueChanged() {}

    // The parameter with this id. A missing id fails with the map's message, which names label
    // (the rule's class, or "unknown") and line, so a broken catalogue points at the rule.
    Parameter& find(const ParameterId& id, const std::string& label, int line) const {
        return map_.find(id, label, line);
    }
    // As find, for rules that drive a particular kind of parameter (a ControlParameter to write,
    // a CompoundParameter to re-target, a SharedParameter to lock). A parameter of another kind
    // fails the same way a missing one does.
    template <class Kind>
    Kind& findAs(const ParameterId& id, const std::string& label, int line) const {
        if (auto* found = dynamic_cast<Kind*>(&find(id, label, line)))
            return *found;
        throw QuenlarException("Parameter " + id.toString() + " is of the wrong kind (" + label +
                               ":" + std::to_string(line) + ")\n");
    }
    // For rules that drive whatever part of a family exists.
    Parameter* findOrNull(const ParameterId& id) const { return map_.findOrNull(id); }

    ParameterMap& map() const { return map_; }
    // The subject's value at the last notification.
    const ParameterValue& lastValue() const { return lastValue_; }
    // The same, read as a signed 16-bit number.
    std::int16_t value() const { return lastValue_.toInt16(); }
    bool subjectEnabled() const { return subjectEnabled_; }

private:
    ParameterMap& map_;
    ParameterValue lastValue_;
    bool subjectEnabled_ = false;
};
