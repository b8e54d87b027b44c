#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Finds the serial devices of this machine: the stable names under serial/by-id, then the
// device nodes of UARTs, USB adapters and modems (Linux) or call-out devices (macOS) in natural
// order. A ttyS node whose serial core reports no UART (type 0) is left out.
class SerialPortScanner {
public:
    SerialPortScanner(std::filesystem::path devices, std::filesystem::path ttyClass);

    std::vector<std::string> ports() const;

private:
    std::vector<std::string> stableNames() const;
    std::vector<std::string> deviceNodes() const;
    bool lacksUart(const std::string& name) const;

    std::filesystem::path devices_;
    std::filesystem::path ttyClass_;
};
