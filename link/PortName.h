#pragma once

#include <cstdint>
#include <string>

// What the operator names as the unit's port: a serial device by its path, or a serial server on
// the network, tcp://HOST:PORT for one that passes the bytes through as they are and
// rfc2217://HOST:PORT for a Telnet server whose serial port the program sets up (RFC 2217).
// A host may be a name, an IPv4 address or an IPv6 address in brackets.
class PortName {
public:
    enum class Kind { device, tcp, rfc2217 };

    // Throws QuenlarException, naming the fault, for a network name without a host or a port
    // number from 1 to 65535.
    explicit PortName(const std::string& text);

    Kind kind() const { return kind_; }
    bool onNetwork() const { return kind_ != Kind::device; }
    // The device path, or the name as given for a network port.
    const std::string& text() const { return text_; }
    const std::string& host() const { return host_; }
    std::uint16_t port() const { return port_; }

private:
    void parseServer(const std::string& server);

    Kind kind_ = Kind::device;
    std::string text_;
    std::string host_;
    std::uint16_t port_ = 0;
};
