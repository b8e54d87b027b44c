#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/observers/BoundObservers.h"

class ButtonState;
class CDigitalReadout;
class CLedButton;
class CQuenlarRemoteDoc;
class ControlObserver;
class ParameterId;
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;

// The Main window: programme selection and configuration, the emulator's source, the dialogue
// level measurement and the two status lamps, each control bound to its parameter of the unit.
class CMainView : public QWidget {
    Q_OBJECT
public:
    static constexpr int formWidth = 361;
    static constexpr int formHeight = 324;

    // Throws QuenlarException when a lamp picture is missing.
    explicit CMainView(CQuenlarRemoteDoc& document);
    ~CMainView() override;

private:
    struct Form {
        QComboBox* configuration;
        QComboBox* channels;
        std::vector<QRadioButton*> emulatorSource;
        std::vector<QRadioButton*> dialNormSource;
        std::vector<QRadioButton*> integration;
        std::vector<CLedButton*> programs;
        CLedButton* bypass;
        CLedButton* ltRt;
        QCheckBox* pause;
        QCheckBox* metadataHold;
        QPushButton* accept;
        QPushButton* reset;
        QSlider* dialNorm;
        CDigitalReadout* dialNormSet;
        CDigitalReadout* dialNormMeasured;
        QLabel* frameRate;
        QLabel* duration;
        QLabel* errorLamp;
        QLabel* referenceLamp;
    };

    void buildForm();
    QWidget* programGroup();
    QWidget* emulatorGroup();
    QWidget* statusRow();
    QWidget* dialogueLevelGroup();
    void attachObservers();
    // A click runs the observer's action through the error guard, then after.
    template <typename ObserverType>
    void onClick(QAbstractButton& button, ObserverType& observer, std::function<void()> after);

    CQuenlarRemoteDoc& document_;
    Form form_{};
    std::unique_ptr<ButtonState> resetState_;
    BoundObservers observers_;
};
