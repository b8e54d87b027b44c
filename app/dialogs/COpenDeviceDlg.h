#pragma once

#include <QDialog>
#include <memory>

#include "app/observers/ObserverActions.h"
#include "model/HexParameterConverter.h"
#include "model/StringParameterConverter.h"

class CQuenlarRemoteDoc;
class ConnectionSettings;
class QCheckBox;
class QComboBox;
class QLineEdit;
class UpDownControl;
class Win32WindowObserver;

// 'Open Device': the connection settings, bound to their controls by the ordinary observers.
// The port is a device path: the machine's serial devices are offered and any path may be typed
// (a link the emulator made, say). Whether the dialog ends with OK or Cancel, the settings keep
// what it shows.
class COpenDeviceDlg : public QDialog {
public:
    static constexpr int portId = 1517;
    static constexpr int baudRateId = 1518;
    static constexpr int addressId = 1519;
    static constexpr int addressUpDownId = 1520;
    static constexpr int offLineId = 1521;

    COpenDeviceDlg(ConnectionSettings& settings, CQuenlarRemoteDoc& document, QWidget* parent);
    ~COpenDeviceDlg() override;

    // What was typed into the port and address boxes counts before the dialog ends.
    void accept() override;

private:
    void buildControls(const ConnectionSettings& settings, const CQuenlarRemoteDoc& document);
    void bindControls(ConnectionSettings& settings);

    ActionGuard guard_;
    QComboBox* portList_ = nullptr;
    QComboBox* baudRateList_ = nullptr;
    QLineEdit* addressBox_ = nullptr;
    UpDownControl* addressUpDown_ = nullptr;
    QCheckBox* offLineBox_ = nullptr;
    // The converters outlive the observers that use them.
    HexParameterConverter addressConverter_{4};
    StringParameterConverter pathConverter_{4096};
    std::unique_ptr<Win32CheckBoxObserver> offLine_;
    std::unique_ptr<Win32SpinObserver> addressStep_;
    std::unique_ptr<Win32EditObserver> address_;
    std::unique_ptr<Win32ComboBoxObserver> baudRate_;
    std::unique_ptr<Win32EditObserver> port_;
    // The list's arrow goes grey with the box.
    std::unique_ptr<Win32WindowObserver> portListState_;
};
