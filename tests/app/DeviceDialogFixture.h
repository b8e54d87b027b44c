#pragma once

#include <QComboBox>
#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "ViewControls.h"
#include "app/CQuenlarRemoteDoc.h"
#include "link/DummyVx41Protocol.h"
#include "link/Protocol.h"
#include "support/FakeClock.h"
#include "support/RecordingProtocol.h"

// The document working with a simulated unit whose traffic is recorded, for the dialogs bound to
// the unit's parameters.
class DeviceDialogFixture : public ::testing::Test {
protected:
    DeviceDialogFixture() {
        // With the analogue outputs on, as a unit driving monitor speakers has them.
        setInUnit({216, 21}, 1);
        document.parameters().switchProtocol(line);
        document.refreshAll();
        line.clear();
    }

    Parameter& parameter(const ParameterId& id) const { return document.parameters().find(id); }
    int value(const ParameterId& id) const { return parameter(id).getValue().toInt16(); }
    // What the unit holds.
    ParameterValue held(const ParameterId& id) { return unit.read(id); }

    // The unit changes a value of its own accord.
    void setInUnit(const ParameterId& id, const ParameterValue& value) {
        unit.write(id.previous(), value, 0);
    }
    // Whether the unit was asked to take value under id.
    bool wrote(const ParameterId& id, const ParameterValue& value) const {
        for (const auto& write : line.writes)
            if (write.id == id && write.value == value)
                return true;
        return false;
    }

    // The user picks an item of a list.
    static void choose(QComboBox& box, int index) {
        box.setCurrentIndex(index);
        emit box.activated(index);
    }

    // Declared first: the document's parameters talk to them to the end.
    DummyVx41Protocol unit;
    Protocol link{unit};
    RecordingProtocol line{link};
    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
};
