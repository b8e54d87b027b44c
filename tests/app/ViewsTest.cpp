#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "ViewControls.h"
#include "app/frames/CLedButton.h"
#include "app/frames/CMeterBar.h"
#include "app/frames/LedPictures.h"
#include "app/views/CMetadataView.h"
#include "app/views/CMonitorView.h"
#include "app/views/CParameterBrowser.h"
#include "app/views/ParameterTableModel.h"
#include "catalogue/Vx41Params.h"
#include "model/SharedParameter.h"

namespace {
// A window on the simulated unit, shown.
template <class View> class ViewTest : public DocumentFixture {
protected:
    ViewTest() { view.show(); }

    Vx41Params& parameters() { return document.parameters(); }

    View view{document};
};

using MonitorViewTest = ViewTest<CMonitorView>;

// Controls grey with what the rules leave out: RFL Mode while its shared flag is set, the output
// labels of the channels the speaker selection leaves out. Lamps light with the unit's reports.
TEST_F(MonitorViewTest, ControlsGreyWithWhatTheRulesLeaveOut) {
    auto& rfl = dynamic_cast<SharedParameter&>(parameterOf(parameters(), 117, 37));
    CLedButton* button = controlOf<CLedButton>(view, 1227);
    // Rear fill needs back-surround speakers: without them the catalogue locks it.
    EXPECT_TRUE(rfl.isLocked());
    EXPECT_FALSE(button->isEnabled());
    parameterOf(parameters(), 117, 39).setValue(1);
    ASSERT_FALSE(rfl.isLocked());
    EXPECT_TRUE(button->isEnabled());

    parameterOf(parameters(), 197, 15).setValue(2); // mono: the centre only
    const int labels = CMonitorView::meterIdBase + 17;
    EXPECT_FALSE(controlOf<QLabel>(view, labels + 0)->isEnabled());
    EXPECT_TRUE(controlOf<QLabel>(view, labels + 2)->isEnabled());

    // The lamp of the analogue outputs lights with the unit's report of them.
    const QLabel& analogLamp = *controlOf<QLabel>(view, CMonitorView::analogLampId);
    const qint64 unlit = analogLamp.pixmap().cacheKey();
    deliver(parameters(), 216, 3, 1);
    EXPECT_NE(analogLamp.pixmap().cacheKey(), unlit);
    // Each metadata input's lamp shows its own input's report: lit while valid, red on an error.
    deliver(parameters(), 216, 9, 1);
    deliver(parameters(), 216, 10, 2);
    for (const auto& [lamp, picture] : {std::pair{1150, "on"}, std::pair{1151, "red on"}})
        EXPECT_EQ(controlOf<QLabel>(view, lamp)->pixmap().toImage(),
                  LedPictures::load(picture).toImage())
            << lamp;
}

// A meter falls from full scale to the floor in one and a half seconds; full scale fills the bar
// and 64 steps less show -6 dB.
TEST_F(MonitorViewTest, AMeterFallsInOneAndAHalfSecondsOnAScaleOfDecibels) {
    CMeterBar& meter = *controlOf<CMeterBar>(view, CMonitorView::meterIdBase);
    // A reading above full scale is full scale: the bar falls from there, not from above it.
    deliver(parameters(), 204, 0, 1100);
    EXPECT_EQ(colourAt(meter, 0.995), QColor(0, 255, 0));
    // Silence, read every clock tick of 30 ms.
    const auto silence = [this](int ticks) {
        for (int tick = 0; tick < ticks; ++tick) {
            clock.advanceMilliseconds(30);
            deliver(parameters(), 204, 0, 0);
        }
    };
    silence(25);
    // 0.75 s at 40 dB a second: -30 dB, half way.
    EXPECT_EQ(colourAt(meter, 0.48), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(meter, 0.52), QColor(Qt::black));
    silence(24);
    EXPECT_EQ(colourAt(meter, 0.01), QColor(0, 255, 0)) << "still above the floor at 1.47 s";
    silence(1);
    EXPECT_EQ(colourAt(meter, 0.0), QColor(Qt::black));

    // Levels rise at once: each reading shows as it comes.
    deliver(parameters(), 204, 0, 959);
    // -6.02 dB on a scale of -60 to 0.
    const double level = 1 - 6.0206 / 60;
    EXPECT_EQ(colourAt(meter, level - 0.01), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(meter, level + 0.01), QColor(Qt::black));
    deliver(parameters(), 204, 0, 1023);
    EXPECT_EQ(colourAt(meter, 1.0), QColor(0, 255, 0));
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

constexpr int rowIds = CMetadataView::rowIdBase;

class MetadataViewTest : public ViewTest<CMetadataView> {
protected:
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

TEST_F(MetadataViewTest, ANegativeLineModeGainDrawsRedFromItsLevelToTheCentre) {
    view.showTab(CMetadataView::DynamicRange);
    CMeterBar& meter = control<CMeterBar>(view, 1163);
    // Long after the last reading: the bar has had time to fall to the new gain.
    clock.advanceMilliseconds(2000);
    deliver(parameters(), 204, 20, 256 - 6);

    // -6 units of 0.1875 dB: -1.125 on a scale of -24 to 24, 2.34 % of the width left of the
    // centre.
    const double left = 0.5 - 1.125 / 48;
    EXPECT_EQ(colourAt(meter, left - 0.01), QColor(Qt::black));
    EXPECT_EQ(colourAt(meter, left + 0.005), QColor(255, 0, 0));
    EXPECT_EQ(colourAt(meter, 0.495), QColor(255, 0, 0));
    EXPECT_EQ(colourAt(meter, 0.51), QColor(Qt::black));
    // The input level beside it: 53 steps of 0.564375 dB below full scale (16) are -29.9 dB, half
    // way along a scale of -60 to 0.
    CMeterBar& input = control<CMeterBar>(view, 1159);
    deliver(parameters(), 204, 19, 16 + 53);
    EXPECT_EQ(colourAt(input, 0.49), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(input, 0.51), QColor(Qt::black));
    // Falling to the floor at 40 dB a second, it shows -49.9 dB half a second later.
    clock.advanceMilliseconds(500);
    deliver(parameters(), 204, 19, 16 + 107);
    EXPECT_EQ(colourAt(input, 0.16), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(input, 0.175), QColor(Qt::black));
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

// On a desktop with a large font the page tabs shrink their captions until every tab shows.
using FittedTabsTest = DocumentFixture;

TEST_F(FittedTabsTest, TheMetadataPageTabsFitWithALargeDesktopFont) {
    const QFont desktop = QApplication::font();
    QFont large = desktop;
    large.setPointSize(16);
    QApplication::setFont(large);
    CMetadataView view(document);
    QApplication::setFont(desktop);
    EXPECT_LE(controlOf<QTabBar>(view, 1000)->sizeHint().width(), CMetadataView::formWidth - 8);
}

constexpr ParameterId bypass{117, 22};
constexpr ParameterId frameRate{207, 7};

// The browser on the simulated unit, read through its table as the operator sees it.
class ParameterBrowserTest : public ViewTest<CParameterBrowser> {
protected:
    QAbstractItemModel& shown() const { return *browser.table().model(); }

    // The texts of one column of the rows shown.
    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < shown().rowCount(); ++row)
            texts << shown().index(row, column).data().toString();
        return texts;
    }

    int rowOf(const ParameterId& id) const {
        const QString text = QStringLiteral("(%1, %2)").arg(id.number).arg(id.index);
        return static_cast<int>(column(ParameterTableModel::IdColumn).indexOf(text));
    }
    QModelIndex valueCell(const ParameterId& id) const {
        return shown().index(rowOf(id), ParameterTableModel::ValueColumn);
    }

    void filter(const QString& text) {
        browser.filterBox().clear();
        QTest::keyClicks(&browser.filterBox(), text);
    }

    // Double-clicks the value of the parameter, types text and presses Enter.
    void edit(const ParameterId& id, const QString& text) {
        QTableView& table = browser.table();
        const QModelIndex cell = valueCell(id);
        table.scrollTo(cell);
        const QPoint centre = table.visualRect(cell).center();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, centre);
        auto* editor = table.viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << "no editor opened";
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits on the next turn of the event loop; the closed editor goes then.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Parameter& parameter(const ParameterId& id) const { return document.parameters().find(id); }

    CParameterBrowser& browser = view;
};

TEST_F(ParameterBrowserTest, FilterKeepsTheRowsWhoseIdNameOrValueHoldsTheTextAsValuesChange) {
    const int all = shown().rowCount();
    EXPECT_FALSE(column(ParameterTableModel::IdColumn).contains(QString())) << "a row without id";
    EXPECT_FALSE(
        shown().index(0, ParameterTableModel::ValueColumn).data(Qt::CheckStateRole).isValid())
        << "a check box in a cell";
    ASSERT_GT(all, 1000);

    filter(QStringLiteral("(117, 22)"));
    EXPECT_EQ(column(ParameterTableModel::NameColumn), QStringList{"Emulator Bypass"});
    EXPECT_EQ(browser.findChild<QLabel*>("count")->text(), QString("1 of %1").arg(all));

    filter(QStringLiteral("emulator BYPASS"));
    EXPECT_GE(rowOf(bypass), 0);
    for (const QString& name : column(ParameterTableModel::NameColumn))
        EXPECT_TRUE(name.contains("Emulator Bypass", Qt::CaseInsensitive)) << name.toStdString();

    // By value text: the frame rate's row leaves the list once the unit polls another rate.
    std::string rate;
    parameter(frameRate).formatValue(rate, parameter(frameRate).getValue());
    filter(QString::fromStdString(rate));
    ASSERT_GE(rowOf(frameRate), 0);
    for (const QString& value : column(ParameterTableModel::ValueColumn))
        EXPECT_TRUE(value.contains(QString::fromStdString(rate))) << value.toStdString();
    parameter(frameRate).assignValue(0);
    parameter(frameRate).notify();
    EXPECT_LT(rowOf(frameRate), 0);
    EXPECT_EQ(browser.findChild<QLabel*>("count")->text(),
              QString("%1 of %2").arg(shown().rowCount()).arg(all));

    filter(QString());
    EXPECT_EQ(shown().rowCount(), all);
    EXPECT_EQ(browser.findChild<QLabel*>("count")->text(), QString("%1 of %1").arg(all));
    // A parameter the rules hide says so in its row at once.
    QSignalSpy announced(&shown(), &QAbstractItemModel::dataChanged);
    parameter(bypass).setVisible(false);
    ASSERT_EQ(announced.size(), 1);
    EXPECT_EQ(announced[0][0].value<QModelIndex>().column(), ParameterTableModel::VisibleColumn);
    // Its caption's key takes the keyboard back to the filter.
    QApplication::setActiveWindow(&browser);
    browser.table().setFocus();
    QTest::keyClick(&browser, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(browser.filterBox().hasFocus());
}

TEST_F(ParameterBrowserTest, AnEditGoesThroughTheParameterWhichRefusesWhatItRefusesElsewhere) {
    filter(QStringLiteral("Emulator Bypass"));
    const int before = parameter(bypass).getValue().toInt16();
    EXPECT_EQ(valueCell(bypass).data(Qt::EditRole), QString::number(before));
    const QString shownBefore = valueCell(bypass).data().toString();

    edit(bypass, QStringLiteral("5"));
    EXPECT_EQ(parameter(bypass).getValue().toInt16(), before);
    EXPECT_EQ(valueCell(bypass).data().toString(), shownBefore);

    edit(bypass, QString::number(1 - before));

    EXPECT_EQ(parameter(bypass).getValue().toInt16(), 1 - before);
    EXPECT_NE(valueCell(bypass).data().toString(), shownBefore);
    edit(bypass, QStringLiteral("0x%1").arg(before));
    EXPECT_EQ(parameter(bypass).getValue().toInt16(), before);
    // Numbers of two digits are decimal as well.
    constexpr ParameterId masterTrim{197, 0};
    filter(QStringLiteral("(197, 0)"));
    edit(masterTrim, QStringLiteral("50"));
    EXPECT_EQ(parameter(masterTrim).getValue(), ParameterValue(50));
    // A text is taken as typed.
    constexpr ParameterId programmeName{141, 8};
    filter(QStringLiteral("(141, 8)"));
    edit(programmeName, QStringLiteral("Drama"));
    EXPECT_EQ(parameter(programmeName).getValue(), ParameterValue::fromText("Drama"));
    EXPECT_TRUE(seam.messages.empty());
}
} // namespace
