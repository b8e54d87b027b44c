#include "app/observers/Win32Bitmap3StateObserver.h"

#include "app/observers/ParameterNumbers.h"
#include "model/QuenlarException.h"

Win32Bitmap3StateObserver::Win32Bitmap3StateObserver(QLabel* label, int controlId, ValueTest test,
                                                     QPixmap onePicture, QPixmap zeroPicture,
                                                     QPixmap otherPicture)
    : Win32BitmapObserver(label, controlId, std::move(test), onePicture, zeroPicture),
      onePicture_(std::move(onePicture)), zeroPicture_(std::move(zeroPicture)),
      otherPicture_(std::move(otherPicture)) {
    if (otherPicture_.isNull())
        throw QuenlarException("Error initializing a Win32Bitmap3StateObserver");
}

void Win32Bitmap3StateObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    showAsVisible(parameter);
    const int value = ParameterNumbers::value(parameter);
    showPicture(value == 1 ? onePicture_ : value == 0 ? zeroPicture_ : otherPicture_);
}
