#pragma once

#include <memory>
#include <vector>

#include <QString>
#include <QWidget>

#include "model/ParameterId.h"

class CMeterBar;
class CQuenlarRemoteDoc;
class ControlObserver;
class MeterScaler;

// A page of level meters under the scale "-60" .. "0", one labelled bar per meter, all sharing
// one scaler. With labelsFollow each meter's parameter also greys or hides the meter's label
// (the output channels the speaker selection leaves out).
class CMeterPage : public QWidget {
    Q_OBJECT
public:
    struct Meter {
        QString label;
        ParameterId level;
        int controlId;
        int labelControlId = 0;
    };
    static constexpr double floorDecibels = -60;
    static constexpr double fallPerSecond = 40;

    CMeterPage(CQuenlarRemoteDoc& document, const std::vector<Meter>& meters, bool labelsFollow,
               QWidget* parent);
    ~CMeterPage() override;

private:
    std::unique_ptr<MeterScaler> scaler_;
    std::vector<std::unique_ptr<ControlObserver>> observers_;
};
