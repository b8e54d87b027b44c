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

    // Connects with the settings stored, the emulator's line offered as the only port; false when
    // the operator cancelled the reading.
    bool connect() {
        ConnectionSettings settings(store, document, {emulator.linePath()});
        return document.connect(settings);
    }

    EmulatorProcess emulator;
    QTemporaryDir directory;
    SettingsStore store{directory.filePath("settings.ini")};
    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
};
