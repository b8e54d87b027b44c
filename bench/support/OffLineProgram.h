#pragma once

#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/CQuenlarRemoteApp.h"
#include "app/SettingsStore.h"
#include "bench/support/OffLineAnswers.h"
#include "model/SystemClock.h"

// The desktop program started off line for a benchmark: its settings in a throw-away folder and
// the connection window answered "Off Line", so a run never touches the user's settings or waits
// for a person. Make the QApplication first (after chooseOffscreen, to run without a display).
class OffLineProgram {
public:
    explicit OffLineProgram(const char* benchName)
        : settings_(folder_.filePath(QStringLiteral("settings.ini"))),
          program_(answers_, SystemClock::instance(), settings_, std::chrono::milliseconds(0)) {
        if (!program_.initInstance()) {
            std::fprintf(stderr, "%s: the program did not start\n", benchName);
            std::exit(1);
        }
    }

    static void chooseOffscreen() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }

    CQuenlarRemoteApp& program() { return program_; }

private:
    QTemporaryDir folder_;
    SettingsStore settings_;
    OffLineAnswers answers_;
    CQuenlarRemoteApp program_;
};
