#include "app/ConnectionSettings.h"

#include <QString>
#include <array>
#include <filesystem>
#include <system_error>

#include "app/CQuenlarRemoteDoc.h"
#include "app/ConnectionRule.h"
#include "app/SettingsStore.h"
#include "catalogue/ReentryGuard.h"
#include "model/QuenlarException.h"

namespace {
constexpr std::array<std::uint32_t, 4> speeds{9600, 19200, 38400, 115200};
constexpr std::uint16_t defaultAddress = 0x8280;
constexpr std::uint16_t lowestAddress = 0x8280;
constexpr std::uint16_t highestAddress = 0xFFFE;

const QString offLineName = QStringLiteral("off line");
const QString portNumberName = QStringLiteral("port number");
const QString baudRateName = QStringLiteral("baud rate");
const QString deviceAddressName = QStringLiteral("device address");
const QString portPathName = QStringLiteral("port path");
const QString recentPortsName = QStringLiteral("recent ports");

// Both bytes of an address on the line have the form 1xxxxxx0.
std::uint16_t normalised(std::uint32_t address) {
    return static_cast<std::uint16_t>((address | 0x8080) & ~0x0001u);
}

// The same device under another name (a stable by-id link, say) is the same port.
bool samePort(const std::string& open, const std::string& chosen) {
    std::error_code error;
    const auto device = std::filesystem::canonical(chosen, error);
    return open == chosen || (!error && device == std::filesystem::canonical(open, error));
}

int speedIndex(std::uint32_t baud) {
    for (std::size_t index = 0; index < speeds.size(); ++index)
        if (speeds[index] == baud)
            return static_cast<int>(index);
    throw QuenlarException("A port is open at an unsupported baud rate.");
}
} // namespace

ConnectionSettings::ConnectionSettings(SettingsStore& store, const CQuenlarRemoteDoc& document,
                                       std::vector<std::string> availablePorts)
    : store_(store), document_(document), availablePorts_(std::move(availablePorts)) {
    const std::string firstPort = availablePorts_.empty() ? std::string() : availablePorts_.front();
    add(offLineId, stored(offLineName, 0, 0, 1), 0, 1);
    add(portNumberId, stored(portNumberName, 0, 0, 9), 0, 9);
    add(baudRateId, stored(baudRateName, 3, 0, 3), 0, 3);
    add(deviceAddressId, stored(deviceAddressName, defaultAddress, lowestAddress, highestAddress),
        lowestAddress, highestAddress);
    add(portPathId, ParameterValue::fromText(storedPath(firstPort)), ParameterValue::smallest(),
        ParameterValue::largest());
    if (!store.readable())
        resetNotice_ = QStringLiteral("The settings could not be read: the connection settings "
                                      "are the defaults.");
    else if (!reset_.isEmpty())
        resetNotice_ = QStringLiteral("Settings that could not be taken are back to their "
                                      "defaults: ") +
                       reset_.join(QStringLiteral(", ")) + QStringLiteral(".");
    for (const QString& port : store.texts(recentPortsName))
        if (!port.isEmpty() && port.size() <= static_cast<int>(maximumPathLength) &&
            recentPorts_.size() < maximumRecentPorts && !recentPorts_.contains(port))
            recentPorts_ << port;
    watch(deviceAddressId);
    watch(offLineId);
    watch(portNumberId);
    watch(portPathId);
}

ConnectionSettings::~ConnectionSettings() {
    store_.setNumber(offLineName, static_cast<std::uint32_t>(number(offLineId)));
    store_.setNumber(portNumberName, static_cast<std::uint32_t>(number(portNumberId)));
    store_.setNumber(baudRateName, static_cast<std::uint32_t>(number(baudRateId)));
    store_.setNumber(deviceAddressName, deviceAddress());
    store_.setText(portPathName, QString::fromStdString(portPath()));
}

std::vector<std::string> ConnectionSettings::portChoices() const {
    std::vector<std::string> choices;
    for (const QString& port : recentPorts_)
        choices.push_back(port.toStdString());
    for (const std::string& port : availablePorts_)
        if (!recentPorts_.contains(QString::fromStdString(port)))
            choices.push_back(port);
    return choices;
}

