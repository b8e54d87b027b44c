#include "app/dialogs/COpenDeviceDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "app/CQuenlarRemoteDoc.h"
#include "app/ConnectionSettings.h"
#include "app/frames/UpDownControl.h"
#include "app/observers/Win32CheckBoxObserver.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "app/observers/Win32EditObserver.h"
#include "app/observers/Win32SpinObserver.h"
#include "app/observers/Win32WindowObserver.h"

namespace {
constexpr int firstBaudRateText = 20900;
constexpr int lastBaudRateText = 20903;
constexpr int minimumPathLength = 28;
constexpr int maximumPathLength = 64;
// Held longer, the address steps faster.
const std::vector<UpDownControl::Acceleration> addressSteps{
    {0, 2}, {2000, 4}, {4000, 16}, {8000, 64}};
} // namespace

COpenDeviceDlg::COpenDeviceDlg(ConnectionSettings& settings, CQuenlarRemoteDoc& document,
                               QWidget* parent)
    : QDialog(parent), guard_(document.userActionGuard()) {
    setObjectName("COpenDeviceDlg");
    setWindowTitle("Open Device");
    buildControls(settings, document);
    bindControls(settings);
}

COpenDeviceDlg::~COpenDeviceDlg() = default;

void COpenDeviceDlg::buildControls(const ConnectionSettings& settings,
                                   const CQuenlarRemoteDoc& document) {
    auto* group = new QGroupBox("Communications", this);
    auto* form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);

    portList_ = new QComboBox(group);
    portList_->setEditable(true);
    portList_->lineEdit()->setMaxLength(static_cast<int>(ConnectionSettings::maximumPathLength));
    portList_->setInsertPolicy(QComboBox::NoInsert);
    portList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    int longest = minimumPathLength;
    for (const std::string& port : settings.portChoices()) {
        portList_->addItem(QString::fromStdString(port));
        longest = std::max(longest, static_cast<int>(port.size()));
    }
    // Long enough for the stable names of USB adapters, which say whose adapter it is.
    portList_->setMinimumContentsLength(std::min(longest, maximumPathLength));
    form->addRow("Port", portList_);

    baudRateList_ = new QComboBox(group);
    form->addRow("Baud Rate", baudRateList_);

    auto* address = new QHBoxLayout;
    addressBox_ = new QLineEdit(group);
    addressBox_->setMaximumWidth(addressBox_->fontMetrics().horizontalAdvance("WWWWWW"));
    addressUpDown_ = new UpDownControl(document.clock(), group);
    addressUpDown_->setAccelerations(addressSteps);
    addressUpDown_->setFixedSize(addressBox_->sizeHint().height() * 3 / 4,
                                 addressBox_->sizeHint().height());
    address->addWidget(addressBox_);
    address->addWidget(addressUpDown_);
    address->addStretch();
    form->addRow("Address", address);

    offLineBox_ = new QCheckBox("Off Line", group);
    form->addRow(offLineBox_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COpenDeviceDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COpenDeviceDlg::bindControls(ConnectionSettings& settings) {
    offLine_ = std::make_unique<Win32CheckBoxObserver>(*offLineBox_, offLineId, 1);
    addressStep_ = std::make_unique<Win32SpinObserver>(*addressUpDown_, addressUpDownId);
    address_ = std::make_unique<Win32EditObserver>(*addressBox_, addressId, addressConverter_);
    baudRate_ = std::make_unique<Win32ComboBoxObserver>(*baudRateList_, baudRateId,
                                                        firstBaudRateText, lastBaudRateText);
    port_ = std::make_unique<Win32EditObserver>(*portList_->lineEdit(), portId, pathConverter_);
    portListState_ = std::make_unique<Win32WindowObserver>(*portList_, portId);

    offLine_->attach(settings.parameter(ConnectionSettings::offLineId));
    addressStep_->attach(settings.parameter(ConnectionSettings::deviceAddressId));
    address_->attach(settings.parameter(ConnectionSettings::deviceAddressId));
    baudRate_->attach(settings.parameter(ConnectionSettings::baudRateId));
    port_->attach(settings.parameter(ConnectionSettings::portPathId));
    portListState_->attach(settings.parameter(ConnectionSettings::portPathId));

    ObserverActions::bind(*offLine_, guard_);
    ObserverActions::bind(*addressStep_, guard_);
    ObserverActions::bind(*address_, guard_);
    ObserverActions::bind(*baudRate_, guard_);
    ObserverActions::bind(*port_, guard_);
    // A port picked from the list counts at once, as one typed and entered does.
    connect(portList_, &QComboBox::textActivated, this, [this] {
        guard_([this] { port_->commit(); });
        port_->endEdit();
    });
}

void COpenDeviceDlg::accept() {
    guard_([this] {
        address_->commit();
        port_->commit();
    });
    address_->endEdit();
    port_->endEdit();
    QDialog::accept();
}
