#include "app/observers/ObserverActions.h"

#include "app/observers/EditFocusFilter.h"
#include "app/observers/Win32CheckBoxObserver.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "app/observers/Win32EditObserver.h"
#include "app/observers/Win32SpinObserver.h"

void ObserverActions::bind(Win32CheckBoxObserver& observer, const ActionGuard& guard) {
    QObject::connect(&observer.box(), &QAbstractButton::clicked, &observer.actionContext(),
                     [&observer, guard] { guard([&observer] { observer.action(); }); });
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
