#pragma once

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/ChildProcess.h"

// The unit emulator run as a child process: started with its arguments, its line path read from
// the first line it prints, and stopped (SIGTERM, then SIGKILL if it lingers) when the object
// goes.
//
// A pseudo-terminal's number is given to the next one made once it is closed, perhaps to another
// test's emulator running alongside. So unless the arguments name a device or a link, the line is
// reached through a link of its own, which goes with the emulator: a port reopened after the stop
// finds nothing there rather than the other test's unit.
class EmulatorProcess {
public:
    EmulatorProcess(const std::string& program, std::vector<std::string> arguments) {
        if (std::ranges::find_first_of(arguments, std::array{"--device", "--link"}) ==
            arguments.end()) {
            std::string directory =
                (std::filesystem::temp_directory_path() / "vx41-emulator-XXXXXX").string();
            if (::mkdtemp(directory.data()) == nullptr)
                throw std::runtime_error("cannot make a folder for the emulator's link");
            directory_.path = directory;
            // Named as no other emulator's link is: a serial server locks a device by its name.
            link_ = directory + "/vx41-" + directory.substr(directory.size() - 6);
            arguments.insert(arguments.end(), {"--link", link_});
        }
        int output[2];
        if (::pipe2(output, O_CLOEXEC) != 0)
            throw std::runtime_error("cannot make a pipe for the emulator");
        process_ = std::make_unique<ChildProcess>(program, arguments, output[1]);
        ::close(output[1]);
        output_ = output[0];
        const std::string printed = readLine();
        linePath_ = link_.empty() ? printed : link_;
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
        ::close(output_);
        throw std::runtime_error("the emulator did not start or print its line path");
    }

    // The folder of the link, removed with the emulator and when it fails to start.
    struct Folder {
        ~Folder() {
            std::error_code ignored;
            if (!path.empty())
                std::filesystem::remove_all(path, ignored);
        }
        std::string path;
    };

    Folder directory_;
    std::unique_ptr<ChildProcess> process_;
    int output_ = -1;
    std::string link_;
    std::string linePath_;
};
