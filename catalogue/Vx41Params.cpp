#include "catalogue/Vx41Params.h"

#include <array>
#include <exception>
#include <istream>
#include <string>

#include "catalogue/AnalogIODependencies.h"
#include "catalogue/BassManagementFormatter.h"
#include "catalogue/BkSrndSpeakerSelectFormatter.h"
#include "catalogue/BoolFormatter.h"
#include "catalogue/CompressionModeFormatter.h"
#include "catalogue/CutBoostFormatter.h"
#include "catalogue/DecibelFormatter.h"
#include "catalogue/DelayFormatter.h"
#include "catalogue/DialnormMeterFormatter.h"
#include "catalogue/DimLevelFormatter.h"
#include "catalogue/DownmixFormatter.h"
#include "catalogue/FrameRateFormatter.h"
#include "catalogue/GPIFunctionFormatter.h"
#include "catalogue/GPOFunctionFormatter.h"
#include "catalogue/LFEMonitorModeFormatter.h"
#include "catalogue/MasterLevelFormatter.h"
#include "catalogue/MasterVolumeFormatter.h"
#include "catalogue/MatrixaFormatter.h"
#include "catalogue/MatrixaRFLFormater.h"
#include "catalogue/MetadataItem.h"
#include "catalogue/ProgramConfigFormatter.h"
#include "catalogue/ProgramSelectFormatter.h"
#include "catalogue/SWXoverFreqFormatter.h"
#include "catalogue/SecondsFormatter.h"
#include "catalogue/SourceFormatter.h"
#include "catalogue/SpeakerSelectFormatter.h"
#include "catalogue/StringFormatter.h"
#include "catalogue/TrimFormatter.h"
#include "link/Protocol.h"
#include "link/ProtocolException.h"
#include "model/CompoundParameter.h"
#include "model/ConfigurationReader.h"
#include "model/QuenlarException.h"
#include "model/SharedParameter.h"

namespace {
constexpr int programmes = 8;
constexpr int gpioLines = 14;
constexpr int userPresets = 32;

// Categories read by the poll steps, one cycle of the polling clock: the meters four times, the
// metadata compounds three times.
constexpr std::array<char, 16> pollSchedule{'C', 'M', 'B', 'a', 'm', 'A', 'C', 'm',
                                            'D', 'M', 'C', 'A', 'B', 'C', 'm', 's'};

ParameterId id(int number, int index) {
    return ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index));
}

std::unique_ptr<ParameterFormatter> enabledSwitch(const char* name) {
    return std::make_unique<BoolFormatter>(name, "Disabled", "Enabled");
}

std::unique_ptr<ParameterFormatter> edgeTrigger(const std::string& name) {
    return std::make_unique<BoolFormatter>(name, "Level", "Edge");
}

std::unique_ptr<ParameterFormatter> polarity(const std::string& name) {
    return std::make_unique<BoolFormatter>(name, "Negative/Low", "Positive/High");
}

std::string numbered(const char* prefix, int n, const char* suffix) {
    return prefix + std::to_string(n) + suffix;
}
} // namespace

Vx41Params::Vx41Params(GenericProtocol& protocol, const Clock& clock)
    : ParameterSet(protocol), clock_(clock) {
    protocol.setIdleCommand(&interpolation_);
    buildUnitSettings();
    buildFamily248();
    buildEmulatorSetup();
    buildMonitorSetup();
    buildProgrammes();
    buildGpio();
    buildAnalogIO();
    buildRouter();
    buildFamily208();
    buildPresetControl();
    buildFamily251();
    buildMeters();
    buildUserPresets();
    buildRouterPresets();
    buildMetadataSourceStates();
    buildMetadataCompounds();
    buildProgramConfigCompounds();
    buildDialnormMeasurement();
    buildRoutingCompounds();
    buildRules();
    buildMeterInterpolators();
}

Vx41Params::~Vx41Params() = default;

