#include "app/observers/Win32TextObserver.h"

#include <string>

#include "app/observers/WindowText.h"
#include "model/Parameter.h"

Win32TextObserver::Win32TextObserver(QWidget& window, int controlId, bool showWhenDisabled,
                                     bool enableWhenDisabled)
    : Win32WidgetObserver(&window, controlId), showWhenDisabled_(showWhenDisabled),
      enableWhenDisabled_(enableWhenDisabled) {
    WindowText::prepare(window);
    WindowText::set(window, QString());
}

void Win32TextObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    window()->setEnabled(parameter.isEnabled() || enableWhenDisabled_);
    showAsVisible(parameter);
    if (!parameter.isVisible() || !(parameter.isEnabled() || showWhenDisabled_))
        return;
    std::string text;
    parameter.formatValue(text, parameter.getValue());
    WindowText::set(*window(), WindowText::fromDevice(text));
}
