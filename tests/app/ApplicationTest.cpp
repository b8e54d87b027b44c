#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

#include "LineWait.h"
#include "ScriptedModalSeam.h"
#include "ViewControls.h"
#include "app/CQuenlarRemoteApp.h"
#include "app/CommandIds.h"
#include "app/SettingsStore.h"
#include "app/dialogs/CMonitorSetupPage.h"
#include "app/dialogs/COpenDeviceDlg.h"
#include "app/dialogs/CSetupDlg.h"
#include "app/frames/CChildFrame.h"
#include "app/frames/CLedButton.h"
#include "app/frames/CLineMonitorBar.h"
#include "app/frames/CMainFrame.h"
#include "app/frames/CSplash.h"
#include "app/frames/LedPictures.h"
#include "app/views/CMainView.h"
#include "app/views/CParameterBrowser.h"
#include "support/EmulatorProcess.h"
#include "support/FakeClock.h"
#include "support/RecordingProtocol.h"

namespace {

// The whole program, started with its connection window answered by a script.
class ApplicationTest : public testing::Test {
protected:
    // 'Open Device' answered with "Off Line" ticked and OK.
    static int offLine(QDialog& dialog) {
        QCheckBox& box = control<QCheckBox>(dialog, COpenDeviceDlg::offLineId);
        if (!box.isChecked())
            box.click();
        return QDialog::Accepted;
    }

    bool start(ScriptedModalSeam::DialogAnswer openDevice) {
        seam.dialogAnswers.push_back(std::move(openDevice));
        program =
            std::make_unique<CQuenlarRemoteApp>(seam, clock, store, std::chrono::milliseconds(0));
        return program->initInstance();
    }

    CMainFrame& frame() const { return *program->mainFrame(); }
    CQuenlarRemoteDoc& document() const { return *program->document(); }
    QAction* command(int commandId) const { return ::command(frame(), commandId); }
    // The reads the action asks of the unit.
    std::vector<ParameterIdSet> requestsOf(const std::function<void()>& action) {
        Vx41Params& parameters = document().parameters();
        GenericProtocol& unit = parameters.protocol();
        RecordingProtocol recorder(unit);
        parameters.switchProtocol(recorder);
        action();
        parameters.switchProtocol(unit);
        return recorder.requests;
    }

