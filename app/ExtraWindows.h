#pragma once

#include <QPointer>

class CLineMonitorBar;
class CMainFrame;
class CParameterBrowser;
class CQuenlarRemoteDoc;
class ModalSeam;

// The windows beyond the three views, for whoever looks after the unit: the parameter browser,
// the line monitor and the comparison with a configuration file. Each is made when asked for and
// owned by the frame; a closed one leaves nothing watching the parameters or the line.
class ExtraWindows {
public:
    ExtraWindows(CMainFrame& frame, CQuenlarRemoteDoc& document, ModalSeam& seam);

    // Opens the browser, or brings the open one to the front.
    void showParameterBrowser();
    CParameterBrowser* parameterBrowser() const;

    // Shows the line monitor when it is hidden, hides it when it is shown.
    void toggleLineMonitor();
    bool lineMonitorShown() const;
    CLineMonitorBar* lineMonitor() const;

    // Asks for a configuration file and lists where it differs from the unit, read afresh. A file
    // that cannot be read throws.
    void compareWithFile();

private:
    CMainFrame& frame_;
    CQuenlarRemoteDoc& document_;
    ModalSeam& seam_;
    QPointer<CParameterBrowser> browser_;
    QPointer<CLineMonitorBar> monitor_;
};
