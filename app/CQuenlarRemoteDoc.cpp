#include "app/CQuenlarRemoteDoc.h"

#include <QDialog>
#include <QPointer>
#include <algorithm>

#include "app/ConnectionSettings.h"
#include "app/LineThreadProtocol.h"
#include "app/ModalSeam.h"
#include "app/OperationCancelled.h"
#include "app/ProgressWindow.h"
#include "app/ProtocolStack.h"
#include "app/dialogs/CCommErrorDlg.h"
#include "catalogue/Vx41Params.h"
#include "link/ProtocolException.h"
#include "link/posix/PortFactory.h"

namespace {
// Bytes of one poll frame's exchange besides its ids: addresses, keywords, frame headers.
constexpr double pollFrameOverhead = 21;
// Bytes each id adds: its index in the request, index and value in the reply.
constexpr double pollFrameBytesPerId = 4;
// The unit's flag that a restore is running.
constexpr ParameterId restoring{207, 9};

QString textOf(const std::exception& failure) {
    return QString::fromStdString(failure.what());
}

QString textOf(const std::exception_ptr& failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& caught) {
        return textOf(caught);
    } catch (...) {
        return QStringLiteral("The line failed.");
    }
}

// A poll frame at this speed that keeps within its share of line time (ten bits a byte).
std::size_t idsPerPollFrame(std::uint32_t baud) {
    const double bytes = baud / 10.0 * CQuenlarRemoteDoc::pollFrameSeconds;
    return static_cast<std::size_t>(
        std::max(1.0, (bytes - pollFrameOverhead) / pollFrameBytesPerId));
}
} // namespace

CQuenlarRemoteDoc::CQuenlarRemoteDoc(ModalSeam& seam, const Clock& clock)
    : seam_(seam), clock_(clock), stack_(ProtocolStack::offLine([this] { emit exchanged(); })),
      parameters_(std::make_unique<Vx41Params>(stack_->top(), clock)), pollingClock_(*this),
      health_(clock) {}

CQuenlarRemoteDoc::~CQuenlarRemoteDoc() {
    pollingClock_.stop();
    // The line's thread ends before the parameters its answers would reach.
    stack_.reset();
}

bool CQuenlarRemoteDoc::connect(ConnectionSettings& settings) {
    openLine(settings);
    return readUnit();
}

void CQuenlarRemoteDoc::openLine(ConnectionSettings& settings) {
    // The port closes before it opens again, on whatever port and at whatever speed.
    goOffLine();
    if (settings.offLine())
        return;
    offLineOnFailure([&] {
        openSerialStack(settings);
        setState(connectedState);
    });
}

bool CQuenlarRemoteDoc::readUnit() {
    bool read = false;
    offLineOnFailure([&] {
        try {
            refreshAll();
            read = true;
        } catch (const OperationCancelled&) {
            goOffLine();
        }
    });
    pollingClock_.resume();
    return read;
}

void CQuenlarRemoteDoc::offLineOnFailure(const std::function<void()>& work) {
    try {
        work();
    } catch (const ProtocolException&) {
        goOffLine();
        throw ProtocolException("Device not responding");
    } catch (...) {
        goOffLine();
        throw;
    }
}

void CQuenlarRemoteDoc::openSerialStack(const ConnectionSettings& settings) {
    const std::uint32_t baud = settings.baudRate();
    const std::string path = settings.portPath();
    if (path.empty())
        throw QuenlarException("No serial port was chosen: choose the port of the device, or "
                               "check Off Line.");
    port_ = PortFactory::forName(path);
    openedPath_ = path;
    openedBaud_ = baud;
    LineThreadProtocol::Hooks hooks{
        [this](const ParameterId& id) { return parameters_->find(id).getValue(); },
        [this](const ParameterValueMap& values) { applyAnswer(values); },
        [this](const std::exception_ptr& failure) { lineFailed(failure); },
        [this](std::size_t failedAttempts, bool failed) {
            health_.record(failedAttempts, failed);
            emit exchanged();
            if (failedAttempts > 0 || failed)
                emit lineStatusChanged();
        }};
    // Asked on the line's thread, which alone uses the port while the stack lives.
    const auto portIsOpen = [this] { return port_->isOpen(); };
    switchTo(ProtocolStack::serial(*port_, settings.deviceAddress(), clock_, std::move(hooks),
                                   portIsOpen));
    line()->setIdleListener([this] { emit lineIdle(); });
    // On the line's thread, since reaching a serial server may take up to the read time-out.
    line()->runOnLine([this] { openPortAgain(); });
}

void CQuenlarRemoteDoc::goOffLine() {
    switchTo(ProtocolStack::offLine([this] { emit exchanged(); }));
    port_.reset();
    openedPath_.clear();
    setState(offLineState);
}

