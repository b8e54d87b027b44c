#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <gtest/gtest.h>

#include "app/observers/ObserverActions.h"
#include "link/DummyProtocol.h"
#include "link/Protocol.h"
#include "model/ControlParameter.h"
#include "support/RecordingProtocol.h"

// Parameters on a unit held in memory, with the writes recorded, and a guard that keeps what the
// actions threw.
class ObserverFixture : public ::testing::Test {
protected:
    ControlParameter& parameter(int value, int minimum, int maximum) {
        const ParameterId id(0x40, static_cast<std::uint8_t>(parameters.size()));
        parameters.push_back(
            std::make_unique<ControlParameter>(line, id, value, minimum, maximum, 'a'));
        return *parameters.back();
    }

    // The values written, in order.
    std::vector<int> written() const {
        std::vector<int> values;
        for (const auto& write : line.writes)
            values.push_back(write.value.toInt16());
        return values;
    }

    // A unit in memory that can be told to ignore writes, as a unit refusing a value does.
    class Unit : public DummyProtocol {
    public:
        void write(const ParameterId& id, const ParameterValue& value,
                   std::uint32_t delayMs) override {
            if (!refusing)
                DummyProtocol::write(id, value, delayMs);
        }
        bool refusing = false;
    } unit;
    Protocol bridge{unit};
    RecordingProtocol line{bridge};
    std::vector<std::unique_ptr<ControlParameter>> parameters;
    std::vector<std::string> errors;
    ActionGuard guard = [this](const std::function<void()>& action) {
        try {
            action();
        } catch (const std::exception& error) {
            errors.emplace_back(error.what());
        }
    };
};

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* stream) {
    *stream << '"' << text.toStdString() << '"';
}
