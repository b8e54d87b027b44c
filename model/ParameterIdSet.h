#pragma once

#include <vector>

#include "model/ParameterId.h"

// Ids in the order they were added; callers add them in ascending order.
using ParameterIdSet = std::vector<ParameterId>;
