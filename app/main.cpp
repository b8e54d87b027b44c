#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <optional>

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

// The profile the command line names, empty for none; nothing when its name cannot be one.
std::optional<QString> profileOf(const QApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription("The remote control of the VX41.");
    parser.addHelpOption();
    const QCommandLineOption profile(
        "profile",
        "Keep the connection settings of this unit under NAME and show NAME in the title, so that "
        "one program per unit keeps each unit's settings.",
        "NAME");
    parser.addOption(profile);
    parser.process(application);
    const QString name = parser.value(profile);
    if (!parser.isSet(profile))
        return QString();
    if (const QString problem = SettingsStore::profileProblem(name); !problem.isEmpty()) {
        std::fprintf(stderr, "quenlar-remote41: --profile: %s\n", qPrintable(problem));
        return std::nullopt;
    }
    return name;
}
} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(reportMissingDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(nullptr);
    const std::optional<QString> profile = profileOf(application);
    if (!profile)
        return 2;
    ModalSeam seam;
    SettingsStore settings;
    settings.useProfile(*profile);
    CQuenlarRemoteApp program(seam, SystemClock::instance(), settings);
    if (!program.initInstance())
        return EXIT_FAILURE;
    return QApplication::exec();
}
