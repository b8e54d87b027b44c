#include <QLabel>
#include <QPushButton>

#include "ObserverFixture.h"
#include "app/frames/LedPictures.h"
#include "app/observers/Win32Bitmap3StateObserver.h"
#include "app/observers/Win32TextObserver.h"
#include "model/QuenlarException.h"

namespace {

// Shows the value's bytes as they are, as a preset name from the unit would be.
class NameFormatter : public ParameterFormatter {
public:
    NameFormatter() : ParameterFormatter("Preset") {}
    void format(std::string& text, const ParameterValue& value) const override {
        text = value.bytes();
    }
};

class ObserverTextTest : public ObserverFixture {};

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

TEST_F(ObserverTextTest, LedsShowTheirPictureForTheValue) {
    ControlParameter& error = parameter(0, 0, 1);
    const QPixmap lit = LedPictures::load("red on");
    const QPixmap unlit = LedPictures::load("green off");
    EXPECT_EQ(lit.size(), QSize(10, 10));
    QLabel led;
    const auto positive = [](const ParameterValue& value) { return value.toInt16() > 0; };
    Win32BitmapObserver observer(&led, 1153, positive, lit, unlit);
    observer.attach(error);
    EXPECT_EQ(led.pixmap().cacheKey(), unlit.cacheKey());
    error.setValue(1);
    EXPECT_EQ(led.pixmap().cacheKey(), lit.cacheKey());

    EXPECT_THROW(Win32BitmapObserver(&led, 1153, positive, lit, QPixmap()), QuenlarException);

    // Three pictures: 1, 0 and anything else; the test is not asked.
    const QPixmap other = LedPictures::load("green on");
    Win32Bitmap3StateObserver metadataIn(&led, 1150, positive, lit, unlit, other);
    metadataIn.attach(error);
    error.setValue(0);
    EXPECT_EQ(led.pixmap().cacheKey(), unlit.cacheKey());
    error.setMaximum(5);
    error.setValue(5);
    EXPECT_EQ(led.pixmap().cacheKey(), other.cacheKey());
    try {
        LedPictures::load("blue on");
        FAIL();
    } catch (const QuenlarException& missing) {
        EXPECT_STREQ(missing.what(), "Error loading the blue on led");
    }
}

} // namespace
