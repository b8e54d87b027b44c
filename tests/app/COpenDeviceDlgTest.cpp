#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "ViewControls.h"
#include "app/ConnectionSettings.h"
#include "app/SettingsStore.h"
#include "app/dialogs/COpenDeviceDlg.h"
#include "app/frames/UpDownControl.h"

namespace {
class COpenDeviceDlgTest : public DocumentFixture {
protected:
    static void type(QLineEdit& box, const QString& text) {
        box.selectAll();
        QTest::keyClicks(&box, text);
    }

    QTemporaryDir directory;
    SettingsStore store{directory.filePath("settings.ini")};
    ConnectionSettings settings{store, document, {"/dev/ttyUSB0", "/dev/ttyS0"}};
    COpenDeviceDlg dialog{settings, document, nullptr};
};

TEST_F(COpenDeviceDlgTest, AddressesTypedOrSteppedKeepTheFormOfTheLine) {
    QLineEdit& box = control<QLineEdit>(dialog, COpenDeviceDlg::addressId);
    for (const auto& [typed, kept] : {std::pair{"8281", "8280"}, std::pair{"8300", "8380"}}) {
        type(box, typed);
        QTest::keyClick(&box, Qt::Key_Return);
        EXPECT_EQ(box.text(), kept);
    }
    // Holding the arrow down steps by 2, then after 2, 4 and 8 seconds by 4, 16 and 64.
    QToolButton& down = control<UpDownControl>(dialog, COpenDeviceDlg::addressUpDownId).downArrow();
    QTest::mousePress(&down, Qt::LeftButton);
    for (const auto& [heldMore, shown] : {std::pair{0, "82fe"}, std::pair{2000, "82fa"},
                                          std::pair{2000, "82ea"}, std::pair{4000, "82aa"}}) {
        clock.advanceMilliseconds(static_cast<std::uint64_t>(heldMore));
        QTest::mouseMove(&down); // a hand that moves holds on all the same
        down.click();
        EXPECT_EQ(box.text(), shown);
    }
    QTest::mouseRelease(&down, Qt::LeftButton);
    EXPECT_EQ(settings.deviceAddress(), 0x82AA);
    // The other arrow held starts a hold of its own.
    QToolButton& up = control<UpDownControl>(dialog, COpenDeviceDlg::addressUpDownId).upArrow();
    QTest::mousePress(&up, Qt::LeftButton);
    up.click();
    QTest::mouseRelease(&up, Qt::LeftButton);
    EXPECT_EQ(box.text(), "82ac");
}

TEST_F(COpenDeviceDlgTest, TextTypedWithoutEnterCountsAtOk) {
    type(control<QLineEdit>(dialog, COpenDeviceDlg::addressId), "8480");
    type(*dialog.findChild<QComboBox*>()->lineEdit(), "/tmp/vx41");
    dialog.accept();
    EXPECT_EQ(settings.deviceAddress(), 0x8480);
    EXPECT_EQ(settings.portPath(), "/tmp/vx41");
    // Leaving the port box counts what was typed, as in every box.
    QLineEdit& port = *dialog.findChild<QComboBox*>()->lineEdit();
    type(port, "/tmp/unit");
    focus(port, QEvent::FocusOut);
    EXPECT_EQ(settings.portPath(), "/tmp/unit");
}

// Off line greys the port, the speed and the address, and on line brings them back, the port
// number with them.
TEST_F(COpenDeviceDlgTest, OffLineGreysThePortTheSpeedAndTheAddress) {
    for (const bool offLine : {true, false}) {
        control<QCheckBox>(dialog, COpenDeviceDlg::offLineId).click();
        EXPECT_EQ(settings.offLine(), offLine);
        EXPECT_NE(control<QComboBox>(dialog, COpenDeviceDlg::portId).isEnabled(), offLine);
        EXPECT_NE(control<QComboBox>(dialog, COpenDeviceDlg::baudRateId).isEnabled(), offLine);
        EXPECT_NE(control<QLineEdit>(dialog, COpenDeviceDlg::addressId).isEnabled(), offLine);
        EXPECT_NE(control<UpDownControl>(dialog, COpenDeviceDlg::addressUpDownId).isEnabled(),
                  offLine);
        EXPECT_NE(settings.parameter(ConnectionSettings::portNumberId).isEnabled(), offLine);
    }
}
} // namespace
