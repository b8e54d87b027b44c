#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/CQuenlarRemoteApp.h"
#include "app/ModalSeam.h"
#include "app/SettingsStore.h"
#include "model/SystemClock.h"

namespace {
// Without a display the toolkit would abort with a long message; say it in one line instead.
bool displayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}
} // namespace

int main(int argc, char** argv) {
    if (!displayAvailable()) {
        std::fputs("quenlar-remote41: no display to show the windows on (neither DISPLAY nor "
                   "WAYLAND_DISPLAY is set); start it from a desktop session\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    ModalSeam seam;
    SettingsStore settings;
    CQuenlarRemoteApp program(seam, SystemClock::instance(), settings);
    if (!program.initInstance())
        return EXIT_FAILURE;
    return QApplication::exec();
}
