#include <QCheckBox>
#include <QRadioButton>
#include <QTest>

#include "ObserverFixture.h"
#include "ViewControls.h"
#include "app/frames/CBlinkingLed.h"
#include "app/frames/CDigitalReadout.h"
#include "app/observers/Win32CheckBoxObserver.h"
#include "app/observers/Win32GroupedStateButtonObserver.h"
#include "app/observers/Win32RadioButtonObserver.h"
#include "app/observers/Win32SharedParamStateButtonObserver.h"
#include "app/observers/Win32StateButtonObserver.h"
#include "model/SharedParameter.h"

namespace {

class ObserverButtonTest : public ObserverFixture {
protected:
    // A click in the middle of the button at its natural size, where the toolkit takes it.
    void click(QAbstractButton& button) {
        button.adjustSize();
        QTest::mouseClick(&button, Qt::LeftButton);
    }
};

// What the views' binding tables leave out: a refused click, and a box greyed with its parameter.
TEST_F(ObserverButtonTest, CheckBoxesShowWhatTheParameterTook) {
    ControlParameter& pause = parameter(0, 0, 1);
    QCheckBox plain;
    Win32CheckBoxObserver plainObserver(plain, 1205, 1);
    ObserverActions::bind(plainObserver, guard);
    plainObserver.attach(pause);
    click(plain);
    EXPECT_TRUE(plain.isChecked());
    unit.refusing = true;
    click(plain);
    EXPECT_TRUE(plain.isChecked());
    pause.setEnabled(false);
    EXPECT_FALSE(plain.isEnabled());
}

TEST_F(ObserverButtonTest, RadioButtonsOfOneParentAreCheckedOnlyByTheirParameters) {
    ControlParameter& source = parameter(1, 0, 2);
    ControlParameter& other = parameter(0, 0, 1);
    QWidget parent;
    std::vector<QRadioButton*> radios;
    std::vector<std::unique_ptr<Win32RadioButtonObserver>> observers;
    for (int value = 0; value < 4; ++value) {
        radios.push_back(new QRadioButton(&parent));
        observers.push_back(
            std::make_unique<Win32RadioButtonObserver>(*radios.back(), 1397 + value, value % 3));
        ObserverActions::bind(*observers.back(), guard);
        observers.back()->attach(value < 3 ? source : other);
    }
    EXPECT_TRUE(radios[1]->isChecked() && radios[3]->isChecked()); // two groups, one parent

    source.enableValue(false, 2);
    EXPECT_FALSE(radios[2]->isEnabled());
    click(*radios[0]);
    EXPECT_EQ(written(), std::vector<int>({0}));
    EXPECT_TRUE(radios[0]->isChecked() && !radios[1]->isChecked() && radios[3]->isChecked());

    unit.refusing = true;
    click(*radios[1]);
    EXPECT_TRUE(radios[0]->isChecked() && !radios[1]->isChecked());
    // A parameter the unit does not have in its present state hides its buttons.
    source.setVisible(false);
    EXPECT_TRUE(radios[0]->isHidden() && !radios[3]->isHidden());
}

// What the views' binding tables leave out: buttons greyed by limits and locks, and blinking.
TEST_F(ObserverButtonTest, LedButtonsGreyOutsideTheLimitsAndBlink) {
    ControlParameter& bypass = parameter(0, 0, 1);
    ControlParameter& programme = parameter(0, 0, 7);
    CLedButton bypassButton("Bypass");
    Win32StateButtonObserver bypassObserver(bypassButton, 1218, 1, 0);
    std::vector<std::unique_ptr<CLedButton>> buttons;
    std::vector<std::unique_ptr<Win32GroupedStateButtonObserver>> group;
    for (int value = 0; value < 3; ++value) {
        buttons.push_back(std::make_unique<CLedButton>(QString::number(value + 1)));
        group.push_back(std::make_unique<Win32GroupedStateButtonObserver>(*buttons.back(),
                                                                          1193 + value, value, 0));
        group.back()->attach(programme);
    }
    bypassObserver.attach(bypass);

    // A button whose value lies outside the parameter's limits cannot be pressed.
    programme.setMaximum(1);
    EXPECT_TRUE(buttons[1]->isEnabled());
    EXPECT_FALSE(buttons[2]->isEnabled());
    bypass.setMaximum(0);
    EXPECT_FALSE(bypassButton.isEnabled());

    SharedParameter mode(line, ParameterId(0x75, 37), 2, 0, 3, 'a');
    CLedButton modeButton("RFL Mode");
    Win32SharedParamStateButtonObserver modeObserver(modeButton, 1227, 2, 0);
    modeObserver.attach(mode);
    EXPECT_TRUE(modeButton.isOn() && modeButton.isEnabled());
    mode.setLocked(true); // the rules hold it: the button may not change it
    EXPECT_FALSE(modeButton.isEnabled());

    CBlinkingLed blinking;
    blinking.resize(blinking.sizeHint());
    blinking.show();
    blinking.setOn();
    EXPECT_EQ(blinking.timer().interval(), CBlinkingLed::litMilliseconds);
    QCoreApplication::processEvents();
    const auto bar = [&blinking] { return onScreen(blinking).pixelColor(blinking.width() / 2, 6); };
    const QColor lit = bar();
    blinking.blink();
    EXPECT_EQ(blinking.timer().interval(), CBlinkingLed::darkMilliseconds);
    EXPECT_NE(bar(), lit) << "the dark phase is drawn at once";
    blinking.setOff();
    EXPECT_FALSE(blinking.timer().isActive());
}

// A lamp is a bar along the top in its colour, dark when off, with the caption below it; a
// read-out dims its digits when disabled.
TEST(LampAndReadoutTest, LampsShowTheirColourAndCaptionAndReadoutsDimWhenDisabled) {
    const std::pair<CLedButton::Colour, QColor> lamps[] = {{CLedButton::Green, {0, 255, 0}},
                                                           {CLedButton::Red, {255, 0, 0}},
                                                           {CLedButton::Yellow, {255, 255, 0}},
                                                           {CLedButton::Grey, {192, 192, 192}}};
    // As the screen shows it: lit or put out, a lamp shows it at once.
    for (const auto& [colour, shown] : lamps) {
        CLedButton lamp("Bypass", colour);
        lamp.resize(lamp.sizeHint());
        lamp.show();
        QCoreApplication::processEvents();
        const QPoint middleOfBar(lamp.width() / 2, 6);
        lamp.setOn();
        EXPECT_EQ(onScreen(lamp).pixelColor(middleOfBar), shown) << colour;
        // The bar's rim, its top row, is of a darker shade of its colour.
        EXPECT_EQ(onScreen(lamp).pixel(lamp.width() / 2, 4), shown.darker(250).rgb());
        lamp.setOff();
        EXPECT_LT(onScreen(lamp).pixelColor(middleOfBar).value(), shown.value() / 3) << colour;
    }

    CLedButton captioned("Bypass"), blank;
    blank.resize(captioned.sizeHint());
    captioned.resize(captioned.sizeHint());
    EXPECT_NE(captioned.grab().toImage(), blank.grab().toImage());
    // Drawn as a push button: its edge is the button's frame, not the window behind it.
    const QImage button = captioned.grab().toImage();
    EXPECT_NE(button.pixelColor(0, button.height() / 2),
              captioned.palette().color(QPalette::Window));

    CDigitalReadout readout;
    readout.setText("88");
    readout.resize(readout.sizeHint());
    EXPECT_TRUE(showsColour(readout, QColor(0, 255, 0)));
    // Disabled, its digits are half as bright.
    readout.setEnabled(false);
    EXPECT_TRUE(showsColour(readout, QColor(0, 127, 0)));
    EXPECT_FALSE(showsColour(readout, QColor(0, 255, 0)));
}
} // namespace
