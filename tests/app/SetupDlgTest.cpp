#include <QRadioButton>

#include "DeviceDialogFixture.h"
#include "app/dialogs/CGpioSetupPage.h"
#include "app/dialogs/CMonitorSetupPage.h"
#include "app/dialogs/CSetupDlg.h"

namespace {
constexpr ParameterId speakerSelection{197, 15};
constexpr ParameterId centerDelay{117, 26};
constexpr ParameterId leftTrim{197, 4};
constexpr ParameterId firstGpiFunction{201, 30};
constexpr ParameterId firstGpoFunction{203, 32};
constexpr ParameterId analogFitted{216, 3};
constexpr int function = 0;
constexpr int firstOutput = CGpioSetupPage::lines;

class SetupDlgTest : public DeviceDialogFixture {
protected:
    // Made before the document is handed in, as the main window makes it.
    SetupDlgTest() : dialog(clock, nullptr) {
        dialog.setDocument(&document);
        dialog.show();
    }

    CSetupDlg dialog;
};

// Delays and trims are shown and taken in their display words; text out of range or not a
// number is refused, nothing is sent and the box shows the unit's value again.
TEST_F(SetupDlgTest, DelaysAndTrimsTakeTheirDisplayWordsAndRefuseTheRest) {
    struct Case {
        int box;
        ParameterId id;
        const char* typed;
        const char* shown;
        int value;
        bool sent;
    };
    const Case cases[] = {{1253, centerDelay, "2 ms", "2 ms", 5, true},
                          {1253, centerDelay, "6 ms", "2 ms", 5, false},
                          {1253, centerDelay, "soon", "2 ms", 5, false},
                          {1920, leftTrim, "-1.5 dB", "-1.500 dB", 148, true},
                          {1920, leftTrim, "7 dB", "-1.500 dB", 148, false}};
    for (const Case& c : cases) {
        line.clear();
        QLineEdit& box = control<QLineEdit>(dialog.monitorPage(), c.box);
        enter(box, c.typed);
        EXPECT_EQ(box.text(), c.shown) << c.typed;
        EXPECT_EQ(value(c.id), c.value) << c.typed;
        EXPECT_EQ(line.writes.size(), c.sent ? 1U : 0U) << c.typed;
    }
}

// The pages exist before the document and are attached only while on view, and while they have one.
TEST_F(SetupDlgTest, OnlyThePageOnViewFollowsTheUnit) {
    auto& monitor = dialog.monitorPage();
    EXPECT_GE(control<QWidget>(monitor, 1213).height(), 200) << "the master trim's travel";
    auto& gpio = dialog.gpioPage();
    QRadioButton& stereo = control<QRadioButton>(monitor, 1276);
    EXPECT_TRUE(monitor.isBound());
    EXPECT_FALSE(gpio.isBound());

    dialog.tabs().setCurrentIndex(CSetupDlg::gpioTab);
    EXPECT_FALSE(monitor.isBound());
    EXPECT_TRUE(gpio.isBound());
    parameter(speakerSelection).setValue(1);
    EXPECT_FALSE(stereo.isChecked());

    dialog.tabs().setCurrentIndex(CSetupDlg::monitorTab);
    EXPECT_TRUE(stereo.isChecked());
    dialog.reject();
    EXPECT_FALSE(monitor.isBound());
    EXPECT_FALSE(gpio.isBound());
    parameter(speakerSelection).setValue(0);
    EXPECT_TRUE(stereo.isChecked());
    // Handed no document, the page on view lets the unit go.
    dialog.show();
    EXPECT_TRUE(monitor.isBound());
    dialog.setDocument(nullptr);
    EXPECT_FALSE(monitor.isBound());
    dialog.tabs().setCurrentIndex(CSetupDlg::gpioTab);
    dialog.setDocument(&document);
    EXPECT_TRUE(gpio.isBound());
}

// An output function beyond the texts of the list still has its item, in the parameter's own
// words, so that every item stands for its own value; a narrower range shrinks the lists at once.
TEST_F(SetupDlgTest, FunctionListsKeepOneItemPerValueAndFollowTheRange) {
    dialog.tabs().setCurrentIndex(CSetupDlg::gpioTab);
    QComboBox& outputs = dialog.gpioPage().list(firstOutput, function);
    QComboBox& inputs = dialog.gpioPage().list(0, function);
    ASSERT_EQ(outputs.count(), 70);
    EXPECT_EQ(outputs.itemText(67), "Dim Mute");
    std::string beyond;
    parameter(firstGpoFunction).formatValue(beyond, 69);
    EXPECT_EQ(outputs.itemText(69).toStdString(), beyond);
    choose(outputs, 69);
    EXPECT_TRUE(wrote(firstGpoFunction, 69));
    choose(outputs, 7);
    EXPECT_EQ(inputs.count(), 69);

    // Without the analogue outputs the unit offers fewer functions; a full refresh learns it.
    setInUnit(analogFitted, 0);
    document.refreshAll();
    EXPECT_EQ(outputs.count(), 68);
    EXPECT_EQ(inputs.count(), 65);
    EXPECT_EQ(outputs.currentText(), "Preset 2");
    EXPECT_EQ(value(firstGpiFunction), inputs.currentIndex());
}
} // namespace
