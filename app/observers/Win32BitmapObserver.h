#pragma once

#include <functional>

#include <QLabel>
#include <QPixmap>

#include "app/observers/Win32WidgetObserver.h"

class ParameterValue;

// A picture (an LED) showing one picture while the value passes a test and another otherwise.
class Win32BitmapObserver : public Win32WidgetObserver {
public:
    using ValueTest = std::function<bool(const ParameterValue&)>;

    // QuenlarException "Error initializing a Win32BitmapObserver" without the label or a picture.
    Win32BitmapObserver(QLabel* label, int controlId, ValueTest test, QPixmap truePicture,
                        QPixmap falsePicture);

    void update(Parameter& parameter) override;

protected:
    void showPicture(const QPixmap& picture);

private:
    QLabel* label_;
    ValueTest test_;
    QPixmap truePicture_;
    QPixmap falsePicture_;
};
