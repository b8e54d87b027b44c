#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <algorithm>
#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "ViewControls.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/frames/CMeterBar.h"
#include "app/views/CMetadataView.h"
#include "support/FakeClock.h"

namespace {
constexpr int rowIds = CMetadataView::rowIdBase;

class MetadataViewTest : public ::testing::Test {
protected:
    MetadataViewTest() { view.show(); }

    Vx41Params& parameters() { return document.parameters(); }

    // The operator picks a programme in the Main window; its button then reads the metadata.
    void selectProgramme(int programme) {
        // A configuration of eight programmes ("8x1") first.
        parameterOf(parameters(), 141, 0).setValue(10);
        // Compounds keep out of refreshes for a while after they are made.
        clock.advanceSeconds(3);
        document.refreshCategory('M');
        parameterOf(parameters(), 117, 0).setValue(programme);
        for (char category : {'M', 'm', 's'})
            document.refreshCategory(category);
    }

    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
    CMetadataView view{document};
};

TEST_F(MetadataViewTest, EveryPageShowsTheProgrammeChosenInTheMainWindow) {
    // Programme 3's own values, different from the others'.
    const int programme = 2;
    const int authored = 143 + 2 * programme;
    parameterOf(parameters(), authored, 13).setValue(2);           // Room Type
    parameterOf(parameters(), authored, 7).setValue(1);            // LFE Channel
    parameterOf(parameters(), authored, 23).setValue(2);           // Rearfill Mode
    parameterOf(parameters(), authored, 38).setValue(4);           // Line Mode Compression
    parameterOf(parameters(), 123 + 2 * programme, 3).setValue(2); // Channel Mode's source

    selectProgramme(programme);

    EXPECT_EQ(controlOf<QComboBox>(view, rowIds + 4 * 13)->currentIndex(), 2);
    EXPECT_TRUE(controlOf<QCheckBox>(view, rowIds + 4 * 7)->isChecked());
    EXPECT_EQ(controlOf<QComboBox>(view, rowIds + 4 * 23)->currentIndex(), 2);
    EXPECT_EQ(controlOf<QComboBox>(view, 1002)->currentText(), "Music Light");
    EXPECT_TRUE(controlOf<QRadioButton>(view, rowIds + 4 * 3 + 3)->isChecked());
    EXPECT_EQ(controlOf<QLineEdit>(view, 1204)->text(), "Program 3");
    EXPECT_EQ(controlOf<QLabel>(view, 1407)->text(), "Program 3");
}

TEST_F(MetadataViewTest, ListsAreWordedByTheirItemsAndTrueFalseItemsAreCheckBoxes) {
    const QComboBox* roomType = controlOf<QComboBox>(view, rowIds + 4 * 13);
    ASSERT_NE(roomType, nullptr);
    std::string second;
    parameterOf(parameters(), 19, 13).formatValue(second, ParameterValue(1));
    EXPECT_EQ(roomType->count(), 3);
    EXPECT_EQ(roomType->itemText(1).toStdString(), second);
    for (int item : {7, 11, 14, 15, 25, 28, 29, 30, 31, 32})
        EXPECT_NE(controlOf<QCheckBox>(view, rowIds + 4 * item), nullptr) << item;
    // The mix levels the unit derives: text, with their source fixed.
    for (int item : {4, 5}) {
        EXPECT_NE(controlOf<QLabel>(view, 2262 + item), nullptr);
        EXPECT_FALSE(controlOf<QRadioButton>(view, rowIds + 4 * item + 1)->isEnabled());
    }
}

// On every page with source buttons each column of them is headed by its source.
TEST_F(MetadataViewTest, SourceColumnsAreHeadedByTheirSources) {
    const QString heads[] = {"Int", "Ext1", "Ext2"};
    // A row of each page: Audio Processing, Dynamic Range, Bitstream Info, Extended BSI.
    const std::pair<int, int> pages[] = {
        {1, rowIds + 4 * 3 + 1}, {2, 1007}, {3, rowIds + 4 * 13 + 1}, {4, rowIds + 4 * 17 + 1}};
    for (const auto& [tab, firstButton] : pages) {
        view.showTab(tab);
        QCoreApplication::sendPostedEvents();
        for (int source = 0; source < 3; ++source) {
            const QWidget* button = controlOf<QRadioButton>(view, firstButton + source);
            ASSERT_NE(button, nullptr) << firstButton;
            const auto labels = button->parentWidget()->findChildren<QLabel*>();
            EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
                const QRect head = label->geometry();
                return label->text() == heads[source] && head.bottom() < button->y() &&
                       head.left() <= button->geometry().center().x() &&
                       button->geometry().center().x() <= head.right();
            })) << firstButton + source;
        }
    }
}

TEST_F(MetadataViewTest, ANegativeLineModeGainDrawsRedFromItsLevelToTheCentre) {
    view.showTab(CMetadataView::DynamicRange);
    CMeterBar* meter = controlOf<CMeterBar>(view, 1163);
    ASSERT_NE(meter, nullptr);
    // Long after the last reading: the bar has had time to fall to the new gain.
    clock.advanceMilliseconds(2000);
    deliver(parameters(), 204, 20, 256 - 6);

    // -6 units of 0.1875 dB: -1.125 on a scale of -24 to 24, 2.34 % of the width left of the
    // centre.
    const double left = 0.5 - 1.125 / 48;
    EXPECT_EQ(colourAt(*meter, left - 0.01), QColor(Qt::black));
    EXPECT_EQ(colourAt(*meter, left + 0.005), QColor(255, 0, 0));
    EXPECT_EQ(colourAt(*meter, 0.495), QColor(255, 0, 0));
    EXPECT_EQ(colourAt(*meter, 0.51), QColor(Qt::black));
}

TEST_F(MetadataViewTest, TabsWithoutAPageOfTheirOwnShowAudioProcessing) {
    const std::pair<int, CMetadataView::Page> cases[] = {
        {0, CMetadataView::Tessera},         {1, CMetadataView::AudioProcessing},
        {2, CMetadataView::DynamicRange},    {3, CMetadataView::BitstreamInfo},
        {4, CMetadataView::ExtendedBsi},     {5, CMetadataView::AudioProcessing},
        {-1, CMetadataView::AudioProcessing}};
    for (const auto& [tab, page] : cases) {
        view.showTab(tab);
        EXPECT_EQ(view.pageShown(), page) << tab;
    }
    controlOf<QTabBar>(view, 1000)->setCurrentIndex(3);
    EXPECT_EQ(view.pageShown(), CMetadataView::BitstreamInfo);
}

TEST_F(MetadataViewTest, TheProgrammeNameCommitsWhenTheBoxLosesTheFocus) {
    QLineEdit* name = controlOf<QLineEdit>(view, 1204);
    name->setFocus();
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(name, &in);
    name->setText("Drama");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(name, &out);

    EXPECT_EQ(parameterOf(parameters(), 141, 8).getValue().bytes(), "Drama");
    EXPECT_EQ(controlOf<QLabel>(view, 1407)->text(), "Drama");
}
} // namespace
