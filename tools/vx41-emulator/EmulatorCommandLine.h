#pragma once

#include <optional>

#include <CLI/CLI.hpp>

#include "EmulatorOptions.h"

// The program's options, their help and their checks.
class EmulatorCommandLine {
public:
    EmulatorCommandLine();

    // The exit code when the program should end at once (help shown, or a bad command line).
    std::optional<int> parse(int argc, char** argv);
    const EmulatorOptions& options() const { return options_; }

    // Exit codes of the program.
    static constexpr int stopped = 0;
    static constexpr int failed = 1;
    static constexpr int badUsage = 2;

private:
    void addLineOptions();
    void addUnitOptions();
    void addFaultOptions();
    void finish();

    CLI::App app_;
    EmulatorOptions options_;
    std::string addressText_ = "8280";
    std::uint32_t silentAfter_ = 0;
    std::uint32_t seed_ = 0;
    CLI::Option* silentAfterOption_ = nullptr;
    CLI::Option* seedOption_ = nullptr;
};
