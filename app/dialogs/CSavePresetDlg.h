#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "model/IntParameterConverter.h"
#include "model/ParameterId.h"
#include "model/StringParameterConverter.h"

class BoundObservers;
class CQuenlarRemoteDoc;
class QComboBox;
class QLabel;
class QLineEdit;
class UpDownControl;
class Win32ComboBoxObserver;
class Win32EditObserver;

// 'Save Preset': the number and the name under which a preset is to be stored (and, for user
// presets, its type). Nothing reaches the unit before OK: then the number, the name and the type
// shown are written, in that order; a number that does not parse or is out of range refuses OK
// and shows the unit's number again. Whoever opened the dialog sends the store command after OK.
class CSavePresetDlg : public QDialog {
public:
    static constexpr int numberUpDownId = 1141;
    static constexpr int numberId = 1142;
    static constexpr int nameId = 1143;
    static constexpr int typeId = 1144;
    static constexpr int typeLabelId = 1506;
    static constexpr int firstTypeText = 24200;
    static constexpr int lastTypeText = 24202;
    static constexpr int nameLength = 12;

    // For presets numbered 1 .. presets, chosen by numberId and named through nameId; the type
    // list is shown only withType.
    CSavePresetDlg(CQuenlarRemoteDoc& document, int presets, const ParameterId& number,
                   const ParameterId& name, bool withType, QWidget* parent);
    ~CSavePresetDlg() override;

    void accept() override;

    QLineEdit& numberBox() const { return *numberBox_; }
    QLineEdit& nameBox() const { return *nameBox_; }
    QComboBox& typeList() const { return *typeList_; }
    UpDownControl& numberUpDown() const { return *numberUpDown_; }

private:
    void buildControls(const CQuenlarRemoteDoc& document, int presets, bool withType);
    void bindControls(const ParameterId& number, const ParameterId& name, bool withType);
    void stepNumber(int delta);
    void followTypedNumber();
    // The preset (from 0) the number box names, if it names one.
    std::optional<int> typedNumber() const;
    // Whether the number box holds a number the number parameter takes.
    bool numberAcceptable() const;
    // Writes the number, then the name and the type the user saw and confirmed.
    void commitAll();

    int presets_;
    QLineEdit* numberBox_ = nullptr;
    UpDownControl* numberUpDown_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QLabel* typeLabel_ = nullptr;
    QComboBox* typeList_ = nullptr;
    // The converters outlive the observers that use them.
    IntParameterConverter numberConverter_{1, 1};
    StringParameterConverter nameConverter_{nameLength};
    std::unique_ptr<BoundObservers> bindings_;
    Win32EditObserver* number_ = nullptr;
    Win32EditObserver* name_ = nullptr;
    Win32ComboBoxObserver* type_ = nullptr;
};
