#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "link/DummyVx41Protocol.h"
#include "link/InterpolateIdleCommand.h"
#include "link/LinearInterpolator.h"
#include "link/Protocol.h"
#include "model/ControlParameter.h"
#include "model/ParameterSet.h"
#include "model/SystemClock.h"

class CompoundParameter;
struct MetadataItem;

// The parameter set of the VX41: every parameter the program knows of the unit, with its id,
// limits, refresh category, display formatter and persistence, the compounds that present a
// written and a read-back parameter as one, the rules that tie parameters together, and the
// polling that keeps them current.
//
// Parameters of number 23 are the program's own (selected programme, dialnorm measurement,
// labels being edited): they live on the set's local protocol and never reach the unit.
class Vx41Params : public ParameterSet {
public:
    // Installs the meter smoothing on protocol, then builds the catalogue. clock times the
    // compounds' refresh hold-off.
    explicit Vx41Params(GenericProtocol& protocol, const Clock& clock = SystemClock::instance());
    ~Vx41Params() override;

    // Reads a configuration file and restores it in the unit's order (restoreConfiguration).
    void load(std::istream& stream, bool includeSetup) override;
    // Restores values read from a configuration file: first what the unit needs in place before
    // anything else (programme configuration and routing, then each metadata value only where
    // its source is internal, then the GPI and GPO lines function first), then the rest. The
    // unit is told a restore is running ((207, 9) = 1) for the whole time.
    // pass receives the number of each pass of writes as it begins: 1 for what the unit needs
    // first, then one for each pass over the rest. A restore that fails, but not for the line,
    // tells the unit it is over all the same.
    void restoreConfiguration(ParameterValueMap values, bool includeSetup,
                              const std::function<void(int)>& pass = {});
    // The persistent parameters in the unit's fixed sections, read fresh from the unit
    // (Vx41ParamsReports.cpp).
    void writeHtmlReport(std::ostream& stream, const std::string& title) override;
    void writeTextReport(std::ostream& stream, const std::string& title) override;

    // Fails with "Parameter not found" for an id the catalogue does not hold.
    virtual void attachObserver(const ParameterId& id, Observer& observer);
    // One step of the polling clock: reads one refresh category, chosen by a 16-step schedule in
    // which the meters come four times, then steps the meters once. Does nothing while another
    // refresh is running.
    virtual void pollNext();
    // The category the next step of polling reads; the schedule moves on by one step.
    char nextPollCategory();
    // One step of every smoothed meter.
    virtual void runIdle();
    // Reads every parameter in five requests, then shapes the monitor and GPIO ranges by the
    // analogue outputs it found. Does nothing while another refresh is running.
    virtual void refreshEverything();

    // Works against a freshly reset simulated unit from now on; the set owns that unit and its
    // protocol until the next switch.
    void switchToOffLine();
    // Works through protocol, which stays its owner's (the document's stack), from now on.
    void switchProtocol(GenericProtocol& protocol);

    // The meters that are smoothed between readings, in the order they were given interpolators.
    const std::vector<ParameterId>& interpolatedMeters() const { return interpolatedMeters_; }

private:
    // The builder steps, in the order the constructor runs them. A step may look up only what
    // earlier steps created.
    void buildUnitSettings();
    void buildFamily248();
    void buildEmulatorSetup();
    void buildMonitorSetup();
    void buildProgrammes();
    void buildProgramme(int programme);
    void buildMetadataItem(int programme, const MetadataItem& item);
    void buildGpio();
    void buildGpiLine(int line);
    void buildGpoLine(int line);
    void buildAnalogIO();
    void buildRouter();
    void buildFamily208();
    void buildPresetControl();
    void buildFamily251();
    void buildMeters();
    void buildUserPresets();
    void buildRouterPresets();
    void buildMetadataSourceStates();
    void buildMetadataCompounds();
    void buildProgramConfigCompounds();
    void buildDialnormMeasurement();
    void buildRoutingCompounds();
    // The dialnorm accept observer and the rules between parameters (Vx41ParamsRules.cpp).
    void buildRules();
    void buildMeterInterpolators();
    void addInterpolator(const ParameterId& meter, float minSlope, float maxSlope);

    // One simple parameter on the unit's protocol (addControl, addParameter) or on the local one
    // (addLocal), registered under its id.
    ControlParameter& addControl(const ParameterId& id, const ParameterValue& initial,
                                 const ParameterValue& minimum, const ParameterValue& maximum,
                                 char category,
                                 std::unique_ptr<ParameterFormatter> formatter = nullptr);
    Parameter& addParameter(const ParameterId& id, const ParameterValue& initial,
                            const ParameterValue& minimum, const ParameterValue& maximum,
                            char category, std::unique_ptr<ParameterFormatter> formatter = nullptr);
    ControlParameter& addLocal(const ParameterId& id, const ParameterValue& initial,
                               const ParameterValue& minimum, const ParameterValue& maximum,
                               char category,
                               std::unique_ptr<ParameterFormatter> formatter = nullptr);
    template <class Kind>
    Kind& create(GenericProtocol& protocol, const ParameterId& id, const ParameterValue& initial,
                 const ParameterValue& minimum, const ParameterValue& maximum, char category,
                 std::unique_ptr<ParameterFormatter> formatter) {
        auto parameter = std::make_unique<Kind>(protocol, id, initial, minimum, maximum, category,
                                                std::move(formatter));
        Kind& created = *parameter;
        add(std::move(parameter));
        return created;
    }
    // A compound registered under id, built on parameters created before.
    CompoundParameter& addCompound(const ParameterId& id, const ParameterId& statusId,
                                   const ParameterId& controlId, char category);
    ControlParameter& findControl(const ParameterId& id) const;

    // Restoring one id, or a (source, value) pair, from the file's values; see
    // restoreConfiguration.
    void restoreInOrder(ParameterValueMap& values, bool includeSetup);
    void restoreId(ParameterValueMap& values, const ParameterId& id, bool includeSetup);
    void restorePair(ParameterValueMap& values, const ParameterId& source, const ParameterId& value,
                     bool includeSetup);

    // One category, then one step of the meters, unless a refresh is already running.
    void guardedRefresh(char category);
    // Runs work with the refreshing flag set; the flag is cleared whatever happens.
    void whileRefreshing(const std::function<void()>& work);

    const Clock& clock_;
    bool refreshing_ = false;
    // Wraps at 2^32, a multiple of the schedule's length.
    std::uint32_t pollCounter_ = 0;
    InterpolateIdleCommand interpolation_;
    std::vector<ParameterId> interpolatedMeters_;
    std::vector<std::unique_ptr<LinearInterpolator>> interpolators_;
    // The simulated unit the set switched to itself, if it is working off line, and its link.
    std::unique_ptr<DummyVx41Protocol> offLineUnit_;
    std::unique_ptr<Protocol> offLineProtocol_;
};