    QTemporaryDir directory;
    SettingsStore store{directory.filePath("settings.ini")};
    FakeClock clock;
    ScriptedModalSeam seam;
    std::unique_ptr<CQuenlarRemoteApp> program;
};

TEST_F(ApplicationTest, StartsOffLineWithTheMainWindowShowingTheSimulatedUnit) {
    ASSERT_TRUE(start(offLine));
    EXPECT_TRUE(frame().isVisible());
    ASSERT_NE(frame().findChild<CMainView*>("CMainView"), nullptr);
    EXPECT_NE(frame().childFrame(ViewKind::Metadata), nullptr);
    EXPECT_NE(frame().childFrame(ViewKind::Monitor), nullptr);
    // The keyboard works in the Main window first.
    EXPECT_EQ(frame().findChild<QMdiArea*>()->activeSubWindow(),
              frame().childFrame(ViewKind::Main));
    for (const QAction* menu : frame().menuBar()->actions())
        EXPECT_TRUE(menu->isVisible()) << menu->text().toStdString();
    EXPECT_EQ(document().connectionState(), CQuenlarRemoteDoc::offLineState);
    EXPECT_TRUE(command(CommandId::Connect)->isEnabled());
    EXPECT_TRUE(controlOf<CLedButton>(frame(), 1193)->isOn());
    // The splash stays two seconds at least.
    ASSERT_NE(shownWindow<CSplashWnd>(), nullptr);
    EXPECT_EQ(shownWindow<CSplashWnd>()->findChild<QTimer*>("SplashTimer")->interval(), 2000);
}

// One program per unit: each profile keeps its own settings, and its name is in the title.
TEST_F(ApplicationTest, AProfileKeepsItsOwnSettingsAndNamesTheWindow) {
    store.setText("port path", "/dev/ttyS7");
    store.useProfile("Studio 3");
    store.setText("port path", "rfc2217://rack:4001");
    ASSERT_TRUE(start(offLine));
    EXPECT_EQ(frame().windowTitle(), "Quenlar Laboratories - QuenlarRemote 41 (Studio 3)");
    program.reset();
    const QSettings file(directory.filePath("settings.ini"), QSettings::IniFormat);
    EXPECT_EQ(file.value("QuenlarRemote 41/Profiles/Studio 3/Settings/port path"),
              "rfc2217://rack:4001");
    EXPECT_EQ(file.value("QuenlarRemote 41/Profiles/Studio 3/Settings/off line"), 1);
    EXPECT_EQ(file.value("QuenlarRemote 41/Settings/port path"), "/dev/ttyS7");
    EXPECT_FALSE(file.contains("QuenlarRemote 41/Settings/off line"));

    for (const QString& bad : {QString(), QString("  "), QString("a/b"), QString("a\\b"),
                               QString("a\tb"), QString(65, 'x')})
        EXPECT_FALSE(SettingsStore::profileProblem(bad).isEmpty()) << bad.toStdString();
    EXPECT_TRUE(SettingsStore::profileProblem(QString(64, 'x')).isEmpty());
}

TEST_F(ApplicationTest, CancellingTheConnectionEndsTheStartUp) {
    EXPECT_FALSE(start(ScriptedModalSeam::result(QDialog::Rejected)));
    EXPECT_EQ(program->mainFrame(), nullptr);
    EXPECT_TRUE(seam.messages.empty());
}

TEST_F(ApplicationTest, AConnectionThatFailsAtStartUpIsReportedAndEndsIt) {
    store.setNumber("off line", 0);
    store.setText("port path", directory.filePath("no-such-port"));
    EXPECT_FALSE(start(ScriptedModalSeam::result(QDialog::Accepted)));
    EXPECT_EQ(program->mainFrame(), nullptr);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(seam.messages[0].text.contains("no-such-port"))
        << seam.messages[0].text.toStdString();
}

// The clock is the document's: with the Main window closed the other windows stay live.
TEST_F(ApplicationTest, ClosingTheMainWindowKeepsPollingTheUnit) {
    ASSERT_TRUE(start(offLine));
    delete frame().childFrame(ViewKind::Main);
    EXPECT_TRUE(document().pollingClock().isRunning());
    EXPECT_EQ(requestsOf([this] { document().pollingClock().tick(); }).size(), 1u);
}

// Pressing the programme button already lit keeps it lit and still reads again what depends on
// the programme.
TEST_F(ApplicationTest, AProgrammeButtonReadsItsCategoriesAgain) {
    ASSERT_TRUE(start(offLine));
    const auto requests = requestsOf([this] { controlOf<CLedButton>(frame(), 1193)->click(); });
    EXPECT_TRUE(controlOf<CLedButton>(frame(), 1193)->isOn());
    ASSERT_EQ(requests.size(), 3u);
    const std::string categories = "Mms";
    for (std::size_t request = 0; request < categories.size(); ++request)
        for (const ParameterId& id : requests[request])
            EXPECT_EQ(document().parameters().find(id).category(), categories[request])
                << id.toString();
}

TEST_F(ApplicationTest, TheErrorLampFollowsTheUnitsErrorState) {
    ASSERT_TRUE(start(offLine));
    const auto* lamp = controlOf<QLabel>(frame(), 1153);
    const std::pair<int, const char*> states[] = {{1, "red on"}, {0, "green off"}};
    for (const auto& [error, picture] : states) {
        // The unit takes a value under the number below the one it reports it under.
        document().parameters().protocol().write(ParameterId(208, 36).previous(), error, 0);
        document().refreshAll();
        EXPECT_EQ(lamp->pixmap().toImage(), LedPictures::load(picture).toImage()) << picture;
    }
}

// The button bar and the Settings menu open the setup, router and user-preset dialogs; the setup
// dialog is the same each time, bound to the document while shown. Help opens the About box.
TEST_F(ApplicationTest, TheSettingsCommandsOpenTheirDialogs) {
    ASSERT_TRUE(start(offLine));
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
    const auto* buttonBar = frame().findChild<QToolBar*>("ButtonBar");
    ASSERT_NE(buttonBar, nullptr);
    const QList<QAction*> buttons = buttonBar->actions();
    for (int commandId :
         {CommandId::Setup, CommandId::Router, CommandId::UserPresets, CommandId::Setup}) {
        QAction* button = command(commandId);
        ASSERT_TRUE(buttons.contains(button)) << commandId;
        EXPECT_TRUE(button->isEnabled());
        seam.dialogAnswers.push_back(answer);
        button->trigger();
    }
    seam.dialogAnswers.push_back([](QDialog& about) {
        // The program's icon, first, beside the version line.
        EXPECT_EQ(about.findChild<QLabel*>()->pixmap().size(), QSize(32, 32));
        return static_cast<int>(QDialog::Accepted);
    });
    command(CommandId::About)->trigger();
    EXPECT_EQ(seam.dialogs, std::vector<QString>({"COpenDeviceDlg", "CSetupDlg", "CRouterDlg",
                                                  "CUserPresetsDlg", "CSetupDlg", "CAboutDlg"}));
    ASSERT_EQ(shown.size(), 4U);
    EXPECT_EQ(shown[0], shown[3]);
}

// The line monitor comes up floating, so that the view windows keep their places, and goes with
// the same command, whose tick follows it. A closed browser is gone, and comes back when asked.
TEST_F(ApplicationTest, TheLineMonitorTogglesAndAClosedBrowserComesBack) {
    ASSERT_TRUE(start(offLine));
    for (const bool shown : {true, false, true}) {
        command(CommandId::LineMonitor)->trigger();
        auto* monitor = frame().findChild<CLineMonitorBar*>();
        ASSERT_NE(monitor, nullptr);
        EXPECT_EQ(monitor->isVisible(), shown);
        // Floating, it docks at the bottom of the frame when put back.
        EXPECT_TRUE(monitor->isFloating());
        EXPECT_EQ(frame().dockWidgetArea(monitor), Qt::BottomDockWidgetArea);
        EXPECT_EQ(monitor->size(), QSize(720, 300));
        EXPECT_EQ(command(CommandId::LineMonitor)->isChecked(), shown);
    }
    for (int opened = 0; opened < 2; ++opened) {
        command(CommandId::ParameterBrowser)->trigger();
        auto* browser = frame().findChild<CParameterBrowser*>();
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(browser->isVisible());
        EXPECT_EQ(browser->size(), QSize(760, 520));
        // Asked for again, the open browser comes forward and takes the keyboard.
        QApplication::setActiveWindow(&frame());
        command(CommandId::ParameterBrowser)->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), browser);
        browser->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(frame().findChild<CParameterBrowser*>(), nullptr);
    }
}

