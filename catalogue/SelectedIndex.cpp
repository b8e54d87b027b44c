#include "catalogue/SelectedIndex.h"

#include "model/Parameter.h"
#include "model/QuenlarException.h"

int SelectedIndex::of(const Parameter& selector) {
    const int index = selector.getValue().toInt16();
    if (index < selector.getMinimum().toInt16() || index > selector.getMaximum().toInt16())
        throw QuenlarException("Inconsistent State");
    return index;
}
