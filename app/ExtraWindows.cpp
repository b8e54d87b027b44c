#include "app/ExtraWindows.h"

#include "app/CQuenlarRemoteDoc.h"
#include "app/FileCommands.h"
#include "app/ModalSeam.h"
#include "app/dialogs/CCompareDlg.h"
#include "app/frames/CLineMonitorBar.h"
#include "app/frames/CMainFrame.h"
#include "app/views/CParameterBrowser.h"
#include "catalogue/Vx41Params.h"
#include "model/ConfigurationDiff.h"
#include "model/ConfigurationSnapshot.h"

ExtraWindows::ExtraWindows(CMainFrame& frame, CQuenlarRemoteDoc& document, ModalSeam& seam)
    : frame_(frame), document_(document), seam_(seam) {}

void ExtraWindows::showParameterBrowser() {
    if (!browser_) {
        browser_ = new CParameterBrowser(document_, &frame_);
        // Closing it ends its observers, so a closed browser costs the polling nothing.
        browser_->setAttribute(Qt::WA_DeleteOnClose);
    }
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

CParameterBrowser* ExtraWindows::parameterBrowser() const {
    return browser_;
}

void ExtraWindows::toggleLineMonitor() {
    if (!monitor_) {
        monitor_ = new CLineMonitorBar(document_, seam_, &frame_);
        frame_.addDockWidget(Qt::BottomDockWidgetArea, monitor_);
        // Floating at first, so that the view windows keep their places.
        monitor_->setFloating(true);
        monitor_->resize(720, 300);
        monitor_->hide();
    }
    monitor_->setVisible(!monitor_->isVisible());
}

bool ExtraWindows::lineMonitorShown() const {
    return monitor_ && monitor_->isVisible();
}

CLineMonitorBar* ExtraWindows::lineMonitor() const {
    return monitor_;
}

void ExtraWindows::compareWithFile() {
    const QString path = seam_.openFileName(&frame_, QStringLiteral("Compare with File"),
                                            FileCommands::configurationFilter);
    if (path.isEmpty())
        return;
    const auto file = ConfigurationSnapshot::readFile(
        path.toStdString(),
        ConfigurationSnapshot::largestFile(document_.parameters().parameters()));
    // What a save would write now: everything read again from the unit.
    bool read = false;
    document_.userActionGuard()([this, &read] {
        document_.refreshAll();
        read = true;
    });
    if (!read)
        return;
    const ParameterMap& parameters = document_.parameters().parameters();
    const auto unit = ConfigurationSnapshot::of(parameters, "device");
    CCompareDlg dialog(path, QString::fromStdString(file.damage()),
                       ConfigurationDiff(parameters).compare(file.values(), unit.values()),
                       &frame_);
    seam_.exec(dialog);
}
