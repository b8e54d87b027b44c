#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>

#include "ObserverFixture.h"
#include "app/observers/Win32SliderObserver.h"

namespace {

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

class ObserverSliderTest : public ObserverFixture {};

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
}

} // namespace
