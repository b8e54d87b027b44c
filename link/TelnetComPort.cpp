#include "link/TelnetComPort.h"

namespace {

constexpr std::uint8_t iac = 255;
constexpr std::uint8_t dont = 254;
constexpr std::uint8_t doOption = 253;
constexpr std::uint8_t wont = 252;
constexpr std::uint8_t will = 251;
constexpr std::uint8_t sb = 250;
constexpr std::uint8_t se = 240;

constexpr std::uint8_t binary = 0;
constexpr std::uint8_t suppressGoAhead = 3;
constexpr std::uint8_t comPort = 44;

// COM-port commands of the client; the server answers each with its number plus 100.
constexpr std::uint8_t setBaudRate = 1;
constexpr std::uint8_t setDataSize = 2;
constexpr std::uint8_t setParity = 3;
constexpr std::uint8_t setStopSize = 4;
constexpr std::uint8_t setControl = 5;
constexpr std::uint8_t serverOffset = 100;

constexpr std::uint8_t noParity = 1;
constexpr std::uint8_t oneStopBit = 1;
constexpr std::uint8_t noFlowControl = 1;

bool weOffer(std::uint8_t option) {
    return option == binary || option == suppressGoAhead || option == comPort;
}

// Echo above all is refused: the unit's own bytes coming back would read as its answers.
bool weAccept(std::uint8_t option) {
    return option == binary || option == suppressGoAhead;
}

void appendCommand(std::vector<std::uint8_t>& out, std::uint8_t command,
                   const std::vector<std::uint8_t>& value) {
    out.insert(out.end(), {iac, sb, comPort, command});
    for (const std::uint8_t byte : value) {
        out.push_back(byte);
        if (byte == iac)
            out.push_back(iac);
    }
    out.insert(out.end(), {iac, se});
}

} // namespace

std::vector<std::uint8_t> TelnetComPort::greeting() {
    for (const std::uint8_t option : {binary, suppressGoAhead, comPort})
        ours_[option] = true;
    for (const std::uint8_t option : {binary, suppressGoAhead})
        theirs_[option] = true;
    return {iac, will, comPort,         iac, will,     binary,         iac, doOption, binary,
            iac, will, suppressGoAhead, iac, doOption, suppressGoAhead};
}

std::vector<std::uint8_t> TelnetComPort::lineSettings(std::uint32_t baud) {
    std::vector<std::uint8_t> out;
    appendCommand(out, setBaudRate,
                  {static_cast<std::uint8_t>(baud >> 24), static_cast<std::uint8_t>(baud >> 16),
                   static_cast<std::uint8_t>(baud >> 8), static_cast<std::uint8_t>(baud)});
    appendCommand(out, setDataSize, {8});
    appendCommand(out, setParity, {noParity});
    appendCommand(out, setStopSize, {oneStopBit});
    appendCommand(out, setControl, {noFlowControl});
    return out;
}

std::vector<std::uint8_t> TelnetComPort::escaped(const std::uint8_t* bytes, std::size_t count) {
    std::vector<std::uint8_t> out;
    out.reserve(count + 8);
    for (std::size_t i = 0; i < count; ++i) {
        out.push_back(bytes[i]);
        if (bytes[i] == iac)
            out.push_back(iac);
    }
    return out;
}

void TelnetComPort::take(const std::uint8_t* bytes, std::size_t count,
                         std::deque<std::uint8_t>& data, std::vector<std::uint8_t>& replies) {
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t byte = bytes[i];
        switch (state_) {
        case State::data:
            if (byte == iac)
                state_ = State::command;
            else
                data.push_back(byte);
            break;
        case State::command:
            state_ = State::data;
            if (byte == iac) {
                data.push_back(iac);
            } else if (byte >= will && byte <= dont) {
                verb_ = byte;
                state_ = State::option;
            } else if (byte == sb) {
                subnegotiation_.clear();
                state_ = State::subnegotiation;
            }
            // Any other command (no-operation, go-ahead, ...) carries nothing for the line.
            break;
        case State::option:
            negotiate(verb_, byte, replies);
            state_ = State::data;
            break;
        case State::subnegotiation:
            if (byte == iac)
                state_ = State::subnegotiationCommand;
            else
                subnegotiation_.push_back(byte);
            break;
        case State::subnegotiationCommand:
            if (byte == iac) {
                subnegotiation_.push_back(iac);
                state_ = State::subnegotiation;
            } else {
                // SE, or a broken subnegotiation that ends here all the same.
                endSubnegotiation();
                state_ = State::data;
            }
            break;
        }
    }
}

namespace {
// Takes up an option the other side offers or asks for once, or turns it down.
void agree(bool acceptable, bool& inForce, std::uint8_t yes, std::uint8_t no, std::uint8_t option,
           std::vector<std::uint8_t>& replies) {
    if (!acceptable) {
        replies.insert(replies.end(), {iac, no, option});
    } else if (!inForce) {
        inForce = true;
        replies.insert(replies.end(), {iac, yes, option});
    }
}
} // namespace

// Answers a request only when it changes what is in force or asked for, so that the two sides
// never echo each other's agreements back and forth.
void TelnetComPort::negotiate(std::uint8_t verb, std::uint8_t option,
                              std::vector<std::uint8_t>& replies) {
    switch (verb) {
    case doOption:
        agree(weOffer(option), ours_[option], will, wont, option, replies);
        break;
    case dont:
        refused_ = refused_ || (ours_[option] && (option == binary || option == comPort));
        ours_[option] = false;
        break;
    case will:
        agree(weAccept(option), theirs_[option], doOption, dont, option, replies);
        break;
    default: // wont
        refused_ = refused_ || (theirs_[option] && option == binary);
        theirs_[option] = false;
        break;
    }
}

void TelnetComPort::endSubnegotiation() {
    const std::vector<std::uint8_t>& s = subnegotiation_;
    if (s.size() == 6 && s[0] == comPort && s[1] == setBaudRate + serverOffset)
        confirmedBaud_ = static_cast<std::uint32_t>(s[2]) << 24 |
                         static_cast<std::uint32_t>(s[3]) << 16 |
                         static_cast<std::uint32_t>(s[4]) << 8 | s[5];
}
