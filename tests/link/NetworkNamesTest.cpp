// The names of network ports and the Telnet session that carries the line to an RFC 2217 server.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>

#include "link/PortName.h"
#include "link/TelnetComPort.h"
#include "support/FailureMessage.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t IAC = 255, WILL = 251, WONT = 252, DO = 253, DONT = 254, SB = 250, SE = 240;

TEST(PortName, TellsDevicesFromServersAndFindsHostAndPort) {
    EXPECT_FALSE(PortName("/dev/ttyUSB0").onNetwork());
    EXPECT_FALSE(PortName("TCP://a:1").onNetwork());

    const PortName raw("tcp://rack-3.example:4001");
    EXPECT_EQ(raw.kind(), PortName::Kind::tcp);
    EXPECT_EQ(raw.host(), "rack-3.example");
    EXPECT_EQ(raw.port(), 4001);

    const PortName telnet("rfc2217://[::1]:65535");
    EXPECT_EQ(telnet.kind(), PortName::Kind::rfc2217);
    EXPECT_EQ(telnet.host(), "::1");
    EXPECT_EQ(telnet.port(), 65535);
}

TEST(PortName, MalformedServerNamesSayWhatToGive) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"tcp://host", "tcp://host names no port: give tcp://HOST:PORT."},
        {"tcp://:4001", "tcp://:4001 names no host: give tcp://HOST:PORT."},
        {"rfc2217://h:0", "rfc2217://h:0: the port must be a number from 1 to 65535."},
        {"tcp://h:65536", "tcp://h:65536: the port must be a number from 1 to 65535."},
        {"tcp://h:40x", "tcp://h:40x: the port must be a number from 1 to 65535."},
        {"tcp://::1:4001", "tcp://::1:4001: put an IPv6 address in brackets, as in "
                           "tcp://[::1]:PORT."},
        {"tcp://a b:1", "tcp:// names hold no spaces or control characters: give "
                        "tcp://HOST:PORT."},
    };
    for (const auto& [name, message] : cases)
        EXPECT_EQ(messageOf([&] { PortName{name}; }), message) << name;
}

TEST(TelnetComPort, SetsUpTheServerPortAndAnswersOnlyWhatChanges) {
    TelnetComPort session;
    EXPECT_THAT(session.greeting(),
                ElementsAre(IAC, WILL, 44, IAC, WILL, 0, IAC, DO, 0, IAC, WILL, 3, IAC, DO, 3));
    // 115200 = 0x0001C200, then 8 data bits, no parity, one stop bit, no flow control.
    EXPECT_THAT(TelnetComPort::lineSettings(115200),
                ElementsAreArray(Bytes{IAC, SB,  44, 1,   0,  1,  0xC2, 0, IAC, SE, IAC, SB, 44, 2,
                                       8,   IAC, SE, IAC, SB, 44, 3,    1, IAC, SE, IAC, SB, 44, 4,
                                       1,   IAC, SE, IAC, SB, 44, 5,    1, IAC, SE}));

    // What a serial server says on connecting: the agreements it acknowledges need no answer;
    // its offer to echo is refused, and an option nobody asked for is declined.
    const Bytes server{IAC, WILL, 3, IAC, DO,   3, IAC, WILL, 1,  IAC, DONT, 1,
                       IAC, DO,   0, IAC, WILL, 0, IAC, DO,   44, IAC, DO,   24};
    std::deque<std::uint8_t> data;
    Bytes replies;
    session.take(server.data(), server.size(), data, replies);
    EXPECT_THAT(replies, ElementsAre(IAC, DONT, 1, IAC, WONT, 24));
    EXPECT_TRUE(data.empty());
    EXPECT_FALSE(session.refused());
    EXPECT_FALSE(session.confirmedBaud());
}

TEST(TelnetComPort, DataPassesUnchangedAroundCommandsSplitAnywhere) {
    TelnetComPort session;
    session.greeting();
    // A frame holding 0xFF, a modem-state notice and the speed confirmation, given a byte at a
    // time as the network may cut it.
    const Bytes wire{0x02, IAC, IAC, 0x10, IAC, SB, 44, 107,  0x30, IAC, SE, 0x0D,
                     0x00, IAC, SB,  44,   101, 0,  0,  0x25, 0x80, IAC, SE, 0x04};
    std::deque<std::uint8_t> data;
    Bytes replies;
    for (const std::uint8_t byte : wire)
        session.take(&byte, 1, data, replies);
    EXPECT_THAT(data, ElementsAre(0x02, 0xFF, 0x10, 0x0D, 0x00, 0x04));
    EXPECT_TRUE(replies.empty());
    EXPECT_EQ(session.confirmedBaud(), 9600u);

    const Bytes frame{0x01, 0xFF, 0x02};
    EXPECT_THAT(TelnetComPort::escaped(frame.data(), frame.size()),
                ElementsAre(0x01, 0xFF, 0xFF, 0x02));
}

TEST(TelnetComPort, AServerWithoutPortControlOrBinaryCannotCarryTheLine) {
    for (const Bytes& refusal : {Bytes{IAC, DONT, 44}, Bytes{IAC, WONT, 0}, Bytes{IAC, DONT, 0}}) {
        TelnetComPort session;
        session.greeting();
        std::deque<std::uint8_t> data;
        Bytes replies;
        session.take(refusal.data(), refusal.size(), data, replies);
        EXPECT_TRUE(session.refused()) << int(refusal[1]) << " " << int(refusal[2]);
    }
}

} // namespace
