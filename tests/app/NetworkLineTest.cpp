// The unit reached through a serial server on the network: a server that goes away is a lost
// line, and one started again is reached by trying to reconnect.
#include <QDialog>
#include <QLabel>
#include <gmock/gmock.h>

#include "LineWait.h"
#include "OnLineFixture.h"
#include "catalogue/Vx41Params.h"
#include "support/Ser2netProcess.h"

namespace {

constexpr ParameterId masterTrim{197, 0};

using NetworkLineTest = OnLineFixture;

TEST_F(NetworkLineTest, AServerKilledWhilePollingIsALostLineThatReconnectingBringsBack) {
    Ser2netProcess server(emulator.linePath(), Ser2netProcess::Mode::rfc2217);
    ASSERT_TRUE(connect(server.address()));
    ASSERT_EQ(document.openPort()->path, server.address());
    tickAndWait(document);

    server.kill();
    QStringList shown;
    seam.dialogAnswers = {[&](QDialog& dialog) {
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            shown << label->text();
        server.start();
        return int(QDialog::Accepted);
    }};
    tickAndWait(document);
    ASSERT_EQ(seam.dialogs, std::vector<QString>{"CCommErrorDlg"});
    EXPECT_TRUE(shown.join("\n").contains("The connection to " +
                                          QString::fromStdString(server.address()) +
                                          " was lost: the server closed it."))
        << shown.join("\n").toStdString();

    document.userActionGuard()([this] { document.parameters().find(masterTrim).setValue(40); });
    tickAndWait(document);
    tickAndWait(document);
    EXPECT_EQ(seam.dialogs.size(), 1u) << "polling did not come back";
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::connectedState);
}

TEST_F(NetworkLineTest, AServerThatIsNotThereFailsTheConnectionWithTheSystemsReason) {
    // A server stopped again at once: nothing listens at its address.
    const std::string address =
        Ser2netProcess(emulator.linePath(), Ser2netProcess::Mode::raw).address();
    EXPECT_THAT([&] { connect(address); },
                testing::ThrowsMessage<std::exception>("Error opening " + address +
                                                       ": Connection refused."));
    EXPECT_TRUE(seam.dialogs.empty());
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::offLineState);
}

} // namespace
