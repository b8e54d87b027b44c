#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <vector>

class BoundObservers;
class ButtonState;
class CQuenlarRemoteDoc;
class ControlObserver;
class ModalSeam;
class QAbstractButton;
class QComboBox;
class QLabel;
class QPushButton;

// 'Setup Router': the unit's router as a grid of crosspoints, router outputs across and audio
// inputs down, the channel names of the outputs for the programme configuration, and the four
// router presets, recalled with one click or saved under a number and a name.
class CRouterDlg : public QDialog {
public:
    static constexpr int size = 8;
    static constexpr int presets = 4;
    static constexpr int firstCrosspointId = 1800;
    static constexpr int configurationId = 1157;
    static constexpr int programId = 1990;
    static constexpr int firstChannelId = 1991;
    static constexpr int savePresetId = 1246;
    static constexpr std::array<int, presets> recallIds{1244, 1245, 1248, 1250};

    CRouterDlg(CQuenlarRemoteDoc& document, ModalSeam& seam, QWidget* parent);
    ~CRouterDlg() override;

    // The crosspoint of audio input (0 ..) to router output (0 ..).
    QAbstractButton& crosspoint(int output, int input) const {
        return *crosspoints_[static_cast<std::size_t>(output * size + input)];
    }
    QPushButton& recallButton(int preset) const {
        return *recallButtons_[static_cast<std::size_t>(preset)];
    }
    QPushButton& savePresetButton() const { return *savePreset_; }

private:
    QWidget* buildGrid();
    QWidget* buildPresets();
    void bindControls();
    void recall();
    void savePreset();

    CQuenlarRemoteDoc& document_;
    ModalSeam& seam_;
    std::vector<QAbstractButton*> crosspoints_;
    QComboBox* configuration_ = nullptr;
    QLabel* program_ = nullptr;
    std::vector<QLabel*> channels_;
    std::vector<QPushButton*> recallButtons_;
    QPushButton* savePreset_ = nullptr;
    // The states outlive the observers that share them.
    std::vector<std::unique_ptr<ButtonState>> recallStates_;
    std::unique_ptr<BoundObservers> bindings_;
    ControlObserver* storePreset_ = nullptr;
};