void ConnectionSettings::rememberPort() {
    const QString port = QString::fromStdString(portPath());
    recentPorts_.removeAll(port);
    recentPorts_.prepend(port);
    while (recentPorts_.size() > maximumRecentPorts)
        recentPorts_.removeLast();
    store_.setTexts(recentPortsName, recentPorts_);
}

int ConnectionSettings::stored(const QString& name, int fallback, int minimum, int maximum) {
    if (!store_.holds(name))
        return fallback;
    auto value = store_.storedNumber(name);
    // Earlier versions stored the address as a 32-bit number, negative at times (0xFFFF8280).
    if (value && name == deviceAddressName)
        value = *value & 0xFFFF;
    if (value && *value >= minimum && *value <= maximum)
        return static_cast<int>(*value);
    reset_ << name;
    return fallback;
}

std::string ConnectionSettings::storedPath(const std::string& fallback) {
    if (!store_.holds(portPathName))
        return fallback;
    const std::string path = store_.text(portPathName, {}).toStdString();
    if (path.size() <= maximumPathLength)
        return path;
    reset_ << portPathName;
    return fallback;
}

ControlParameter& ConnectionSettings::add(const ParameterId& id, const ParameterValue& initial,
                                          const ParameterValue& minimum,
                                          const ParameterValue& maximum) {
    auto parameter =
        std::make_unique<ControlParameter>(protocol_, id, initial, minimum, maximum, 'z');
    map_.emplace(id, parameter.get());
    return *parameters_.emplace_back(std::move(parameter));
}

void ConnectionSettings::watch(const ParameterId& id) {
    auto rule = std::make_unique<ConnectionRule>([this] { applyRules(); });
    rule->attach(parameter(id));
    rules_.push_back(std::move(rule));
}

ControlParameter& ConnectionSettings::parameter(const ParameterId& id) const {
    return static_cast<ControlParameter&>(map_.find(id, "ConnectionSettings", __LINE__));
}

std::int16_t ConnectionSettings::number(const ParameterId& id) const {
    return parameter(id).getValue().toInt16();
}

bool ConnectionSettings::offLine() const {
    return number(offLineId) != 0;
}

int ConnectionSettings::port() const {
    return offLine() ? 0 : number(portNumberId) + 1;
}

std::string ConnectionSettings::portPath() const {
    return parameter(portPathId).getValue().bytes();
}

std::uint32_t ConnectionSettings::baudRate() const {
    const int index = number(baudRateId);
    if (index < 0 || index >= static_cast<int>(speeds.size()))
        throw QuenlarException("Unexpected baud rate: " + std::to_string(index));
    return speeds[static_cast<std::size_t>(index)];
}

std::uint16_t ConnectionSettings::deviceAddress() const {
    return static_cast<std::uint16_t>(number(deviceAddressId));
}

// Changes the rules make themselves notify the rules again; one pass sets everything.
void ConnectionSettings::applyRules() {
    if (applying_)
        return;
    ReentryGuard guard(applying_);
    const bool onLine = !offLine();
    parameter(portNumberId).setEnabled(onLine);
    parameter(portPathId).setEnabled(onLine);
    normaliseAddress();
    // Kept at once, as the address is the setting most often typed.
    store_.setNumber(deviceAddressName, deviceAddress());
    parameter(deviceAddressId).setEnabled(onLine);
    lockBaudRate(onLine);
}

// A step down that normalising would carry back up (8380 - 2 = 837E, normalised 83FE) moves to
// the previous high byte instead (82FE), so that stepping down reaches every address.
void ConnectionSettings::normaliseAddress() {
    const std::uint16_t current = deviceAddress();
    std::uint16_t address = normalised(current);
    if (current < previousAddress_ && address >= previousAddress_ && current >= 0x100)
        address = normalised(current - 0x100u);
    previousAddress_ = address;
    if (address != current)
        parameter(deviceAddressId).setValue(address);
}

// The port open now keeps its speed: connecting again on it must use the same one.
void ConnectionSettings::lockBaudRate(bool onLine) {
    ControlParameter& baudRate = parameter(baudRateId);
    const auto open = document_.openPort();
    if (!onLine || !open || !samePort(open->path, portPath())) {
        baudRate.setEnabled(onLine);
        return;
    }
    const int index = speedIndex(open->baud);
    baudRate.setEnabled(true);
    baudRate.setValue(index);
    baudRate.setEnabled(false);
}
