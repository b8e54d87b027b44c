#pragma once

#include <QDialog>

class CGpioSetupPage;
class CMonitorSetupPage;
class CQuenlarRemoteDoc;
class Clock;
class QStackedLayout;
class QTabBar;

// 'VX41 Setup': the "Monitor" and "GPIO" pages under a tab bar. Made once with the main window,
// before the document exists, and shown modally whenever asked; the page in view is bound to the
// document's parameters only while the dialog shows it.
class CSetupDlg : public QDialog {
public:
    static constexpr int tabsId = 1238;
    static constexpr int placeholderId = 1339;
    static constexpr int monitorTab = 0;
    static constexpr int gpioTab = 1;

    CSetupDlg(const Clock& clock, QWidget* parent);

    // The pages bind to document when shown.
    void setDocument(CQuenlarRemoteDoc* document);

    QTabBar& tabs() const { return *tabs_; }
    CMonitorSetupPage& monitorPage() const { return *monitorPage_; }
    CGpioSetupPage& gpioPage() const { return *gpioPage_; }

private:
    QTabBar* tabs_;
    QStackedLayout* pages_;
    CMonitorSetupPage* monitorPage_;
    CGpioSetupPage* gpioPage_;
};
