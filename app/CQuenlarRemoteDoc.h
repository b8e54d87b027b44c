#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "app/observers/ObserverActions.h"
#include "link/posix/PosixSerialPort.h"
#include "model/ParameterValueMap.h"

class Clock;
class ConnectionSettings;
class ModalSeam;
class Observer;
class PollingClock;
class ProtocolStack;
class Vx41Params;

// The one document of a run: the parameter set of the unit, built once over the simulated unit
// and kept, the protocol stack the set talks through, rebuilt at every connect, and the serial
// port. It also runs the recovery when the unit stops answering and the reports of errors.
class CQuenlarRemoteDoc {
public:
    static constexpr int offLineState = 0;
    static constexpr int connectedState = 2;
    static constexpr std::uint32_t readTimeoutMs = 200;
    // Below this speed reading everything shows its progress.
    static constexpr std::uint32_t fullSpeed = 115200;

    // The serial port open now and its speed.
    struct OpenPort {
        std::string path;
        std::uint32_t baud = 0;
    };

    // seam runs the dialogs and message boxes; clock times the line and the parameter set.
    CQuenlarRemoteDoc(ModalSeam& seam, const Clock& clock);
    ~CQuenlarRemoteDoc();
    CQuenlarRemoteDoc(const CQuenlarRemoteDoc&) = delete;
    CQuenlarRemoteDoc& operator=(const CQuenlarRemoteDoc&) = delete;

    // Works with the unit the settings name, reading everything from it; or, for off line, with
    // the simulated unit. A failure ends off line and is thrown ("Device not responding" when the
    // unit did not answer).
    bool connect(ConnectionSettings& settings);
    // Works with the simulated unit from now on; the serial port is closed.
    void goOffLine();
    int connectionState() const { return state_; }
    std::optional<OpenPort> openPort() const;

    // One step of the polling clock.
    void poll();
    // Reads every parameter; at a low speed in front of the progress window.
    void refreshAll();
    // Reads the parameters of one refresh category again; failures are reported here.
    void refreshCategory(char category);
    void attach(const ParameterId& id, Observer& observer);

    // Replaces the file only once the whole configuration was read and written.
    void saveConfiguration(const std::filesystem::path& path);
    void restoreConfiguration(const ParameterValueMap& values, bool includeSetup);
    void writeTextReport(std::ostream& stream, const std::string& title);
    void writeHtmlReport(std::ostream& stream, const std::string& title);

    // The unit stopped answering: polling stops and the operator chooses between trying again
    // until it answers and working off line; polling then starts again.
    void communicationsError(const QString& message);
    // One question of that recovery: true to try again (a port closed by a lost device is opened
    // again first); false to work off line.
    bool askToReconnect(const QString& message);
    // Stops polling and shows the message; whoever wants polling back starts it.
    void errorMessage(const QString& message);

    // The clock of the Main view, or null; not owned.
    void setPollingClock(PollingClock* clock) { pollingClock_ = clock; }
    PollingClock* pollingClock() const { return pollingClock_; }
    void stopPolling();
    // Starts the clock, which reads everything first.
    void startPolling();

    // Runs work that exchanges much with the unit with polling stopped, under the wait cursor, in
    // front of a window that tells what is being done and counts the exchanges.
    void runLongWork(const QString& what, const std::function<void()>& work);

    Vx41Params& parameters() const { return *parameters_; }
    const Clock& clock() const { return clock_; }
    // A protocol failure goes to the recovery; any other failure stops polling, is shown and
    // polling starts again.
    ActionGuard userActionGuard();

private:
    void openSerialStack(const ConnectionSettings& settings);
    void openPortAgain();
    void reopenLostPort();
    // The set is pointed at stack before the stack it replaces goes.
    void switchTo(std::unique_ptr<ProtocolStack> stack);

    ModalSeam& seam_;
    const Clock& clock_;
    PosixSerialPort port_;
    // The port the connected stack works on, also while a lost device has closed it.
    std::string openedPath_;
    std::uint32_t openedBaud_ = 0;
    std::unique_ptr<ProtocolStack> stack_;
    std::unique_ptr<Vx41Params> parameters_;
    PollingClock* pollingClock_ = nullptr;
    int state_ = offLineState;
};
