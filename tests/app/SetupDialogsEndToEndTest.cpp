#include <QCheckBox>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "DeviceDialogFixture.h"
#include "app/ConnectionSettings.h"
#include "app/SettingsStore.h"
#include "app/dialogs/CGpioSetupPage.h"
#include "app/dialogs/CMonitorSetupPage.h"
#include "app/dialogs/CRouterDlg.h"
#include "app/dialogs/CSetupDlg.h"
#include "app/dialogs/CUserPresetsDlg.h"
#include "support/EmulatorProcess.h"

namespace {
QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SetupDialogsEndToEndTest : public DeviceDialogFixture {
protected:
    EmulatorProcess emulator{VX41_EMULATOR, {}};
    QTemporaryDir directory;
    SettingsStore store{directory.filePath("settings.ini")};
};

// Every dialog against the emulated unit: what each changes reaches the unit, and the
// configuration the program then saves is the one the command-line tool reads from the unit.
TEST_F(SetupDialogsEndToEndTest, WhatTheDialogsChangeIsWhatTheUnitKeeps) {
    {
        // The settings of a fresh store: on line, at full speed, on the first port offered.
        ConnectionSettings settings(store, document, {emulator.linePath()});
        ASSERT_TRUE(document.connect(settings));
    }
    const QString before = directory.filePath("before.vxs");
    document.saveConfiguration(before.toStdString());

    CSetupDlg setup(clock, nullptr);
    setup.setDocument(&document);
    setup.show();
    // The analogue outputs switched on first: the monitor settings depend on them.
    auto& analog = control<QCheckBox>(setup.monitorPage(), 2286);
    if (!analog.isChecked())
        analog.click();
    enter(control<QLineEdit>(setup.monitorPage(), 1253), "2 ms");
    setup.tabs().setCurrentIndex(CSetupDlg::gpioTab);
    choose(setup.gpioPage().list(0, 1), 1);
    setup.reject();
    {
        CRouterDlg router(document, seam, nullptr);
        router.crosspoint(4, 2).click();
    }
    {
        CUserPresetsDlg presets(document, seam, nullptr);
        presets.presetButton(4).click();
    }

    EXPECT_EQ(value({117, 26}), 5);
    EXPECT_EQ(value({201, 0}), 1);
    EXPECT_EQ(value({195, 6}), 2);
    EXPECT_EQ(value({115, 0}), 4);

    const QString saved = directory.filePath("saved.vxs");
    const QString read = directory.filePath("read.vxs");
    document.saveConfiguration(saved.toStdString());
    document.goOffLine();
    QProcess tool;
    tool.start(VX41CTL, {"--port", QString::fromStdString(emulator.linePath()), "save", read});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();

    EXPECT_NE(contents(saved), contents(before));
    EXPECT_FALSE(contents(read).isEmpty());
    EXPECT_EQ(contents(saved), contents(read));
    EXPECT_TRUE(seam.messages.empty());
}
} // namespace