void CQuenlarRemoteDoc::switchTo(std::unique_ptr<ProtocolStack> stack) {
    stack->setLineTap(lineTap_);
    parameters_->switchProtocol(stack->top());
    stack_ = std::move(stack);
    pollFramesUnderWay_ = 0;
    health_.clear();
}

void CQuenlarRemoteDoc::setState(int state) {
    state_ = state;
    emit connectionChanged();
    emit lineStatusChanged();
}

LineThreadProtocol* CQuenlarRemoteDoc::line() const {
    return stack_->line();
}

void CQuenlarRemoteDoc::setLineTap(LineTap* tap) {
    lineTap_ = tap;
    if (stack_)
        stack_->setLineTap(tap);
}

std::optional<CQuenlarRemoteDoc::OpenPort> CQuenlarRemoteDoc::openPort() const {
    // A repair that failed to reopen the device leaves the port closed.
    if (state_ != connectedState || !line()->portOpen())
        return std::nullopt;
    return OpenPort{openedPath_, openedBaud_};
}

std::size_t CQuenlarRemoteDoc::exchangesUnderWay() const {
    return line() != nullptr ? line()->outstanding() : 0;
}

void CQuenlarRemoteDoc::poll() {
    LineThreadProtocol* line = this->line();
    if (line == nullptr) {
        parameters_->pollNext();
        return;
    }
    pollInBackground(*line);
    parameters_->runIdle();
}

// A step is cut into frames short enough that a write waits behind one at most.
void CQuenlarRemoteDoc::pollInBackground(LineThreadProtocol& line) {
    // While the port opens, the line is not the unit's yet.
    if (pollFramesUnderWay_ > 0 || state_ != connectedState)
        return;
    const char category = parameters_->nextPollCategory();
    const ParameterIdSet ids = parameters_->parameters().idsOf(parameters_->protocol(), category);
    const std::size_t frame = idsPerPollFrame(openedBaud_);
    for (std::size_t first = 0; first < ids.size(); first += frame) {
        const auto begin = ids.begin() + static_cast<std::ptrdiff_t>(first);
        const auto end =
            ids.begin() + static_cast<std::ptrdiff_t>(std::min(first + frame, ids.size()));
        ++pollFramesUnderWay_;
        line.readInBackground(ParameterIdSet(begin, end), [this] { --pollFramesUnderWay_; });
    }
}

void CQuenlarRemoteDoc::applyAnswer(const ParameterValueMap& values) {
    const LineThreadProtocol::Mode deferred(line(), true);
    try {
        parameters_->parameters().apply(values);
    } catch (const std::exception&) {
        lineFailed(std::current_exception());
    }
}

// Long work or the recovery under way will meet the failure itself; it is held for their end.
void CQuenlarRemoteDoc::lineFailed(const std::exception_ptr& failure) {
    const QString message = textOf(failure);
    if (busy_ > 0 || recovering_) {
        if (!heldFailure_)
            heldFailure_ = message;
        return;
    }
    communicationsError(message);
}

void CQuenlarRemoteDoc::refreshAll() {
    if (line() == nullptr) {
        parameters_->refreshEverything();
        return;
    }
    if (!runLongWork("Reading every setting of the unit...",
                     [this] { parameters_->refreshEverything(); }))
        throw OperationCancelled();
}

void CQuenlarRemoteDoc::refreshCategory(char category) {
    if (LineThreadProtocol* line = this->line()) {
        const ParameterIdSet ids =
            parameters_->parameters().idsOf(parameters_->protocol(), category);
        if (!ids.empty())
            line->readSoon(ids);
        return;
    }
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
    parameters_->saveFile(path, [this] { return line() ? line()->damagedExchanges() : 0; });
}

void CQuenlarRemoteDoc::restoreConfiguration(const ParameterValueMap& values, bool includeSetup,
                                             const std::function<void(int)>& pass) {
    try {
        parameters_->restoreConfiguration(values, includeSetup, pass);
    } catch (const OperationCancelled&) {
        // The unit is told the restore is over, whatever it holds now.
        if (LineThreadProtocol* line = this->line())
            line->allowAgain();
        parameters_->find(restoring).setValue(ParameterValue(0));
        throw;
    }
}

void CQuenlarRemoteDoc::writeTextReport(std::ostream& stream, const std::string& title) {
    parameters_->writeTextReport(stream, title);
}

void CQuenlarRemoteDoc::writeHtmlReport(std::ostream& stream, const std::string& title) {
    parameters_->writeHtmlReport(stream, title);
}

