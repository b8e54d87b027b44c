#pragma once

#include <memory>

#include "link/DummyProtocol.h"
#include "link/Protocol.h"
#include "model/CompoundParameter.h"
#include "model/ParameterMap.h"
#include "support/CountingObserver.h"
#include "support/FakeClock.h"
#include "support/RecordingProtocol.h"

// A control (8f, 3) written by the operator and a status (b4, 3) read back from an in-memory unit,
// joined by the compound (13, 3) as the catalogue joins a metadata item.
class CompoundFixture {
protected:
    CompoundFixture() {
        map[control.getId()] = &control;
        map[status.getId()] = &status;
        compound = std::make_unique<CompoundParameter>(ParameterId(0x13, 3), status, control, map,
                                                       'm', clock);
        map[compound->ownId()] = compound.get();
        watcher.attach(*compound);
        watcher.updates = 0;
    }

    DummyProtocol unit;
    Protocol link{unit};
    RecordingProtocol device{link};
    FakeClock clock;
    ControlParameter control{device, ParameterId(0x8f, 3), 7, 1, 7, 'z'};
    Parameter status{device, ParameterId(0xb4, 3), 7, 1, 7, 'z'};
    ParameterMap map;
    std::unique_ptr<CompoundParameter> compound;
    CountingObserver watcher;
};
