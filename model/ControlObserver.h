#pragma once

#include <cstdint>

#include "model/Observer.h"

// An observer that drives one user-interface control, named by its handle or identifier.
class ControlObserver : public Observer {
public:
    explicit ControlObserver(std::uint32_t control) : control_(control) {}

    std::uint32_t control() const { return control_; }

private:
    std::uint32_t control_;
};
