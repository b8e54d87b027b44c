#include <QImage>

#include "ObserverFixture.h"
#include "app/observers/MeterScaler.h"
#include "app/observers/Win32MeterObserver.h"
#include "support/FakeClock.h"

namespace {

// Levels are the raw values, never below the floor it is given, which it keeps.
class PlainScaler : public MeterScaler {
public:
    double scale(const ParameterValue& raw, double minimum) const override {
        floor = minimum;
        return std::max<double>(raw.toInt16(), minimum);
    }
    mutable double floor = 0;
};

class ObserverMeterTest : public ObserverFixture {
protected:
    // The colour of every run of pixels along the middle of the bar, with where each run starts.
    std::vector<std::pair<int, QColor>> runs() {
        const QImage image = bar.grab().toImage();
        std::vector<std::pair<int, QColor>> found;
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = image.pixelColor(x, image.height() / 2);
            if (found.empty() || found.back().second != colour)
                found.emplace_back(x, colour);
        }
        return found;
    }
    void level(int raw) {
        clock.advanceMilliseconds(500);
        meter.assignValue(raw);
        meter.notify();
    }

    FakeClock clock;
    PlainScaler scaler;
    CMeterBar bar;
    ControlParameter& meter = parameter(-60, 0, 2047); // the raw range starts at 0
    const MeterSettings settings{true, 0, -30, 0, -60, 0, 20, 1};
    const QColor black{0, 0, 0}, red{255, 0, 0}, green{0, 255, 0};
};

TEST_F(ObserverMeterTest, TheBarRisesAtOnceFallsAtItsRateAndSplitsAtTheReference) {
    bar.resize(120, 10); // 2 pixels a unit
    Win32MeterObserver observer(&bar, 1159, &scaler, settings, clock);
    observer.attach(meter);
    EXPECT_EQ(scaler.floor, -60); // the meter's floor, not the parameter's

    level(0); // rise 0: at once
    EXPECT_EQ(runs(), (std::vector<std::pair<int, QColor>>{{0, black}, {60, green}}));
    level(-60); // falls 20 a second: -10 after half a second
    EXPECT_EQ(runs(), (std::vector<std::pair<int, QColor>>{{0, black}, {60, green}, {100, black}}));
    level(-60);
    level(-60); // at the reference: all black
    EXPECT_EQ(runs(), (std::vector<std::pair<int, QColor>>{{0, black}}));
    level(-60); // below: red from the level up to the reference
    EXPECT_EQ(runs(), (std::vector<std::pair<int, QColor>>{{0, black}, {40, red}, {60, black}}));
    meter.setEnabled(false);
    EXPECT_EQ(runs(),
              (std::vector<std::pair<int, QColor>>{{0, bar.palette().color(QPalette::Button)}}));
}

} // namespace
