#include "app/views/CMeterPage.h"

#include <QGridLayout>
#include <QLabel>

#include "app/CQuenlarRemoteDoc.h"
#include "app/frames/CMeterBar.h"
#include "app/observers/MeterSettings.h"
#include "app/observers/Win32MeterObserver.h"
#include "app/observers/Win32WindowObserver.h"
#include "app/views/LevelMeterScaler.h"
#include "app/views/MeterScaleRow.h"

namespace {
// Green from the left edge up to the level: the reference is the floor. Levels jump up at once
// and fall back slowly enough to be read.
MeterSettings levelSettings() {
    MeterSettings settings;
    settings.horizontal = true;
    settings.reference = CMeterPage::floorDecibels;
    settings.maximum = 0;
    settings.minimum = CMeterPage::floorDecibels;
    settings.riseRate = 0;
    settings.fallRate = CMeterPage::fallPerSecond;
    settings.multiplier = 1;
    return settings;
}
} // namespace

CMeterPage::CMeterPage(CQuenlarRemoteDoc& document, const std::vector<Meter>& meters,
                       bool labelsFollow, QWidget* parent)
    : QWidget(parent), scaler_(std::make_unique<LevelMeterScaler>()) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 2);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    grid->addWidget(MeterScaleRow::create({"-60", "-40", "-20", "0"}), 0, 1);
    int row = 1;
    for (const Meter& meter : meters) {
        auto* label = new QLabel(meter.label);
        auto* bar = new CMeterBar;
        bar->setMinimumHeight(6);
        grid->addWidget(label, row, 0);
        grid->addWidget(bar, row, 1);
        grid->setRowStretch(row, 1);
        ++row;
        auto& level = *observers_.emplace_back(std::make_unique<Win32MeterObserver>(
            bar, meter.controlId, scaler_.get(), levelSettings(), document.clock()));
        document.attach(meter.level, level);
        if (labelsFollow) {
            auto& follower = *observers_.emplace_back(
                std::make_unique<Win32WindowObserver>(*label, meter.labelControlId));
            document.attach(meter.level, follower);
        }
    }
    grid->setColumnStretch(1, 1);
}

CMeterPage::~CMeterPage() = default;
