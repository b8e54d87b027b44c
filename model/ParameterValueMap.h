#pragma once

#include <map>

#include "model/ParameterId.h"
#include "model/ParameterValue.h"

// Values by id, walked in ascending id order: the currency of bulk reads, refreshes and files.
using ParameterValueMap = std::map<ParameterId, ParameterValue>;
