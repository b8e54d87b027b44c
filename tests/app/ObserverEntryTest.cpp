#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QToolButton>
#include <clocale>

#include "ObserverFixture.h"
#include "ViewControls.h"
#include "app/frames/UpDownControl.h"
#include "app/observers/Win32EditObserver.h"
#include "app/observers/Win32SpinObserver.h"
#include "model/FloatParameterConverter.h"
#include "model/HexParameterConverter.h"
#include "support/FakeClock.h"

namespace {

class ObserverEntryTest : public ObserverFixture {
protected:
    ControlParameter& address = parameter(0x8280, 0x8280, 0xFFFE);
    HexParameterConverter hex{4};
    QLineEdit edit;
    Win32EditObserver observer{edit, 1519, hex};
};

TEST_F(ObserverEntryTest, TypedTextIsWrittenOnEnterOrLeavingTheBoxAndRefusedTextIsReplaced) {
    ObserverActions::bind(observer, guard);
    observer.attach(address);
    EXPECT_EQ(edit.text(), "8280");

    retype(edit, "83a0");
    address.setVisible(true);
    address.notify(); // a notification while typing leaves the typing alone
    EXPECT_EQ(edit.text(), "83a0");
    EXPECT_TRUE(written().empty()); // nothing per keystroke
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(written(), std::vector<int>({static_cast<std::int16_t>(0x83A0)}));

    for (const char* refused : {"zz", "0010"}) { // unparsable; below the minimum
        enter(edit, refused);
        EXPECT_EQ(edit.text(), "83a0") << refused;
    }
    retype(edit, "zz");
    QTest::keyClick(&edit, Qt::Key_Enter);
    EXPECT_EQ(edit.text(), "83a0");

    retype(edit, "9000");
    // Another window coming up (a message box, a menu) is no move of the user's.
    focus(edit, QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(written().size(), 1u);
    focus(edit, QEvent::FocusOut);
    EXPECT_EQ(address.getValue(), ParameterValue(0x9000));
    EXPECT_EQ(written().size(), 2u);
    EXPECT_TRUE(errors.empty());
}

// Under a comma locale (Qt sets the C library's from the environment) a trim still shows with
// the unit's decimal point, and the operator may type either a comma or a point.
TEST_F(ObserverEntryTest, NumbersWithDecimalsAreShownAndTakenAlikeUnderACommaLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ControlParameter& trim = parameter(148, 0, 208);
    const FloatParameterConverter decibels(8, 160, " dB");
    QLineEdit box;
    Win32EditObserver trimObserver{box, 1, decibels};
    ObserverActions::bind(trimObserver, guard);
    trimObserver.attach(trim);
    EXPECT_EQ(box.text(), "-1.500 dB");
    retype(box, "-2,500 dB");
    QTest::keyClick(&box, Qt::Key_Return);
    retype(box, "-3.25");
    QTest::keyClick(&box, Qt::Key_Return);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(written(), std::vector<int>({140, 134}));
}

TEST_F(ObserverEntryTest, ABoxWritesNothingBeforeItsParameterComesOrOnceItsObserverIsGone) {
    QLineEdit box;
    auto gone = std::make_unique<Win32EditObserver>(box, 1204, hex);
    ObserverActions::bind(*gone, guard);
    retype(box, "9000"); // not yet bound to its parameter
    QTest::keyClick(&box, Qt::Key_Return);
    gone->attach(address);
    gone.reset();
    retype(box, "9000");
    QTest::keyClick(&box, Qt::Key_Return);
    focus(box, QEvent::FocusOut);
    EXPECT_TRUE(written().empty());
}

// How fast a held arrow steps is tested with the address box of 'Open Device'.
TEST_F(ObserverEntryTest, TheUpDownStepsAndStopsAtTheLimits) {
    FakeClock clock;
    UpDownControl upDown(clock);
    Win32SpinObserver spin(upDown, 1520);
    ObserverActions::bind(spin, guard);
    observer.attach(address);
    spin.attach(address);

    address.setValue(0xFFFB);
    QTest::mouseClick(&upDown.upArrow(), Qt::LeftButton);
    EXPECT_EQ(edit.text(), "fffc");
    for (int click = 0; click < 3; ++click)
        QTest::mouseClick(&upDown.upArrow(), Qt::LeftButton);
    EXPECT_EQ(edit.text(), "fffe");
    EXPECT_TRUE(errors.empty());
    // It goes with a parameter the unit does not have in its present state.
    upDown.show();
    address.setVisible(false);
    EXPECT_TRUE(upDown.isHidden());
}

} // namespace
