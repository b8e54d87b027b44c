#pragma once

#include <QAbstractButton>
#include <QColor>

// A push button with a lamp: on or off, in one of four colours. The button observers switch it.
class CLedButton : public QAbstractButton {
    Q_OBJECT

public:
    enum Colour { Green = 0, Red = 1, Yellow = 2, Grey = 3 };

    explicit CLedButton(const QString& caption = QString(), Colour colour = Green,
                        QWidget* parent = nullptr);

    virtual void setOn();
    virtual void setOff();
    bool isOn() const { return on_; }
    Colour colour() const { return colour_; }
    static QColor lampColour(Colour colour);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Whether the lamp is drawn lit now.
    virtual bool lit() const { return on_; }

private:
    Colour colour_;
    bool on_ = false;
};