void CQuenlarRemoteDoc::communicationsError(const QString& message) {
    if (recovering_)
        return;
    recovering_ = true;
    emit lineFailure(message);
    emit lineStatusChanged();
    stopPolling();
    bool answering = false;
    while (!answering && askToReconnect(message)) {
        try {
            pollOnce();
            answering = true;
        } catch (const std::exception&) {
            // Still silent: ask again.
        }
    }
    if (!answering)
        goOffLine();
    recovering_ = false;
    heldFailure_.reset();
    emit lineStatusChanged();
    startPolling();
}

void CQuenlarRemoteDoc::pollOnce() {
    if (line() == nullptr) {
        parameters_->pollNext();
        return;
    }
    if (!runLongWork("Trying to reach the unit...", [this] { parameters_->pollNext(); }))
        throw OperationCancelled();
}

bool CQuenlarRemoteDoc::askToReconnect(const QString& message) {
    CCommErrorDlg dialog(message, windowParent_);
    if (seam_.exec(dialog) != QDialog::Accepted)
        return false;
    reopenLostPort();
    return true;
}

// The time-out comes first, since a serial server on the network must answer within it.
void CQuenlarRemoteDoc::openPortAgain() {
    port_->setTimeout(readTimeoutMs);
    port_->open(openedPath_, openedBaud_);
}

// A port whose device went away (an adapter pulled) closes itself when it cannot reopen it; once
// the device is back, trying again must open it again. The line's thread owns the port meanwhile.
void CQuenlarRemoteDoc::reopenLostPort() {
    LineThreadProtocol* line = this->line();
    if (state_ != connectedState || line == nullptr || line->portOpen())
        return;
    try {
        line->runOnLine([this] {
            if (!port_->isOpen())
                openPortAgain();
        });
    } catch (const std::exception&) {
        // Still gone: the exchange that follows fails and the operator is asked again.
    }
}

void CQuenlarRemoteDoc::errorMessage(const QString& message) {
    stopPolling();
    seam_.message(windowParent_, QMessageBox::Warning, "QuenlarRemote 41", message, QMessageBox::Ok,
                  QMessageBox::Ok);
}

void CQuenlarRemoteDoc::stopPolling() {
    pollingClock_.stop();
}

void CQuenlarRemoteDoc::startPolling() {
    pollingClock_.start();
}

bool CQuenlarRemoteDoc::runLongWork(const QString& what, const std::function<void()>& work) {
    const bool polling = pollingClock_.isRunning();
    stopPolling();
    QPointer<LineThreadProtocol> line = this->line();
    const LineThreadProtocol::Mode waited(line, false);
    ++busy_;
    ProgressWindow progress(what, windowParent_);
    QObject::connect(&progress, &ProgressWindow::cancelRequested, this, [line] {
        if (line)
            line->cancel();
    });
    QObject::connect(this, &CQuenlarRemoteDoc::exchanged, &progress, &ProgressWindow::advance);
    progress.showNow();
    bool cancelled = false;
    std::exception_ptr failure;
    try {
        work();
    } catch (const OperationCancelled&) {
        cancelled = true;
    } catch (...) {
        failure = std::current_exception();
    }
    if (line)
        line->allowAgain();
    --busy_;
    if (polling)
        pollingClock_.resume();
    if (failure) {
        // The work met the line's failure itself.
        heldFailure_.reset();
        std::rethrow_exception(failure);
    }
    if (heldFailure_ && busy_ == 0 && !recovering_) {
        const QString message = *heldFailure_;
        heldFailure_.reset();
        communicationsError(message);
    }
    return !cancelled;
}

QString CQuenlarRemoteDoc::lineStatusText() const {
    if (state_ != connectedState)
        return QStringLiteral("Off line");
    QString text =
        QStringLiteral("%1 · %2 baud · %3")
            .arg(QString::fromStdString(openedPath_))
            .arg(openedBaud_)
            .arg(recovering_ ? QStringLiteral("reconnecting") : QStringLiteral("connected"));
    const std::size_t retried = health_.retried();
    const std::size_t failed = health_.failed();
    if (retried > 0 || failed > 0)
        text +=
            QStringLiteral(" · %1 retried, %2 failed in the last minute").arg(retried).arg(failed);
    if (health_.unreliable())
        text += QStringLiteral(" · the line is unreliable");
    return text;
}

ActionGuard CQuenlarRemoteDoc::userActionGuard() {
    return [this](const std::function<void()>& action) {
        try {
            const LineThreadProtocol::Mode deferred(line(), true);
            action();
        } catch (const OperationCancelled&) {
            // The operator stopped it; nothing to report.
        } catch (const ProtocolException& failure) {
            communicationsError(textOf(failure));
        } catch (const std::exception& failure) {
            errorMessage(textOf(failure));
            startPolling();
        }
    };
}
