#include "app/dialogs/CMonitorSetupPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/frames/CLedButton.h"
#include "app/frames/UpDownControl.h"
#include "app/observers/BoundObservers.h"
#include "app/observers/Win32CheckBoxObserver.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "app/observers/Win32EditObserver.h"
#include "app/observers/Win32RadioButtonObserver.h"
#include "app/observers/Win32SliderObserver.h"
#include "app/observers/Win32SpinObserver.h"
#include "app/observers/Win32StateButtonObserver.h"
#include "app/observers/Win32TextObserver.h"
#include "app/observers/Win32WindowObserver.h"

namespace {
constexpr int firstBassText = 21600;
constexpr int lastBassText = 21611;
constexpr int trimCount = 8;
constexpr int trimLabel = 1901;
constexpr int trimEdit = 1920;
constexpr int trimUpDown = 1930;
constexpr int backSurroundLeftLabel = 1909;
constexpr int backSurroundLabel = 1907;
const char* const trimCaptions[trimCount] = {
    "L", "R", "C", "SW", "L Surround", "R Surround", "Back Surround", "Back Surround R"};

struct Delay {
    int edit;
    int upDown;
    ParameterId id;
};
constexpr Delay backSurroundDelay{1256, 1261, {117, 27}};
constexpr Delay leftSurroundDelay{1247, 1249, {117, 53}};
constexpr Delay rightSurroundDelay{1248, 1250, {117, 54}};
constexpr Delay matrixaDelay{1251, 1252, {117, 28}};
constexpr Delay centerDelay{1253, 1254, {117, 26}};

struct RadioRun {
    std::initializer_list<int> ids;
    ParameterId id;
};
} // namespace

CMonitorSetupPage::CMonitorSetupPage(const Clock& clock, QWidget* parent)
    : QWidget(parent), clock_(clock) {
    setObjectName("CMonitorSetupPage");
    auto* layout = new QHBoxLayout(this);
    auto* first = new QVBoxLayout;
    first->addWidget(buildGeneral());
    first->addWidget(&radioGroup("Speaker Select", 2201, {1275, 1276, 1277},
                                 {"Multichannel", "Stereo", "Mono"}));
    first->addWidget(
        &radioGroup("Subwoofer Crossover", 0, {1424, 1425, 1426}, {"80 Hz", "100 Hz", "120 Hz"}));
    first->addWidget(&radioGroup("LFE Monitor Mode", 0, {1430, 1431, 1432}, {"Auto", "On", "Off"}));
    first->addStretch();
    auto* second = new QVBoxLayout;
    second->addWidget(buildDelays());
    second->addWidget(buildMatrix());
    second->addWidget(
        &radioGroup("Back Surround Speakers", 0, {1433, 1434, 1435}, {"None", "1", "2"}));
    second->addWidget(buildReversion());
    second->addStretch();
    auto* third = new QVBoxLayout;
    third->addWidget(buildTrims());
    third->addStretch();
    auto* fourth = new QVBoxLayout;
    auto* levels = new QHBoxLayout;
    // Dim: 1 dB steps from "Off" (0) and -30 dB (1) to +6 dB (37); master: 0.5 dB steps from
    // -30 dB (0) to +6 dB (72).
    levels->addWidget(
        buildLevel({"Dim Gain", 2191, 1493, 1213, 2192, 2193, 2194, 2195, 6, 30, 1, 1475}));
    levels->addWidget(
        buildLevel({"Master Trim", 2196, 1494, 1364, 2197, 2198, 2199, 2200, 12, 60, 0, 0}));
    fourth->addLayout(levels);
    fourth->addWidget(buildTestNoise());
    fourth->addStretch();
    for (auto* column : {first, second, third, fourth})
        layout->addLayout(column);
}

CMonitorSetupPage::~CMonitorSetupPage() = default;

template <class Kind> Kind& CMonitorSetupPage::make(int controlId, QWidget* parent) {
    auto* made = new Kind(parent);
    controls_[controlId] = made;
    return *made;
}

template <class Kind> Kind& CMonitorSetupPage::at(int controlId) const {
    return *static_cast<Kind*>(controls_.at(controlId));
}

QLabel& CMonitorSetupPage::label(int controlId, const QString& text, QWidget* parent) {
    auto& made = make<QLabel>(controlId, parent);
    made.setText(text);
    return made;
}

QGroupBox& CMonitorSetupPage::radioGroup(const QString& title, int groupId,
                                         std::initializer_list<int> ids,
                                         std::initializer_list<const char*> texts) {
    auto* group = new QGroupBox(title, this);
    if (groupId != 0)
        controls_[groupId] = group;
    auto* layout = new QVBoxLayout(group);
    auto text = texts.begin();
    for (int id : ids) {
        auto& button = make<QRadioButton>(id, group);
        button.setText(*text++);
        button.setAutoExclusive(false);
        layout->addWidget(&button);
    }
    return *group;
}

