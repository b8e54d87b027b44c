#include "link/posix/SerialPortScanner.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <string_view>
#include <system_error>
#include <tuple>
#include <utility>

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::string_view, 5> serialPrefixes{"ttyS", "ttyUSB", "ttyACM", "ttyAMA",
                                                         "cu."};

bool isSerialName(const std::string& name) {
    return std::any_of(serialPrefixes.begin(), serialPrefixes.end(),
                       [&](std::string_view prefix) { return name.starts_with(prefix); });
}

// "ttyS2" before "ttyS10": the text up to the trailing digits, then the digits as a number
// (shorter first, then by value).
std::tuple<std::string, std::size_t, std::string> naturalKey(const std::string& name) {
    const std::size_t split = name.find_last_not_of("0123456789") + 1;
    return {name.substr(0, split), name.size() - split, name.substr(split)};
}

std::vector<fs::directory_entry> entriesOf(const fs::path& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error)
        return {};
    std::vector<fs::directory_entry> entries;
    for (const fs::directory_entry& entry : it)
        entries.push_back(entry);
    return entries;
}

} // namespace

SerialPortScanner::SerialPortScanner(fs::path devices, fs::path ttyClass)
    : devices_(std::move(devices)), ttyClass_(std::move(ttyClass)) {}

std::vector<std::string> SerialPortScanner::ports() const {
    std::vector<std::string> ports = stableNames();
    const std::vector<std::string> nodes = deviceNodes();
    ports.insert(ports.end(), nodes.begin(), nodes.end());
    return ports;
}

// Symlinks named after the adapter's maker and serial number; dangling ones are skipped.
std::vector<std::string> SerialPortScanner::stableNames() const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : entriesOf(devices_ / "serial" / "by-id")) {
        std::error_code error;
        if (fs::exists(entry.path(), error))
            names.push_back(entry.path().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> SerialPortScanner::deviceNodes() const {
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : entriesOf(devices_)) {
        const std::string name = entry.path().filename().string();
        if (isSerialName(name) && !lacksUart(name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return naturalKey(a) < naturalKey(b);
    });
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back((devices_ / name).string());
    return paths;
}

// The kernel makes a ttyS node for every UART it might have; the serial core's type attribute
// is 0 (unknown) where no UART answered.
bool SerialPortScanner::lacksUart(const std::string& name) const {
    std::ifstream typeFile(ttyClass_ / name / "type");
    int type = -1;
    return typeFile >> type && type == 0;
}
