#include "app/CQuenlarRemoteDoc.h"

#include <QApplication>
#include <QDialog>

#include "app/ConnectionSettings.h"
#include "app/ModalSeam.h"
#include "app/PollingClock.h"
#include "app/ProgressWindow.h"
#include "app/ProtocolStack.h"
#include "app/WaitCursor.h"
#include "app/dialogs/CCommErrorDlg.h"
#include "catalogue/Vx41Params.h"
#include "link/ProtocolException.h"

namespace {
QString textOf(const std::exception& failure) {
    return QString::fromStdString(failure.what());
}
} // namespace

CQuenlarRemoteDoc::CQuenlarRemoteDoc(ModalSeam& seam, const Clock& clock)
    : seam_(seam), clock_(clock), stack_(ProtocolStack::offLine()),
      parameters_(std::make_unique<Vx41Params>(stack_->top(), clock)) {}

CQuenlarRemoteDoc::~CQuenlarRemoteDoc() = default;

bool CQuenlarRemoteDoc::connect(ConnectionSettings& settings) {
    // The port closes before it opens again, on whatever port and at whatever speed.
    goOffLine();
    if (settings.offLine())
        return true;
    try {
        openSerialStack(settings);
        state_ = connectedState;
        refreshAll();
    } catch (const ProtocolException&) {
        goOffLine();
        throw ProtocolException("Device not responding");
    } catch (...) {
        goOffLine();
        throw;
    }
    return true;
}

void CQuenlarRemoteDoc::openSerialStack(const ConnectionSettings& settings) {
    const std::uint32_t baud = settings.baudRate();
    const std::string path = settings.portPath();
    if (path.empty())
        throw QuenlarException("No serial port was chosen: choose the port of the device, or "
                               "check Off Line.");
    openedPath_ = path;
    openedBaud_ = baud;
    openPortAgain();
    switchTo(ProtocolStack::serial(port_, settings.deviceAddress(), clock_));
}

void CQuenlarRemoteDoc::goOffLine() {
    switchTo(ProtocolStack::offLine());
    port_.close();
    openedPath_.clear();
    state_ = offLineState;
}

void CQuenlarRemoteDoc::switchTo(std::unique_ptr<ProtocolStack> stack) {
    stack->setLineTap(lineTap_);
    parameters_->switchProtocol(stack->top());
    stack_ = std::move(stack);
}

void CQuenlarRemoteDoc::setLineTap(LineTap* tap) {
    lineTap_ = tap;
    if (stack_)
        stack_->setLineTap(tap);
}

std::optional<CQuenlarRemoteDoc::OpenPort> CQuenlarRemoteDoc::openPort() const {
    std::uint32_t baud = 0;
    // A repair that failed to reopen the device leaves the port closed.
    if (!port_.isOpen(&baud))
        return std::nullopt;
    return OpenPort{openedPath_, baud};
}

void CQuenlarRemoteDoc::poll() {
    parameters_->pollNext();
}

void CQuenlarRemoteDoc::refreshAll() {
    // Every setting at a low speed takes long enough to need saying so.
    if (state_ == connectedState && openedBaud_ < fullSpeed)
        runLongWork("Reading every setting of the unit...",
                    [this] { parameters_->refreshEverything(); });
    else
        parameters_->refreshEverything();
}

void CQuenlarRemoteDoc::refreshCategory(char category) {
    try {
        parameters_->parameters().refresh(parameters_->protocol(), category);
    } catch (const ProtocolException& failure) {
        communicationsError(textOf(failure));
    } catch (const std::exception& failure) {
        errorMessage(textOf(failure));
    }
}

void CQuenlarRemoteDoc::attach(const ParameterId& id, Observer& observer) {
    parameters_->attachObserver(id, observer);
}

void CQuenlarRemoteDoc::saveConfiguration(const std::filesystem::path& path) {
    parameters_->saveFile(path, [this] { return stack_->damagedExchanges(); });
}

void CQuenlarRemoteDoc::restoreConfiguration(const ParameterValueMap& values, bool includeSetup) {
    parameters_->restoreConfiguration(values, includeSetup);
}

void CQuenlarRemoteDoc::writeTextReport(std::ostream& stream, const std::string& title) {
    parameters_->writeTextReport(stream, title);
}

void CQuenlarRemoteDoc::writeHtmlReport(std::ostream& stream, const std::string& title) {
    parameters_->writeHtmlReport(stream, title);
}

void CQuenlarRemoteDoc::communicationsError(const QString& message) {
    stopPolling();
    bool answering = false;
    while (!answering && askToReconnect(message)) {
        try {
            poll();
            answering = true;
        } catch (const std::exception&) {
            // Still silent: ask again.
        }
    }
    if (!answering)
        goOffLine();
    startPolling();
}

bool CQuenlarRemoteDoc::askToReconnect(const QString& message) {
    CCommErrorDlg dialog(message, QApplication::activeWindow());
    if (seam_.exec(dialog) != QDialog::Accepted)
        return false;
    reopenLostPort();
    return true;
}

void CQuenlarRemoteDoc::openPortAgain() {
    port_.open(openedPath_, openedBaud_);
    port_.setTimeout(readTimeoutMs);
}

// A port whose device went away (an adapter pulled) closes itself when it cannot reopen it; once
// the device is back, trying again must open it again.
void CQuenlarRemoteDoc::reopenLostPort() {
    if (state_ != connectedState || port_.isOpen())
        return;
    try {
        openPortAgain();
    } catch (const QuenlarException&) {
        // Still gone: the exchange that follows fails and the operator is asked again.
    }
}

void CQuenlarRemoteDoc::errorMessage(const QString& message) {
    stopPolling();
    seam_.message(QApplication::activeWindow(), QMessageBox::Warning, "QuenlarRemote 41", message,
                  QMessageBox::Ok, QMessageBox::Ok);
}

void CQuenlarRemoteDoc::stopPolling() {
    if (pollingClock_ != nullptr)
        pollingClock_->stop();
}

void CQuenlarRemoteDoc::startPolling() {
    if (pollingClock_ != nullptr)
        pollingClock_->start();
}

void CQuenlarRemoteDoc::runLongWork(const QString& what, const std::function<void()>& work) {
    const bool polling = pollingClock_ != nullptr && pollingClock_->isRunning();
    stopPolling();
    WaitCursor waiting;
    ProgressWindow progress(what, QApplication::activeWindow());
    progress.showNow();
    stack_->setProgressListener([&progress] { progress.advance(); });
    const auto finish = [this, polling] {
        stack_->setProgressListener({});
        if (polling)
            pollingClock_->resume();
    };
    try {
        work();
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

ActionGuard CQuenlarRemoteDoc::userActionGuard() {
    return [this](const std::function<void()>& action) {
        try {
            action();
        } catch (const ProtocolException& failure) {
            communicationsError(textOf(failure));
        } catch (const std::exception& failure) {
            errorMessage(textOf(failure));
            startPolling();
        }
    };
}
