#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "app/LineHealth.h"
#include "app/PollingClock.h"
#include "app/observers/ObserverActions.h"
#include "link/NamedSerialPort.h"
#include "model/ParameterValueMap.h"

class Clock;
class ConnectionSettings;
class LineTap;
class LineThreadProtocol;
class ModalSeam;
class Observer;
class ProtocolStack;
class Vx41Params;

// The one document of a run: the parameter set of the unit, built once over the simulated unit
// and kept, the protocol stack the set talks through, rebuilt at every connect, the serial port
// and the polling clock, which runs whatever windows are open. Connected, the line runs on a
// thread of its own and the GUI thread never waits for it: polling and the operator's changes go
// to the line and their answers are applied as they come; long work waits with the event loop
// turning, in front of a progress window that can cancel it. It also runs the recovery when the
// unit stops answering and the reports of errors.
class CQuenlarRemoteDoc : public QObject {
    Q_OBJECT

public:
    static constexpr int offLineState = 0;
    static constexpr int connectedState = 2;
    static constexpr std::uint32_t readTimeoutMs = 200;
    // Line time of one poll frame at most, so that a write waits little behind polling.
    static constexpr double pollFrameSeconds = 0.040;

    // The serial port open now and its speed.
    struct OpenPort {
        std::string path;
        std::uint32_t baud = 0;
    };

    // seam runs the dialogs and message boxes; clock times the line and the parameter set.
    CQuenlarRemoteDoc(ModalSeam& seam, const Clock& clock);
    ~CQuenlarRemoteDoc() override;
    CQuenlarRemoteDoc(const CQuenlarRemoteDoc&) = delete;
    CQuenlarRemoteDoc& operator=(const CQuenlarRemoteDoc&) = delete;

    // openLine, then readUnit. Returns false when the operator cancelled the reading, which ends
    // off line.
    bool connect(ConnectionSettings& settings);
    // Works with the unit the settings name, without reading it yet; or, for off line, with the
    // simulated unit. A failure ends off line and is thrown.
    void openLine(ConnectionSettings& settings);
    // Reads every setting of the unit once, in front of the progress window; then polling runs.
    // Returns false when the operator cancelled, which ends off line. A unit that does not answer
    // ends off line and throws "Device not responding".
    bool readUnit();
    // Works with the simulated unit from now on; the serial port is closed.
    void goOffLine();
    int connectionState() const { return state_; }
    std::optional<OpenPort> openPort() const;

    // One step of the polling clock: off line one poll of the simulated unit; connected the next
    // poll step goes to the line unless the last one is still under way. Meters step either way.
    void poll();
    // Reads every parameter, connected in front of the progress window.
    void refreshAll();
    // Reads the parameters of one refresh category again, connected ahead of polling; failures
    // are reported here.
    void refreshCategory(char category);
    void attach(const ParameterId& id, Observer& observer);

    // Replaces the file only once the whole configuration was read and written.
    void saveConfiguration(const std::filesystem::path& path);
    // pass receives the number of each pass of writes as it begins.
    void restoreConfiguration(const ParameterValueMap& values, bool includeSetup,
                              const std::function<void(int)>& pass = {});
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

    PollingClock& pollingClock() { return pollingClock_; }
    void stopPolling();
    // Starts the clock, which reads everything first.
    void startPolling();

    // Runs work that exchanges much with the unit with polling stopped, in front of a window that
    // tells what is being done, counts the exchanges and can cancel it. Returns false when the
    // operator cancelled.
    bool runLongWork(const QString& what, const std::function<void()>& work);

    // Shows the bytes of the serial line to tap, on this connection and the next ones (not owned;
    // null to stop listening).
    void setLineTap(LineTap* tap);
    LineTap* lineTap() const { return lineTap_; }

    // The window the document's dialogs, messages and progress stand over (not owned; may go
    // first). Never a window that may close by itself meanwhile, as the splash does: a dialog on
    // the stack would go with it.
    void setWindowParent(QWidget* parent) { windowParent_ = parent; }

    Vx41Params& parameters() const { return *parameters_; }
    const Clock& clock() const { return clock_; }
    const LineHealth& lineHealth() const { return health_; }
    // Port, speed and state of the line and how it fared over the last minute, in a few words.
    QString lineStatusText() const;
    // Exchanges sent to the line and not answered yet.
    std::size_t exchangesUnderWay() const;
    // A protocol failure goes to the recovery; any other failure stops polling, is shown and
    // polling starts again. Connected, what the action writes goes to the line without waiting.
    ActionGuard userActionGuard();

signals:
    void connectionChanged();
    // One more exchange with the unit is done (off line: with the simulated unit).
    void exchanged();
    // The line failed; the recovery starts.
    void lineFailure(const QString& message);
    // The line's health or its state changed.
    void lineStatusChanged();
    // The line has answered everything sent to it.
    void lineIdle();

private:
    // Runs work; a failure ends off line and is thrown, "Device not responding" when the unit did
    // not answer.
    void offLineOnFailure(const std::function<void()>& work);
    void openSerialStack(const ConnectionSettings& settings);
    void openPortAgain();
    void reopenLostPort();
    // The set is pointed at stack before the stack it replaces goes.
    void switchTo(std::unique_ptr<ProtocolStack> stack);
    void setState(int state);
    LineThreadProtocol* line() const;
    void pollInBackground(LineThreadProtocol& line);
    // Answers of the line applied to the parameters, as an operator's change is.
    void applyAnswer(const ParameterValueMap& values);
    void lineFailed(const std::exception_ptr& failure);
    // One poll of the unit, waited for: whether it answers again.
    void pollOnce();

    ModalSeam& seam_;
    const Clock& clock_;
    // The port of the line; none off line.
    std::unique_ptr<NamedSerialPort> port_;
    // The port the connected stack works on, also while a lost device has closed it.
    std::string openedPath_;
    std::uint32_t openedBaud_ = 0;
    std::unique_ptr<ProtocolStack> stack_;
    std::unique_ptr<Vx41Params> parameters_;
    PollingClock pollingClock_;
    LineHealth health_;
    LineTap* lineTap_ = nullptr;
    QPointer<QWidget> windowParent_;
    int state_ = offLineState;
    // Poll frames sent and not answered yet.
    int pollFramesUnderWay_ = 0;
    // Long work or the recovery is running: a failure of the line waits for its end.
    int busy_ = 0;
    bool recovering_ = false;
    std::optional<QString> heldFailure_;
};
