#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "link/NamedSerialPort.h"

class PortName;
class TelnetComPort;

// The unit's serial line reached through a serial server on the network: tcp://HOST:PORT, whose
// server passes the bytes through and sets its port up itself, or rfc2217://HOST:PORT, a Telnet
// server whose port this program sets to the chosen speed. Connecting waits at most the read
// time-out. A connection the server closes or the network loses is a line that hung up: reads
// return what came, the next write fails saying why, and the port is closed until opened again.
class NetworkSerialPort : public NamedSerialPort {
public:
    static constexpr std::uint32_t writeTimeoutMs = 200;

    NetworkSerialPort();
    ~NetworkSerialPort() override;

    void open(const std::string& name, std::uint32_t baud) override;
    std::size_t read(std::uint8_t* buffer, std::size_t count) override;

protected:
    void openDevice(std::uint32_t baud) override;
    void closeDevice() override;
    void applyTimeout(std::uint32_t ms) override;
    bool writeOnce(const std::uint8_t* bytes, std::size_t count) override;
    std::string lostMessage(const std::string& failure) const override;

private:
    void connectToServer();
    void setUpServerPort(std::uint32_t baud);
    // Takes what the server sent into the data waiting to be read; false when the connection
    // ended or nothing came before the deadline.
    bool receive(std::chrono::steady_clock::time_point deadline);
    // Within the write time-out; the error that stopped it, 0 when every byte went.
    int sendAll(const std::uint8_t* bytes, std::size_t count);
    // The connection is unusable for why: it is closed and not made again by a repair.
    void lose(const std::string& why);
    void release();
    [[noreturn]] void fail(const std::string& reason) const;

    std::unique_ptr<PortName> name_;
    std::unique_ptr<TelnetComPort> telnet_;
    std::deque<std::uint8_t> received_;
    // Why the connection was lost since the port was opened; empty while it holds.
    std::string loss_;
    int socket_ = -1;
};
