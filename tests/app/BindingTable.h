#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QSlider>
#include <QToolButton>
#include <gtest/gtest.h>
#include <span>

#include "ViewControls.h"
#include "app/frames/CLedButton.h"
#include "app/frames/UpDownControl.h"
#include "support/RecordingProtocol.h"

// A window's bindings as a table: for each control, the parameter whose reading it shows, a value
// the unit reports and what the control then shows (a list's row, a slider's position, 1 for
// checked or lit, an up-down's position), and the parameter and value the operator's action on it
// writes (a list's row chosen, a slider or an up-down stepped up, a button clicked). A control
// bound to another parameter, index or value fails its row. An action that must write nothing names
// noWrite.
namespace BindingTable {
enum class Kind { list, choice, lamp, box, slider, upDown, button, pushed };

inline constexpr ParameterId noWrite{0, 0};

struct Binding {
    int control;
    Kind kind;
    ParameterId shows;
    int reported;
    int shown;
    ParameterId writes;
    int written;
};

inline int shown(QWidget& widget, Kind kind) {
    switch (kind) {
    case Kind::list:
        return static_cast<QComboBox&>(widget).currentIndex();
    case Kind::slider:
        return static_cast<QSlider&>(widget).value();
    case Kind::upDown:
        return static_cast<UpDownControl&>(widget).position();
    case Kind::lamp:
        return static_cast<CLedButton&>(widget).isOn() ? 1 : 0;
    case Kind::pushed:
        return static_cast<QAbstractButton&>(widget).isDown() ? 1 : 0;
    default:
        return static_cast<QAbstractButton&>(widget).isChecked() ? 1 : 0;
    }
}

inline void act(QWidget& widget, const Binding& binding) {
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
    case Kind::upDown:
        static_cast<UpDownControl&>(widget).upArrow().click();
        break;
    default:
        static_cast<QAbstractButton&>(widget).click();
    }
}

// Walks the table on window, whose parameters talk to the unit through line.
inline void check(const QWidget& window, const Vx41Params& parameters, RecordingProtocol& line,
                  std::span<const Binding> bindings) {
    EXPECT_EQ(overlaps(window), "");
    for (const Binding& binding : bindings) {
        QWidget& widget = control<QWidget>(window, binding.control);
        deliver(parameters, binding.shows.number, binding.shows.index, binding.reported);
        EXPECT_EQ(shown(widget, binding.kind), binding.shown) << binding.control;
        line.clear();
        act(widget, binding);
        if (binding.writes == noWrite) {
            EXPECT_TRUE(line.writes.empty()) << binding.control;
            continue;
        }
        ASSERT_FALSE(line.writes.empty()) << binding.control;
        EXPECT_EQ(line.writes.front().id, binding.writes) << binding.control;
        EXPECT_EQ(line.writes.front().value.toInt16(), binding.written) << binding.control;
    }
}

// A read-out: the text a control shows for a value the unit reports.
struct Readout {
    int control;
    ParameterId shows;
    int reported;
    const char* text;
};

inline void checkReadouts(const QWidget& window, const Vx41Params& parameters,
                          std::span<const Readout> readouts) {
    for (const Readout& readout : readouts) {
        const QWidget& widget = control<QWidget>(window, readout.control);
        deliver(parameters, readout.shows.number, readout.shows.index, readout.reported);
        // A caption's or a box's.
        EXPECT_EQ(widget.property("text").toString().toStdString(), readout.text)
            << readout.control;
    }
}

// Whether the widget itself is enabled, whatever its parent is.
inline bool enabledItself(const QWidget& widget) {
    return widget.isEnabledTo(widget.parentWidget());
}

// Captions and groups that grey with the parameter they belong to.
struct Greying {
    int control;
    ParameterId follows;
};

inline void checkGreying(const QWidget& window, const Vx41Params& parameters,
                         std::span<const Greying> greyings) {
    for (const Greying& greying : greyings) {
        const QWidget& widget = control<QWidget>(window, greying.control);
        Parameter& parameter =
            parameterOf(parameters, greying.follows.number, greying.follows.index);
        parameter.setEnabled(false);
        EXPECT_FALSE(enabledItself(widget)) << greying.control;
        parameter.setEnabled(true);
        EXPECT_TRUE(enabledItself(widget)) << greying.control;
    }
}
} // namespace BindingTable
