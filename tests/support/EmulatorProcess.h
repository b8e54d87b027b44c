#pragma once

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/ChildProcess.h"

// The unit emulator run as a child process: started with its arguments, its line path read from
// the first line it prints, and stopped (SIGTERM, then SIGKILL if it lingers) when the object
// goes.
class EmulatorProcess {
public:
    EmulatorProcess(const std::string& program, const std::vector<std::string>& arguments) {
        int output[2];
        if (::pipe2(output, O_CLOEXEC) != 0)
            throw std::runtime_error("cannot make a pipe for the emulator");
        process_ = std::make_unique<ChildProcess>(program, arguments, output[1]);
        ::close(output[1]);
        output_ = output[0];
        linePath_ = readLine();
    }
    ~EmulatorProcess() {
        stop();
        ::close(output_);
    }
    EmulatorProcess(const EmulatorProcess&) = delete;
    EmulatorProcess& operator=(const EmulatorProcess&) = delete;

    const std::string& linePath() const { return linePath_; }

    // Asks the emulator to stop and returns its exit status (-1 if it had to be killed).
    int stop() { return process_->stop(); }

private:
    // Each byte must come within ten seconds; a failed start ends the output at once.
    std::string readLine() {
        std::string line;
        char c = 0;
        pollfd readable{output_, POLLIN, 0};
        while (process_->running() && ::poll(&readable, 1, 10'000) == 1 &&
               ::read(output_, &c, 1) == 1) {
            if (c == '\n')
                return line;
            line += c;
        }
        stop();
        throw std::runtime_error("the emulator did not start or print its line path");
    }

    std::unique_ptr<ChildProcess> process_;
    int output_ = -1;
    std::string linePath_;
};
