#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <optional>

#include "LineWait.h"
#include "OnLineFixture.h"
#include "ViewControls.h"
#include "catalogue/Vx41Params.h"
#include "link/ProtocolException.h"
#include "support/RecordingProtocol.h"

namespace {
class PollingClockTest : public OnLineFixture {
protected:
    void connectToTheEmulator() {
        connect();
        ASSERT_EQ(document.connectionState(), CQuenlarRemoteDoc::connectedState);
    }
    void expectPollingOffLine() {
        EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::offLineState);
        EXPECT_TRUE(pollingClock.isRunning());
        const auto asked = seam.dialogs.size();
        tickAndWait(document);
        EXPECT_EQ(seam.dialogs.size(), asked);
    }

    PollingClock& pollingClock = document.pollingClock();
    // Records the simulated unit's exchanges once the parameters are switched to it.
    GenericProtocol& simulated = document.parameters().protocol();
    RecordingProtocol recorder{simulated};
};

// A lost adapter closes the port; once the unit is back on the same path, trying again opens it.
TEST_F(PollingClockTest, TryingAgainOpensTheLostPortOnceTheUnitIsBack) {
    const std::string link = directory.filePath("vx41").toStdString();
    std::optional<EmulatorProcess> unit(std::in_place, VX41_EMULATOR,
                                        std::vector<std::string>{"--link", link});
    connect(link);
    unit.reset();
    seam.dialogAnswers = {[&](QDialog&) {
        unit.emplace(VX41_EMULATOR, std::vector<std::string>{"--link", link});
        return static_cast<int>(QDialog::Accepted);
    }};
    tickAndWait(document);
    EXPECT_EQ(seam.dialogs.size(), 1u);
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::connectedState);
    EXPECT_TRUE(pollingClock.isRunning());
    tickAndWait(document);
    EXPECT_EQ(seam.dialogs.size(), 1u);
}

// Starting the clock on a unit that is gone must not leave it stopped while connected:
// "Try To Reconnect" starts again, "Work Offline" starts on the simulated unit.
TEST_F(PollingClockTest, AStartThatFailsOnTheLineOffersToReconnect) {
    connectToTheEmulator();
    emulator.stop();
    seam.dialogAnswers = {ScriptedModalSeam::result(QDialog::Accepted),
                          ScriptedModalSeam::result(QDialog::Rejected)};
    pollingClock.start();
    EXPECT_EQ(seam.dialogs, (std::vector<QString>{"CCommErrorDlg", "CCommErrorDlg"}));
    expectPollingOffLine();
}

// Off line only the line's own failure offers a reconnect; any other is shown as it is.
TEST_F(PollingClockTest, OffLineAStartThatFailsOtherwiseShowsTheFailure) {
    document.parameters().switchProtocol(recorder);
    recorder.duringReadMany = [] { throw QuenlarException("Inconsistent State"); };
    pollingClock.start();
    document.parameters().switchProtocol(simulated);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Inconsistent State");
}

TEST_F(PollingClockTest, ATickDoesNothingUnderAModalDialog) {
    document.parameters().switchProtocol(recorder);
    QDialog modal;
    modal.setModal(true);
    modal.show();
    pollingClock.tick();
    EXPECT_TRUE(recorder.requests.empty());
    modal.hide();
    pollingClock.tick();
    EXPECT_EQ(recorder.requests.size(), 1u);
    document.parameters().switchProtocol(simulated);
}

// A failure of an operator's action on the line goes to the recovery; any other is shown and
// polling goes on.
TEST_F(PollingClockTest, TheUserActionGuardReportsEachKindOfFailure) {
    const auto guard = document.userActionGuard();
    guard([] { throw QuenlarException("Inconsistent State"); });
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_EQ(seam.messages[0].text, "Inconsistent State");
    EXPECT_TRUE(pollingClock.isRunning());

    connectToTheEmulator();
    seam.dialogAnswers = {ScriptedModalSeam::result(QDialog::Rejected)};
    guard([] { throw ProtocolException("There was no response to a poll."); });
    EXPECT_EQ(seam.dialogs, std::vector<QString>{"CCommErrorDlg"});
    expectPollingOffLine();
}
// Long work runs with the clock stopped, in front of a window that says what it does and counts
// the exchanges, both laid out within its margins; the clock goes on afterwards without reading
// everything again.
TEST_F(PollingClockTest, LongWorkShowsItsProgressWithPollingStopped) {
    pollingClock.start();
    QStringList shown;
    document.runLongWork("Saving", [&] {
        EXPECT_FALSE(pollingClock.isRunning());
        document.parameters().protocol().read({117, 48});
        document.parameters().protocol().writeAndRead({117, 49}, 3, 0);
        ParameterValueMap values;
        document.parameters().protocol().readMany({{117, 48}, {117, 49}}, values);
        if (QWidget* window = shownWindow("ProgressWindow")) {
            const QRect inside = window->rect().marginsRemoved(window->layout()->contentsMargins());
            for (QLabel* label : window->findChildren<QLabel*>()) {
                shown << label->text();
                EXPECT_TRUE(inside.contains(label->geometry())) << label->text().toStdString();
            }
        }
    });
    shown.sort();
    EXPECT_EQ(shown.join('|').toStdString(), "Exchanges with the unit: 3|Saving");
    EXPECT_TRUE(pollingClock.isRunning());
}
} // namespace
