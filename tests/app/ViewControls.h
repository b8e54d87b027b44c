#pragma once

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/Vx41Params.h"
#include "model/ControlParameter.h"
#include "model/ParameterValueMap.h"

// Finds a view's controls by the ids the observers give them, and reads what a widget shows.
template <typename Widget> Widget* controlOf(const QWidget& view, int controlId) {
    for (Widget* widget : view.findChildren<Widget*>())
        if (widget->property("controlId").toInt() == controlId)
            return widget;
    return nullptr;
}

// The same, for a control that must be there.
template <typename Widget> Widget& control(const QWidget& view, int controlId) {
    if (Widget* widget = controlOf<Widget>(view, controlId))
        return *widget;
    throw std::runtime_error("no control " + std::to_string(controlId));
}

// The keyboard's focus comes to a box or leaves it.
inline void focus(QLineEdit& box, QEvent::Type type, Qt::FocusReason reason = Qt::TabFocusReason) {
    QFocusEvent event(type, reason);
    QApplication::sendEvent(&box, &event);
}

// The user types into a box in place of what it shows.
inline void retype(QLineEdit& box, const QString& text) {
    focus(box, QEvent::FocusIn);
    box.selectAll();
    QTest::keyClicks(&box, text);
}

// The user types into a box and moves on.
inline void enter(QLineEdit& box, const QString& text) {
    retype(box, text);
    focus(box, QEvent::FocusOut);
}

// The shown top-level window of that class, and of that name when one is given.
template <class Window = QWidget> Window* shownWindow(const QString& name = {}) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* found = qobject_cast<Window*>(window);
            found && found->isVisible() && (name.isEmpty() || found->objectName() == name))
            return found;
    return nullptr;
}

// The action of a window that runs a command.
inline QAction* command(const QWidget& window, int commandId) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->property("commandId").toInt() == commandId)
            return action;
    return nullptr;
}

inline ParameterId idOf(int number, int index) {
    return ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index));
}

inline Parameter& parameterOf(const Vx41Params& parameters, int number, int index) {
    return *parameters.findOrNull(idOf(number, index));
}

// A reading from the unit, as a poll delivers it.
inline void deliver(const Vx41Params& parameters, int number, int index, int raw) {
    ParameterValueMap reading;
    reading[idOf(number, index)] = ParameterValue(raw);
    parameterOf(parameters, number, index).update(reading);
}

// The colour of a grabbed widget at a share of its width, half way down.
inline QColor colourAt(QWidget& widget, double share) {
    const QImage image = widget.grab().toImage();
    const int x = std::min(static_cast<int>(share * image.width()), image.width() - 1);
    return image.pixelColor(x, image.height() / 2);
}

// The widget's window as the screen shows it.
inline QImage onScreen(const QWidget& widget) {
    return QGuiApplication::primaryScreen()->grabWindow(widget.winId()).toImage();
}

// Whether some pixel of the grabbed widget has that colour.
inline bool showsColour(QWidget& widget, const QColor& colour) {
    const QImage image = widget.grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                return true;
    return false;
}

// The controls of a shown window that overlap on screen, neither inside the other, as
// "id/id": a control left out of its layout, or put in another's place.
inline std::string overlaps(const QWidget& window) {
    std::vector<const QWidget*> shown;
    for (const QWidget* widget : window.findChildren<QWidget*>())
        if (widget->property("controlId").isValid() && widget->isVisible())
            shown.push_back(widget);
    const auto place = [&window](const QWidget* widget) {
        return QRect(widget->mapTo(&window, QPoint()), widget->size());
    };
    std::string found;
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j)
            if (!shown[i]->isAncestorOf(shown[j]) && !shown[j]->isAncestorOf(shown[i]) &&
                place(shown[i]).intersects(place(shown[j])))
                found += std::to_string(shown[i]->property("controlId").toInt()) + "/" +
                         std::to_string(shown[j]->property("controlId").toInt()) + " ";
    return found;
}
