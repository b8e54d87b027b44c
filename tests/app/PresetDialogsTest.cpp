#include <QApplication>
#include <QToolButton>
#include <algorithm>
#include <functional>

#include "DeviceDialogFixture.h"
#include "app/dialogs/CRouterDlg.h"
#include "app/dialogs/CSavePresetDlg.h"
#include "app/dialogs/CUserPresetsDlg.h"
#include "app/frames/CLedButton.h"
#include "app/frames/UpDownControl.h"
#include "app/views/CMonitorView.h"

namespace {
constexpr ParameterId firstOutput{195, 2};
constexpr ParameterId routerPresetToRecall{115, 10};
constexpr ParameterId routerPresetToSave{115, 8};
constexpr ParameterId routerPresetName{115, 9};
constexpr ParameterId routerStore{115, 7};
constexpr ParameterId userPresetToRecall{115, 0};
constexpr ParameterId userPresetInForce{210, 64};
constexpr ParameterId userPresetToSave{115, 4};
constexpr ParameterId userPresetName{115, 5};
constexpr ParameterId userPresetType{115, 11};
constexpr ParameterId userStore{115, 3};
constexpr ParameterId presetFiveType{210, 36};
constexpr ParameterId shownName{23, 30};
constexpr ParameterId centerDelay{117, 26};
constexpr ParameterId speakerSelection{197, 15};

// What the operator does in 'Save Preset' before the dialog ends.
struct SaveAnswer {
    const char* number;
    const char* name;
    int type;
    bool ok;
};

class PresetDialogTest : public DeviceDialogFixture {
protected:
    // The operator types into the boxes, moving on from each, and ends the dialog.
    static ScriptedModalSeam::DialogAnswer answer(const SaveAnswer& given) {
        return [given](QDialog& shown) {
            auto& dialog = dynamic_cast<CSavePresetDlg&>(shown);
            enter(dialog.numberBox(), given.number);
            enter(dialog.nameBox(), given.name);
            if (given.type >= 0)
                choose(dialog.typeList(), given.type);
            if (given.ok)
                dialog.accept();
            else
                dialog.reject();
            return dialog.result();
        };
    }
};

class RouterDlgTest : public PresetDialogTest {
protected:
    CRouterDlg dialog{document, seam, nullptr};
};

// A recall asks the unit for the preset and reads the router again; the buttons carry the presets'
// names.
TEST_F(RouterDlgTest, RecallButtonsFollowTheUnit) {
    setInUnit(firstOutput, 5);
    dialog.recallButton(1).click();
    // The recall goes first; the routing is read after it.
    ASSERT_GE(line.log.size(), 2u);
    EXPECT_EQ(line.log.front(), "w " + routerPresetToRecall.toString() + " 1");
    EXPECT_EQ(line.log.back()[0], 'm');
    EXPECT_TRUE(dialog.crosspoint(0, 5).isChecked());

    setInUnit({212, 2}, ParameterValue::fromText("STUDIO"));
    document.refreshCategory('D');
    EXPECT_EQ(dialog.recallButton(2).text(), "STUDIO");
}

TEST_F(RouterDlgTest, SavePresetStoresUnderTheNumberAndNameGiven) {
    seam.dialogAnswers.push_back(answer({"3", "MIX B", -1, true}));
    dialog.savePresetButton().click();
    EXPECT_EQ(held(routerPresetToSave), ParameterValue(2));
    EXPECT_EQ(held(routerPresetName), ParameterValue::fromText("MIX B"));
    EXPECT_TRUE(wrote(routerStore, 1));
    // The unit names the preset the number chose, and stores it last.
    const auto at = [this](const std::function<bool(const RecordingProtocol::Write&)>& which) {
        return std::find_if(line.writes.begin(), line.writes.end(), which) - line.writes.begin();
    };
    const auto number = at([](const auto& write) { return write.id == routerPresetToSave; });
    const auto name =
        at([](const auto& write) { return write.value == ParameterValue::fromText("MIX B"); });
    const auto store = at([](const auto& write) { return write.id == routerStore; });
    EXPECT_LT(number, name);
    EXPECT_LT(name, store);
    // After a store the unit's recall number names the preset just stored.
    EXPECT_EQ(held(routerPresetToRecall), ParameterValue(2));
}

class UserPresetsDlgTest : public PresetDialogTest {
protected:
    CUserPresetsDlg dialog{document, seam, nullptr};
};

TEST_F(UserPresetsDlgTest, RecallingAPresetReadsEverythingAfterIt) {
    CMonitorView monitor(document);
    // What the unit holds after recalling preset 5.
    setInUnit(userPresetInForce, 4);
    setInUnit(centerDelay, 7);
    setInUnit(speakerSelection, 1);
    dialog.presetButton(4).click();
    // The recall goes first; everything is read after it.
    ASSERT_FALSE(line.log.empty());
    EXPECT_EQ(line.log.front(), "w " + userPresetToRecall.toString() + " 4");
    EXPECT_GE(std::count_if(line.log.begin() + 1, line.log.end(),
                            [](const std::string& entry) { return entry[0] == 'm'; }),
              5);
    EXPECT_EQ(value(centerDelay), 7);
    EXPECT_TRUE(control<CLedButton>(monitor, 1473).isOn());
    EXPECT_EQ(dialog.presetButton(4).text(), "5  - PRESET 5");
}

TEST_F(UserPresetsDlgTest, PresetsOutsideTheRecallRangeAreGreyed) {
    parameter(userPresetToRecall).setMaximum(15);
    EXPECT_TRUE(dialog.presetButton(15).isEnabled());
    EXPECT_FALSE(dialog.presetButton(16).isEnabled());
}

// Nothing reaches the unit before OK; a number out of range refuses OK and shows the unit's
// number; OK writes the number, the name cut to 12 characters and the type, then stores.
TEST_F(UserPresetsDlgTest, SaveWritesOnlyWhatWasConfirmedWithOk) {
    seam.dialogAnswers.push_back(answer({"9", "LATE", 1, false}));
    dialog.saveButton().click();
    EXPECT_TRUE(line.writes.empty());

    for (const char* refused : {"33", "x"}) {
        seam.dialogAnswers.push_back([this, refused](QDialog& shown) {
            auto& dialog = dynamic_cast<CSavePresetDlg&>(shown);
            enter(dialog.nameBox(), "LATE");
            // Another name shown meanwhile leaves what was typed alone.
            parameter(shownName).update({{shownName, ParameterValue::fromText("OTHER")}});
            EXPECT_EQ(dialog.nameBox().text(), "LATE");
            dialog.numberBox().setText(refused);
            // OK refused, the keyboard goes back to the number to mend it.
            dialog.show();
            QApplication::setActiveWindow(&dialog);
            dialog.nameBox().setFocus();
            dialog.accept();
            EXPECT_EQ(dialog.numberBox().text(), "1");
            EXPECT_TRUE(dialog.numberBox().hasFocus());
            return dialog.result();
        });
        dialog.saveButton().click();
        EXPECT_TRUE(line.writes.empty());
    }

    seam.dialogAnswers.push_back(answer({"5", "EVENING NEWS LATE", 0, true}));
    // Preset 5 holds the other type, which taking its number shows.
    parameter(presetFiveType).update({{presetFiveType, ParameterValue(1)}});
    dialog.saveButton().click();
    EXPECT_EQ(held(userPresetToSave), ParameterValue(4));
    EXPECT_EQ(held(userPresetName), ParameterValue::fromText("EVENING NEWS"));
    EXPECT_TRUE(wrote(userPresetType, 0)); // the type chosen
    EXPECT_TRUE(wrote(userStore, 1));
    EXPECT_EQ(held(userPresetToRecall), ParameterValue(4));

    // The next save starts from the preset just stored.
    seam.dialogAnswers.push_back([](QDialog& shown) {
        auto& dialog = dynamic_cast<CSavePresetDlg&>(shown);
        EXPECT_EQ(dialog.numberBox().text(), "5");
        dialog.numberUpDown().upArrow().click();
        EXPECT_EQ(dialog.numberBox().text(), "6");
        enter(dialog.numberBox(), "9");
        dialog.numberUpDown().upArrow().click();
        EXPECT_EQ(dialog.numberBox().text(), "10");
        // A name of twelve of the widest letters shows whole.
        dialog.show();
        const QLineEdit& name = dialog.nameBox();
        EXPECT_GE(name.width(), name.fontMetrics().horizontalAdvance(QString(12, 'W')));
        dialog.reject();
        return dialog.result();
    });
    dialog.saveButton().click();
}

// When the number or the name cannot reach the unit, the dialog stays open and nothing is stored.
TEST_F(UserPresetsDlgTest, APresetWhoseNumberFailedIsNotStored) {
    seam.dialogAnswers.push_back([this](QDialog& shown) {
        auto& dialog = dynamic_cast<CSavePresetDlg&>(shown);
        enter(dialog.numberBox(), "7");
        line.failWrites = true;
        dialog.accept();
        line.failWrites = false;
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        dialog.reject();
        return dialog.result();
    });
    // The unit answers again when asked to.
    seam.dialogAnswers.push_back(ScriptedModalSeam::result(QDialog::Accepted));
    dialog.saveButton().click();
    EXPECT_EQ(seam.dialogs.back(), "CCommErrorDlg");
    EXPECT_FALSE(wrote(userStore, 1));
}
} // namespace
