#include "model/SharedParameter.h"

void SharedParameter::setLocked(bool flag) {
    if (flag == locked_)
        return;
    locked_ = flag;
    notify();
}
