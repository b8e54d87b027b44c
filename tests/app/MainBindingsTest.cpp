#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "ViewControls.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/frames/CLedButton.h"
#include "app/views/CMainView.h"
#include "support/FakeClock.h"
#include "support/RecordingProtocol.h"

namespace {
// The controls of the Main window by the ids they carry.
enum Control {
    configuration = 1157,
    channelSelect = 2277,
    emulatorInt = 1397,
    emulatorExt2 = 1399,
    programme1 = 1193,
    programme8 = 1200,
    dialNormInt = 1098,
    integrationInfinite = 2283,
    ltRt = 1220,
    bypass = 1218,
    pause = 1205,
    metadataHold = 2281,
    dialNormSlider = 1219,
    reset = 2280,
};

enum class Kind { list, choice, lamp, box, slider, button };

// One binding: the parameter whose reading a control shows, a value the unit reports and what the
// control then shows (a list's row, a slider's position, 1 for checked or lit), and the parameter
// and value the operator's action on it writes (a list's row chosen, a slider stepped up).
struct Binding {
    int control;
    Kind kind;
    ParameterId shows;
    int reported;
    int shown;
    ParameterId writes;
    int written;
};

// A compound shows its status and writes its control: the programme configuration (179,0) and
// (141,0); programme 1's dialogue-level source (25,8) and (137,8), and its level (19,8) and (157,8).
const Binding bindings[] = {
    {configuration, Kind::list, {179, 0}, 3, 3, {141, 0}, 5},
    {channelSelect, Kind::list, {117, 57}, 4, 4, {117, 57}, 2},
    {emulatorInt, Kind::choice, {121, 0}, 2, 0, {121, 0}, 0},
    {emulatorExt2, Kind::choice, {121, 0}, 0, 0, {121, 0}, 2},
    {programme1, Kind::lamp, {117, 0}, 7, 0, {117, 0}, 0},
    {programme8, Kind::lamp, {117, 0}, 7, 1, {117, 0}, 7},
    {dialNormInt, Kind::choice, {25, 8}, 1, 0, {137, 8}, 0},
    {integrationInfinite, Kind::choice, {117, 56}, 0, 0, {117, 56}, 1},
    {ltRt, Kind::lamp, {117, 21}, 1, 1, {117, 21}, 0},
    {bypass, Kind::lamp, {117, 22}, 0, 0, {117, 22}, 1},
    {pause, Kind::box, {117, 55}, 1, 1, {117, 55}, 0},
    {metadataHold, Kind::box, {117, 63}, 0, 0, {117, 63}, 1},
    {dialNormSlider, Kind::slider, {19, 8}, 20, 20, {157, 8}, 21},
    {reset, Kind::button, {117, 66}, 0, 0, {117, 66}, 1},
};

class MainBindingsTest : public ::testing::Test {
protected:
    MainBindingsTest() {
        view.show();
        parameters().switchProtocol(line);
    }
    ~MainBindingsTest() override { parameters().switchProtocol(unit); }

    Vx41Params& parameters() { return document.parameters(); }
    QWidget& control(int id) { return *controlOf<QWidget>(view, id); }

    int shown(const Binding& binding) {
        QWidget& widget = control(binding.control);
        switch (binding.kind) {
        case Kind::list:
            return static_cast<QComboBox&>(widget).currentIndex();
        case Kind::slider:
            return static_cast<QSlider&>(widget).value();
        case Kind::lamp:
            return static_cast<CLedButton&>(widget).isOn() ? 1 : 0;
        default:
            return static_cast<QAbstractButton&>(widget).isChecked() ? 1 : 0;
        }
    }

    void act(const Binding& binding) {
        QWidget& widget = control(binding.control);
        switch (binding.kind) {
        case Kind::list: {
            auto& list = static_cast<QComboBox&>(widget);
            list.setCurrentIndex(binding.written);
            emit list.activated(binding.written);
            break;
        }
        case Kind::slider:
            static_cast<QSlider&>(widget).triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        default:
            static_cast<QAbstractButton&>(widget).click();
        }
    }

    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
    CMainView view{document};
    GenericProtocol& unit = document.parameters().protocol();
    RecordingProtocol line{unit};
};

// Each control of the Main window shows its own parameter and writes it; a control bound to
// another parameter or value fails its row.
TEST_F(MainBindingsTest, EveryControlShowsAndWritesItsOwnParameter) {
    for (const Binding& binding : bindings) {
        deliver(parameters(), binding.shows.number, binding.shows.index, binding.reported);
        EXPECT_EQ(shown(binding), binding.shown) << binding.control;
        line.clear();
        act(binding);
        ASSERT_FALSE(line.writes.empty()) << binding.control;
        EXPECT_EQ(line.writes.front().id, binding.writes) << binding.control;
        EXPECT_EQ(line.writes.front().value.toInt16(), binding.written) << binding.control;
    }
}
} // namespace
