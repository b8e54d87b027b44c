#pragma once

#include <memory>
#include <string>
#include <utility>

#include "link/DummyVx41Protocol.h"
#include "model/ControlParameter.h"
#include "model/Observer.h"
#include "model/ParameterFormatter.h"
#include "model/ParameterSet.h"

// Words a value as its bytes (text-valued parameters) or as a signed number.
class PlainFormatter : public ParameterFormatter {
public:
    PlainFormatter(std::string name, bool text)
        : ParameterFormatter(std::move(name)), text_(text) {}
    void format(std::string& text, const ParameterValue& value) const override {
        text = text_ ? value.bytes() : std::to_string(value.toInt16());
    }

private:
    bool text_;
};

// A PlainFormatter under name, for the sets of these tests.
inline std::unique_ptr<ParameterFormatter> plainFormatter(std::string name, bool text = false) {
    return std::make_unique<PlainFormatter>(std::move(name), text);
}

// Enables its target only while the observed parameter is not 0, like the unit's rules that
// accept a value only once another parameter holds its own.
class EnableWhenSetRule : public Observer {
public:
    explicit EnableWhenSetRule(Parameter& target) : target_(target) {}
    void update(Parameter& parameter) override {
        target_.setEnabled(parameter.getValue().toInt16() != 0);
    }

private:
    Parameter& target_;
};

// A handful of VX41 parameters: operating ones (one without formatter, one accepted only after
// another, a text), a setup one and a status one that is never saved.
class ConfigurationTestSet : public ParameterSet {
public:
    static constexpr ParameterId plain{117, 21};
    static constexpr ParameterId dependent{117, 36};
    static constexpr ParameterId enabler{117, 37};
    static constexpr ParameterId trim{197, 0};
    static constexpr ParameterId label{210, 0};
    static constexpr ParameterId status{113, 4};

    explicit ConfigurationTestSet(GenericProtocol& protocol) : ParameterSet(protocol) {
        addControl(plain, -10, 10, nullptr).setPersistent(true);
        addControl(dependent, 0, 5, plainFormatter("Emulator Mode")).setPersistent(true);
        addControl(enabler, 0, 1, plainFormatter("Emulator")).setPersistent(true);
        addControl(trim, 0, 72, plainFormatter("Master Trim")).setSetup(true);
        addControl(label, ParameterValue::smallest(), ParameterValue::largest(),
                   plainFormatter("Preset 1", true))
            .setPersistent(true);
        add(std::make_unique<Parameter>(protocol, status, ParameterValue(0),
                                        ParameterValue::smallest(), ParameterValue::largest(), 'A',
                                        plainFormatter("Status")));
        auto rule = std::make_unique<EnableWhenSetRule>(find(dependent));
        rule->attach(find(enabler));
        addRule(std::move(rule));
    }

    ControlParameter& control(const ParameterId& id) {
        return dynamic_cast<ControlParameter&>(find(id));
    }

private:
    ControlParameter& addControl(const ParameterId& id, const ParameterValue& minimum,
                                 const ParameterValue& maximum,
                                 std::unique_ptr<ParameterFormatter> formatter) {
        auto parameter = std::make_unique<ControlParameter>(
            protocol(), id, ParameterValue(0), minimum, maximum, 'A', std::move(formatter));
        return dynamic_cast<ControlParameter&>(add(std::move(parameter)));
    }
};