// A caption, the box showing the value and the up-down beside it.
void CMonitorSetupPage::addValueRow(QGridLayout& grid, int row, QLabel& caption, int boxId,
                                    int upDownId, bool editable) {
    QWidget* parent = grid.parentWidget();
    grid.addWidget(&caption, row, 0);
    QWidget* box = nullptr;
    if (editable) {
        box = &make<QLineEdit>(boxId, parent);
    } else {
        auto& text = make<QLabel>(boxId, parent);
        text.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        box = &text;
    }
    box->setFixedWidth(box->fontMetrics().horizontalAdvance("-00.000 dB") + 8);
    auto* upDown = new UpDownControl(clock_, parent);
    controls_[upDownId] = upDown;
    upDown->setFixedSize(box->sizeHint().height() * 3 / 4, box->sizeHint().height());
    grid.addWidget(box, row, 1);
    grid.addWidget(upDown, row, 2);
}

QWidget* CMonitorSetupPage::buildGeneral() {
    auto* group = new QGroupBox("General", this);
    auto* layout = new QVBoxLayout(group);
    const std::pair<int, const char*> checks[] = {{2286, "Analog Outputs"},
                                                  {1258, "Sticky Settings Enable"},
                                                  {1260, "Unity Gain Mode"},
                                                  {1257, "Extended BSI Enable"}};
    for (const auto& [id, text] : checks) {
        auto& box = make<QCheckBox>(id, group);
        box.setText(text);
        layout->addWidget(&box);
    }
    layout->addWidget(new QLabel("Bass Management", group));
    layout->addWidget(&make<QComboBox>(1240, group));
    return group;
}

QWidget* CMonitorSetupPage::buildDelays() {
    auto* group = new QGroupBox("Delays", this);
    auto* grid = new QGridLayout(group);
    const std::pair<Delay, const char*> delays[] = {{backSurroundDelay, "Back Surround"},
                                                    {leftSurroundDelay, "Left Surround"},
                                                    {rightSurroundDelay, "Right Surround"},
                                                    {matrixaDelay, "Matrixa"},
                                                    {centerDelay, "Center"}};
    int row = 0;
    for (const auto& [delay, caption] : delays)
        addValueRow(*grid, row++, *new QLabel(caption, group), delay.edit, delay.upDown, true);
    addValueRow(*grid, row++, *new QLabel("Digital Reference", group), 1255, 1259, false);
    addValueRow(*grid, row, *new QLabel("Lt/Rt Gain", group), 1262, 1263, false);
    return group;
}

QWidget* CMonitorSetupPage::buildMatrix() {
    auto* group = new QGroupBox("Matrix Decoder", this);
    auto* layout = new QGridLayout(group);
    layout->addWidget(
        &radioGroup("Mode", 0, {1085, 1086, 1087, 1088}, {"Movie", "Music", "Matrixa", "Matrix"}),
        0, 0, 2, 1);
    layout->addWidget(&radioGroup("Panorama", 0, {1101, 1102}, {"Enabled", "Disabled"}), 0, 1);
    auto* sliders = new QGridLayout;
    const std::pair<int, const char*> trackbars[] = {{1130, "Center Width"}, {1091, "Dimension"}};
    int row = 0;
    for (const auto& [id, caption] : trackbars) {
        auto& slider = make<QSlider>(id, group);
        slider.setOrientation(Qt::Horizontal);
        sliders->addWidget(new QLabel(caption, group), row, 0);
        sliders->addWidget(&slider, row++, 1);
    }
    layout->addLayout(sliders, 2, 0, 1, 2);
    return group;
}

QWidget* CMonitorSetupPage::buildTrims() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);

    auto& mono = make<QGroupBox>(1950, box);
    mono.setTitle("Mono Trim");
    auto* monoGrid = new QGridLayout(&mono);
    addValueRow(*monoGrid, 0, label(1951, "Center", &mono), 1952, 1953, true);
    layout->addWidget(&mono);

    auto& stereo = make<QGroupBox>(1940, box);
    stereo.setTitle("Stereo Trims");
    auto* stereoGrid = new QGridLayout(&stereo);
    addValueRow(*stereoGrid, 0, label(1941, "Left", &stereo), 1943, 1945, true);
    addValueRow(*stereoGrid, 1, label(1942, "Right", &stereo), 1944, 1946, true);
    layout->addWidget(&stereo);

    auto& multichannel = make<QGroupBox>(1900, box);
    multichannel.setTitle("Multichannel Trims");
    auto* grid = new QGridLayout(&multichannel);
    for (int i = 0; i < trimCount; ++i) {
        addValueRow(*grid, i, label(trimLabel + i, trimCaptions[i], &multichannel), trimEdit + i,
                    trimUpDown + i, true);
    }
    // Shown in place of the back surround caption when two back speakers are in use: drawn on
    // top of it, over a background of its own.
    auto& backLeft = label(backSurroundLeftLabel, "Back Surround L", &multichannel);
    backLeft.setAutoFillBackground(true);
    grid->addWidget(&backLeft, backSurroundLabel - trimLabel, 0);
    backLeft.raise();
    layout->addWidget(&multichannel);
    return box;
}

