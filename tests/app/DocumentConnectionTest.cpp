#include <filesystem>
#include <gmock/gmock.h>

#include "OnLineFixture.h"
#include "catalogue/Vx41Params.h"
#include "link/posix/PosixSerialPort.h"
#include "model/QuenlarException.h"
#include "support/Printers.h"

namespace {
constexpr ParameterId trim{197, 4};

// The document against the emulated unit on a pseudo-terminal.
class DocumentConnectionTest : public OnLineFixture {
protected:
    // Settings for the emulator's line at the given speed index, or for path.
    void choose(int speed, const std::string& path = {}) {
        ConnectionSettings settings(store, document, {emulator.linePath()});
        if (!path.empty())
            settings.parameter(ConnectionSettings::portPathId)
                .setValue(ParameterValue::fromText(path));
        settings.parameter(ConnectionSettings::baudRateId).setValue(speed);
    }
    void expectRefused(const std::string& message) {
        EXPECT_THAT([this] { connect(); }, testing::ThrowsMessage<QuenlarException>(message));
        EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::offLineState);
        EXPECT_FALSE(document.openPort());
        // The stack is whole: the simulated unit takes what is written.
        EXPECT_EQ(unit().writeAndRead(trim, 90, 0), ParameterValue(90));
    }
    // What the parameters talk to now.
    GenericProtocol& unit() const { return document.parameters().protocol(); }
};

// Each connect builds a whole new stack on a port opened afresh, at another speed too, and the
// parameters follow it: a value written on the unit is gone off line and back on line.
TEST_F(DocumentConnectionTest, TheParametersFollowEachNewStack) {
    choose(3);
    connect();
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::connectedState);
    unit().writeAndRead(trim, 100, 0);

    document.goOffLine();
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::offLineState);
    EXPECT_FALSE(document.openPort());
    EXPECT_NE(unit().read(trim), ParameterValue(100));

    choose(2);
    connect();
    ASSERT_TRUE(document.openPort());
    EXPECT_EQ(document.openPort()->path, emulator.linePath());
    EXPECT_EQ(document.openPort()->baud, 38400u);
    EXPECT_EQ(unit().read(trim), ParameterValue(100));
    EXPECT_EQ(document.parameters().find(trim).getValue(), ParameterValue(100));

    // "Off Line" leaves the port alone and works with the simulated unit.
    store.setNumber("off line", 1);
    connect();
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::offLineState);
    EXPECT_FALSE(document.openPort());
    EXPECT_NE(unit().read(trim), ParameterValue(100));
}

// A port that is missing or held by another program is refused with its own words; the program
// goes on off line, with the port it had closed.
TEST_F(DocumentConnectionTest, AFailedConnectEndsOffLineWithThePortClosed) {
    connect();
    choose(3, "/nonexistent/ttyVX41");
    expectRefused("Error opening /nonexistent/ttyVX41: No such file or directory.");

    const std::string line = emulator.linePath();
    const PosixSerialPort other(line, 115200);
    choose(3, line);
    expectRefused("Error opening " + line + ": the port is in use by another program.");
}

// Connecting again on the port open now, under any of its names, must keep its speed; another
// port may take any.
TEST_F(DocumentConnectionTest, TheSpeedListLocksToThePortOpenNow) {
    choose(1);
    connect();
    const std::string link = directory.filePath("vx41").toStdString();
    std::filesystem::create_symlink(emulator.linePath(), link);
    ConnectionSettings same(store, document, {emulator.linePath()});
    EXPECT_FALSE(same.parameter(ConnectionSettings::baudRateId).isEnabled());
    same.parameter(ConnectionSettings::portPathId).setValue(ParameterValue::fromText("/dev/null"));
    EXPECT_TRUE(same.parameter(ConnectionSettings::baudRateId).isEnabled());
    same.parameter(ConnectionSettings::baudRateId).setValue(3);
    same.parameter(ConnectionSettings::portPathId).setValue(ParameterValue::fromText(link));
    EXPECT_FALSE(same.parameter(ConnectionSettings::baudRateId).isEnabled());
    EXPECT_EQ(same.baudRate(), 19200u);
}
} // namespace
