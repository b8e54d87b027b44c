// The unit reached through a serial server on the network: a server that goes away is a lost
// line, and one started again is reached by trying to reconnect.
#include <QDialog>
#include <QLabel>

#include "LineWait.h"
#include "OnLineFixture.h"
#include "catalogue/Vx41Params.h"
#include "support/Ser2netProcess.h"

namespace {

constexpr ParameterId masterTrim{197, 0};

class NetworkLineTest : public OnLineFixture {
protected:
    bool connectThrough(const Ser2netProcess& server) {
        ConnectionSettings settings(store, document, {server.address()});
        return document.connect(settings);
    }
};

TEST_F(NetworkLineTest, AServerKilledWhilePollingIsALostLineThatReconnectingBringsBack) {
    Ser2netProcess server(emulator.linePath(), Ser2netProcess::Mode::rfc2217);
    ASSERT_TRUE(connectThrough(server));
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
    std::string address;
    {
        const Ser2netProcess gone(emulator.linePath(), Ser2netProcess::Mode::raw);
        address = gone.address();
    }
    ConnectionSettings settings(store, document, {address});
    try {
        document.connect(settings);
        ADD_FAILURE() << "connected to nothing";
    } catch (const std::exception& failure) {
        EXPECT_EQ(std::string(failure.what()),
                  "Error opening " + address + ": Connection refused.");
    }
    EXPECT_TRUE(seam.dialogs.empty());
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::offLineState);
}

} // namespace
