#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

// The client's side of a Telnet session with a serial server that lets the client set up its
// serial port (the COM-port option of RFC 2217). Both directions are binary, so every byte of
// the unit's frames passes unchanged; only the byte 0xFF is doubled on the wire. The server may
// interleave commands with the data at any point, also split across reads; they are taken out
// here and answered.
class TelnetComPort {
public:
    // What the client says on connecting: it offers the COM-port option and asks for binary
    // transmission and no go-ahead both ways. Said once, before anything is taken.
    std::vector<std::uint8_t> greeting();
    // Sets the server's port to baud, 8 data bits, no parity, one stop bit, no flow control.
    static std::vector<std::uint8_t> lineSettings(std::uint32_t baud);
    // Data as it goes on the wire.
    static std::vector<std::uint8_t> escaped(const std::uint8_t* bytes, std::size_t count);

    // Takes bytes from the server: its data is appended to data; what the session must say back
    // is appended to replies.
    void take(const std::uint8_t* bytes, std::size_t count, std::deque<std::uint8_t>& data,
              std::vector<std::uint8_t>& replies);

    // The server refused the COM-port option or binary transmission: it cannot carry the line.
    bool refused() const { return refused_; }
    // The speed the server reported after setting its port, once it did.
    std::optional<std::uint32_t> confirmedBaud() const { return confirmedBaud_; }

private:
    enum class State { data, command, option, subnegotiation, subnegotiationCommand };

    void negotiate(std::uint8_t verb, std::uint8_t option, std::vector<std::uint8_t>& replies);
    void endSubnegotiation();

    State state_ = State::data;
    std::uint8_t verb_ = 0;
    std::vector<std::uint8_t> subnegotiation_;
    // Options in force or asked for on each side, so that an agreement is not answered again.
    std::array<bool, 256> ours_{};
    std::array<bool, 256> theirs_{};
    bool refused_ = false;
    std::optional<std::uint32_t> confirmedBaud_;
};
