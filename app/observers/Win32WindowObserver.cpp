#include "app/observers/Win32WindowObserver.h"

#include "model/Parameter.h"

Win32WindowObserver::Win32WindowObserver(QWidget& window, int controlId)
    : Win32WidgetObserver(&window, controlId) {}

void Win32WindowObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    window()->setEnabled(parameter.isEnabled());
    showAsVisible(parameter);
}
