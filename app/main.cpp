#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/CQuenlarRemoteApp.h"
#include "app/ModalSeam.h"
#include "app/SettingsStore.h"
#include "model/SystemClock.h"

namespace {
// While the toolkit looks for a display: without one it would print a page about platform
// plugins and abort; say it in one line instead and end with status 1.
void reportMissingDisplay(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs("quenlar-remote41: no display to show the windows on; start it from a desktop "
                   "session (DISPLAY or WAYLAND_DISPLAY)\n",
                   stderr);
        std::_Exit(EXIT_FAILURE);
    }
    if (!QByteArray(context.category).startsWith("qt.qpa"))
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(reportMissingDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    ModalSeam seam;
    SettingsStore settings;
    CQuenlarRemoteApp program(seam, SystemClock::instance(), settings);
    if (!program.initInstance())
        return EXIT_FAILURE;
    return QApplication::exec();
}
