#include <QLabel>
#include <algorithm>
#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "ViewControls.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/frames/CLedButton.h"
#include "app/frames/CMeterBar.h"
#include "app/views/CMonitorView.h"
#include "model/SharedParameter.h"
#include "support/FakeClock.h"

namespace {
class MonitorViewTest : public ::testing::Test {
protected:
    MonitorViewTest() { view.show(); }

    Vx41Params& parameters() { return document.parameters(); }
    CMeterBar& inputMeter(int input) {
        return *controlOf<CMeterBar>(view, CMonitorView::meterIdBase + input);
    }

    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
    CMonitorView view{document};
};

TEST_F(MonitorViewTest, RflModeIsGreyedWhileTheSharedFlagIsSet) {
    auto& rfl = dynamic_cast<SharedParameter&>(parameterOf(parameters(), 117, 37));
    CLedButton* button = controlOf<CLedButton>(view, 1227);
    // Rear fill needs back-surround speakers: without them the catalogue locks it.
    EXPECT_TRUE(rfl.isLocked());
    EXPECT_FALSE(button->isEnabled());
    parameterOf(parameters(), 117, 39).setValue(1);
    ASSERT_FALSE(rfl.isLocked());
    EXPECT_TRUE(button->isEnabled());
    parameterOf(parameters(), 117, 39).setValue(0);
    EXPECT_FALSE(button->isEnabled());
}

TEST_F(MonitorViewTest, AMeterFallsFromFullScaleToTheFloorInOneAndAHalfSeconds) {
    CMeterBar& meter = inputMeter(0);
    // A reading above full scale is full scale: the bar falls from there, not from above it.
    deliver(parameters(), 204, 0, 1100);
    EXPECT_EQ(colourAt(meter, 0.995), QColor(0, 255, 0));
    // Silence, read every clock tick of 30 ms.
    for (int tick = 1; tick <= 25; ++tick) {
        clock.advanceMilliseconds(30);
        deliver(parameters(), 204, 0, 0);
    }
    // 0.75 s at 40 dB a second: -30 dB, half way.
    EXPECT_EQ(colourAt(meter, 0.48), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(meter, 0.52), QColor(Qt::black));
    for (int tick = 1; tick <= 24; ++tick) {
        clock.advanceMilliseconds(30);
        deliver(parameters(), 204, 0, 0);
    }
    EXPECT_EQ(colourAt(meter, 0.01), QColor(0, 255, 0)) << "still above the floor at 1.47 s";
    clock.advanceMilliseconds(30);
    deliver(parameters(), 204, 0, 0);
    EXPECT_EQ(colourAt(meter, 0.0), QColor(Qt::black));
}

TEST_F(MonitorViewTest, FullScaleFillsTheBarAnd64StepsLessShowMinus6Decibels) {
    CMeterBar& meter = inputMeter(1);
    // Levels rise at once: each reading shows as it comes.
    deliver(parameters(), 204, 1, 959);
    // -6.02 dB on a scale of -60 to 0.
    const double level = 1 - 6.0206 / 60;
    EXPECT_EQ(colourAt(meter, level - 0.01), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(meter, level + 0.01), QColor(Qt::black));
    deliver(parameters(), 204, 1, 1023);
    const QImage full = meter.grab().toImage();
    EXPECT_EQ(full.pixelColor(full.width() - 1, full.height() / 2), QColor(0, 255, 0));
}

// Every meter shows its own reading and no other's: full scale at one meter at a time lights its
// bar alone. Inputs 1 to 8, Lt and Rt, then the outputs L, R, C, SW, Ls, Rs, Bs.
TEST_F(MonitorViewTest, EachMeterShowsItsOwnReading) {
    const int readings[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 14, 15, 16};
    const int meters = static_cast<int>(std::size(readings));
    // The back-surround output in use: rear fill on back-surround speakers.
    parameterOf(parameters(), 117, 39).setValue(1);
    parameterOf(parameters(), 117, 37).setValue(2);
    for (int lit = 0; lit < meters; ++lit) {
        // The Lt/Rt meters are in use on the Lt/Rt input only, the input meters off it.
        parameterOf(parameters(), 117, 21).setValue(lit == 8 || lit == 9 ? 1 : 0);
        // Long enough for the meter lit before to have fallen to the floor.
        clock.advanceMilliseconds(5000);
        for (int meter = 0; meter < meters; ++meter)
            deliver(parameters(), 204, readings[meter], meter == lit ? 1023 : 0);
        for (int meter = 0; meter < meters; ++meter) {
            auto& bar = *controlOf<CMeterBar>(view, CMonitorView::meterIdBase + meter);
            EXPECT_EQ(colourAt(bar, 0.5) == QColor(0, 255, 0), meter == lit)
                << "meter " << meter << " with (204, " << readings[lit] << ") at full scale";
        }
    }
}

TEST_F(MonitorViewTest, OutputLabelsGreyWithTheChannelsTheSpeakerSelectionLeavesOut) {
    parameterOf(parameters(), 197, 15).setValue(2); // mono: the centre only
    const int labels = CMonitorView::meterIdBase + 17;
    EXPECT_FALSE(controlOf<QLabel>(view, labels + 0)->isEnabled());
    EXPECT_TRUE(controlOf<QLabel>(view, labels + 2)->isEnabled());
}

// Each column of mute and solo buttons is headed by its channel; the volume reads in green.
TEST_F(MonitorViewTest, MuteColumnsAreHeadedByTheirChannelsAndTheVolumeReadsInGreen) {
    const QString channels[] = {"L", "R", "C", "SW", "Ls", "Rs", "Bs"};
    for (int channel = 0; channel < 7; ++channel) {
        const QWidget* mute = controlOf<QWidget>(view, 2080 + channel);
        ASSERT_NE(mute, nullptr) << channel;
        const auto labels = mute->parentWidget()->findChildren<QLabel*>();
        const int middle = mute->geometry().center().x();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
            const QRect head = label->geometry();
            return label->text() == channels[channel] && head.bottom() < mute->y() &&
                   head.left() <= middle && middle <= head.right();
        })) << channel;
    }
    EXPECT_TRUE(showsColour(*controlOf<QWidget>(view, 1495), QColor(0, 255, 0)));
}
} // namespace
