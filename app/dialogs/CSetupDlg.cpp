#include "app/dialogs/CSetupDlg.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/dialogs/CGpioSetupPage.h"
#include "app/dialogs/CMonitorSetupPage.h"

namespace {
constexpr int tabPaddingX = 5;
constexpr int tabPaddingY = 3;
constexpr int tabFrame = 4;
} // namespace

CSetupDlg::CSetupDlg(const Clock& clock, QWidget* parent)
    : QDialog(parent), tabs_(new QTabBar(this)) {
    setObjectName("CSetupDlg");
    setWindowTitle("VX41 Setup");
    tabs_->setProperty("controlId", tabsId);
    tabs_->setUsesScrollButtons(false);
    tabs_->addTab("Monitor");
    tabs_->addTab("GPIO");

    auto* placeholder = new QFrame(this);
    placeholder->setProperty("controlId", placeholderId);
    placeholder->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    // Only the page of the current tab is shown; the placeholder holds the larger of the two.
    pages_ = new QStackedLayout(placeholder);
    monitorPage_ = new CMonitorSetupPage(clock, placeholder);
    gpioPage_ = new CGpioSetupPage(placeholder);
    pages_->insertWidget(monitorTab, monitorPage_);
    pages_->insertWidget(gpioTab, gpioPage_);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Close", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    layout->addWidget(placeholder);
    layout->addSpacing(8);
    layout->addWidget(buttons);

    // Each tab takes half the width of the dialog, less its padding and frame.
    const int width = placeholder->sizeHint().width();
    tabs_->setStyleSheet(QString("QTabBar::tab { min-width: %1px; padding: %2px %3px; }")
                             .arg(width / 2 - 5 - 2 * tabPaddingX - tabFrame)
                             .arg(tabPaddingY)
                             .arg(tabPaddingX));
    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedLayout::setCurrentIndex);
    tabs_->setCurrentIndex(monitorTab);
}

void CSetupDlg::setDocument(CQuenlarRemoteDoc* document) {
    monitorPage_->setDocument(document);
    gpioPage_->setDocument(document);
}
