#include "app/dialogs/CUserPresetsDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ModalSeam.h"
#include "app/dialogs/CSavePresetDlg.h"
#include "app/observers/BoundObservers.h"
#include "app/observers/ButtonState.h"
#include "app/observers/ParameterNumbers.h"
#include "app/observers/Win32ButtonControlOnlyObserver.h"
#include "app/observers/Win32ButtonStatusObserver.h"
#include "app/observers/Win32TextObserver.h"

namespace {
constexpr ParameterId presetToRecall{115, 0};
constexpr ParameterId presetInForce{210, 64};
constexpr ParameterId storeCommand{115, 3};
constexpr ParameterId presetToSave{115, 4};
constexpr ParameterId presetName{23, 30};

ParameterId presetLabel(int preset) {
    return {23, static_cast<std::uint8_t>(preset + 34)};
}
} // namespace

CUserPresetsDlg::CUserPresetsDlg(CQuenlarRemoteDoc& document, ModalSeam& seam, QWidget* parent)
    : QDialog(parent), document_(document), seam_(seam) {
    setObjectName("CUserPresetsDlg");
    setWindowTitle("Setup User Presets");
    buildControls();
    bindControls();
}

CUserPresetsDlg::~CUserPresetsDlg() = default;

void CUserPresetsDlg::buildControls() {
    auto* group = new QGroupBox("Recall", this);
    auto* grid = new QGridLayout(group);
    for (int preset = 0; preset < presets; ++preset) {
        auto* button = new QPushButton(group);
        // Room for a label of 12 characters after the number and the mark ("32A - ").
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance("32A - WWWWWWWWWWWW"));
        presetButtons_.push_back(button);
        grid->addWidget(button, preset / columns, preset % columns);
    }
    auto* buttons = new QDialogButtonBox(this);
    save_ = buttons->addButton("Save", QDialogButtonBox::ActionRole);
    save_->setProperty("controlId", saveId);
    buttons->addButton("Close", QDialogButtonBox::RejectRole);
    connect(save_, &QPushButton::clicked, this, &CUserPresetsDlg::save);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CUserPresetsDlg::bindControls() {
    bindings_ = std::make_unique<BoundObservers>(document_);
    for (int preset = 0; preset < presets; ++preset) {
        QPushButton& button = presetButton(preset);
        const int id = firstPresetId + preset;
        presetStates_.push_back(std::make_unique<ButtonState>(button));
        ButtonState& state = *presetStates_.back();
        bindings_->add<Win32ButtonControlOnlyObserver>(presetToRecall, state, id, preset);
        bindings_->add<Win32ButtonStatusObserver>(presetInForce, state, id, preset);
        bindings_->add<Win32TextObserver>(presetLabel(preset), button, id);
        // A recalled preset changes nearly everything: all is read again.
        connect(&button, &QPushButton::clicked, this, &CUserPresetsDlg::recall);
    }
    storePreset_ = &bindings_->addUnbound<ControlObserver>(storeCommand, 0U);
}

void CUserPresetsDlg::recall() {
    bindings_->guard()([this] { document_.refreshAll(); });
}

void CUserPresetsDlg::save() {
    CSavePresetDlg dialog(document_, presets, presetToSave, presetName, true, this);
    if (seam_.exec(dialog) != QDialog::Accepted)
        return;
    bindings_->guard()([this] { ParameterNumbers::force(*storePreset_->subject(), 1); });
}
