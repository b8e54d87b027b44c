#include <QAction>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QToolBar>
#include <algorithm>
#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "app/CQuenlarRemoteApp.h"
#include "app/CommandIds.h"
#include "app/SettingsStore.h"
#include "app/dialogs/CMonitorSetupPage.h"
#include "app/dialogs/COpenDeviceDlg.h"
#include "app/dialogs/CSetupDlg.h"
#include "app/frames/CMainFrame.h"
#include "support/FakeClock.h"

namespace {
// The button bar and the Settings menu open the setup, router and user-preset dialogs; the setup
// dialog is the same each time, bound to the document while shown.
TEST(SetupCommandsTest, TheSettingsCommandsOpenTheirDialogs) {
    QTemporaryDir directory;
    SettingsStore store(directory.filePath("settings.ini"));
    FakeClock clock;
    ScriptedModalSeam seam;
    seam.dialogAnswers.push_back([](QDialog& dialog) {
        for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
            if (box->property("controlId").toInt() == COpenDeviceDlg::offLineId &&
                !box->isChecked())
                box->click();
        return QDialog::Accepted;
    });
    CQuenlarRemoteApp program(seam, clock, store, std::chrono::milliseconds(0));
    ASSERT_TRUE(program.initInstance());

    std::vector<QDialog*> shown;
    auto answer = [&shown](QDialog& dialog) {
        dialog.show();
        if (auto* setup = dynamic_cast<CSetupDlg*>(&dialog)) {
            EXPECT_TRUE(setup->monitorPage().isBound());
        }
        shown.push_back(&dialog);
        dialog.hide();
        return QDialog::Rejected;
    };
    const auto* buttonBar = program.mainFrame()->findChild<QToolBar*>("ButtonBar");
    ASSERT_NE(buttonBar, nullptr);
    const QList<QAction*> buttons = buttonBar->actions();
    for (int commandId :
         {CommandId::Setup, CommandId::Router, CommandId::UserPresets, CommandId::Setup}) {
        const auto found = std::find_if(buttons.begin(), buttons.end(), [commandId](QAction* a) {
            return a->property("commandId").toInt() == commandId;
        });
        ASSERT_NE(found, buttons.end());
        EXPECT_TRUE((*found)->isEnabled());
        seam.dialogAnswers.push_back(answer);
        (*found)->trigger();
    }
    EXPECT_EQ(seam.dialogs, std::vector<QString>({"COpenDeviceDlg", "CSetupDlg", "CRouterDlg",
                                                  "CUserPresetsDlg", "CSetupDlg"}));
    ASSERT_EQ(shown.size(), 4U);
    EXPECT_EQ(shown[0], shown[3]);
}
} // namespace
