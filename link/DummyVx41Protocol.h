#pragma once

#include <cstdint>

#include "link/DummyProtocol.h"

// The off-line VX41: a freshly reset unit with the reactions the program relies on (metadata
// sources, values in use, the first GPI line, programme selection).
class DummyVx41Protocol : public DummyProtocol {
public:
    explicit DummyVx41Protocol(std::uint8_t flag = 1);

    void write(const ParameterId& id, const ParameterValue& value, std::uint32_t delayMs) override;

private:
    void enterInitialValues();
    void set(int number, int index, const ParameterValue& value);
    ParameterValue get(int number, int index);
    // The value in use follows the source selected for it.
    void followSource(const ParameterId& selector, int internal, int external1, int external2,
                      int inUse);
    void switchEverySource(const ParameterValue& source);

    std::uint8_t flag_;

public:
    // Kept as the program passes it; the simulation does not depend on it.
    std::uint8_t flag() const { return flag_; }
};
