#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "CatalogueFixture.h"
#include "model/CompoundParameter.h"
#include "model/Observer.h"
#include "model/SharedParameter.h"
#include "support/FailureMessage.h"
#include "support/Listing.h"
#include "support/Printers.h"

namespace {

class CatalogueShape : public CatalogueFixture, public testing::Test {};

std::string shown(const ParameterValue& value) {
    return value.size() == 2 ? std::to_string(value.toInt16()) : ::testing::PrintToString(value);
}

// A parameter's line: key, kind, refresh category, limits with their texts, value, what a file
// holds of it (P persistent, S setup, R restored with the setup, r without) and the write delay.
std::string line(const ParameterId& key, const Parameter& parameter) {
    const auto* control = dynamic_cast<const ControlParameter*>(&parameter);
    const char* kind = dynamic_cast<const CompoundParameter*>(&parameter) ? "compound"
                       : dynamic_cast<const SharedParameter*>(&parameter) ? "shared"
                       : control                                          ? "control"
                                                                          : "status";
    std::string low = "-";
    std::string high = "-";
    if (parameter.formatter()) {
        parameter.formatValue(low, parameter.getMinimum());
        parameter.formatValue(high, parameter.getMaximum());
    }
    std::ostringstream text;
    text << key.toString() << ' ' << kind << ' ' << parameter.category() << " ["
         << shown(parameter.getMinimum()) << " '" << low << "', " << shown(parameter.getMaximum())
         << " '" << high << "'] = " << shown(parameter.getValue()) << ' '
         << (parameter.isPersistent() ? "P" : "-") << (control && control->isSetup() ? "S" : "-")
         << (parameter.isRestorable(true) ? "R" : "-")
         << (parameter.isRestorable(false) ? "r" : "-");
    if (control && control->writeDelay())
        text << ' ' << control->writeDelay() << " ms";
    if (const auto* compound = dynamic_cast<const CompoundParameter*>(&parameter))
        text << " shows " << compound->status().getId().toString() << " writes "
             << compound->control().getId().toString();
    text << " | ";
    parameter.writeText(text);
    return text.str();
}

// The whole catalogue over the freshly reset unit, as it was reviewed against the unit's
// documentation: a limit, name or text changed by mistake shows here.
TEST_F(CatalogueShape, EveryParameterIsAsListed) {
    std::string listing;
    for (const auto& [key, parameter] : params.parameters())
        listing += printable(line(key, *parameter)) + '\n';
    expectListing(listing, listingBeside(__FILE__, "catalogue.txt"));
}

// (248, 1) = 100 and (210, 64) = 32 stand in the listing beyond their limits.
// The text of every value of a parameter with a formatter and at most 256 values, and of the
// values just beyond its limits; a parameter that shows the same texts as one before it names it.
TEST_F(CatalogueShape, EveryValueHasTheTextListed) {
    std::map<std::string, std::string> firstWith;
    std::string listing;
    for (const auto& [key, parameter] : params.parameters()) {
        const int low = parameter->getMinimum().toInt16();
        const int high = parameter->getMaximum().toInt16();
        if (!parameter->formatter() || high - low >= 256)
            continue;
        std::string texts;
        for (int value = low - 1; value <= high + 1; ++value) {
            std::string text;
            parameter->formatValue(text, value);
            texts += "  " + std::to_string(value) + ' ' + printable(text) + '\n';
        }
        const auto [first, isNew] = firstWith.try_emplace(texts, key.toString());
        listing += key.toString() + (isNew ? ":\n" + texts : " as " + first->second + '\n');
    }
    expectListing(listing, listingBeside(__FILE__, "texts.txt"));
}

TEST_F(CatalogueShape, LocalAndReservedNumbersNeverReachTheUnit) {
    settle();
    device.clear(); // the rules' own writes while the set was built
    at(23, 0).setValue(1);
    at(23, 50).setValue(ParameterValue::fromText("Live"));
    EXPECT_TRUE(device.writes.empty());
    EXPECT_EQ(at(23, 50).getValue(), ParameterValue::fromText("Live"));

    params.refreshEverything();
    for (int step = 0; step < 16; ++step)
        params.pollNext();
    for (const auto& request : device.requests)
        for (const auto& id : request)
            EXPECT_TRUE(id.number != 23 && id.number < 0xF0) << id.toString();
    EXPECT_EQ(&at(23, 1).protocol(), &device) << "a compound takes its status's protocol";
}

// The level meters fall back gradually and the dialnorm meter (18) climbs: each has its
// ballistics; 17, 21 and 22 show their readings as they come.
TEST_F(CatalogueShape, MetersHaveTheirBallistics) {
    for (int index = 0; index <= 22; ++index) {
        Parameter& meter = at(204, index);
        Interpolator* ballistics = meter.setInterpolator(nullptr);
        EXPECT_EQ(ballistics != nullptr, index != 17 && index < 21) << index;
        meter.setInterpolator(ballistics);
    }
}

TEST_F(CatalogueShape, UnknownIdCannotBeObserved) {
    Observer observer;
    EXPECT_EQ(messageOf([&] { params.attachObserver(idOf(143, 9), observer); }),
              "Parameter not found");
    params.attachObserver(idOf(143, 8), observer);
    EXPECT_EQ(observer.subject(), &at(143, 8));
}

} // namespace
