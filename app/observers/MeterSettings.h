#pragma once

// How a meter shows its level: direction, scale, reference, and how fast the bar may rise and
// fall (units per second; 0 or less: at once).
struct MeterSettings {
    bool horizontal = true;
    double unused = 0;
    double reference = 0;
    double maximum = 0;
    double minimum = 0;
    double riseRate = 0;
    double fallRate = 0;
    double multiplier = 1;
};
