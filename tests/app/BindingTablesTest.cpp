#include <QLabel>
#include <gtest/gtest.h>

#include "BindingTable.h"
#include "DocumentFixture.h"
#include "app/dialogs/CGpioSetupPage.h"
#include "app/dialogs/CMonitorSetupPage.h"
#include "app/dialogs/CRouterDlg.h"
#include "app/dialogs/CSetupDlg.h"
#include "app/dialogs/CUserPresetsDlg.h"
#include "app/views/CMainView.h"
#include "app/views/CMetadataView.h"
#include "app/views/CMonitorView.h"

namespace {
using BindingTable::Binding;
using BindingTable::Kind;

// The windows on the simulated unit, their writes recorded on the way to it.
class BindingTablesTest : public DocumentFixture {
protected:
    BindingTablesTest() { parameters().switchProtocol(line); }
    ~BindingTablesTest() override { parameters().switchProtocol(unit); }

    Vx41Params& parameters() { return document.parameters(); }

    GenericProtocol& unit = document.parameters().protocol();
    RecordingProtocol line{unit};
};

TEST_F(BindingTablesTest, MainWindow) {
    const int configuration = 1157, channelSelect = 2277, emulatorInt = 1397, emulatorExt1 = 1398,
              emulatorExt2 = 1399, programme1 = 1193, programme8 = 1200, dialNormInt = 1098,
              dialNormExt2 = 1100, integrationShortTerm = 2282, integrationInfinite = 2283,
              ltRt = 1220, bypass = 1218, pause = 1205, metadataHold = 2281, dialNormSlider = 1219,
              reset = 2280;
    // A compound shows its status and writes its control: the programme configuration (179,0)
    // and (141,0); programme 1's dialogue-level source (25,8) and (137,8), and its level (19,8)
    // and (157,8).
    const Binding bindings[] = {
        {configuration, Kind::list, {179, 0}, 3, 3, {141, 0}, 5},
        {channelSelect, Kind::list, {117, 57}, 4, 4, {117, 57}, 2},
        {emulatorInt, Kind::choice, {121, 0}, 2, 0, {121, 0}, 0},
        {emulatorExt1, Kind::choice, {121, 0}, 2, 0, {121, 0}, 1},
        {emulatorExt2, Kind::choice, {121, 0}, 0, 0, {121, 0}, 2},
        {programme1, Kind::lamp, {117, 0}, 7, 0, {117, 0}, 0},
        {programme8, Kind::lamp, {117, 0}, 7, 1, {117, 0}, 7},
        {dialNormInt, Kind::choice, {25, 8}, 1, 0, {137, 8}, 0},
        {dialNormExt2, Kind::choice, {25, 8}, 0, 0, {137, 8}, 2},
        {integrationShortTerm, Kind::choice, {117, 56}, 1, 0, {117, 56}, 0},
        {integrationInfinite, Kind::choice, {117, 56}, 0, 0, {117, 56}, 1},
        {ltRt, Kind::lamp, {117, 21}, 1, 1, {117, 21}, 0},
        {bypass, Kind::lamp, {117, 22}, 0, 0, {117, 22}, 1},
        {pause, Kind::box, {117, 55}, 1, 1, {117, 55}, 0},
        {metadataHold, Kind::box, {117, 63}, 0, 0, {117, 63}, 1},
        {dialNormSlider, Kind::slider, {19, 8}, 20, 20, {157, 8}, 21},
        {reset, Kind::button, {117, 66}, 0, 0, {117, 66}, 1},
        {reset, Kind::button, {117, 66}, 1, 0, {117, 66}, 0},
    };
    CMainView view(document);
    view.show();
    // The dialogue level set reads in green, the one measured in yellow.
    EXPECT_TRUE(showsColour(*controlOf<QWidget>(view, 1492), QColor(0, 255, 0)));
    EXPECT_TRUE(showsColour(*controlOf<QWidget>(view, 1491), QColor(255, 255, 0)));
    BindingTable::check(view, parameters(), line, bindings);
    const BindingTable::Readout readouts[] = {{2150, {207, 7}, 3, "25 fps"},
                                              {2285, {204, 22}, 5, "00:00:05"},
                                              {1491, {23, 12}, 77, "-23"},
                                              {1492, {19, 8}, 17, "-17"}};
    BindingTable::checkReadouts(view, parameters(), readouts);
    // Accept sets the dialogue level measured, the programme's own level in use.
    deliver(parameters(), 25, 8, 0);
    controlOf<QPushButton>(view, 1209)->click();
    EXPECT_EQ(controlOf<QLabel>(view, 1492)->text(), "-23");
}

TEST_F(BindingTablesTest, MonitorWindow) {
    const int volume = 1210, multi = 1472, stereo = 1473, mono = 1474, threeStereo = 1223,
              custom = 1229, rf = 1231, soloLeft = 1390, customCut = 1233, customBoost = 1236,
              fullDownmix = 1222, monoDownmix = 1226, line = 1230, dim = 1212, muteLeft = 2080,
              muteBackSurround = 2086, soloSubwoofer = 1393, mx = 1228, mxTwo = 1232;
    const Binding bindings[] = {
        {multi, Kind::lamp, {197, 15}, 2, 0, {197, 15}, 0},
        {stereo, Kind::lamp, {197, 15}, 1, 1, {197, 15}, 1},
        {mono, Kind::lamp, {197, 15}, 0, 0, {197, 15}, 2},
        {volume, Kind::slider, {197, 17}, 100, -100, {197, 17}, 99},
        {threeStereo, Kind::lamp, {117, 36}, 1, 1, {117, 36}, 1},
        {custom, Kind::lamp, {117, 38}, 0, 1, {117, 38}, 3},
        {rf, Kind::lamp, {117, 38}, 0, 0, {117, 38}, 2},
        {soloLeft, Kind::lamp, {117, 50}, 0, 1, {117, 50}, 7},
        {customCut, Kind::upDown, {117, 49}, 3, 3, {117, 49}, 4},
        {customBoost, Kind::upDown, {117, 48}, 2, 2, {117, 48}, 3},
        {fullDownmix, Kind::lamp, {117, 36}, 4, 0, {117, 36}, 0},
        {monoDownmix, Kind::lamp, {117, 36}, 0, 0, {117, 36}, 4},
        // Pressing the lit compression mode turns compression off (3).
        {line, Kind::lamp, {117, 38}, 1, 1, {117, 38}, 3},
        {dim, Kind::lamp, {197, 16}, 0, 0, {197, 16}, 1},
        {muteLeft, Kind::lamp, {117, 40}, 0, 0, {117, 40}, 1},
        {muteBackSurround, Kind::lamp, {117, 46}, 1, 1, {117, 46}, 0},
        {soloSubwoofer, Kind::lamp, {117, 50}, 7, 0, {117, 50}, 3},
        // MX lit turns Matrixa off (117,37); MX II chooses its variant (117,58).
        {mx, Kind::lamp, {23, 66}, 2, 1, {117, 37}, 0},
        {mxTwo, Kind::lamp, {23, 66}, 2, 0, {117, 58}, 1},
    };
    // The monitoring controls are in use with analogue outputs only.
    parameters().find({216, 21}).setValue(1);
    CMonitorView view(document);
    view.show();
    // The volume reads in green on black.
    QWidget& readout = *controlOf<QWidget>(view, 1495);
    EXPECT_TRUE(showsColour(readout, QColor(0, 255, 0)));
    const QRect shown(readout.mapTo(&view, QPoint()), readout.size());
    EXPECT_EQ(view.grab(shown).toImage().pixelColor(1, 1), QColor(Qt::black));
    BindingTable::check(view, parameters(), this->line, bindings);
    const BindingTable::Readout readouts[] = {
        {1495, {197, 17}, 80, "-56.0"}, {1496, {117, 49}, 5, "0.5"}, {1497, {117, 48}, 6, "0.6"}};
    BindingTable::checkReadouts(view, parameters(), readouts);
    const BindingTable::Greying greyings[] = {{2184, {197, 17}}, {2185, {197, 17}},
                                              {2188, {197, 17}}, {2189, {197, 15}},
                                              {2190, {216, 2}},  {1217, {23, 2}}};
    BindingTable::checkGreying(view, parameters(), greyings);
    // Another downmix leaves the compression lamps as they are.
    deliver(parameters(), 117, 38, 0);
    deliver(parameters(), 117, 36, 2);
    EXPECT_TRUE(controlOf<CLedButton>(view, custom)->isOn());
}
TEST_F(BindingTablesTest, MetadataWindow) {
    // Each item row: its value, then its source as Int, Ext1, Ext2. Programme 1's compounds show
    // the item (19,k) and its source (25,k), and write (143,k) and (123,k).
    const int roomType = CMetadataView::rowIdBase + 4 * 13;
    const int lfe = CMetadataView::rowIdBase + 4 * 7;
    const Binding bindings[] = {
        {roomType, Kind::list, {19, 13}, 2, 2, {143, 13}, 1},
        {roomType + 1, Kind::choice, {25, 13}, 1, 0, {123, 13}, 0},
        {roomType + 2, Kind::choice, {25, 13}, 0, 0, {123, 13}, 1},
        {lfe, Kind::box, {19, 7}, 1, 1, {143, 7}, 0},
        {lfe + 1, Kind::choice, {25, 7}, 1, 0, {123, 7}, 0},
        // Line and RF compression, with their sources; programme 1's name source and the
        // programme metadata source.
        {1002, Kind::list, {19, 38}, 2, 2, {143, 38}, 1},
        {1008, Kind::choice, {25, 38}, 0, 0, {123, 38}, 1},
        {1003, Kind::list, {19, 35}, 1, 1, {143, 35}, 3},
        {1019, Kind::choice, {25, 35}, 0, 0, {123, 35}, 1},
        {1202, Kind::choice, {27, 0}, 0, 0, {121, 8}, 1},
        {1165, Kind::choice, {29, 1}, 0, 0, {117, 11}, 1},
    };
    CMetadataView view(document);
    view.show();
    BindingTable::check(view, parameters(), line, bindings);
}
TEST_F(BindingTablesTest, MonitorSetupPage) {
    const Binding bindings[] = {
        {2286, Kind::box, {216, 21}, 0, 0, {216, 21}, 1},
        {1258, Kind::box, {117, 32}, 1, 1, {117, 32}, 0},
        {1260, Kind::box, {117, 65}, 0, 0, {117, 65}, 1},
        {1257, Kind::box, {117, 35}, 1, 1, {117, 35}, 0},
        {1240, Kind::list, {117, 29}, 2, 2, {117, 29}, 1},
        {1277, Kind::choice, {197, 15}, 0, 0, {197, 15}, 2},
        {1275, Kind::choice, {197, 15}, 2, 0, {197, 15}, 0},
        {1426, Kind::choice, {117, 30}, 0, 0, {117, 30}, 2},
        {1430, Kind::choice, {117, 31}, 2, 0, {117, 31}, 0},
        {1088, Kind::choice, {117, 59}, 0, 0, {117, 59}, 3},
        {1102, Kind::choice, {117, 60}, 0, 0, {117, 60}, 1},
        {1434, Kind::choice, {117, 39}, 0, 0, {117, 39}, 1},
        {1424, Kind::choice, {117, 30}, 2, 0, {117, 30}, 0},
        {1085, Kind::choice, {117, 59}, 3, 0, {117, 59}, 0},
        {1101, Kind::choice, {117, 60}, 1, 0, {117, 60}, 0},
        {1213, Kind::slider, {197, 3}, 11, -11, {197, 3}, 10},
        {1130, Kind::slider, {117, 62}, 3, 3, {117, 62}, 4},
        {1091, Kind::slider, {117, 61}, 3, 3, {117, 61}, 4},
        {1422, Kind::lamp, {117, 24}, 1, 1, {117, 24}, 0},
        {1423, Kind::lamp, {117, 24}, 0, 0, {117, 24}, 2},
        // Delays and trims step on their up-downs.
        {1261, Kind::upDown, {117, 27}, 2, 2, {117, 27}, 3},
        {1249, Kind::upDown, {117, 53}, 2, 2, {117, 53}, 3},
        {1250, Kind::upDown, {117, 54}, 2, 2, {117, 54}, 3},
        {1252, Kind::upDown, {117, 28}, 2, 2, {117, 28}, 3},
        {1254, Kind::upDown, {117, 26}, 2, 2, {117, 26}, 3},
        {1259, Kind::upDown, {117, 52}, 2, 2, {117, 52}, 3},
        {1263, Kind::upDown, {117, 64}, 2, 2, {117, 64}, 3},
        {1953, Kind::upDown, {197, 14}, 150, 150, {197, 14}, 151},
        {1945, Kind::upDown, {197, 12}, 150, 150, {197, 12}, 151},
        {1946, Kind::upDown, {197, 13}, 150, 150, {197, 13}, 151},
        {1930, Kind::upDown, {197, 4}, 150, 150, {197, 4}, 151},
        {1937, Kind::upDown, {197, 11}, 150, 150, {197, 11}, 151},
    };
    CSetupDlg dialog(clock, nullptr);
    dialog.setDocument(&document);
    dialog.show();
    // With analogue outputs every monitoring setting is in use.
    parameters().find({216, 21}).setValue(1);
    // Delays in milliseconds, levels in decibels.
    const BindingTable::Readout readouts[] = {
        {1256, {117, 27}, 4, "4 ms"},  {1247, {117, 53}, 5, "5 ms"}, {1248, {117, 54}, 6, "6 ms"},
        {1251, {117, 28}, 7, "17 ms"}, {1253, {117, 26}, 8, "5 ms"}, {1255, {117, 52}, 1, "-9 dB"},
        {1262, {117, 64}, 5, "-5 dB"}, {1493, {197, 3}, 9, "-22"},   {1494, {23, 1}, 30, "-15.0"}};
    BindingTable::checkReadouts(dialog.monitorPage(), parameters(), readouts);
    BindingTable::check(dialog.monitorPage(), parameters(), line, bindings);
    const BindingTable::Greying greyings[] = {
        {2201, {197, 15}}, {1950, {197, 14}}, {1951, {197, 14}}, {1940, {197, 12}},
        {1941, {197, 12}}, {1942, {197, 13}}, {1900, {197, 4}},  {1901, {197, 4}},
        {1908, {197, 11}}, {1909, {197, 11}}, {2191, {197, 3}},  {2192, {197, 3}},
        {2193, {197, 3}},  {2194, {197, 3}},  {2195, {197, 3}},  {1475, {197, 3}},
    };
    BindingTable::checkGreying(dialog.monitorPage(), parameters(), greyings);
    // The master trim is in use with analogue outputs only, and its captions with it.
    parameters().find({216, 21}).setValue(0);
    for (int caption : {2196, 2197, 2198, 2199, 2200})
        EXPECT_FALSE(BindingTable::enabledItself(control<QWidget>(dialog.monitorPage(), caption)))
            << caption;
}
// Per line a function, a trigger and a polarity list: inputs (201, 30 + l), (201, l), (201, 15 +
// l); outputs (203, 32 + l), (203, 1 + l), (203, 17 + l).
TEST_F(BindingTablesTest, GpioSetupPage) {
    const Binding bindings[] = {
        {1605 + 3, Kind::list, {201, 33}, 1, 1, {201, 33}, 2},
        {1624 + 2, Kind::list, {201, 2}, 0, 0, {201, 2}, 1},
        {1644 + 5, Kind::list, {201, 20}, 1, 1, {201, 20}, 0},
        {1663 + 1, Kind::list, {203, 33}, 1, 1, {203, 33}, 2},
        {1683 + 4, Kind::list, {203, 5}, 1, 1, {203, 5}, 0},
        {1703 + 2, Kind::list, {203, 19}, 0, 0, {203, 19}, 1},
    };
    CSetupDlg dialog(clock, nullptr);
    dialog.setDocument(&document);
    dialog.show();
    dialog.tabs().setCurrentIndex(CSetupDlg::gpioTab);
    BindingTable::check(dialog.gpioPage(), parameters(), line, bindings);
}

// A crosspoint routes its input (its row) to its output (its column): output o is (195, o + 2).
TEST_F(BindingTablesTest, RouterDialog) {
    const auto crosspoint = [](int output, int input) {
        return CRouterDlg::firstCrosspointId + CRouterDlg::size * output + input;
    };
    const Binding bindings[] = {
        {crosspoint(0, 5), Kind::choice, {195, 2}, 0, 0, {195, 2}, 5},
        {crosspoint(4, 7), Kind::choice, {195, 6}, 3, 0, {195, 6}, 7},
        {crosspoint(7, 0), Kind::choice, {195, 9}, 3, 0, {195, 9}, 0},
        {CRouterDlg::configurationId, Kind::list, {141, 0}, 2, 2, {141, 0}, 4},
        // Preset k's button is pushed while (212,4) is k, and recalls k through (115,10) unless
        // k is in force already.
        {1244, Kind::pushed, {212, 4}, 2, 0, {115, 10}, 0},
        {1245, Kind::pushed, {212, 4}, 1, 1, BindingTable::noWrite, 0},
        {1248, Kind::pushed, {212, 4}, 0, 0, {115, 10}, 2},
        {1250, Kind::pushed, {212, 4}, 3, 1, BindingTable::noWrite, 0},
    };
    CRouterDlg dialog(document, seam, nullptr);
    dialog.show();
    BindingTable::check(dialog, parameters(), line, bindings);
}

// Preset s's button is drawn pushed while the unit's preset in force (210,64) is s, and recalls s
// through (115,0) unless s is in force already.
TEST_F(BindingTablesTest, UserPresetsDialog) {
    const auto preset = [](int s) { return CUserPresetsDlg::firstPresetId + s; };
    const Binding bindings[] = {
        {preset(0), Kind::pushed, {210, 64}, 3, 0, {115, 0}, 0},
        {preset(5), Kind::pushed, {210, 64}, 5, 1, BindingTable::noWrite, 0},
        {preset(17), Kind::pushed, {210, 64}, 16, 0, {115, 0}, 17},
        {preset(31), Kind::pushed, {210, 64}, 31, 1, BindingTable::noWrite, 0},
    };
    CUserPresetsDlg dialog(document, seam, nullptr);
    dialog.show();
    BindingTable::check(dialog, parameters(), line, bindings);
}
} // namespace
