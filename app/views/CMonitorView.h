#pragma once

#include <array>
#include <memory>
#include <vector>

#include <QPixmap>
#include <QWidget>

#include "app/observers/BoundObservers.h"
#include "app/observers/ObserverActions.h"

class CDigitalReadout;
class CLedButton;
class CMeterPage;
class CQuenlarRemoteDoc;
class ControlObserver;
class ParameterId;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QStackedLayout;
class QTabBar;
class UpDownControl;

// The "Monitor" window: volume, speakers, downmix and compression of the monitoring outputs,
// mute and solo per channel, the input lamps and three pages of level meters.
class CMonitorView : public QWidget {
    Q_OBJECT
public:
    static constexpr int formWidth = 788;
    static constexpr int formHeight = 207;
    // Ids of our own for the controls the form leaves unnumbered: the "Analog I/O" lamp, the
    // meters from meterIdBase on (input 1..8, Lt/Rt, output L..Bs) and, after them, the labels
    // of the output meters.
    static constexpr int analogLampId = 3290;
    static constexpr int meterIdBase = 3300;

    explicit CMonitorView(CQuenlarRemoteDoc& document);
    ~CMonitorView() override;

    void showMeterPage(int index);

private:
    struct Pictures {
        QPixmap off;
        QPixmap on;
        QPixmap redOn;
        QPixmap soloOff;
        QPixmap soloOn;
    };
    struct Form {
        QGroupBox* volumeGroup;
        QSlider* volume;
        CDigitalReadout* volumeReadout;
        std::array<QLabel*, 4> volumeLabels; // "+10 dB", "0 dB", "-95 dB", "dB"
        QGroupBox* speakerGroup;
        std::array<CLedButton*, 3> speakers;
        CLedButton* dim;
        QPushButton* ref;
        std::array<CLedButton*, 5> downmix;
        std::array<CLedButton*, 3> compression;
        UpDownControl* customCut;
        QLabel* customCutValue;
        UpDownControl* customBoost;
        QLabel* customBoostValue;
        CLedButton* mx;
        CLedButton* mxTwo;
        CLedButton* rflMode;
        std::array<CLedButton*, 7> mutes;
        std::array<CLedButton*, 7> solos;
        std::array<QLabel*, 5> inputLocks;
        QLabel* soloInput;
        QLabel* soloInputLabel;
        std::array<QLabel*, 2> metadataIn;
        QLabel* analog;
        QTabBar* meterTabs;
        QStackedLayout* meterPages;
    };

    void buildForm();
    QWidget* volumeGroup();
    QWidget* speakerColumn();
    QWidget* downmixGroup();
    QWidget* compressionGroup();
    QWidget* channelColumn();
    QWidget* channelGroup();
    QWidget* lampRow();
    QWidget* meterArea();
    void attachObservers();
    void attachLamps();
    void attachButtons();
    void attachVolume();
    void attachChannels();
    void addMeterPages();

    CQuenlarRemoteDoc& document_;
    Pictures pictures_;
    Form form_{};
    BoundObservers observers_;
    std::array<CMeterPage*, 3> meterPages_{};
};