// A level's read-out over its trackbar, with the scale beside it: each mark as far from the next
// as the trackbar's steps between them.
QWidget* CMonitorSetupPage::buildLevel(const LevelScale& scale) {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(&label(scale.captionId, scale.caption, box), 0, 0, 1, 2, Qt::AlignHCenter);
    auto& readout = label(scale.readoutId, QString(), box);
    readout.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    readout.setAlignment(Qt::AlignCenter);
    readout.setMinimumWidth(readout.fontMetrics().horizontalAdvance("-00.0 dB") + 8);
    grid->addWidget(&readout, 1, 0, 1, 2);
    auto& slider = make<QSlider>(scale.sliderId, box);
    slider.setOrientation(Qt::Vertical);
    slider.setTickPosition(QSlider::TicksLeft);
    slider.setMinimumHeight(200);
    grid->addWidget(&slider, 2, 1);
    auto* marks = new QVBoxLayout;
    auto addMark = [&](int id, const char* text) {
        marks->addWidget(&label(id, text, box), 0, Qt::AlignRight);
    };
    addMark(scale.topId, "+6 dB");
    marks->addStretch(scale.stepsAboveUnity);
    addMark(scale.unityId, "0 dB");
    marks->addStretch(scale.stepsBelowUnity);
    addMark(scale.bottomId, "-30 dB");
    if (scale.lowestId != 0) {
        marks->addStretch(scale.stepsBelowBottom);
        addMark(scale.lowestId, "Off");
    }
    grid->addLayout(marks, 2, 0);
    grid->addWidget(&label(scale.unitId, "dB", box), 3, 1, Qt::AlignHCenter);
    return box;
}

QWidget* CMonitorSetupPage::buildTestNoise() {
    auto* group = new QGroupBox("Test Noise", this);
    auto* layout = new QHBoxLayout(group);
    const std::pair<int, const char*> buttons[] = {{1422, "Pink"}, {1423, "Filtered"}};
    for (const auto& [id, caption] : buttons) {
        auto* button = new CLedButton(caption, CLedButton::Green, group);
        controls_[id] = button;
        layout->addWidget(button);
    }
    return group;
}

// Shown as the unit has it; the unit's own front panel sets it.
QWidget* CMonitorSetupPage::buildReversion() {
    auto* group = new QGroupBox("Emulator Reversion", this);
    auto* layout = new QHBoxLayout(group);
    const std::pair<int, const char*> choices[] = {{1522, "Last Used"}, {1524, "Mute"}};
    for (const auto& [id, caption] : choices) {
        auto& button = make<QRadioButton>(id, group);
        button.setText(caption);
        layout->addWidget(&button);
    }
    return group;
}

void CMonitorSetupPage::setDocument(CQuenlarRemoteDoc* document) {
    bindings_.reset();
    document_ = document;
    if (document_ != nullptr && isVisible())
        bind(*document_);
}

void CMonitorSetupPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (document_ != nullptr && bindings_ == nullptr)
        bind(*document_);
}

void CMonitorSetupPage::hideEvent(QHideEvent* event) {
    bindings_.reset();
    QWidget::hideEvent(event);
}

void CMonitorSetupPage::bind(CQuenlarRemoteDoc& document) {
    auto bindings = std::make_unique<BoundObservers>(document);
    bindSelections(*bindings);
    bindDelays(*bindings);
    bindTrims(*bindings);
    bindLevels(*bindings);
    bindings_ = std::move(bindings);
}

