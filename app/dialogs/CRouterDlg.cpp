#include "app/dialogs/CRouterDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/ModalSeam.h"
#include "app/dialogs/CSavePresetDlg.h"
#include "app/observers/BoundObservers.h"
#include "app/observers/ButtonState.h"
#include "app/observers/ParameterNumbers.h"
#include "app/observers/Win32ButtonControlOnlyObserver.h"
#include "app/observers/Win32ButtonStatusObserver.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "app/observers/Win32RadioButtonObserver.h"
#include "app/observers/Win32TextObserver.h"

namespace {
constexpr int firstConfigurationText = 23600;
constexpr int lastConfigurationText = 23621;
const char* const channelCaptions[CRouterDlg::size] = {"L", "R", "C", "LFE", "Ls", "Rs", "L", "R"};

constexpr ParameterId configuration{141, 0};
constexpr ParameterId recalledPreset{212, 4};
constexpr ParameterId presetToRecall{115, 10};
constexpr ParameterId presetToSave{115, 8};
constexpr ParameterId storeCommand{115, 7};
constexpr ParameterId presetName{23, 31};
constexpr ParameterId programName{23, 11};

ParameterId routed(int output) {
    return {195, static_cast<std::uint8_t>(output + 2)};
}
} // namespace

CRouterDlg::CRouterDlg(CQuenlarRemoteDoc& document, ModalSeam& seam, QWidget* parent)
    : QDialog(parent), document_(document), seam_(seam) {
    setObjectName("CRouterDlg");
    setWindowTitle("Setup Router");
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Close", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* top = new QHBoxLayout;
    top->addWidget(buildGrid());
    top->addWidget(buildPresets());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    bindControls();
}

CRouterDlg::~CRouterDlg() = default;

QWidget* CRouterDlg::buildGrid() {
    auto* group = new QGroupBox("Router", this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    constexpr int firstColumn = 2;
    constexpr int firstRow = 4;
    grid->addWidget(new QLabel("Router Out", group), 0, firstColumn, 1, size, Qt::AlignHCenter);
    grid->addWidget(new QLabel("Program", group), 2, 0, 1, firstColumn);
    program_ = new QLabel(group);
    grid->addWidget(program_, 2, firstColumn, 1, size);
    grid->addWidget(new QLabel("Channel", group), 3, 0, 1, firstColumn);
    auto* audioIn = new QLabel("Audio\nIn", group);
    grid->addWidget(audioIn, firstRow, 0, size, 1, Qt::AlignVCenter);
    for (int output = 0; output < size; ++output) {
        const int column = firstColumn + output;
        grid->addWidget(new QLabel(QString::number(output + 1), group), 1, column,
                        Qt::AlignHCenter);
        auto* channel = new QLabel(channelCaptions[output], group);
        channel->setMinimumWidth(channel->fontMetrics().horizontalAdvance("LFE"));
        channel->setAlignment(Qt::AlignHCenter);
        channels_.push_back(channel);
        grid->addWidget(channel, 3, column, Qt::AlignHCenter);
    }
    for (int input = 0; input < size; ++input)
        grid->addWidget(new QLabel(QString::number(input + 1), group), firstRow + input, 1);
    for (int output = 0; output < size; ++output) {
        for (int input = 0; input < size; ++input) {
            auto* crosspoint = new QRadioButton(group);
            crosspoints_.push_back(crosspoint);
            grid->addWidget(crosspoint, firstRow + input, firstColumn + output, Qt::AlignHCenter);
        }
    }
    return group;
}

QWidget* CRouterDlg::buildPresets() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(new QLabel("Program Configuration", box));
    configuration_ = new QComboBox(box);
    layout->addWidget(configuration_);
    auto* group = new QGroupBox("Presets", box);
    auto* presetsLayout = new QVBoxLayout(group);
    for (int preset = 0; preset < presets; ++preset) {
        auto* button = new QPushButton(group);
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance("WWWWWWWWWWWW") + 16);
        recallButtons_.push_back(button);
        presetsLayout->addWidget(button);
    }
    savePreset_ = new QPushButton("Save Preset", group);
    savePreset_->setProperty("controlId", savePresetId);
    connect(savePreset_, &QPushButton::clicked, this, &CRouterDlg::savePreset);
    presetsLayout->addSpacing(8);
    presetsLayout->addWidget(savePreset_);
    layout->addWidget(group);
    layout->addStretch();
    return box;
}

void CRouterDlg::bindControls() {
    bindings_ = std::make_unique<BoundObservers>(document_);
    for (int output = 0; output < size; ++output)
        for (int input = 0; input < size; ++input)
            bindings_->add<Win32RadioButtonObserver>(routed(output), crosspoint(output, input),
                                                     firstCrosspointId + size * output + input,
                                                     input);
    bindings_->add<Win32ComboBoxObserver>(configuration, *configuration_, configurationId,
                                          firstConfigurationText, lastConfigurationText);
    for (int preset = 0; preset < presets; ++preset) {
        QPushButton& button = recallButton(preset);
        const int id = recallIds[static_cast<std::size_t>(preset)];
        recallStates_.push_back(std::make_unique<ButtonState>(button));
        ButtonState& state = *recallStates_.back();
        bindings_->add<Win32ButtonControlOnlyObserver>(presetToRecall, state, id, preset);
        bindings_->add<Win32ButtonStatusObserver>(recalledPreset, state, id, preset);
        bindings_->add<Win32TextObserver>(ParameterId(212, static_cast<std::uint8_t>(preset)),
                                          button, id);
        // After the recall the router settings are read again.
        connect(&button, &QPushButton::clicked, this, &CRouterDlg::recall);
    }
    storePreset_ = &bindings_->addUnbound<ControlObserver>(storeCommand, 0U);
    for (int output = 0; output < size; ++output)
        bindings_->add<Win32TextObserver>(ParameterId(23, static_cast<std::uint8_t>(output + 3)),
                                          *channels_[static_cast<std::size_t>(output)],
                                          firstChannelId + output);
    bindings_->add<Win32TextObserver>(programName, *program_, programId);
}

void CRouterDlg::recall() {
    document_.refreshCategory('a');
}

void CRouterDlg::savePreset() {
    CSavePresetDlg dialog(document_, presets, presetToSave, presetName, false, this);
    if (seam_.exec(dialog) != QDialog::Accepted)
        return;
    bindings_->guard()([this] { ParameterNumbers::force(*storePreset_->subject(), 1); });
}
