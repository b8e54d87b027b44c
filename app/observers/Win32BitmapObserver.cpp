#include "app/observers/Win32BitmapObserver.h"

#include "model/Parameter.h"
#include "model/QuenlarException.h"

Win32BitmapObserver::Win32BitmapObserver(QLabel* label, int controlId, ValueTest test,
                                         QPixmap truePicture, QPixmap falsePicture)
    : Win32WidgetObserver(label, controlId), label_(label), test_(std::move(test)),
      truePicture_(std::move(truePicture)), falsePicture_(std::move(falsePicture)) {
    if (label == nullptr || truePicture_.isNull() || falsePicture_.isNull())
        throw QuenlarException("Error initializing a Win32BitmapObserver");
}

void Win32BitmapObserver::update(Parameter& parameter) {
    if (!concerns(parameter))
        return;
    showAsVisible(parameter);
    showPicture(test_(parameter.getValue()) ? truePicture_ : falsePicture_);
}

void Win32BitmapObserver::showPicture(const QPixmap& picture) {
    if (label_->pixmap().cacheKey() != picture.cacheKey())
        label_->setPixmap(picture);
}
