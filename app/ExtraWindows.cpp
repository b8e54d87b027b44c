#include "app/ExtraWindows.h"

#include "app/frames/CMainFrame.h"
#include "app/views/CParameterBrowser.h"

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
