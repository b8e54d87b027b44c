#include "app/dialogs/CSavePresetDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/frames/UpDownControl.h"
#include "app/observers/BoundObservers.h"
#include "app/observers/ParameterNumbers.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "app/observers/Win32EditObserver.h"
#include "app/observers/WindowText.h"

CSavePresetDlg::CSavePresetDlg(CQuenlarRemoteDoc& document, int presets, const ParameterId& number,
                               const ParameterId& name, bool withType, QWidget* parent)
    : QDialog(parent), presets_(presets), bindings_(std::make_unique<BoundObservers>(document)) {
    setObjectName("CSavePresetDlg");
    setWindowTitle("Save Preset");
    buildControls(document, presets, withType);
    bindControls(number, name, withType);
}

CSavePresetDlg::~CSavePresetDlg() = default;

void CSavePresetDlg::buildControls(const CQuenlarRemoteDoc& document, int presets, bool withType) {
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);

    numberBox_ = new QLineEdit(this);
    numberBox_->setMaximumWidth(numberBox_->fontMetrics().horizontalAdvance("WWWW"));
    numberUpDown_ = new UpDownControl(document.clock(), this);
    numberUpDown_->setFixedSize(numberBox_->sizeHint().height() * 3 / 4,
                                numberBox_->sizeHint().height());
    numberUpDown_->setRange(1, presets);
    numberUpDown_->setProperty("controlId", numberUpDownId);
    connect(numberUpDown_, &UpDownControl::stepped, this, &CSavePresetDlg::stepNumber);
    connect(numberBox_, &QLineEdit::textEdited, this, &CSavePresetDlg::followTypedNumber);
    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(numberBox_);
    numberRow->addWidget(numberUpDown_);
    numberRow->addStretch();
    form->addRow("Number", numberRow);

    nameBox_ = new QLineEdit(this);
    nameBox_->setMinimumWidth(nameBox_->fontMetrics().horizontalAdvance(QString(nameLength, 'W')));
    form->addRow("Name", nameBox_);

    typeLabel_ = new QLabel("Type", this);
    typeLabel_->setProperty("controlId", typeLabelId);
    typeList_ = new QComboBox(this);
    form->addRow(typeLabel_, typeList_);
    typeLabel_->setVisible(withType);
    typeList_->setVisible(withType);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSavePresetDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The edits are not bound to the user's actions: what is typed stays in the dialog until OK,
// and notifications from the unit leave it alone meanwhile.
void CSavePresetDlg::bindControls(const ParameterId& number, const ParameterId& name,
                                  bool withType) {
    number_ =
        &bindings_->addUnbound<Win32EditObserver>(number, *numberBox_, numberId, numberConverter_);
    name_ = &bindings_->addUnbound<Win32EditObserver>(name, *nameBox_, nameId, nameConverter_);
    number_->beginEdit();
    name_->beginEdit();
    numberUpDown_->setPosition(ParameterNumbers::value(*number_->subject()) + 1);
    if (!withType)
        return;
    type_ = &bindings_->addUnbound<Win32ComboBoxObserver>(ParameterId(23, 32), *typeList_, typeId,
                                                          firstTypeText, lastTypeText);
    typeList_->setCurrentIndex(0);
}

void CSavePresetDlg::stepNumber(int delta) {
    numberUpDown_->setPosition(numberUpDown_->position() + delta);
    numberBox_->setText(QString::number(numberUpDown_->position()));
}

// Steps go on from a number typed.
void CSavePresetDlg::followTypedNumber() {
    if (auto number = typedNumber())
        numberUpDown_->setPosition(*number + 1);
}

std::optional<int> CSavePresetDlg::typedNumber() const {
    ParameterValue value;
    const std::string text = WindowText::toDevice(numberBox_->text());
    if (!numberConverter_.parse(value, text) || value.toInt16() < 0 || value.toInt16() >= presets_)
        return std::nullopt;
    return value.toInt16();
}

bool CSavePresetDlg::numberAcceptable() const {
    auto number = typedNumber();
    return number && ParameterNumbers::inRange(*number_->subject(), *number);
}

void CSavePresetDlg::commitAll() {
    const QString name = nameBox_->text();
    const int type = typeList_->currentIndex();
    number_->commit();
    // Taking the number shows the name and type of that preset; the user confirmed the ones seen.
    nameBox_->setText(name);
    name_->commit();
    if (type_ != nullptr) {
        typeList_->setCurrentIndex(type);
        type_->action();
    }
}

void CSavePresetDlg::accept() {
    if (!numberAcceptable()) {
        number_->endEdit();
        number_->beginEdit();
        followTypedNumber();
        numberBox_->setFocus();
        return;
    }
    bool committed = false;
    bindings_->guard()([this, &committed] {
        commitAll();
        committed = true;
    });
    if (committed)
        QDialog::accept();
}