// Frame rate and unit settings.
void Vx41Params::buildUnitSettings() {
    addControl(id(207, 0), 0, 0, 1, 'a');
    addControl(id(207, 7), 4, 0, 8, 'A', std::make_unique<FrameRateFormatter>("FrameRate"));
    addControl(id(207, 9), 1, 0, 1, 'a');
    addParameter(id(207, 6), 0, 0, 8, 'a');
    addParameter(id(113, 0), 0, 0, 1, 'a');
    addParameter(id(113, 1), 0, 0, 7, 'a');
    addParameter(id(113, 3), 0, 0, 1, 'A');
    addParameter(id(113, 4), 800, 0, 1000, 'a');
    addParameter(id(113, 5), 1, 0, 5, 'A');
    addParameter(id(113, 6), 1, 0, 5, 'A');
}

// Reserved number: its value comes only from single reads, never from a refresh. It starts above
// its own maximum, which a read-only parameter allows.
void Vx41Params::buildFamily248() {
    addParameter(id(248, 1), 100, 0, 16, 'a');
}

void Vx41Params::buildEmulatorSetup() {
    addControl(id(117, 0), 0, 0, 7, 'B',
               std::make_unique<ProgramSelectFormatter>("Program Selection"))
        .setPersistent(true);
    addControl(id(117, 47), 0, 0, 1, 'B');
    addLocal(id(23, 0), 0, 0, 1, 'z');
    addLocal(id(23, 33), 0, 0, 2, 'z');
    addControl(id(117, 21), 0, 0, 1, 'B', enabledSwitch("Lt/Rt Input")).setPersistent(true);
    addControl(id(117, 22), 0, 0, 1, 'B', enabledSwitch("Emulator Bypass")).setPersistent(true);
    addControl(id(117, 24), 0, 0, 2, 'B');
    addControl(id(117, 25), 0, 0, 7, 'B');
    addControl(id(117, 51), 0, 0, 1, 'B');
    addControl(id(117, 26), 3, 0, 8, 'B',
               std::make_unique<DelayFormatter>("Center Delay", "ms", -3))
        .setSetup(true);
    addControl(id(117, 27), 0, 0, 50, 'B',
               std::make_unique<DelayFormatter>("Back Surround Delay", "ms", 0))
        .setSetup(true);
    addControl(id(117, 53), 0, 0, 50, 'B',
               std::make_unique<DelayFormatter>("Left Surround Delay", "ms", 0))
        .setSetup(true);
    addControl(id(117, 54), 0, 0, 50, 'B',
               std::make_unique<DelayFormatter>("Right Surround Delay", "ms", 0))
        .setSetup(true);
    addControl(id(117, 28), 5, 0, 90, 'B',
               std::make_unique<DelayFormatter>("Matrixa Delay", "ms", 10))
        .setSetup(true);
    addControl(id(117, 29), 0, 0, 11, 'B',
               std::make_unique<BassManagementFormatter>("Bass Management"))
        .setSetup(true);
    addControl(id(117, 30), 0, 0, 2, 'B',
               std::make_unique<SWXoverFreqFormatter>("Subwoofer Crossover Frequencey"))
        .setSetup(true);
    addControl(id(117, 31), 0, 0, 2, 'B',
               std::make_unique<LFEMonitorModeFormatter>("LFE Monitor Mode"))
        .setSetup(true);
    addControl(id(117, 32), 1, 0, 1, 'B', enabledSwitch("Sticky Settings")).setSetup(true);
    addControl(id(117, 65), 1, 0, 1, 'B', enabledSwitch("Unity Gain Mode")).setSetup(true);
    addControl(id(117, 33), 0, 0, 1, 'B',
               std::make_unique<BoolFormatter>("Emulator Latency", "Minimum", "One Frame"))
        .setPersistent(true);
    addControl(id(117, 52), 12, 0, 16, 'B',
               std::make_unique<DecibelFormatter>("Digital Reference Level", 8))
        .setSetup(true);
    addControl(id(117, 35), 1, 0, 1, 'B', enabledSwitch("Extended BSI")).setSetup(true);
    addControl(id(117, 38), 1, 0, 3, 'B',
               std::make_unique<CompressionModeFormatter>("Compression Mode"))
        .setPersistent(true);
    addControl(id(117, 36), 0, 0, 4, 'B', std::make_unique<DownmixFormatter>("Downmix mode"))
        .setPersistent(true);
    create<SharedParameter>(protocol(), id(117, 37), 0, 0, 2, 'B',
                            std::make_unique<MatrixaRFLFormater>("Matrixa RFL"))
        .setPersistent(true);
    addLocal(id(23, 66), 0, 0, 3, 'z', std::make_unique<MatrixaFormatter>("Matrixa"));
    addControl(id(117, 39), 0, 0, 2, 'B',
               std::make_unique<BkSrndSpeakerSelectFormatter>("Back Surround Speaker Selection"))
        .setSetup(true);
    for (int index = 40; index <= 46; ++index)
        addControl(id(117, index), 0, 0, 1, 'B');
    addControl(id(117, 50), 7, 0, 7, 'B');
    addControl(id(117, 49), 0, 0, 10, 'B',
               std::make_unique<CutBoostFormatter>("Custom Cut", 10, 0, ""))
        .setPersistent(true);
    addControl(id(117, 48), 0, 0, 10, 'B',
               std::make_unique<CutBoostFormatter>("Custom Boost", 10, 0, ""))
        .setPersistent(true);
    addControl(id(117, 59), 0, 0, 3, 'B').setSetup(true);
    addControl(id(117, 60), 0, 0, 1, 'B').setSetup(true);
    addControl(id(117, 62), 3, 0, 7, 'B').setSetup(true);
    addControl(id(117, 61), 3, 0, 6, 'B').setSetup(true);
    for (int index : {56, 66, 55})
        addControl(id(117, index), 0, 0, 1, 'B').setSetup(true);
    addControl(id(117, 57), 3, 0, 4, 'B').setSetup(true);
    addControl(id(117, 58), 1, 0, 1, 'B').setSetup(true);
    addControl(id(117, 63), 0, 0, 1, 'B').setSetup(true);
    addControl(id(117, 64), 0, 0, 20, 'B', std::make_unique<DecibelFormatter>("Lt/Rt Gain", 0))
        .setSetup(true);
}

