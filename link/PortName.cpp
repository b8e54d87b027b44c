#include "link/PortName.h"

#include <string_view>

#include "model/QuenlarException.h"

namespace {

constexpr std::string_view tcpScheme = "tcp://";
constexpr std::string_view rfc2217Scheme = "rfc2217://";

bool startsWith(const std::string& text, std::string_view prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The port number of digits, or 0 when they are none or name no port.
std::uint16_t portNumber(const std::string& digits) {
    if (digits.empty() || digits.size() > 5)
        return 0;
    std::uint32_t number = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return number <= 65535 ? static_cast<std::uint16_t>(number) : 0;
}

} // namespace

PortName::PortName(const std::string& text) : text_(text) {
    if (startsWith(text, tcpScheme)) {
        kind_ = Kind::tcp;
        parseServer(text.substr(tcpScheme.size()));
    } else if (startsWith(text, rfc2217Scheme)) {
        kind_ = Kind::rfc2217;
        parseServer(text.substr(rfc2217Scheme.size()));
    }
}

void PortName::parseServer(const std::string& server) {
    const std::string scheme = kind_ == Kind::tcp ? "tcp" : "rfc2217";
    const std::string form = scheme + "://HOST:PORT";
    for (const char c : server)
        if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F)
            throw QuenlarException(
                scheme + "://" + " names hold no spaces or control characters: give " + form + ".");
    const std::size_t colon = server.rfind(':');
    if (colon == std::string::npos)
        throw QuenlarException(text_ + " names no port: give " + form + ".");
    host_ = server.substr(0, colon);
    // An IPv6 address is bracketed, since it has colons of its own.
    if (host_.size() >= 2 && host_.front() == '[' && host_.back() == ']')
        host_ = host_.substr(1, host_.size() - 2);
    else if (host_.find_first_of("[]:") != std::string::npos)
        throw QuenlarException(text_ + ": put an IPv6 address in brackets, as in " + scheme +
                               "://[::1]:PORT.");
    if (host_.empty())
        throw QuenlarException(text_ + " names no host: give " + form + ".");
    port_ = portNumber(server.substr(colon + 1));
    if (port_ == 0)
        throw QuenlarException(text_ + ": the port must be a number from 1 to 65535.");
}
