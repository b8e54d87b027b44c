#include "app/CQuenlarRemoteApp.h"

#include <QEventLoop>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "app/CQuenlarRemoteDoc.h"
#include "app/CommandIds.h"
#include "app/ConnectionSettings.h"
#include "app/ExtraWindows.h"
#include "app/FileCommands.h"
#include "app/ModalSeam.h"
#include "app/SettingsStore.h"
#include "app/WaitCursor.h"
#include "app/dialogs/CAboutDlg.h"
#include "app/dialogs/COpenDeviceDlg.h"
#include "app/dialogs/COpeningDeviceWnd.h"
#include "app/dialogs/CRouterDlg.h"
#include "app/dialogs/CSetupDlg.h"
#include "app/dialogs/CUserPresetsDlg.h"
#include "app/frames/CMainFrame.h"
#include "app/frames/CSplash.h"
#include "app/resources/AppResources.h"
#include "app/views/CMainView.h"
#include "app/views/CMetadataView.h"
#include "app/views/CMonitorView.h"
#include "link/posix/PosixSerialPort.h"

namespace {
const QString title = QStringLiteral("QuenlarRemote 41");
constexpr int splashMilliseconds = 2000;
} // namespace

CQuenlarRemoteApp::CQuenlarRemoteApp(ModalSeam& seam, const Clock& clock, SettingsStore& settings,
                                     std::chrono::milliseconds startupPause)
    : seam_(seam), clock_(clock), settings_(settings), startupPause_(startupPause) {}

CQuenlarRemoteApp::~CQuenlarRemoteApp() {
    // The windows and their observers go before the parameters they watch.
    extras_.reset();
    files_.reset();
    frame_.reset();
    document_.reset();
}

bool CQuenlarRemoteApp::initInstance() {
    AppResources::load();
    splash_ = std::make_unique<CSplash>(QString::fromLatin1(AppResources::splash),
                                        splashMilliseconds, CSplashWnd::CloseOnInput,
                                        [this]() -> QWidget* { return frame_.get(); });
    splash_->start();
    createMainFrame();
    pause();
    if (!openDevice()) {
        endStartUp();
        return false;
    }
    try {
        frame_->openViews();
    } catch (const std::exception& error) {
        report(QString::fromStdString(error.what()));
        endStartUp();
        return false;
    }
    // The windows show at once and fill in as the unit's values arrive.
    frame_->showNormal();
    if (!readUnit()) {
        endStartUp();
        return false;
    }
    return true;
}

CQuenlarRemoteDoc* CQuenlarRemoteApp::document() {
    if (!document_) {
        try {
            document_ = std::make_unique<CQuenlarRemoteDoc>(seam_, clock_);
            document_->setWindowParent(frame_.get());
            files_ = std::make_unique<FileCommands>(*document_, seam_);
            if (frame_) {
                extras_ = std::make_unique<ExtraWindows>(*frame_, *document_, seam_);
                followDocument();
            }
        } catch (const std::exception& error) {
            seam_.message(frame_.get(), QMessageBox::Critical, title,
                          QStringLiteral("Failed to create empty document.\n") + error.what(),
                          QMessageBox::Ok, QMessageBox::Ok);
            extras_.reset();
            files_.reset();
            document_.reset();
            if (frame_)
                frame_->close();
        }
    }
    return document_.get();
}

bool CQuenlarRemoteApp::connect() {
    return openDevice() && readUnit();
}

bool CQuenlarRemoteApp::openDevice() {
    CQuenlarRemoteDoc* document = this->document();
    if (!document)
        return false;
    ConnectionSettings settings(settings_, *document, PosixSerialPort::availablePorts());
    if (!settings.resetNotice().isEmpty())
        frame_->statusBar()->showMessage(settings.resetNotice());
    COpenDeviceDlg dialog(settings, *document, frame_.get());
    // Only the frame is blocked, so the splash still closes on a click.
    dialog.setWindowModality(Qt::WindowModal);
    if (seam_.exec(dialog) != QDialog::Accepted)
        return false;
    QString failure;
    {
        const WaitCursor waiting;
        COpeningDeviceWnd opening(frame_.get());
        opening.showNow();
        try {
            document->openLine(settings);
            if (!settings.offLine())
                settings.rememberPort();
            return true;
        } catch (const std::exception& error) {
            failure = QString::fromStdString(error.what());
        }
    }
    // The notice and the wait cursor are gone before the reason is shown.
    report(failure);
    return false;
}

