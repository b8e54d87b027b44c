#pragma once

#include "model/Observer.h"
#include "model/ParameterValue.h"

class ParameterMap;

// (23, 0) is a momentary button: when it goes to 1, the dialnorm that the displayed programme's
// measurement stands for (100 - m) is written to its "Dialogue Normalization" (19, 8), and the
// button goes back to 0.
class DialNormMeasureAcceptObserver : public Observer {
public:
    explicit DialNormMeasureAcceptObserver(ParameterMap& map);

    void update(Parameter& parameter) override;

private:
    void accept();

    Parameter& button_;
    Parameter& measurement_;
    Parameter& dialnorm_;
    ParameterValue last_;
};