void Vx41Params::buildMonitorSetup() {
    static constexpr std::array<const char*, 3> masterTrims{
        "Multi-channel Master Trim", "Stereo Master Trim", "Mono Master Trim"};
    static constexpr std::array<const char*, 11> channelTrims{"Left Trim",
                                                              "Right Trim",
                                                              "Center Trim",
                                                              "SubWoofer Trim",
                                                              "Left Surround Trim",
                                                              "Right Surround Trim",
                                                              "Back Left Surround Trim",
                                                              "Back Right Surround Trim",
                                                              "Stereo Left Trim",
                                                              "Stereo Right Trim",
                                                              "Mono Trim"};
    for (int index = 0; index < 3; ++index)
        addControl(id(197, index), 60, 0, 72, 'A',
                   std::make_unique<MasterLevelFormatter>(masterTrims[index], 60))
            .setSetup(true);
    addControl(id(197, 3), 11, 0, 37, 'A', std::make_unique<DimLevelFormatter>("Dim Level"))
        .setSetup(true);
    for (int trim = 0; trim < 11; ++trim)
        addControl(id(197, 4 + trim), 160, 0, 208, 'A',
                   std::make_unique<TrimFormatter>(channelTrims[trim], 8, 160, " dB"))
            .setSetup(true);
    addControl(id(197, 15), 0, 0, 2, 'A',
               std::make_unique<SpeakerSelectFormatter>("Speaker Selection"))
        .setPersistent(true);
    addLocal(id(23, 2), 1, 0, 1, 'z');
    addControl(id(197, 16), 0, 0, 1, 'A');
    addControl(id(197, 17), 192, 2, 212, 'A',
               std::make_unique<MasterVolumeFormatter>("Master Volume", 192));
}

