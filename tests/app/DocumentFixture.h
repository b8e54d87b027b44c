#pragma once

#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "app/CQuenlarRemoteDoc.h"
#include "support/FakeClock.h"

// The document on the simulated unit, its questions answered by a script and its clock in the
// test's hand.
class DocumentFixture : public ::testing::Test {
protected:
    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
};
