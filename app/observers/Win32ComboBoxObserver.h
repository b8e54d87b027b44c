#pragma once

#include <QComboBox>
#include <QString>

#include "app/observers/Win32WidgetObserver.h"

// A drop-down list whose item for value v is the text with id firstStringId + v. The list follows
// the parameter's limits: it holds exactly the values from the minimum to the maximum.
class Win32ComboBoxObserver : public Win32WidgetObserver {
public:
    Win32ComboBoxObserver(QComboBox& box, int controlId, int firstStringId, int lastStringId);

    void update(Parameter& parameter) override;
    // Writes the value of the item the user chose; the list keeps showing the previous item
    // until the parameter reports the new value, so a refused choice changes nothing.
    void action();
    QComboBox& box() const { return box_; }

private:
    void followLimits(const Parameter& parameter);
    QString itemText(const Parameter& parameter, int value) const;
    static bool worded(const Parameter& parameter);
    bool droppedDown() const;

    QComboBox& box_;
    int firstStringId_;
    int lowest_ = 0;
    int highest_;
    int selected_ = 0;
};
