#pragma once

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

// A program run as a child process for a test. It dies with its parent, so a test killed for
// taking too long leaves nothing behind.
class ChildProcess {
public:
    // output and errors, if not -1, become the child's standard output and error output.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments,
                 int output = -1, int errors = -1) {
        pid_ = ::fork();
        if (pid_ == 0)
            runChild(program, arguments, output, errors);
    }
    ~ChildProcess() { stop(); }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool running() const { return pid_ > 0; }

    // Sends signal and returns the exit status (-1 if it had to be killed, or died of a
    // signal); SIGKILL follows when the child lingers for five seconds.
    int stop(int signal = SIGTERM) {
        if (pid_ > 0) {
            ::kill(pid_, signal);
            status_ = awaitExit();
            pid_ = 0;
        }
        return status_;
    }

private:
    [[noreturn]] static void runChild(const std::string& program,
                                      const std::vector<std::string>& arguments, int output,
                                      int errors) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (output >= 0)
            ::dup2(output, STDOUT_FILENO);
        if (errors >= 0)
            ::dup2(errors, STDERR_FILENO);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
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
    int status_ = -1;
};
