#include "EmulatorCommandLine.h"

#include <charconv>
#include <iostream>
#include <random>

#include "link/DeviceAddressText.h"

namespace {
const char* const description =
    "Plays a VX41 unit on a serial line so that the remote control can be run and tested without "
    "one. By default it creates a pseudo-terminal and prints the path a client must open; with "
    "--device it serves a real serial port instead (for a null-modem cable).\n"
    "\n"
    "The unit answers its own select and poll addresses only, as on a shared bus, and keeps the "
    "state of a freshly reset off-line unit: writes are stored and read back with the unit's "
    "reactions. A frame with a wrong checksum is answered ERROR (0x05) instead of ACK. A frame of "
    "command, index, high byte, low byte is a write unless its three bytes ascend and the unit "
    "holds parameters under that number, or under neither it nor the next: then it asks for three "
    "values. A read whose reply would "
    "not fit in one frame leaves out the values that do not fit; an id the unit does not hold is "
    "answered with an empty value.\n";

const char* const footer =
    "Exit status: 0 when stopped by SIGINT, SIGTERM or SIGHUP; 1 when the line cannot be opened "
    "or fails; 2 for a bad command line.";

// A probability the faults can take: NaN would pass a range check and act as 0.
std::string checkProbability(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value >= 0 && value <= 1))
        return "a probability from 0 to 1, not " + text;
    return {};
}
} // namespace

EmulatorCommandLine::EmulatorCommandLine() : app_(description, "vx41-emulator") {
    app_.footer(footer);
    app_.get_formatter()->column_width(28);
    addLineOptions();
    addUnitOptions();
    addFaultOptions();
}

void EmulatorCommandLine::addLineOptions() {
    app_.add_option("--device", options_.device,
                    "Serve this serial device (raw, 8N1 at --baud) instead of a pseudo-terminal");
    app_.add_option("--baud", options_.baud, "Line speed in bits per second")
        ->check(CLI::IsMember({9600, 19200, 38400, 115200}))
        ->capture_default_str();
    app_.add_flag("--pace", options_.pace,
                  "Take as long as the line would: 10 bit times per byte at --baud, both ways");
    app_.add_option(
        "--link", options_.link,
        "Put a symbolic link to the line here (an old link is replaced; removed at exit)");
}

void EmulatorCommandLine::addUnitOptions() {
    app_.add_option("--address", addressText_, "Device address in hexadecimal (0x prefix optional)")
        ->check(DeviceAddressText::problem)
        ->capture_default_str();
    app_.add_option("--write-delay", options_.unit.writeDelayMs,
                    "After each write, answer polls BUSY for this many milliseconds")
        ->capture_default_str();
    app_.add_flag("--animate", options_.unit.animateMeters,
                  "Move the meters (204, 0..22) in a smooth pattern");
}

void EmulatorCommandLine::addFaultOptions() {
    FaultSettings& faults = options_.unit.faults;
    app_.add_option("--drop", faults.dropProbability,
                    "Probability (0..1) of losing each byte the unit sends")
        ->check(checkProbability);
    app_.add_option("--corrupt", faults.corruptProbability,
                    "Probability (0..1) of flipping one bit of each byte the unit sends")
        ->check(checkProbability);
    app_.add_option("--busy-for", faults.busyPolls,
                    "After each request (write or read frame), answer the next N polls BUSY");
    silentAfterOption_ =
        app_.add_option("--silent-after", silentAfter_,
                        "Serve N requests (write or read frames), then answer nothing at all");
    seedOption_ = app_.add_option("--seed", seed_,
                                  "Seed of the injected faults; the same seed gives the same "
                                  "faults (default: random, printed on standard error)");
}

std::optional<int> EmulatorCommandLine::parse(int argc, char** argv) {
    try {
        app_.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int code = app_.exit(error);
        return code == 0 ? stopped : badUsage;
    }
    finish();
    return std::nullopt;
}

void EmulatorCommandLine::finish() {
    options_.unit.address = *DeviceAddressText::parse(addressText_);
    FaultSettings& faults = options_.unit.faults;
    if (silentAfterOption_->count() > 0)
        faults.silentAfter = silentAfter_;
    if (seedOption_->count() > 0) {
        faults.seed = seed_;
        return;
    }
    faults.seed = std::random_device{}();
    if (faults.dropProbability > 0 || faults.corruptProbability > 0)
        std::cerr << "vx41-emulator: fault seed " << faults.seed << std::endl;
}
