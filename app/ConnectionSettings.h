#pragma once

#include <QStringList>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "link/DummyProtocol.h"
#include "link/Protocol.h"
#include "model/ControlParameter.h"
#include "model/ParameterMap.h"

class CQuenlarRemoteDoc;
class ConnectionRule;
class SettingsStore;

// The settings of one connection, read from the store when built and written back when it goes
// (also when the dialog was cancelled: the dialog edits these parameters directly). Each value is
// a parameter, so that the 'Open Device' dialog binds its controls with the ordinary observers;
// the connection rules keep the controls consistent with each other and with the port open now.
class ConnectionSettings {
public:
    static constexpr ParameterId offLineId{0, 0};
    // The COM number less one; the port on Windows.
    static constexpr ParameterId portNumberId{0, 1};
    // 0 = 9600, 1 = 19200, 2 = 38400, 3 = 115200 bits per second.
    static constexpr ParameterId baudRateId{0, 2};
    static constexpr ParameterId deviceAddressId{0, 3};
    // The device path of the port on Linux and macOS.
    static constexpr ParameterId portPathId{0, 4};

    // availablePorts are the machine's serial devices; the first is the port of an empty store.
    ConnectionSettings(SettingsStore& store, const CQuenlarRemoteDoc& document,
                       std::vector<std::string> availablePorts);
    ~ConnectionSettings();
    ConnectionSettings(const ConnectionSettings&) = delete;
    ConnectionSettings& operator=(const ConnectionSettings&) = delete;

    bool offLine() const;
    // The COM number 1..10, 0 when off line.
    int port() const;
    std::string portPath() const;
    // Throws "Unexpected baud rate: " and the stored index for anything but the four speeds.
    std::uint32_t baudRate() const;
    std::uint16_t deviceAddress() const;

    // What the port list offers: the ports connected to lately, of every kind, newest first,
    // then the machine's serial devices not among them.
    std::vector<std::string> portChoices() const;
    // Puts the chosen port at the head of the recent ones; called once it opened.
    void rememberPort();
    static constexpr int maximumRecentPorts = 8;
    // What the store held that could not be taken and was replaced by its default, in words for
    // the operator; empty when everything was taken.
    const QString& resetNotice() const { return resetNotice_; }
    // The longest port path taken: longer than any path the system opens.
    static constexpr std::size_t maximumPathLength = 4096;
    ControlParameter& parameter(const ParameterId& id) const;

private:
    // The stored number, or fallback when it is missing, not a number or outside the limits.
    int stored(const QString& name, int fallback, int minimum, int maximum);
    std::string storedPath(const std::string& fallback);
    ControlParameter& add(const ParameterId& id, const ParameterValue& initial,
                          const ParameterValue& minimum, const ParameterValue& maximum);
    void watch(const ParameterId& id);
    std::int16_t number(const ParameterId& id) const;

    // The rules: the port and address are there only on line; the address is kept to the form
    // 1xxxxxx0 in both bytes; the speed of a port that is open already cannot change.
    void applyRules();
    void normaliseAddress();
    void lockBaudRate(bool onLine);

    SettingsStore& store_;
    const CQuenlarRemoteDoc& document_;
    std::vector<std::string> availablePorts_;
    QStringList recentPorts_;
    DummyProtocol storage_;
    Protocol protocol_{storage_};
    ParameterMap map_;
    std::vector<std::unique_ptr<ControlParameter>> parameters_;
    std::vector<std::unique_ptr<ConnectionRule>> rules_;
    QStringList reset_;
    QString resetNotice_;
    std::uint16_t previousAddress_ = 0x8280;
    bool applying_ = false;
};