void Vx41Params::buildGpio() {
    auto& solo = addControl(id(201, 29), 1, 0, 1, 'A', edgeTrigger("GPI Solo"));
    solo.setSetup(true);
    solo.setPersistent(false);
    for (int line = 0; line < gpioLines; ++line)
        buildGpiLine(line);
    for (int line = 0; line < gpioLines; ++line)
        buildGpoLine(line);
}

// The GPI lines are printed 23 to 36.
void Vx41Params::buildGpiLine(int line) {
    const int printed = line + 23;
    addControl(id(201, line), 1, 0, 1, 'A', edgeTrigger(numbered("GPI ", printed, " Trigger")))
        .setSetup(true);
    addControl(id(201, line + 15), 0, 0, 1, 'A', polarity(numbered("GPI ", printed, " Polarity")))
        .setSetup(true);
    addControl(id(201, line + 30), 3, 0, 68, 'A',
               std::make_unique<GPIFunctionFormatter>(numbered("GPI ", printed, " Function")))
        .setSetup(true);
    addControl(id(214, line), 1, 0, 1, 'A');
}

// The GPO lines are printed 4, then 7 to 19.
void Vx41Params::buildGpoLine(int line) {
    const int printed = line == 0 ? 4 : line + 6;
    addControl(id(203, line + 1), 0, 0, 1, 'A', edgeTrigger(numbered("GPO ", printed, " Trigger")))
        .setSetup(true);
    addControl(id(203, line + 17), 1, 0, 1, 'A', polarity(numbered("GPO ", printed, " Polarity")))
        .setSetup(true);
    addControl(id(203, line + 32), 6, 0, 69, 'A',
               std::make_unique<GPOFunctionFormatter>(numbered("GPO ", printed, " Function")))
        .setSetup(true);
}

void Vx41Params::buildAnalogIO() {
    for (int index = 0; index <= 4; ++index)
        addControl(id(216, index), 0, 0, 1, 'a');
    addControl(id(216, 5), 192, 2, 212, 'a');
    addControl(id(216, 6), 0, 0, 1, 'a');
    addParameter(id(216, 7), 0, 0, 1, 'a');
    addParameter(id(216, 9), 0, 0, 2, 'a');
    addParameter(id(216, 10), 0, 0, 2, 'a');
    addControl(id(216, 21), 1, 0, 1, 'a');
}

// Router outputs 1 to 8 start on inputs 1 to 8; the local texts are the channel labels and the
// layout ruler of the programme configuration.
void Vx41Params::buildRouter() {
    for (int output = 0; output < 8; ++output)
        addControl(id(195, output + 2), output, 0, 7, 'a').setPersistent(true);
    addControl(id(195, 11), 0, 0, 1, 'a').setPersistent(true);
    addControl(id(195, 0), 0, 0, 3, 'a');
    addControl(id(195, 1), 0, 0, 3, 'a').setWriteDelay(4000);
    for (int index = 3; index <= 11; ++index)
        addLocal(id(23, index), 0, ParameterValue::smallest(), ParameterValue::largest(), 'z');
}

void Vx41Params::buildFamily208() {
    for (int index : {0, 7, 14, 21, 28, 36})
        addParameter(id(208, index), 0, 0, 1, 'A');
}

// Recalling and saving presets keeps the unit busy; the value 0 starts nothing and needs no wait.
void Vx41Params::buildPresetControl() {
    addControl(id(199, 1), 0, 0, 1, 'a');
    addControl(id(199, 16), 8, 0, 16, 'a');
    auto& recall = addControl(id(115, 0), 0, 0, 31, 'z');
    recall.setWriteDelay(1000);
    recall.setNoDelayValue(0);
    auto& store = addControl(id(115, 3), 0, 0, 1, 'z');
    store.setWriteDelay(8000);
    store.setNoDelayValue(0);
    addControl(id(115, 5), 0, ParameterValue::smallest(), ParameterValue::largest(), 'z');
    addControl(id(115, 4), 0, 0, 31, 'z');
    addControl(id(115, 11), 0, 0, 2, 'z');
    addControl(id(115, 10), 0, 0, 3, 'z');
    addControl(id(115, 8), 0, 0, 3, 'z');
    auto& routerRecall = addControl(id(115, 7), 0, 0, 1, 'z');
    routerRecall.setWriteDelay(4000);
    routerRecall.setNoDelayValue(0);
    addControl(id(115, 9), 0, ParameterValue::smallest(), ParameterValue::largest(), 'z');
}

