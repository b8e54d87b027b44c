#include "app/observers/Win32GroupedStateButtonObserver.h"

#include "app/observers/ParameterNumbers.h"

void Win32GroupedStateButtonObserver::action() {
    if (subject() != nullptr)
        ParameterNumbers::force(*subject(), onValue());
}
