#include "catalogue/AnalogIODependencies.h"

#include <exception>

#include "link/ProtocolException.h"
#include "model/Parameter.h"

namespace {
constexpr int gpioLines = 14;
// The highest GPI/GPO function with and without the analogue outputs.
constexpr int gpiFunctionsFitted = 68;
constexpr int gpiFunctionsBare = 64;
constexpr int gpoFunctionsFitted = 69;
constexpr int gpoFunctionsBare = 67;
// Speaker selection: multi-channel, stereo, mono.
constexpr int multiChannel = 0;
constexpr int stereo = 1;
constexpr int mono = 2;
} // namespace

AnalogIODependencies::AnalogIODependencies(ParameterMap& map) : ParameterDependencies(map) {
    monitorControls_ = {&lookUp(197, 17, __LINE__), &lookUp(23, 2, __LINE__),
                        &lookUp(197, 16, __LINE__), &lookUp(216, 2, __LINE__)};
    speakerSelection_ = &lookUp(197, 15, __LINE__);
    monitorControls_.push_back(speakerSelection_);
    monitorControls_.push_back(&lookUp(197, 3, __LINE__));
    monitorControls_.push_back(&lookUp(23, 1, __LINE__));
    monoTrim_ = &lookUp(197, 14, __LINE__);
    stereoTrims_ = {&lookUp(197, 12, __LINE__), &lookUp(197, 13, __LINE__)};
    for (int t = 4; t <= 11; ++t)
        channelTrims_.push_back(&lookUp(197, t, __LINE__));
    for (int i = 0; i < gpioLines; ++i)
        gpiFunctions_.push_back(&lookUp(201, 30 + i, __LINE__));
    for (int i = 0; i < gpioLines; ++i)
        gpoFunctions_.push_back(&lookUp(203, 32 + i, __LINE__));
    attach(lookUp(216, 3, __LINE__));
}

Parameter& AnalogIODependencies::lookUp(int number, int index, int line) const {
    return find(ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index)),
                "AnalogIODependencies", line);
}

void AnalogIODependencies::apply() {
    const Parameter* cause = subject();
    const bool fitted = value() == 1;
    const int speakers = speakerSelection_->getValue().toInt16();
    for (Parameter* control : monitorControls_)
        control->setVisible(fitted, cause);
    monoTrim_->setVisible(fitted && speakers == mono, cause);
    for (Parameter* trim : stereoTrims_)
        trim->setVisible(fitted && speakers == stereo, cause);
    for (Parameter* trim : channelTrims_)
        trim->setVisible(fitted && speakers == multiChannel, cause);
    // A line whose function lies beyond the new end keeps its range and is reported afterwards;
    // the other lines are still narrowed.
    std::exception_ptr conflict;
    const auto limit = [&](Parameter* function, int maximum) {
        try {
            function->setMaximum(maximum, cause);
        } catch (const ProtocolException&) {
            throw;
        } catch (const QuenlarException&) {
            if (!conflict)
                conflict = std::current_exception();
        }
    };
    for (Parameter* function : gpiFunctions_)
        limit(function, fitted ? gpiFunctionsFitted : gpiFunctionsBare);
    for (Parameter* function : gpoFunctions_)
        limit(function, fitted ? gpoFunctionsFitted : gpoFunctionsBare);
    if (conflict)
        std::rethrow_exception(conflict);
}
