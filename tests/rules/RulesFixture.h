#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/CompoundParameter.h"
#include "model/SharedParameter.h"
#include "support/FailureMessage.h"
#include "support/Printers.h"
#include "tests/catalogue/CatalogueFixture.h"

// The whole catalogue with its rules over the off-line unit, every exchange logged and the clock
// in the test's hand.
class RulesFixture : public CatalogueFixture, public ::testing::Test {
protected:
    CompoundParameter& compound(int number, int index) {
        return dynamic_cast<CompoundParameter&>(at(number, index));
    }
    SharedParameter& rfl() { return dynamic_cast<SharedParameter&>(at(117, 37)); }
    int valueOf(int number, int index) { return at(number, index).getValue().toInt16(); }
    std::string textOf(int number, int index) { return at(number, index).getValue().bytes(); }

    void set(int number, int index, const ParameterValue& value) {
        at(number, index).setValue(value);
    }
    // The unit changes a value by itself (front panel, another remote, a fault), and the program
    // reads it back.
    void unitReports(int number, int index, const ParameterValue& value) {
        unit.write(idOf(number, index).previous(), value, 0);
        at(number, index).refresh();
    }
    // The writes that reached the unit under the read id of (number, index).
    std::vector<ParameterValue> writesTo(int number, int index) const {
        std::vector<ParameterValue> values;
        for (const auto& write : device.writes)
            if (write.id == idOf(number, index))
                values.push_back(write.value);
        return values;
    }
};
