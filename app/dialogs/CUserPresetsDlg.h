#pragma once

#include <QDialog>
#include <memory>
#include <vector>

class BoundObservers;
class ButtonState;
class CQuenlarRemoteDoc;
class ControlObserver;
class ModalSeam;
class QPushButton;

// 'Setup User Presets': the unit's 32 user presets as buttons labelled with their names. A click
// recalls the preset and reads everything again; the preset in force is drawn pressed. "Save"
// stores the unit's settings as a preset under a number and a name.
class CUserPresetsDlg : public QDialog {
public:
    static constexpr int presets = 32;
    static constexpr int columns = 4;
    static constexpr int firstPresetId = 2152;
    static constexpr int saveId = 1145;

    CUserPresetsDlg(CQuenlarRemoteDoc& document, ModalSeam& seam, QWidget* parent);
    ~CUserPresetsDlg() override;

    QPushButton& presetButton(int preset) const {
        return *presetButtons_[static_cast<std::size_t>(preset)];
    }
    QPushButton& saveButton() const { return *save_; }

private:
    void buildControls();
    void bindControls();
    void recall();
    void save();

    CQuenlarRemoteDoc& document_;
    ModalSeam& seam_;
    std::vector<QPushButton*> presetButtons_;
    QPushButton* save_ = nullptr;
    // The states outlive the observers that share them.
    std::vector<std::unique_ptr<ButtonState>> presetStates_;
    std::unique_ptr<BoundObservers> bindings_;
    ControlObserver* storePreset_ = nullptr;
};
