#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>

#include "ObserverFixture.h"
#include "ViewControls.h"
#include "app/frames/LedPictures.h"
#include "app/observers/MeterScaler.h"
#include "app/observers/Win32Bitmap3StateObserver.h"
#include "app/observers/Win32BitmapObserver.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "app/observers/Win32MeterObserver.h"
#include "app/observers/Win32SliderObserver.h"
#include "app/observers/Win32TextObserver.h"
#include "model/QuenlarException.h"
#include "support/FakeClock.h"

namespace {
QStringList items(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

using ObserverListTest = ObserverFixture;

TEST_F(ObserverListTest, TheListFollowsTheLimitsAndShowsOnlyValuesTheParameterTook) {
    ControlParameter& configuration = parameter(2, 0, 7);
    QComboBox box;
    Win32ComboBoxObserver observer(box, 1157, 23600, 23621);
    ObserverActions::bind(observer, guard);
    observer.attach(configuration);
    ASSERT_EQ(box.count(), 8);
    EXPECT_EQ(box.currentText(), "4+4");

    configuration.setMaximum(4);
    EXPECT_EQ(items(box), QStringList({"5.1+2", "5.1+2x1", "4+4", "4+2x2", "4+2+2x1"}));
    configuration.setMaximum(7);
    EXPECT_EQ(items(box).mid(4), QStringList({"4+2+2x1", "4+4x1", "4x2", "3x2+2x1"}));
    configuration.setMinimum(1);
    EXPECT_EQ(items(box),
              QStringList({"5.1+2x1", "4+4", "4+2x2", "4+2+2x1", "4+4x1", "4x2", "3x2+2x1"}));
    EXPECT_EQ(box.currentText(), "4+4");

    // The user picks the next item (value 3): written and shown.
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(written(), std::vector<int>({3}));
    EXPECT_EQ(box.currentText(), "4+2x2");

    // A value the parameter excludes: nothing written, the old item stays.
    configuration.enableValue(false, 4);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(written(), std::vector<int>({3}));
    EXPECT_EQ(box.currentText(), "4+2x2");

    // While the list is open the operator is choosing: it does not change under the mouse.
    box.show();
    box.showPopup();
    configuration.setValue(5);
    EXPECT_EQ(box.currentText(), "4+2x2");
    box.hidePopup();

    configuration.assignValue(9); // beyond the list: an empty box, not a wrong item
    configuration.notify();
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_TRUE(errors.empty());
}

// Shows the value's bytes as they are, as a preset name from the unit would be.
class NameFormatter : public ParameterFormatter {
public:
    NameFormatter() : ParameterFormatter("Preset") {}
    void format(std::string& text, const ParameterValue& value) const override {
        text = value.bytes();
    }
};

using ObserverTextTest = ObserverFixture;

TEST_F(ObserverTextTest, TextsFromTheUnitAreShownAsTheyAre) {
    Parameter name(line, ParameterId(0x17, 3), ParameterValue::fromText("<img src=x>&Co"), 0, 0,
                   'a', std::make_unique<NameFormatter>());
    QLabel label;
    QPushButton caption;
    Win32TextObserver labelObserver(label, 1407);
    Win32TextObserver captionObserver(caption, 1990);
    labelObserver.attach(name);
    captionObserver.attach(name);
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_EQ(label.text(), "<img src=x>&Co");
    EXPECT_EQ(caption.text(), "<img src=x>&&Co"); // drawn as "&Co", no shortcut
    EXPECT_TRUE(caption.shortcut().isEmpty());

    name.setEnabled(false); // not shown while disabled
    name.assignValue(ParameterValue::fromText("Later"));
    name.notify();
    EXPECT_EQ(label.text(), "<img src=x>&Co");
    EXPECT_FALSE(label.isEnabled());
}

// Three pictures: for 1, for 0 and for anything else; the test is not asked. Two-picture lamps are
// tested with the program's error lamp.
TEST_F(ObserverTextTest, ThreeStateLedsShowAPictureOfTheirOwnForOtherValues) {
    ControlParameter& state = parameter(0, 0, 5);
    const QPixmap lit = LedPictures::load("red on"), unlit = LedPictures::load("green off"),
                  other = LedPictures::load("green on");
    QLabel led;
    Win32Bitmap3StateObserver observer(
        &led, 1150, [](const ParameterValue&) { return false; }, lit, unlit, other);
    observer.attach(state);
    EXPECT_EQ(led.pixmap().cacheKey(), unlit.cacheKey());
    for (const auto& [value, picture] : {std::pair{1, lit}, std::pair{5, other}}) {
        state.setValue(value);
        EXPECT_EQ(led.pixmap().cacheKey(), picture.cacheKey()) << value;
    }
    led.show();
    state.setVisible(false);
    EXPECT_TRUE(led.isHidden());
    // A picture missing from the program is an error at once, not a blank lamp.
    EXPECT_THROW(Win32BitmapObserver(&led, 1153, {}, QPixmap(), unlit), QuenlarException);
}

// A slider that tells where its handle is drawn.
class ProbedSlider : public QSlider {
public:
    using QSlider::QSlider;
    QRect handle() const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }
};

using ObserverSliderTest = ObserverFixture;

TEST_F(ObserverSliderTest, AnInvertedVerticalSliderHasTheMaximumAtTheTopAndFollowsTheLimits) {
    ControlParameter& trim = parameter(0, -20, 10);
    ProbedSlider slider(Qt::Vertical);
    slider.resize(30, 200);
    Win32SliderObserver observer(slider, 1364, true);
    ObserverActions::bind(observer, guard);
    observer.attach(trim);
    EXPECT_EQ(slider.singleStep(), 1);
    EXPECT_EQ(slider.pageStep(), 1);

    trim.setValue(10);
    const int top = slider.handle().top();
    trim.setValue(-20);
    EXPECT_GT(slider.handle().top(), top + 100);

    QTest::keyClick(&slider, Qt::Key_Up); // upwards: towards the maximum
    QTest::keyClick(&slider, Qt::Key_PageUp);
    EXPECT_EQ(trim.getValue(), ParameterValue(-18));

    // Limits that change later are followed: the old range would put the value out of reach.
    trim.setMinimum(-60);
    trim.setMaximum(-10);
    EXPECT_EQ(slider.minimum(), 10);
    EXPECT_EQ(slider.maximum(), 60);
    slider.triggerAction(QAbstractSlider::SliderToMinimum); // the top
    EXPECT_EQ(trim.getValue(), ParameterValue(-10));

    unit.refusing = true; // a refused move puts the handle back
    QTest::keyClick(&slider, Qt::Key_Down);
    EXPECT_EQ(slider.value(), 10);
    EXPECT_TRUE(errors.empty());
    slider.show();
    trim.setVisible(false);
    EXPECT_TRUE(slider.isHidden());
}

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
    // The colour of every run of pixels along the middle of the bar on screen, with where each
    // run starts.
    std::vector<std::pair<int, QColor>> runs() {
        QCoreApplication::processEvents();
        const QImage image = onScreen(bar);
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
    bar.show();
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
