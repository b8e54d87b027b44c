#pragma once

#include <cstdint>

// Selects the persistent parameters (number, indexLow..indexHigh) of a report section and,
// when auxNumber is not 0, the parameter shown beside each: (auxNumber, auxIndex), where an
// auxIndex of 0 stands for the listed parameter's own index.
struct ReportSectionEntry {
    std::uint8_t number = 0;
    std::uint8_t indexLow = 0;
    std::uint8_t indexHigh = 0;
    std::uint8_t auxNumber = 0;
    std::uint8_t auxIndex = 0;
};
