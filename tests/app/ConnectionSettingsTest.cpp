#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "app/ConnectionSettings.h"
#include "app/SettingsStore.h"

namespace {
class ConnectionSettingsTest : public DocumentFixture {
protected:
    QString storeFile() const { return directory.filePath("settings.ini"); }
    ConnectionSettings settings() { return {store, document, {"/dev/ttyUSB0", "/dev/ttyS0"}}; }
    // A connection made through port.
    void connectedThrough(const std::string& port) {
        ConnectionSettings connected = settings();
        connected.parameter(ConnectionSettings::portPathId)
            .setValue(ParameterValue::fromText(port));
        connected.rememberPort();
    }

    QTemporaryDir directory;
    SettingsStore store{storeFile()};
};

// Each stored value that cannot be taken falls back to its default on its own, and the operator
// is told which; one that can is kept.
TEST_F(ConnectionSettingsTest, DamagedValuesFallBackOneByOneAndAreNamed) {
    store.setNumber("off line", 2);
    store.setNumber("baud rate", 7);
    store.setNumber("port number", 9);
    store.setText("device address", "abc");
    store.setText("port path", QString(5000, 'x'));
    const ConnectionSettings stored = settings();
    EXPECT_FALSE(stored.offLine());
    EXPECT_EQ(stored.baudRate(), 115200u);
    EXPECT_EQ(stored.port(), 10);
    EXPECT_EQ(stored.deviceAddress(), 0x8280);
    EXPECT_EQ(stored.portPath(), "/dev/ttyUSB0");
    EXPECT_EQ(stored.resetNotice(), "Settings that could not be taken are back to their defaults: "
                                    "off line, baud rate, device address, port path.");
    store.setNumber("port number", 10);
    EXPECT_EQ(settings().port(), 1);
    const QString longest(ConnectionSettings::maximumPathLength, 'x');
    store.setText("port path", longest);
    EXPECT_EQ(settings().portPath(), longest.toStdString());

    // A folder where the settings file should be cannot be read at all.
    const QString folder = directory.filePath("folder.ini");
    ASSERT_TRUE(QDir().mkpath(folder));
    SettingsStore unreadable(folder);
    const ConnectionSettings defaults(unreadable, document, {"/dev/ttyUSB0"});
    EXPECT_TRUE(defaults.resetNotice().startsWith("The settings could not be read"));
}

// Ports connected to lately come first in the list, of every kind and newest first, then the
// machine's devices; the list keeps eight.
TEST_F(ConnectionSettingsTest, RecentPortsOfEveryKindLeadThePortList) {
    const std::vector<std::string> chosen{"/dev/ttyS0", "tcp://rack-1:4001", "rfc2217://[::1]:4002",
                                          "tcp://rack-1:4001"};
    for (const std::string& port : chosen)
        connectedThrough(port);
    EXPECT_EQ(settings().portChoices(),
              (std::vector<std::string>{"tcp://rack-1:4001", "rfc2217://[::1]:4002", "/dev/ttyS0",
                                        "/dev/ttyUSB0"}));
    for (int port = 0; port < 10; ++port)
        connectedThrough("tcp://h:" + std::to_string(4000 + port));
    const auto choices = settings().portChoices();
    EXPECT_EQ(choices.front(), "tcp://h:4009");
    EXPECT_EQ(choices.at(7), "tcp://h:4002");
    EXPECT_EQ(choices.size(), 10u); // eight recent, then both devices
    EXPECT_EQ(store.texts("recent ports").size(), 8);
}

// The dialog edits the settings in place, so whatever it showed is kept, OK or Cancel.
TEST_F(ConnectionSettingsTest, TheValuesGoBackToTheStoreWhenTheSettingsGo) {
    {
        ConnectionSettings edited = settings();
        edited.parameter(ConnectionSettings::baudRateId).setValue(1);
        edited.parameter(ConnectionSettings::deviceAddressId).setValue(0x8480);
        // The address, typed most often, is kept at once.
        EXPECT_EQ(store.number("device address", 0), 0x8480u);
        edited.parameter(ConnectionSettings::portPathId)
            .setValue(ParameterValue::fromText("/tmp/vx41"));
        edited.parameter(ConnectionSettings::offLineId).setValue(1);
    }
    const ConnectionSettings again = settings();
    EXPECT_TRUE(again.offLine());
    EXPECT_EQ(again.port(), 0);
    EXPECT_EQ(again.portPath(), "/tmp/vx41");
    EXPECT_EQ(again.baudRate(), 19200u);
    EXPECT_EQ(again.deviceAddress(), 0x8480);
    // Where earlier versions kept them.
    const QSettings written(storeFile(), QSettings::IniFormat);
    EXPECT_EQ(written.value("QuenlarRemote 41/Settings/device address").toInt(), 0x8480);
    EXPECT_EQ(written.value("QuenlarRemote 41/Settings/off line").toInt(), 1);
}

} // namespace
