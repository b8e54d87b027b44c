#include "app/observers/ObserverActions.h"

#include "app/observers/EditFocusFilter.h"
#include "app/observers/Win32ButtonControlOnlyObserver.h"
#include "app/observers/Win32ButtonObserver.h"
#include "app/observers/Win32CheckBoxObserver.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "app/observers/Win32EditObserver.h"
#include "app/observers/Win32RadioButtonObserver.h"
#include "app/observers/Win32SliderObserver.h"
#include "app/observers/Win32SpinObserver.h"
#include "app/observers/Win32StateButtonObserver.h"

namespace {

// A click on button runs the observer's action.
template <typename Observer>
void onClick(QAbstractButton& button, Observer& observer, const ActionGuard& guard) {
    QObject::connect(&button, &QAbstractButton::clicked, &observer.actionContext(),
                     [&observer, guard] { guard([&observer] { observer.action(); }); });
}

} // namespace

void ObserverActions::bind(Win32CheckBoxObserver& observer, const ActionGuard& guard) {
    onClick(observer.box(), observer, guard);
}

void ObserverActions::bind(Win32ComboBoxObserver& observer, const ActionGuard& guard) {
    QObject::connect(&observer.box(), &QComboBox::activated, &observer.actionContext(),
                     [&observer, guard] { guard([&observer] { observer.action(); }); });
}

void ObserverActions::bind(Win32EditObserver& observer, const ActionGuard& guard) {
    QLineEdit& edit = observer.edit();
    QObject::connect(&edit, &QLineEdit::returnPressed, &observer.actionContext(),
                     [&observer, guard] {
                         guard([&observer] { observer.commit(); });
                         // The box keeps the focus: the edit goes on from the value shown.
                         observer.endEdit();
                         observer.beginEdit();
                     });
    auto* filter = new EditFocusFilter([&observer] { observer.beginEdit(); },
                                       [&observer, guard] {
                                           guard([&observer] { observer.commit(); });
                                           observer.endEdit();
                                       },
                                       &observer.actionContext());
    edit.installEventFilter(filter);
}

void ObserverActions::bind(Win32SpinObserver& observer, const ActionGuard& guard) {
    QObject::connect(
        &observer.upDown(), &UpDownControl::stepped, &observer.actionContext(),
        [&observer, guard](int delta) { guard([&observer, delta] { observer.step(delta); }); });
}

void ObserverActions::bind(Win32RadioButtonObserver& observer, const ActionGuard& guard) {
    onClick(observer.button(), observer, guard);
}

void ObserverActions::bind(Win32StateButtonObserver& observer, const ActionGuard& guard) {
    onClick(observer.button(), observer, guard);
}

void ObserverActions::bind(Win32ButtonObserver& observer, const ActionGuard& guard) {
    onClick(observer.button(), observer, guard);
}

void ObserverActions::bind(Win32ButtonControlOnlyObserver& observer, const ActionGuard& guard) {
    onClick(observer.holder().button(), observer, guard);
}

void ObserverActions::bind(Win32SliderObserver& observer, const ActionGuard& guard) {
    QObject::connect(&observer.slider(), &QAbstractSlider::actionTriggered,
                     &observer.actionContext(), [&observer, guard](int action) {
                         guard([&observer, action] { observer.scroll(action); });
                     });
}