void CMonitorSetupPage::bindSelections(BoundObservers& bindings) {
    const std::pair<int, ParameterId> checks[] = {
        {2286, {216, 21}}, {1258, {117, 32}}, {1260, {117, 65}}, {1257, {117, 35}}};
    for (const auto& [id, parameter] : checks)
        bindings.add<Win32CheckBoxObserver>(parameter, at<QCheckBox>(id), id, 1);
    bindings.add<Win32ComboBoxObserver>({117, 29}, at<QComboBox>(1240), 1240, firstBassText,
                                        lastBassText);
    const RadioRun speakers{{1275, 1276, 1277}, {197, 15}};
    const RadioRun runs[] = {{{1424, 1425, 1426}, {117, 30}},
                             {{1430, 1431, 1432}, {117, 31}},
                             {{1085, 1086, 1087, 1088}, {117, 59}},
                             {{1101, 1102}, {117, 60}},
                             {{1433, 1434, 1435}, {117, 39}}};
    auto bindRun = [&](const RadioRun& run) {
        int value = 0;
        for (int id : run.ids)
            bindings.add<Win32RadioButtonObserver>(run.id, at<QRadioButton>(id), id, value++);
    };
    bindRun(speakers);
    bindings.add<Win32WindowObserver>(speakers.id, control(2201), 2201);
    for (const RadioRun& run : runs)
        bindRun(run);
}

void CMonitorSetupPage::bindDelays(BoundObservers& bindings) {
    const std::pair<Delay, const ParameterConverter*> delays[] = {
        {backSurroundDelay, &surroundDelay_},
        {leftSurroundDelay, &surroundDelay_},
        {rightSurroundDelay, &surroundDelay_},
        {matrixaDelay, &matrixDelay_},
        {centerDelay, &centerDelay_}};
    for (const auto& [delay, converter] : delays) {
        bindings.add<Win32EditObserver>(delay.id, at<QLineEdit>(delay.edit), delay.edit,
                                        *converter);
        bindings.add<Win32SpinObserver>(delay.id, at<UpDownControl>(delay.upDown), delay.upDown);
    }
    const std::tuple<int, int, ParameterId> levels[] = {{1255, 1259, {117, 52}},
                                                        {1262, 1263, {117, 64}}};
    for (const auto& [text, upDown, id] : levels) {
        bindings.add<Win32TextObserver>(id, control(text), text);
        bindings.add<Win32SpinObserver>(id, at<UpDownControl>(upDown), upDown);
    }
}

void CMonitorSetupPage::bindTrims(BoundObservers& bindings) {
    auto bindTrim = [&](const ParameterId& id, int labelId, int editId, int upDownId) {
        bindings.add<Win32WindowObserver>(id, control(labelId), labelId);
        bindings.add<Win32EditObserver>(id, at<QLineEdit>(editId), editId, trim_);
        bindings.add<Win32SpinObserver>(id, at<UpDownControl>(upDownId), upDownId);
    };
    const ParameterId mono(197, 14);
    bindings.add<Win32WindowObserver>(mono, control(1950), 1950);
    bindTrim(mono, 1951, 1952, 1953);
    bindings.add<Win32WindowObserver>({197, 12}, control(1940), 1940);
    bindTrim({197, 12}, 1941, 1943, 1945);
    bindTrim({197, 13}, 1942, 1944, 1946);
    bindings.add<Win32WindowObserver>({197, 4}, control(1900), 1900);
    for (int i = 0; i < trimCount; ++i)
        bindTrim({197, static_cast<std::uint8_t>(4 + i)}, trimLabel + i, trimEdit + i,
                 trimUpDown + i);
    bindings.add<Win32WindowObserver>({197, 11}, control(backSurroundLeftLabel),
                                      backSurroundLeftLabel);
}

void CMonitorSetupPage::bindLevels(BoundObservers& bindings) {
    const ParameterId dim(197, 3);
    const ParameterId master(23, 1);
    const ParameterId centerWidth(117, 62);
    const ParameterId dimension(117, 61);
    bindings.add<Win32TextObserver>(dim, control(1493), 1493);
    bindings.add<Win32SliderObserver>(dim, at<QSlider>(1213), 1213, true).configure(dimTicks, 1, 1);
    bindings.add<Win32SliderObserver>(centerWidth, at<QSlider>(1130), 1130)
        .configure(matrixTicks, 1, 1);
    bindings.add<Win32SliderObserver>(dimension, at<QSlider>(1091), 1091)
        .configure(matrixTicks, 1, 1);
    for (int id : {2194, 2195, 2192, 2193, 2191, 1475})
        bindings.add<Win32WindowObserver>(dim, control(id), id);
    bindings.add<Win32TextObserver>(master, control(1494), 1494);
    bindings.add<Win32SliderObserver>(master, at<QSlider>(1364), 1364, true)
        .configure(masterTicks, 1, 1);
    for (int id : {2199, 2200, 2197, 2198, 2196})
        bindings.add<Win32WindowObserver>(master, control(id), id);
    bindings.add<Win32StateButtonObserver>({117, 24}, at<CLedButton>(1422), 1422, 1, 0);
    bindings.add<Win32StateButtonObserver>({117, 24}, at<CLedButton>(1423), 1423, 2, 0);
}