// Reserved number with an empty range: the program never writes it and refreshes never read it.
void Vx41Params::buildFamily251() {
    addControl(id(251, 0), 0, 0, -1, 'a');
}

// Level meters tell their observers of every reading, so that the displays keep moving.
void Vx41Params::buildMeters() {
    for (int index : {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16, 17, 8, 9})
        addParameter(id(204, index), 0, 0, 1023, 'C').setAlwaysNotify(true);
    addParameter(id(204, 18), 0, 0, 1023, 'C',
                 std::make_unique<DialnormMeterFormatter>("Dial Norm"));
    for (int index = 19; index <= 21; ++index)
        addParameter(id(204, index), 0, 0, 1023, 'C');
    addParameter(id(204, 22), 0, 0, -1, 'C',
                 std::make_unique<SecondsFormatter>("Measure Duration"));
}

// Labels and states of the unit's 32 preset slots, and the labels being edited.
void Vx41Params::buildUserPresets() {
    addControl(id(210, 64), 32, 0, 32, 'a');
    for (int slot = 0; slot < userPresets; ++slot) {
        addControl(id(210, slot), 0, ParameterValue::smallest(), ParameterValue::largest(),
                   slot < 16 ? 'E' : 'F');
        addControl(id(210, slot + 32), 0, 0, 2, 'G');
        addLocal(id(23, slot + 34), ParameterValue::fromText("Preset"), ParameterValue::smallest(),
                 ParameterValue::largest(), 'z');
    }
}

void Vx41Params::buildRouterPresets() {
    for (int slot = 0; slot < 4; ++slot)
        addControl(id(212, slot), 0, ParameterValue::smallest(), ParameterValue::largest(), 'D');
    addControl(id(212, 4), 0, 0, 3, 'D');
}

void Vx41Params::buildProgramConfigCompounds() {
    addCompound(id(21, 0), id(179, 0), id(141, 0), 'M');
    addCompound(id(21, 1), id(179, 8), id(141, 8), 'M');
    addCompound(id(27, 0), id(121, 8), id(121, 8), 'M');
}

// Dialnorm measurement of each programme, and the compounds the views show: the measurement of
// the selected programme, the master trim of the selected speakers and the preset slot being
// edited.
void Vx41Params::buildDialnormMeasurement() {
    for (int programme = 0; programme < programmes; ++programme) {
        addLocal(id(23, programme + 13), 0, 0, 1023, 'z',
                 std::make_unique<DialnormMeterFormatter>("Dial Norm"));
        addLocal(id(23, programme + 22), 1, 0, 1, 'z',
                 std::make_unique<BoolFormatter>("Dialnorm Measure", "Run", "Pause"));
    }
    addCompound(id(23, 12), id(23, 13), id(23, 13), 'z');
    addCompound(id(23, 21), id(23, 22), id(23, 22), 'z');
    addCompound(id(23, 1), id(197, 0), id(197, 0), 'M');
    addCompound(id(23, 30), id(210, 0), id(115, 5), 'z');
    addCompound(id(23, 32), id(210, 32), id(115, 11), 'z');
    addCompound(id(23, 31), id(212, 0), id(115, 9), 'z');
}

void Vx41Params::buildRoutingCompounds() {
    addCompound(id(29, 0), id(117, 3), id(117, 3), 'M');
    addCompound(id(29, 1), id(117, 11), id(117, 11), 'M');
}

