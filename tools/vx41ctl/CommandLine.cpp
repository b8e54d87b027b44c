#include "tools/vx41ctl/CommandLine.h"

#include <CLI/CLI.hpp>
#include <charconv>

#include "link/DeviceAddressText.h"
#include "link/PortName.h"

namespace {

constexpr const char* description =
    "Drives a VX41 over its serial remote port, or the simulated unit off line.\n"
    "NUMBER and INDEX are decimal. Exit status: 0 success, 1 the unit or a file failed, "
    "2 usage error.";

bool readWhole(const std::string& text, long& number) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// A value for the unit's 16 bits: signed, or unsigned as the unit's own displays show some.
std::string checkValue(const std::string& text) {
    long number = 0;
    if (!readWhole(text, number) || number < -32768 || number > 65535)
        return "'" + text +
               "' is not a value: give a decimal number from -32768 to 65535, or --text TEXT";
    return {};
}

std::string checkCount(const std::string& text) {
    long number = 0;
    if (!readWhole(text, number) || number < 1 || number > 1'000'000'000)
        return "the count must be a whole number of poll steps from 1 to 1000000000";
    return {};
}

// The first word on the line that is neither an option nor its value, when no command matched.
std::optional<std::string> unknownCommand(const CLI::App& app) {
    if (!app.get_subcommands().empty())
        return std::nullopt;
    for (const auto& word : app.remaining())
        if (!word.empty() && word.front() != '-')
            return word;
    return std::nullopt;
}

// Why text is a malformed network port name; empty for a good one or a device path.
std::string networkNameProblem(const std::string& text) {
    try {
        PortName{text};
        return {};
    } catch (const std::exception& failure) {
        return failure.what();
    }
}

void addConnectionOptions(CLI::App& app, Invocation& invocation, std::string& address) {
    auto* port = app.add_option("--port", invocation.connection.port,
                                "serial device of the unit (e.g. /dev/ttyUSB0), or a serial "
                                "server: tcp://HOST:PORT, rfc2217://HOST:PORT")
                     ->check(networkNameProblem);
    app.add_flag("--offline", invocation.offline,
                 "work with the simulated unit (the default without --port)")
        ->excludes(port);
    app.add_option("--baud", invocation.connection.baud, "line speed")
        ->check(CLI::IsMember({9600, 19200, 38400, 115200}))
        ->capture_default_str();
    app.add_flag("--trace", invocation.trace,
                 "print the serial traffic, decoded, on standard error");
    app.add_option("--address", address, "device address of the unit, hexadecimal")
        ->check(DeviceAddressText::problem)
        ->capture_default_str();
}

// The positional words that land in lists of the invocation, as CLI11 takes them one by one.
struct Positionals {
    std::string setId;
    std::string diffFile;
    std::string diffOther;
};

void addCommands(CLI::App& app, Invocation& invocation, Positionals& positionals) {
    app.add_subcommand("status", "the unit's status word (Ok, Busy, Error, Not Responding)");

    auto* get = app.add_subcommand("get", "read parameters from the unit and print their lines");
    get->add_option("ids", invocation.ids, "NUMBER,INDEX of each parameter")->required();

    auto* set = app.add_subcommand("set", "write one parameter");
    set->add_option("id", positionals.setId, "NUMBER,INDEX")->required();
    auto* value = set->add_option("value", invocation.value, "decimal value")->check(checkValue);
    set->add_option("--text", invocation.text, "write a text (labels, names) instead")
        ->excludes(value);

    auto* dump = app.add_subcommand("dump", "every parameter in id order");
    dump->add_flag("--json", invocation.json, "a JSON array of objects");

    auto* save = app.add_subcommand("save", "save the unit's configuration file");
    save->add_option("file", invocation.file)->required();

    auto* restore = app.add_subcommand("restore", "restore a configuration file to the unit");
    restore->add_option("file", invocation.file)->required();
    restore->add_flag("--setup", invocation.setup, "restore the setup parameters as well");
    restore->add_flag("--force", invocation.force, "restore a file whose checksum is wrong");

    auto* report = app.add_subcommand("report", "write a report of the unit's settings");
    auto* html = report->add_flag("--html", invocation.html, "an HTML page");
    report->add_flag("--text", invocation.textReport, "plain text")->excludes(html);
    report->add_option("file", invocation.file, "the report file; - for standard output")
        ->required();

    auto* diff = app.add_subcommand(
        "diff", "compare two configuration files, or a file with the unit (exit status 0 equal, "
                "1 different, 2 trouble)");
    diff->add_option("file", positionals.diffFile, "a configuration file")->required();
    diff->add_option("file2", positionals.diffOther, "another one; without it, the unit");
    diff->add_flag("--json", invocation.json, "a JSON object");

    auto* watch = app.add_subcommand(
        "watch", "poll as the program does and show the level meters in dB, by channel");
    watch->add_option("--count", invocation.count, "stop after this many poll steps")
        ->check(checkCount);

    app.add_subcommand("ports", "the serial devices this machine has");
}

} // namespace

std::optional<int> CommandLine::parse(int argc, const char* const* argv, Invocation& invocation,
                                      std::ostream& out, std::ostream& err) {
    CLI::App app(description, "vx41ctl");
    std::string address = "8280";
    addConnectionOptions(app, invocation, address);
    Positionals positionals;
    addCommands(app, invocation, positionals);
    app.require_subcommand(1);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ParseError& error) {
        if (const auto word = unknownCommand(app))
            err << "vx41ctl: " << *word << ": no such command\n";
        else
            err << "vx41ctl: " << error.what() << "\n";
        err << "Run with --help for more information.\n";
        return 2;
    }
    invocation.command = app.get_subcommands().front()->get_name();
    if (!positionals.setId.empty())
        invocation.ids.push_back(positionals.setId);
    for (const auto* file : {&positionals.diffFile, &positionals.diffOther})
        if (!file->empty())
            invocation.files.push_back(*file);
    invocation.connection.address = *DeviceAddressText::parse(address);
    if (invocation.command == "set" && !invocation.value && !invocation.text) {
        err << "vx41ctl: set needs a VALUE or --text TEXT\n";
        return 2;
    }
    return std::nullopt;
}
