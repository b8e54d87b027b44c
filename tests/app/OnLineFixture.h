#pragma once

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/ConnectionSettings.h"
#include "app/SettingsStore.h"
#include "support/EmulatorProcess.h"
#include "support/FakeClock.h"

// The document against the emulated unit on a pseudo-terminal, its settings in a throw-away file
// and its questions answered by a script.
class OnLineFixture : public ::testing::Test {
protected:
    explicit OnLineFixture(const std::vector<std::string>& emulatorOptions = {})
        : emulator(VX41_EMULATOR, emulatorOptions) {}

    // Connects with the settings stored, port (the emulator's line unless given) offered as the
    // only one; false when the operator cancelled the reading.
    bool connect(const std::string& port = {}) {
        ConnectionSettings settings(store, document, {port.empty() ? emulator.linePath() : port});
        return document.connect(settings);
    }

    EmulatorProcess emulator;
    QTemporaryDir directory;
    SettingsStore store{directory.filePath("settings.ini")};
    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
};