// Level meters jump up at once and fall back gradually; the dialnorm meter only climbs.
void Vx41Params::buildMeterInterpolators() {
    for (int index = 0; index <= 7; ++index)
        addInterpolator(id(204, index), -256.0f, 0.0f);
    for (int index = 10; index <= 16; ++index)
        addInterpolator(id(204, index), -255.0f, 0.0f);
    addInterpolator(id(204, 8), -256.0f, 0.0f);
    addInterpolator(id(204, 9), -256.0f, 0.0f);
    addInterpolator(id(204, 18), 0.0f, 1.0f);
    addInterpolator(id(204, 19), -256.0f, 0.0f);
    addInterpolator(id(204, 20), -256.0f, 0.0f);
}

void Vx41Params::addInterpolator(const ParameterId& meter, float minSlope, float maxSlope) {
    auto& interpolator =
        *interpolators_.emplace_back(std::make_unique<LinearInterpolator>(minSlope, maxSlope));
    Parameter& parameter = find(meter);
    parameter.setInterpolator(&interpolator);
    interpolatedMeters_.push_back(meter);
    interpolation_.add(parameter);
}

ControlParameter& Vx41Params::addControl(const ParameterId& id, const ParameterValue& initial,
                                         const ParameterValue& minimum,
                                         const ParameterValue& maximum, char category,
                                         std::unique_ptr<ParameterFormatter> formatter) {
    return create<ControlParameter>(protocol(), id, initial, minimum, maximum, category,
                                    std::move(formatter));
}

Parameter& Vx41Params::addParameter(const ParameterId& id, const ParameterValue& initial,
                                    const ParameterValue& minimum, const ParameterValue& maximum,
                                    char category, std::unique_ptr<ParameterFormatter> formatter) {
    return create<Parameter>(protocol(), id, initial, minimum, maximum, category,
                             std::move(formatter));
}

ControlParameter& Vx41Params::addLocal(const ParameterId& id, const ParameterValue& initial,
                                       const ParameterValue& minimum, const ParameterValue& maximum,
                                       char category,
                                       std::unique_ptr<ParameterFormatter> formatter) {
    return create<ControlParameter>(localProtocol(), id, initial, minimum, maximum, category,
                                    std::move(formatter));
}

CompoundParameter& Vx41Params::addCompound(const ParameterId& id, const ParameterId& statusId,
                                           const ParameterId& controlId, char category) {
    auto compound = std::make_unique<CompoundParameter>(id, find(statusId), findControl(controlId),
                                                        parameters(), category, clock_);
    CompoundParameter& created = *compound;
    add(id, std::move(compound));
    return created;
}

ControlParameter& Vx41Params::findControl(const ParameterId& id) const {
    if (auto* control = dynamic_cast<ControlParameter*>(&find(id)))
        return *control;
    throw QuenlarException("Parameter " + id.toString() + " cannot be written");
}

void Vx41Params::attachObserver(const ParameterId& id, Observer& observer) {
    Parameter* parameter = findOrNull(id);
    if (parameter == nullptr)
        throw QuenlarException("Parameter not found");
    observer.attach(*parameter);
}

void Vx41Params::pollNext() {
    guardedRefresh(nextPollCategory());
}

char Vx41Params::nextPollCategory() {
    const char category = pollSchedule[pollCounter_ % pollSchedule.size()];
    ++pollCounter_;
    return category;
}

void Vx41Params::runIdle() {
    interpolation_.run(clock_.milliseconds());
}

// The analogue-output rule is applied only to what a full refresh read; between full refreshes the
// controls keep what it made of them. It judges the unit's values, never the ones held before:
// a conflict among them is reported, but the mirror keeps what the unit sent and the next refresh
// reads the unit again.
void Vx41Params::refreshEverything() {
    if (refreshing_)
        return;
    whileRefreshing([this] {
        std::exception_ptr failure;
        try {
            parameters().refreshAll(protocol());
        } catch (const ProtocolException&) {
            throw;
        } catch (const QuenlarException&) {
            failure = std::current_exception();
        }
        try {
            AnalogIODependencies analogIO(parameters());
        } catch (const QuenlarException&) {
            if (!failure)
                failure = std::current_exception();
        }
        if (failure)
            std::rethrow_exception(failure);
    });
}

