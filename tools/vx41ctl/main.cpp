#include <iostream>

#include <unistd.h>

#include "model/SystemClock.h"
#include "tools/vx41ctl/Vx41Ctl.h"

int main(int argc, char** argv) {
    Vx41Ctl tool(std::cout, std::cerr, isatty(STDERR_FILENO) == 1, SystemClock::instance(),
                 isatty(STDOUT_FILENO) == 1);
    return tool.run(argc, argv);
}
