#pragma once

#include "catalogue/IdOf.h"
#include "catalogue/Vx41Params.h"
#include "link/DummyVx41Protocol.h"
#include "link/Protocol.h"
#include "support/FakeClock.h"
#include "support/RecordingProtocol.h"

// The catalogue over the simulated unit, with every exchange logged and the clock in the test's
// hand.
class CatalogueFixture {
protected:
    // Past the compounds' hold-off after construction, so that every refresh group is complete.
    void settle() { clock.advanceSeconds(3); }
    Parameter& at(int number, int index) { return params.find(idOf(number, index)); }

    DummyVx41Protocol unit;
    Protocol link{unit};
    RecordingProtocol device{link};
    FakeClock clock;
    Vx41Params params{device, clock};
};
