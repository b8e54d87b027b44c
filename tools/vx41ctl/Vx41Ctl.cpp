#include "tools/vx41ctl/Vx41Ctl.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "catalogue/Vx41Params.h"
#include "link/LineTraceDecoder.h"
#include "link/posix/PosixSerialPort.h"
#include "model/AtomicFile.h"
#include "model/ConfigurationDiff.h"
#include "model/ConfigurationSnapshot.h"
#include "model/ControlParameter.h"
#include "model/QuenlarException.h"
#include "tools/vx41ctl/HeldSignals.h"
#include "tools/vx41ctl/IdArgument.h"
#include "tools/vx41ctl/LevelMeters.h"
#include "tools/vx41ctl/RestoreProgress.h"
#include "tools/vx41ctl/TraceWriter.h"
#include "tools/vx41ctl/Utf8Text.h"

namespace {

// The program polls every 30 ms.
constexpr std::uint64_t pollPeriodMs = 30;

// Contents are made (the unit read) before the file is touched, and SIGINT and SIGTERM are held
// while it is: an interrupt lands before the temporary file exists or once it has been renamed or
// removed, never leaving it behind.
void writeFile(const std::string& file, const std::string& contents, std::ios::openmode mode) {
    HeldSignals held;
    AtomicFile::writeBytes(file, contents, mode);
}

void saveConfiguration(Vx41Params& unit, const UnitConnection& connection,
                       const std::string& file) {
    const auto damaged = [&connection] { return connection.damagedExchanges(); };
    writeFile(file, unit.confirmedSave(damaged), std::ios::binary);
}

std::string withoutLineEnd(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

std::string reportLine(const Parameter& parameter) {
    std::ostringstream line;
    parameter.writeText(line);
    return line.str();
}

// A compound shows the parameter it presents, and so does its name.
const Parameter& nameGiver(const Vx41Params& unit, const Parameter& parameter) {
    const Parameter* presented = unit.findOrNull(parameter.getId());
    return presented != nullptr ? *presented : parameter;
}

std::ifstream openForReading(const std::string& file) {
    std::ifstream stream = ConfigurationSnapshot::open(file);
    if (!stream)
        throw QuenlarException("Cannot open " + file + " for reading.");
    return stream;
}

// The value to write: a text, or a decimal number the command line found to fit 16 bits.
ParameterValue valueToWrite(const Invocation& invocation) {
    if (invocation.text)
        return ParameterValue::fromText(*invocation.text);
    return ParameterValue(static_cast<int>(std::stol(*invocation.value)));
}

// Names, labels and descriptions: the catalogue leaves their limits open, as their bytes are
// characters.
bool takesText(const Parameter& parameter) {
    return parameter.getMinimum() == ParameterValue::smallest() &&
           parameter.getMaximum() == ParameterValue::largest();
}

// Worded with the id and the value as the operator typed them: a compound id answers for the
// parameter it presents, and 65535 is -1 to the unit.
std::string whyRefused(const Parameter& parameter, const ParameterValue& value,
                       const Invocation& invocation) {
    const std::string& name = invocation.ids.front();
    if (!parameter.isEnabled())
        return "The unit does not take " + name + " in its present state.";
    const std::string typed = invocation.text ? "'" + *invocation.text + "'" : *invocation.value;
    const int number = value.toInt16();
    const int low = parameter.getMinimum().toInt16();
    const int high = parameter.getMaximum().toInt16();
    if (number < low || number > high)
        return "The value " + typed + " is outside the range of " + name + " (" +
               std::to_string(low) + " to " + std::to_string(high) + ").";
    return "The value " + typed + " is not allowed for " + name + " now.";
}

// What the operator typed is checked against the catalogue of the off-line unit, so that a typing
// error costs no exchange: building the parameter set on line already talks to the unit.
void checkAgainstCatalogue(const Invocation& invocation, const Clock& clock) {
    if (invocation.ids.empty())
        return;
    const UnitConnection offline(UnitConnection::Settings{});
    const Vx41Params catalogue(offline.protocol(), clock);
    for (const auto& text : invocation.ids) {
        const Parameter* parameter = catalogue.findOrNull(IdArgument::parse(text));
        if (parameter == nullptr)
            throw std::invalid_argument("the VX41 has no parameter " + text);
        if (invocation.text && !takesText(*parameter))
            throw std::invalid_argument(text + " holds a number, not a text: give a VALUE "
                                               "instead of --text");
    }
}

std::string hex(const std::string& bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (const unsigned char byte : bytes) {
        out += digits[byte >> 4];
        out += digits[byte & 0x0F];
    }
    return out;
}

// A unit's texts may hold any byte; the text dump stays one line of text per parameter.
std::string printable(const std::string& text) {
    std::string out;
    for (const unsigned char byte : text) {
        if (byte == '\\') {
            out += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += hex(std::string(1, static_cast<char>(byte)));
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

// Every configuration is read and judged the same way, for restore and diff alike.
ConfigurationSnapshot readConfiguration(const std::string& file, const Clock& clock) {
    const UnitConnection offline(UnitConnection::Settings{});
    const Vx41Params catalogue(offline.protocol(), clock);
    std::ifstream stream = openForReading(file);
    return ConfigurationSnapshot::read(stream, file,
                                       ConfigurationSnapshot::largestFile(catalogue.parameters()));
}

nlohmann::json jsonValue(const std::optional<ParameterValue>& value, const std::string& text) {
    if (!value)
        return nullptr;
    return {{"raw", hex(value->bytes())}, {"text", Utf8Text::fromBytes(text)}};
}

nlohmann::json jsonDifference(const ConfigurationDifference& difference) {
    return {{"id", {difference.id.number, difference.id.index}},
            {"name", Utf8Text::fromBytes(difference.name)},
            {"first", jsonValue(difference.first, difference.firstText)},
            {"second", jsonValue(difference.second, difference.secondText)}};
}

} // namespace

Vx41Ctl::Vx41Ctl(std::ostream& out, std::ostream& err, bool terminal, const Clock& clock,
                 bool outTerminal)
    : out_(out), err_(err), terminal_(terminal), outTerminal_(outTerminal), clock_(clock) {}

Vx41Ctl::~Vx41Ctl() = default;

int Vx41Ctl::run(int argc, const char* const* argv) {
    Invocation invocation;
    if (const auto early = CommandLine::parse(argc, argv, invocation, out_, err_))
        return *early;
    try {
        const int status = execute(invocation);
        // What the command printed must have reached its reader: a closed or full output fails it.
        if (!out_.flush())
            throw QuenlarException("Cannot write to standard output.");
        return status;
    } catch (const std::invalid_argument& error) {
        err_ << "vx41ctl: " << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        fail(error.what());
        // diff's 1 means "different", so trouble of any kind is 2 there, as diff has it.
        return invocation.command == "diff" ? 2 : 1;
    }
}

int Vx41Ctl::fail(const std::string& message) {
    err_ << "vx41ctl: " << withoutLineEnd(message) << "\n";
    return 1;
}

int Vx41Ctl::execute(const Invocation& invocation) {
    if (invocation.command == "ports")
        return ports();
    checkAgainstCatalogue(invocation, clock_);
    // Files are read before the unit is: a damaged one costs no exchange.
    std::vector<ConfigurationSnapshot> files;
    for (const auto& file : invocation.files)
        files.push_back(readConfiguration(file, clock_));
    if (files.size() == 2) {
        const UnitConnection offline(UnitConnection::Settings{});
        const Vx41Params catalogue(offline.protocol(), clock_);
        return diff(files[0], files[1], catalogue.parameters(), invocation.json);
    }

    TraceWriter traceWriter(err_);
    std::optional<LineTraceDecoder> trace;
    if (invocation.trace) {
        const UnitConnection offline(UnitConnection::Settings{});
        const Vx41Params catalogue(offline.protocol(), clock_);
        trace.emplace(traceWriter, clock_, LineTraceDecoder::numbersOf(catalogue.parameters()));
    }
    UnitConnection connection(invocation.connection);
    if (connection.offline())
        err_ << "vx41ctl: no --port given: working off line with the simulated unit"
             << (trace ? " (no serial traffic to trace)" : "") << "\n";
    else if (trace)
        connection.setTap(&*trace);
    if (invocation.command == "status")
        return status(connection);

    Vx41Params unit(connection.protocol(), clock_);
    if (invocation.command == "get")
        get(unit, invocation);
    else if (invocation.command == "set")
        return set(unit, invocation);
    else if (invocation.command == "dump")
        dump(unit, invocation.json);
    else if (invocation.command == "save")
        saveConfiguration(unit, connection, invocation.file);
    else if (invocation.command == "restore")
        restore(unit, invocation);
    else if (invocation.command == "report")
        report(unit, invocation);
    else if (invocation.command == "watch")
        watch(unit, invocation);
    else if (invocation.command == "diff") {
        unit.refreshEverything();
        const auto held = ConfigurationSnapshot::of(
            unit.parameters(), connection.offline() ? "the off-line unit" : "the unit");
        return diff(files[0], held, unit.parameters(), invocation.json);
    }
    return 0;
}

int Vx41Ctl::status(UnitConnection& connection) {
    const DeviceStatus status = connection.protocol().status();
    out_ << status << "\n";
    return status.isOk() ? 0 : 1;
}

void Vx41Ctl::get(Vx41Params& unit, const Invocation& invocation) {
    for (const auto& text : invocation.ids) {
        const ParameterId id = IdArgument::parse(text);
        unit.getValue(id);
        out_ << reportLine(unit.find(id)) << "\n";
    }
}

int Vx41Ctl::set(Vx41Params& unit, const Invocation& invocation) {
    const ParameterId id = IdArgument::parse(invocation.ids.front());
    Parameter& parameter = unit.find(id);
    const ParameterValue value = valueToWrite(invocation);
    // The rules decide what the unit takes from the state it is in now.
    unit.refreshEverything();
    if (dynamic_cast<ControlParameter*>(&parameter) == nullptr)
        return fail(IdArgument::text(id) +
                    " is read-only: the unit reports it but takes no value.");
    if (!parameter.isValidValue(value))
        return fail(whyRefused(parameter, value, invocation));
    parameter.setValue(value);
    out_ << reportLine(parameter) << "\n";
    if (parameter.getValue() != value)
        return fail("The unit holds another value than the one written.");
    return 0;
}

void Vx41Ctl::dump(Vx41Params& unit, bool json) {
    unit.refreshEverything();
    const char* separator = "";
    if (json)
        out_ << "[";
    for (const auto& [id, parameter] : unit.parameters()) {
        const ParameterFormatter* formatter = nameGiver(unit, *parameter).formatter();
        std::string text;
        parameter->formatValue(text, parameter->getValue());
        // What the unit sent, not what a meter's smoothing made of it.
        const std::string raw = hex(parameter->reading().bytes());
        if (json) {
            const nlohmann::json entry = {
                {"id", {id.number, id.index}},
                {"name", formatter ? nlohmann::json(Utf8Text::fromBytes(formatter->name()))
                                   : nlohmann::json()},
                {"raw", raw},
                {"text", Utf8Text::fromBytes(text)}};
            // One parameter a line, so that the dump reads and compares line by line.
            out_ << separator << "\n  " << entry.dump();
            separator = ",";
        } else {
            out_ << int{id.number} << "," << int{id.index} << "\t"
                 << (formatter ? formatter->name() : "") << "\t" << raw << "\t" << printable(text)
                 << "\n";
        }
    }
    if (json)
        out_ << "\n]\n";
}

void Vx41Ctl::restore(Vx41Params& unit, const Invocation& invocation) {
    const ConfigurationSnapshot file = readConfiguration(invocation.file, clock_);
    if (!file.damage().empty() && !invocation.force)
        throw QuenlarException(invocation.file + " is damaged: " + file.damage() +
                               ". Restore it anyway with --force.");

    std::size_t restorable = 0;
    for (const auto& [id, value] : file.values())
        if (const Parameter* parameter = unit.findOrNull(id))
            restorable += parameter->isRestorable(invocation.setup) ? 1 : 0;
    std::ostringstream silent;
    RestoreProgress progress(unit.protocol(), terminal_ ? err_ : silent, restorable);
    GenericProtocol& device = unit.setProtocol(progress);
    try {
        unit.restoreConfiguration(file.values(), invocation.setup);
    } catch (...) {
        progress.finish();
        unit.setProtocol(device);
        throw;
    }
    progress.finish();
    unit.setProtocol(device);
}

void Vx41Ctl::report(Vx41Params& unit, const Invocation& invocation) {
    const bool toStandardOutput = invocation.file == "-";
    const std::string title =
        toStandardOutput ? "VX41" : std::filesystem::path(invocation.file).filename().string();
    const auto write = [&](std::ostream& stream) {
        if (invocation.html)
            unit.writeHtmlReport(stream, title);
        else
            unit.writeTextReport(stream, title);
    };
    if (toStandardOutput) {
        write(out_);
        return;
    }
    std::ostringstream text;
    write(text);
    writeFile(invocation.file, text.str(), std::ios::openmode{});
}

void Vx41Ctl::watch(Vx41Params& unit, const Invocation& invocation) {
    unit.refreshEverything();
    LevelMeters meters(unit, out_, outTerminal_);
    meters.show();
    for (int step = 0; !invocation.count || step < *invocation.count; ++step) {
        const std::uint64_t next = clock_.milliseconds() + pollPeriodMs;
        unit.pollNext();
        meters.show();
        while (clock_.milliseconds() < next)
            clock_.pause();
    }
}

// A damaged file is compared all the same, so the operator sees what it holds, but it is named,
// and the run ends in trouble.
int Vx41Ctl::diff(const ConfigurationSnapshot& first, const ConfigurationSnapshot& second,
                  const ParameterMap& catalogue, bool json) {
    const auto differences = ConfigurationDiff(catalogue).compare(first.values(), second.values());
    bool damaged = false;
    nlohmann::json damage = nlohmann::json::array();
    for (const auto* snapshot : {&first, &second}) {
        if (snapshot->damage().empty())
            continue;
        damaged = true;
        err_ << "vx41ctl: " << snapshot->name() << " is damaged: " << snapshot->damage() << "\n";
        damage.push_back(
            {{"file", Utf8Text::fromBytes(snapshot->name())}, {"damage", snapshot->damage()}});
    }
    if (json) {
        nlohmann::json listed = nlohmann::json::array();
        for (const auto& difference : differences)
            listed.push_back(jsonDifference(difference));
        const nlohmann::json result = {{"first", Utf8Text::fromBytes(first.name())},
                                       {"second", Utf8Text::fromBytes(second.name())},
                                       {"damaged", damage},
                                       {"count", differences.size()},
                                       {"differences", listed}};
        out_ << result.dump(2) << "\n";
    } else {
        out_ << "--- " << first.name() << "\n+++ " << second.name() << "\n";
        for (const auto& difference : differences)
            out_ << int{difference.id.number} << "," << int{difference.id.index} << "\t"
                 << difference.name << "\t" << printable(difference.firstText) << "\t"
                 << printable(difference.secondText) << "\n";
        out_ << differences.size()
             << (differences.size() == 1 ? " parameter differs\n" : " parameters differ\n");
    }
    if (damaged)
        return 2;
    return differences.empty() ? 0 : 1;
}

int Vx41Ctl::ports() {
    const auto found = PosixSerialPort::availablePorts();
    for (const auto& port : found)
        out_ << port << "\n";
    if (found.empty())
        err_ << "vx41ctl: no serial devices found\n";
    return 0;
}
