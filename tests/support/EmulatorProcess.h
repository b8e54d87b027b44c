#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

// The unit emulator run as a child process: started with its arguments, its line path read from
// the first line it prints, and stopped (SIGTERM, then SIGKILL if it lingers) when the object
// goes. The child also dies with its parent, so a test killed for taking too long leaves nothing
// behind.
class EmulatorProcess {
public:
    EmulatorProcess(const std::string& program, const std::vector<std::string>& arguments) {
        int output[2];
        if (::pipe2(output, O_CLOEXEC) != 0)
            throw std::runtime_error("cannot make a pipe for the emulator");
        pid_ = ::fork();
        if (pid_ == 0)
            runChild(program, arguments, output[1]);
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
    int stop() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            status_ = awaitExit();
            pid_ = 0;
        }
        return status_;
    }

private:
    [[noreturn]] static void runChild(const std::string& program,
                                      const std::vector<std::string>& arguments, int output) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::dup2(output, STDOUT_FILENO);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }

    // Each byte must come within ten seconds; a failed start ends the output at once.
    std::string readLine() {
        std::string line;
        char c = 0;
        pollfd readable{output_, POLLIN, 0};
        while (pid_ > 0 && ::poll(&readable, 1, 10'000) == 1 && ::read(output_, &c, 1) == 1) {
            if (c == '\n')
                return line;
            line += c;
        }
        stop();
        throw std::runtime_error("the emulator did not start or print its line path");
    }

    int awaitExit() {
        int status = 0;
        for (int check = 0; check < 500; ++check) {
            if (::waitpid(pid_, &status, WNOHANG) == pid_)
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, &status, 0);
        return -1;
    }

    pid_t pid_ = 0;
    int output_ = -1;
    int status_ = -1;
    std::string linePath_;
};