bool CQuenlarRemoteApp::readUnit() {
    try {
        document_->readUnit();
        return true;
    } catch (const std::exception& error) {
        report(QString::fromStdString(error.what()));
        return false;
    }
}

void CQuenlarRemoteApp::followDocument() {
    QObject::connect(document_.get(), &CQuenlarRemoteDoc::connectionChanged, frame_.get(),
                     &CMainFrame::updateCommandStates);
    const auto showLine = [this] { frame_->showLineStatus(document_->lineStatusText()); };
    QObject::connect(document_.get(), &CQuenlarRemoteDoc::lineStatusChanged, frame_.get(),
                     showLine);
    // The counts of the last minute age even when nothing happens on the line.
    auto* ageing = new QTimer(frame_.get());
    QObject::connect(ageing, &QTimer::timeout, frame_.get(), showLine);
    ageing->start(1000);
    showLine();
}

void CQuenlarRemoteApp::createMainFrame() {
    frame_ = std::make_unique<CMainFrame>(seam_);
    frame_->showProfile(settings_.profile());
    frame_->move(frame_->screen()->availableGeometry().center() - frame_->rect().center());
    frame_->setViewFactory(ViewKind::Main, [this] { return new CMainView(*document_); });
    frame_->setViewFactory(ViewKind::Metadata, [this] { return new CMetadataView(*document_); });
    frame_->setViewFactory(ViewKind::Monitor, [this] { return new CMonitorView(*document_); });
    frame_->setCommand(
        CommandId::Connect, [this] { connect(); },
        [this] {
            return !document_ || document_->connectionState() != CQuenlarRemoteDoc::connectedState;
        });
    const auto hasDocument = [this] { return document_ != nullptr; };
    frame_->setCommand(
        CommandId::OpenConfiguration, [this] { files_->openConfiguration(frame_.get()); },
        hasDocument);
    frame_->setCommand(
        CommandId::SaveConfiguration, [this] { files_->saveConfiguration(frame_.get()); },
        hasDocument);
    frame_->setCommand(
        CommandId::ExportText, [this] { files_->exportText(frame_.get()); }, hasDocument);
    frame_->setCommand(
        CommandId::ExportHtml, [this] { files_->exportHtml(frame_.get()); }, hasDocument);
    frame_->setCommand(
        CommandId::CompareWithFile, [this] { extras_->compareWithFile(); }, hasDocument);
    frame_->setCommand(
        CommandId::ParameterBrowser, [this] { extras_->showParameterBrowser(); }, hasDocument);
    frame_->setCommand(
        CommandId::LineMonitor, [this] { extras_->toggleLineMonitor(); }, hasDocument,
        [this] { return extras_ && extras_->lineMonitorShown(); });
    frame_->setCommand(CommandId::About, [this] { about(); });
    addSetupCommands();
}

// 'VX41 Setup' is made once, with the frame that owns it; its pages bind to the document only
// while shown. The router and user-preset dialogs are made afresh for each showing.
void CQuenlarRemoteApp::addSetupCommands() {
    auto* setup = new CSetupDlg(clock_, frame_.get());
    const auto hasDocument = [this] { return document_ != nullptr; };
    frame_->setCommand(
        CommandId::Setup,
        [this, setup] {
            setup->setDocument(document_.get());
            seam_.exec(*setup);
        },
        hasDocument);
    frame_->setCommand(
        CommandId::Router,
        [this] {
            CRouterDlg dialog(*document_, seam_, frame_.get());
            seam_.exec(dialog);
        },
        hasDocument);
    frame_->setCommand(
        CommandId::UserPresets,
        [this] {
            CUserPresetsDlg dialog(*document_, seam_, frame_.get());
            seam_.exec(dialog);
        },
        hasDocument);
}

void CQuenlarRemoteApp::pause() {
    // The event loop keeps turning, so the splash paints and answers clicks meanwhile.
    QEventLoop loop;
    QTimer::singleShot(startupPause_, &loop, &QEventLoop::quit);
    loop.exec();
}

void CQuenlarRemoteApp::about() {
    CAboutDlg dialog(frame_.get());
    seam_.exec(dialog);
}

void CQuenlarRemoteApp::report(const QString& failure) {
    seam_.message(frame_.get(), QMessageBox::Warning, title, failure, QMessageBox::Ok,
                  QMessageBox::Ok);
}

void CQuenlarRemoteApp::endStartUp() {
    splash_.reset();
    extras_.reset();
    files_.reset();
    frame_.reset();
    document_.reset();
}