void Vx41Params::guardedRefresh(char category) {
    if (refreshing_)
        return;
    whileRefreshing([this, category] {
        parameters().refresh(protocol(), category);
        runIdle();
    });
}

void Vx41Params::whileRefreshing(const std::function<void()>& work) {
    refreshing_ = true;
    try {
        work();
    } catch (...) {
        refreshing_ = false;
        throw;
    }
    refreshing_ = false;
}

void Vx41Params::load(std::istream& stream, bool includeSetup) {
    ParameterValueMap values;
    ConfigurationReader(stream).read(values);
    restoreConfiguration(std::move(values), includeSetup);
}

void Vx41Params::restoreConfiguration(ParameterValueMap values, bool includeSetup,
                                      const std::function<void(int)>& pass) {
    // Through the set, which reads the unit first: the flag goes out unless the unit holds it.
    setValue(id(207, 9), 1);
    try {
        if (pass)
            pass(1);
        restoreInOrder(values, includeSetup);
        parameters().restore(values, includeSetup, pass, 2);
    } catch (const ProtocolException&) {
        throw;
    } catch (const QuenlarException&) {
        setValue(id(207, 9), 0);
        throw;
    }
    setValue(id(207, 9), 0);
}

// What the unit needs in place before anything else.
void Vx41Params::restoreInOrder(ParameterValueMap& values, bool includeSetup) {
    restoreId(values, id(141, 0), includeSetup);
    restoreId(values, id(121, 0), includeSetup);
    for (int programme = 0; programme < programmes; ++programme) {
        restoreId(values, id(117, programme + 11), includeSetup);
        restoreId(values, id(117, programme + 3), includeSetup);
    }
    for (int programme = 0; programme < programmes; ++programme) {
        for (int item = 0; item < MetadataItem::indexCount; ++item)
            restorePair(values, id(2 * programme + 123, item), id(2 * programme + 143, item),
                        includeSetup);
        restorePair(values, id(121, 2 * programme + 8), id(141, 2 * programme + 8), includeSetup);
    }
    // A line's function decides what its polarity and trigger mean.
    for (int first : {30, 15, 0})
        for (int line = 0; line < gpioLines; ++line)
            restoreId(values, id(201, first + line), includeSetup);
    for (int first : {32, 17, 1})
        for (int line = 0; line < gpioLines; ++line)
            restoreId(values, id(203, first + line), includeSetup);
}

void Vx41Params::restoreId(ParameterValueMap& values, const ParameterId& id, bool includeSetup) {
    const auto entry = values.find(id);
    if (entry == values.end())
        return;
    parameters().restore(ParameterValueMap{*entry}, includeSetup);
    values.erase(entry);
}

// A value whose source is external is the unit's to take from its metadata input, not the file's.
void Vx41Params::restorePair(ParameterValueMap& values, const ParameterId& source,
                             const ParameterId& value, bool includeSetup) {
    const auto entry = values.find(source);
    if (entry == values.end())
        return;
    const bool internal = entry->second.toInt16() == 0;
    restoreId(values, source, includeSetup);
    if (internal)
        restoreId(values, value, includeSetup);
    else
        values.erase(value);
}

void Vx41Params::switchToOffLine() {
    auto unit = std::make_unique<DummyVx41Protocol>(1);
    auto link = std::make_unique<Protocol>(*unit);
    setProtocol(*link);
    // The previous off-line link goes before the unit behind it.
    offLineProtocol_ = std::move(link);
    offLineUnit_ = std::move(unit);
}

void Vx41Params::switchProtocol(GenericProtocol& protocol) {
    setProtocol(protocol);
    offLineProtocol_.reset();
    offLineUnit_.reset();
}
