#pragma once

class LinePacer;
class SignalWatcher;
class UnitEndpoint;
class UnitLine;

// The program's loop: waits for the PC's bytes or a stop signal, hands the bytes to the unit and
// its answers to the line.
class EmulatorServer {
public:
    EmulatorServer(UnitEndpoint& endpoint, UnitLine& line, LinePacer& pacer, SignalWatcher& signals)
        : endpoint_(endpoint), line_(line), pacer_(pacer), signals_(signals) {}

    // Returns the signal that stopped it; throws when the line fails.
    int run();

private:
    void serveIncoming();

    UnitEndpoint& endpoint_;
    UnitLine& line_;
    LinePacer& pacer_;
    SignalWatcher& signals_;
};
