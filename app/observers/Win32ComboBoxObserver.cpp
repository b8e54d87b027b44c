#include "app/observers/Win32ComboBoxObserver.h"

#include <QAbstractItemView>
#include <QSignalBlocker>

#include "app/StringTable.h"
#include "app/observers/ParameterNumbers.h"
#include "model/CompoundParameter.h"

Win32ComboBoxObserver::Win32ComboBoxObserver(QComboBox& box, int controlId, int firstStringId,
                                             int lastStringId)
    : Win32WidgetObserver(&box, controlId), box_(box), firstStringId_(firstStringId),
      highest_(lastStringId - firstStringId) {
    const QSignalBlocker blocker(box_);
    box_.clear();
    for (int id = firstStringId; id <= lastStringId; ++id)
        box_.addItem(StringTable::load(id));
    box_.setCurrentIndex(0);
}

void Win32ComboBoxObserver::update(Parameter& parameter) {
    // While the list is open the user is choosing: it must not change under the mouse.
    if (!concerns(parameter) || droppedDown())
        return;
    const QSignalBlocker blocker(box_);
    followLimits(parameter);
    const int index = ParameterNumbers::value(parameter) - lowest_;
    // A value outside the list (a stored setting no longer valid) shows as an empty box.
    selected_ = index >= 0 && index < box_.count() ? index : -1;
    box_.setCurrentIndex(selected_);
    box_.setEnabled(parameter.isEnabled());
}

void Win32ComboBoxObserver::action() {
    const int index = box_.currentIndex();
    {
        const QSignalBlocker blocker(box_);
        box_.setCurrentIndex(selected_);
    }
    if (subject() != nullptr && index >= 0)
        subject()->setValue(index + lowest_);
}

void Win32ComboBoxObserver::followLimits(const Parameter& parameter) {
    const int minimum = ParameterNumbers::minimum(parameter);
    const int maximum = ParameterNumbers::maximum(parameter);
    if (minimum == lowest_ && maximum == highest_)
        return;
    // Rebuilt whole: the new limits need not overlap the old ones.
    box_.clear();
    for (int value = minimum; value <= maximum; ++value)
        box_.addItem(itemText(parameter, value));
    lowest_ = minimum;
    highest_ = maximum;
}

QString Win32ComboBoxObserver::itemText(const Parameter& parameter, int value) const {
    if (auto text = StringTable::find(firstStringId_ + value))
        return *text;
    // A value the list texts do not cover (the unit offers more than the program knows) still
    // gets an item, so that items and values stay in step.
    if (!worded(parameter))
        return QString::number(value);
    std::string text;
    parameter.formatValue(text, value);
    return QString::fromStdString(text);
}

// A compound has no formatter of its own: its status words its values.
bool Win32ComboBoxObserver::worded(const Parameter& parameter) {
    if (const auto* compound = dynamic_cast<const CompoundParameter*>(&parameter))
        return compound->status().formatter() != nullptr;
    return parameter.formatter() != nullptr;
}

bool Win32ComboBoxObserver::droppedDown() const {
    return box_.view() != nullptr && box_.view()->isVisible();
}
