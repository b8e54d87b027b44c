#pragma once

#include "app/observers/Win32BitmapObserver.h"

// A picture for the values 1 and 0 and a third for any other value.
class Win32Bitmap3StateObserver : public Win32BitmapObserver {
public:
    // QuenlarException "Error initializing a Win32Bitmap3StateObserver" without the third picture.
    Win32Bitmap3StateObserver(QLabel* label, int controlId, ValueTest test, QPixmap onePicture,
                              QPixmap zeroPicture, QPixmap otherPicture);

    void update(Parameter& parameter) override;

private:
    QPixmap onePicture_;
    QPixmap zeroPicture_;
    QPixmap otherPicture_;
};