// The first read stands over the main window, never over the splash: the splash closes by itself
// and would take a window made on the stack with it. The port is remembered once it answered.
// When the unit goes away, the next tick offers the recovery, and working off line offers to
// connect again.
TEST_F(ApplicationTest, OnLineTheFirstReadStandsOverTheMainWindowAndALostUnitEndsOffLine) {
    EmulatorProcess emulator(VX41_EMULATOR, {});
    store.setNumber("off line", 0);
    store.setText("port path", QString::fromStdString(emulator.linePath()));
    QWidget* progressParent = nullptr;
    ASSERT_TRUE(start([&](QDialog&) {
        QObject::connect(program->document(), &CQuenlarRemoteDoc::exchanged, [&] {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == "ProgressWindow")
                    progressParent = window->parentWidget();
        });
        return static_cast<int>(QDialog::Accepted);
    }));
    EXPECT_EQ(progressParent, program->mainFrame());
    // The port that answered leads what 'Open Device' offers next time.
    EXPECT_EQ(store.texts("recent ports"),
              QStringList{QString::fromStdString(emulator.linePath())});
    EXPECT_EQ(document().connectionState(), CQuenlarRemoteDoc::connectedState);
    EXPECT_FALSE(command(CommandId::Connect)->isEnabled());
    // The line monitor, shown and put away on line.
    command(CommandId::LineMonitor)->trigger();
    command(CommandId::LineMonitor)->trigger();

    emulator.stop();
    seam.dialogAnswers.push_back(ScriptedModalSeam::result(QDialog::Rejected));
    tickAndWait(document());
    EXPECT_EQ(seam.dialogs.back(), "CCommErrorDlg");
    EXPECT_EQ(document().connectionState(), CQuenlarRemoteDoc::offLineState);
    EXPECT_TRUE(command(CommandId::Connect)->isEnabled());
    // Shown again, it says why the line is quiet.
    command(CommandId::LineMonitor)->trigger();
    EXPECT_EQ(frame().findChild<CLineMonitorBar*>()->findChild<QLabel*>()->text(),
              "Off line: no serial traffic");

    // Connecting to another unit reads it: what was set off line goes.
    Parameter& trim = document().parameters().find({197, 0});
    trim.setValue(50);
    const EmulatorProcess another(VX41_EMULATOR, {});
    store.setText("port path", QString::fromStdString(another.linePath()));
    seam.dialogAnswers.push_back(ScriptedModalSeam::result(QDialog::Accepted));
    command(CommandId::Connect)->trigger();
    EXPECT_EQ(document().connectionState(), CQuenlarRemoteDoc::connectedState);
    EXPECT_EQ(trim.getValue(), ParameterValue(60));
}

} // namespace
