#include "app/views/CMonitorView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/CQuenlarRemoteDoc.h"
#include "app/frames/CDigitalReadout.h"
#include "app/frames/CLedButton.h"
#include "app/frames/LedPictures.h"
#include "app/frames/UpDownControl.h"
#include "app/observers/Win32Bitmap3StateObserver.h"
#include "app/observers/Win32BitmapObserver.h"
#include "app/observers/Win32GroupedStateButtonObserver.h"
#include "app/observers/Win32SharedParamStateButtonObserver.h"
#include "app/observers/Win32SliderObserver.h"
#include "app/observers/Win32SpinObserver.h"
#include "app/observers/Win32StateButtonObserver.h"
#include "app/observers/Win32TextObserver.h"
#include "app/observers/Win32WindowObserver.h"
#include "app/views/CMeterPage.h"
#include "app/views/FittedTabs.h"
#include "model/ParameterId.h"
#include "model/ParameterValue.h"

namespace {
constexpr int channels = 7;
// The widths of the form's columns, left to right; with the spacing they fill the form.
constexpr int volumeWidth = 110;
constexpr int speakerWidth = 68;
constexpr int downmixWidth = 70;
constexpr int compressionWidth = 148;
constexpr int channelWidth = 186;
constexpr int meterAreaWidth = 183;
const char* const channelNames[channels] = {"L", "R", "C", "SW", "Ls", "Rs", "Bs"};

ParameterId id(int number, int index) {
    return ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index));
}

bool lit(const ParameterValue& value) {
    return value.toInt16() > 0;
}

QFont smaller(QFont font) {
    font.setPointSizeF(font.pointSizeF() * 0.85);
    return font;
}

QLabel* lamp() {
    auto* picture = new QLabel;
    picture->setFixedSize(10, 10);
    return picture;
}

// A caption over a lamp.
QWidget* captioned(const QString& caption, QLabel* picture, QLabel** captionOut = nullptr) {
    auto* cell = new QWidget;
    auto* column = new QVBoxLayout(cell);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    auto* label = new QLabel(caption);
    label->setFont(smaller(label->font()));
    column->addWidget(label, 0, Qt::AlignHCenter);
    column->addWidget(picture, 0, Qt::AlignHCenter);
    if (captionOut != nullptr)
        *captionOut = label;
    return cell;
}

QGroupBox* group(const QString& title, QLayout* inside) {
    auto* box = new QGroupBox(title);
    inside->setContentsMargins(4, 2, 4, 4);
    inside->setSpacing(2);
    box->setLayout(inside);
    return box;
}

CLedButton* ledButton(const char* caption, CLedButton::Colour colour = CLedButton::Green) {
    auto* button = new CLedButton(QString::fromLatin1(caption), colour);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

// A caption over a value and its arrows.
QWidget* trimRow(const QString& caption, QLabel*& value, UpDownControl*& upDown,
                 const Clock& clock) {
    auto* cell = new QWidget;
    auto* grid = new QGridLayout(cell);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    grid->addWidget(new QLabel(caption), 0, 0, 1, 2);
    value = new QLabel;
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignCenter);
    grid->addWidget(value, 1, 0);
    upDown = new UpDownControl(clock);
    grid->addWidget(upDown, 1, 1);
    grid->setColumnStretch(0, 1);
    return cell;
}
} // namespace

CMonitorView::CMonitorView(CQuenlarRemoteDoc& document)
    : document_(document), observers_(document) {
    setObjectName(QStringLiteral("CMonitorView"));
    setWindowTitle(QStringLiteral("Monitor"));
    // The form holds many controls for its size: a point smaller than the desktop's text.
    QFont compact = font();
    compact.setPointSizeF(compact.pointSizeF() - 1);
    setFont(compact);
    pictures_ = {LedPictures::load(QStringLiteral("off")), LedPictures::load(QStringLiteral("on")),
                 LedPictures::load(QStringLiteral("red on")),
                 LedPictures::load(QStringLiteral("solo off")),
                 LedPictures::load(QStringLiteral("solo on"))};
    buildForm();
    attachObservers();
    addMeterPages();
    form_.volumeReadout->setTextColour(QColor(0, 255, 0));
}

CMonitorView::~CMonitorView() = default;

void CMonitorView::showMeterPage(int index) {
    form_.meterPages->setCurrentIndex(index);
}

void CMonitorView::buildForm() {
    setFixedSize(formWidth, formHeight);
    auto* form = new QHBoxLayout(this);
    form->setContentsMargins(4, 2, 4, 4);
    form->setSpacing(3);
    const std::pair<QWidget*, int> columns[] = {
        {volumeGroup(), volumeWidth},    {speakerColumn(), speakerWidth},
        {downmixGroup(), downmixWidth},  {compressionGroup(), compressionWidth},
        {channelColumn(), channelWidth}, {meterArea(), meterAreaWidth}};
    for (auto [column, width] : columns) {
        column->setFixedWidth(width);
        form->addWidget(column);
    }
}

QWidget* CMonitorView::volumeGroup() {
    auto* grid = new QGridLayout;
    form_.volume = new QSlider(Qt::Vertical);
    const char* const scale[] = {"+10 dB", "0 dB", "-95 dB"};
    for (int i = 0; i < 3; ++i) {
        form_.volumeLabels[static_cast<std::size_t>(i)] = new QLabel(QString::fromLatin1(scale[i]));
        grid->addWidget(form_.volumeLabels[static_cast<std::size_t>(i)], i * 2, 1,
                        i == 1 ? Qt::AlignVCenter : (i == 0 ? Qt::AlignTop : Qt::AlignBottom));
    }
    grid->addWidget(form_.volume, 0, 0, 5, 1, Qt::AlignHCenter);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(3, 1);
    auto* readout = new QHBoxLayout;
    form_.volumeReadout = new CDigitalReadout;
    form_.volumeReadout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    form_.volumeReadout->setMinimumSize(64, CDigitalReadout::digitHeight + 6);
    readout->addWidget(form_.volumeReadout, 1);
    form_.volumeLabels[3] = new QLabel(QStringLiteral("dB"));
    readout->addWidget(form_.volumeLabels[3]);
    grid->addLayout(readout, 5, 0, 1, 2);
    form_.volumeGroup = group(QStringLiteral("Volume"), grid);
    return form_.volumeGroup;
}

QWidget* CMonitorView::speakerColumn() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* speakers = new QVBoxLayout;
    const char* const captions[] = {"Multi", "Stereo", "Mono"};
    for (std::size_t i = 0; i < form_.speakers.size(); ++i) {
        form_.speakers[i] = ledButton(captions[i]);
        speakers->addWidget(form_.speakers[i]);
    }
    form_.speakerGroup = group(QStringLiteral("Speakers"), speakers);
    layout->addWidget(form_.speakerGroup, 3);
    auto* switches = new QHBoxLayout;
    form_.dim = ledButton("Dim", CLedButton::Yellow);
    switches->addWidget(form_.dim, 1);
    form_.ref = new QPushButton(QStringLiteral("Ref"));
    form_.ref->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    switches->addWidget(form_.ref, 1);
    layout->addLayout(switches, 1);
    auto* metadata = new QHBoxLayout;
    for (std::size_t i = 0; i < form_.metadataIn.size(); ++i) {
        form_.metadataIn[i] = lamp();
        metadata->addWidget(captioned(QString::number(i + 1), form_.metadataIn[i]));
    }
    QGroupBox* metadataGroup = group(QStringLiteral("Metadata In"), metadata);
    metadataGroup->setFont(smaller(metadataGroup->font()));
    layout->addWidget(metadataGroup);
    return column;
}

QWidget* CMonitorView::downmixGroup() {
    auto* column = new QVBoxLayout;
    const char* const captions[] = {"Full", "3 Stereo", "Phantom", "Stereo", "Mono"};
    for (std::size_t i = 0; i < form_.downmix.size(); ++i) {
        form_.downmix[i] = ledButton(captions[i]);
        column->addWidget(form_.downmix[i]);
    }
    return group(QStringLiteral("Downmix"), column);
}

QWidget* CMonitorView::compressionGroup() {
    auto* column = new QVBoxLayout;
    auto* modes = new QHBoxLayout;
    const char* const captions[] = {"Custom", "Line", "RF"};
    for (std::size_t i = 0; i < form_.compression.size(); ++i) {
        form_.compression[i] = ledButton(captions[i]);
        modes->addWidget(form_.compression[i]);
    }
    column->addLayout(modes, 1);
    const Clock& clock = document_.clock();
    column->addWidget(
        trimRow(QStringLiteral("Custom Cut"), form_.customCutValue, form_.customCut, clock));
    column->addWidget(
        trimRow(QStringLiteral("Custom Boost"), form_.customBoostValue, form_.customBoost, clock));
    auto* matrix = new QHBoxLayout;
    form_.mx = ledButton("MX");
    form_.mxTwo = ledButton("MX II");
    form_.rflMode = ledButton("RFL Mode");
    for (CLedButton* button : {form_.mx, form_.mxTwo, form_.rflMode})
        matrix->addWidget(button);
    column->addLayout(matrix, 1);
    return group(QStringLiteral("Compression"), column);
}

QWidget* CMonitorView::channelGroup() {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Mute")), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Solo")), 2, 0);
    for (int channel = 0; channel < channels; ++channel) {
        const auto slot = static_cast<std::size_t>(channel);
        grid->addWidget(new QLabel(QString::fromLatin1(channelNames[channel])), 0, channel + 1,
                        Qt::AlignHCenter);
        form_.mutes[slot] = ledButton("", CLedButton::Red);
        form_.solos[slot] = ledButton("", CLedButton::Yellow);
        grid->addWidget(form_.mutes[slot], 1, channel + 1);
        grid->addWidget(form_.solos[slot], 2, channel + 1);
    }
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);
    return group(QStringLiteral("Channels"), grid);
}

// Mute and solo per channel over the input lamps.
QWidget* CMonitorView::channelColumn() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(channelGroup(), 1);
    layout->addWidget(lampRow());
    return column;
}

QWidget* CMonitorView::lampRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    auto* locks = new QHBoxLayout;
    const char* const inputs[] = {"1/2", "3/4", "5/6", "7/8", "Lt/Rt"};
    for (std::size_t i = 0; i < form_.inputLocks.size(); ++i) {
        form_.inputLocks[i] = lamp();
        locks->addWidget(captioned(QString::fromLatin1(inputs[i]), form_.inputLocks[i]));
    }
    layout->addWidget(group(QStringLiteral("Input Lock"), locks), 1);
    form_.soloInput = lamp();
    layout->addWidget(
        captioned(QStringLiteral("Solo\nInput"), form_.soloInput, &form_.soloInputLabel));
    form_.analog = lamp();
    layout->addWidget(captioned(QStringLiteral("Analog\nI/O"), form_.analog));
    return row;
}

QWidget* CMonitorView::meterArea() {
    auto* area = new QWidget;
    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    form_.meterTabs = new QTabBar;
    form_.meterTabs->setProperty("controlId", 1370);
    form_.meterTabs->setDrawBase(false);
    for (const char* caption : {"Input Level", "Lt/Rt Level", "Output Level"})
        form_.meterTabs->addTab(QString::fromLatin1(caption));
    FittedTabs::fit(*form_.meterTabs, meterAreaWidth - 4);
    layout->addWidget(form_.meterTabs);
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("meterFrame"));
    frame->setProperty("controlId", 1409);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    form_.meterPages = new QStackedLayout(frame);
    layout->addWidget(frame, 1);
    connect(form_.meterTabs, &QTabBar::currentChanged, this, &CMonitorView::showMeterPage);
    return area;
}

void CMonitorView::attachObservers() {
    attachLamps();
    attachButtons();
    attachVolume();
    attachChannels();
}

// The metadata inputs, the trims of the custom compression and the input lamps.
void CMonitorView::attachLamps() {
    const Pictures& p = pictures_;
    // A metadata input shows green while valid and red when it reports an error (2).
    observers_.adoptUnbound(id(216, 9), std::make_unique<Win32Bitmap3StateObserver>(
                                            form_.metadataIn[0], 1150, lit, p.on, p.off, p.redOn));
    observers_.adoptUnbound(id(216, 10), std::make_unique<Win32Bitmap3StateObserver>(
                                             form_.metadataIn[1], 1151, lit, p.on, p.off, p.redOn));
    observers_.adoptUnbound(id(117, 49),
                            std::make_unique<Win32TextObserver>(*form_.customCutValue, 1496));
    observers_.adopt(id(117, 49), std::make_unique<Win32SpinObserver>(*form_.customCut, 1233));
    observers_.adoptUnbound(id(117, 48),
                            std::make_unique<Win32TextObserver>(*form_.customBoostValue, 1497));
    observers_.adopt(id(117, 48), std::make_unique<Win32SpinObserver>(*form_.customBoost, 1236));
    const int locks[] = {0, 7, 14, 21, 28};
    for (std::size_t i = 0; i < form_.inputLocks.size(); ++i)
        observers_.adoptUnbound(id(208, locks[i]),
                                std::make_unique<Win32BitmapObserver>(form_.inputLocks[i],
                                                                      1175 + static_cast<int>(i),
                                                                      lit, p.on, p.off));
    observers_.adoptUnbound(id(216, 2),
                            std::make_unique<Win32WindowObserver>(*form_.soloInputLabel, 2190));
    observers_.adoptUnbound(id(216, 2), std::make_unique<Win32BitmapObserver>(
                                            form_.soloInput, 1279, lit, p.soloOn, p.soloOff));
}

// The speaker, downmix and compression buttons.
void CMonitorView::attachButtons() {
    observers_.adoptUnbound(id(197, 15),
                            std::make_unique<Win32WindowObserver>(*form_.speakerGroup, 2189));
    for (int i = 0; i < 3; ++i)
        observers_.adopt(id(197, 15),
                         std::make_unique<Win32GroupedStateButtonObserver>(
                             *form_.speakers[static_cast<std::size_t>(i)], 1472 + i, i, 0));
    for (int i = 0; i < 5; ++i)
        observers_.adopt(id(117, 36),
                         std::make_unique<Win32GroupedStateButtonObserver>(
                             *form_.downmix[static_cast<std::size_t>(i)], 1222 + i, i, 0));
    // Pressing the lit mode again turns compression off (3).
    for (int i = 0; i < 3; ++i)
        observers_.adopt(id(117, 38),
                         std::make_unique<Win32StateButtonObserver>(
                             *form_.compression[static_cast<std::size_t>(i)], 1229 + i, i, 3));
}

// The volume with its read-out and captions, then the switches beside it.
void CMonitorView::attachVolume() {
    observers_.adoptUnbound(id(197, 17),
                            std::make_unique<Win32TextObserver>(*form_.volumeReadout, 1495));
    auto& volume = observers_.adoptUnbound(
        id(197, 17), std::make_unique<Win32SliderObserver>(*form_.volume, 1210, true));
    ObserverActions::bind(volume, observers_.guard());
    observers_.adoptUnbound(id(197, 17),
                            std::make_unique<Win32WindowObserver>(*form_.volumeGroup, 2184));
    for (std::size_t i = 0; i < form_.volumeLabels.size(); ++i)
        observers_.adoptUnbound(id(197, 17),
                                std::make_unique<Win32WindowObserver>(*form_.volumeLabels[i],
                                                                      2185 + static_cast<int>(i)));
    // The unit tells here whether it has analogue monitoring outputs at all.
    observers_.adoptUnbound(id(216, 3),
                            std::make_unique<Win32BitmapObserver>(form_.analog, analogLampId, lit,
                                                                  pictures_.on, pictures_.off));
    observers_.adoptUnbound(id(23, 2), std::make_unique<Win32WindowObserver>(*form_.ref, 1217));
    observers_.adopt(id(197, 16),
                     std::make_unique<Win32StateButtonObserver>(*form_.dim, 1212, 1, 0));
    observers_.adopt(id(23, 66), std::make_unique<Win32StateButtonObserver>(*form_.mx, 1228, 2, 0));
    observers_.adopt(id(23, 66),
                     std::make_unique<Win32StateButtonObserver>(*form_.mxTwo, 1232, 3, 0));
    observers_.adopt(id(117, 37), std::make_unique<Win32SharedParamStateButtonObserver>(
                                      *form_.rflMode, 1227, 2, 0));
    volume.configure(10, 1, 10);
}

// Mute per channel; one channel at most is soloed (7: none), so pressing the lit one clears it.
void CMonitorView::attachChannels() {
    for (int channel = 0; channel < channels; ++channel)
        observers_.adopt(id(117, 40 + channel), std::make_unique<Win32StateButtonObserver>(
                                                    *form_.mutes[static_cast<std::size_t>(channel)],
                                                    2080 + channel, 1, 0));
    for (int channel = 0; channel < channels; ++channel)
        observers_.adopt(id(117, 50), std::make_unique<Win32StateButtonObserver>(
                                          *form_.solos[static_cast<std::size_t>(channel)],
                                          1390 + channel, channel, 7));
}

void CMonitorView::addMeterPages() {
    std::vector<CMeterPage::Meter> inputs;
    for (int i = 0; i < 8; ++i)
        inputs.push_back({QString::number(i + 1), id(204, i), meterIdBase + i});
    const std::vector<CMeterPage::Meter> ltRt = {{"Lt", id(204, 8), meterIdBase + 8},
                                                 {"Rt", id(204, 9), meterIdBase + 9}};
    // The subwoofer's level is reported under 17, not under 13.
    const int outputLevels[channels] = {10, 11, 12, 17, 14, 15, 16};
    std::vector<CMeterPage::Meter> outputs;
    for (int channel = 0; channel < channels; ++channel)
        outputs.push_back({QString::fromLatin1(channelNames[channel]),
                           id(204, outputLevels[channel]), meterIdBase + 10 + channel,
                           meterIdBase + 17 + channel});
    QWidget* frame = form_.meterPages->parentWidget();
    meterPages_ = {new CMeterPage(document_, inputs, false, frame),
                   new CMeterPage(document_, ltRt, false, frame),
                   new CMeterPage(document_, outputs, true, frame)};
    for (CMeterPage* page : meterPages_)
        form_.meterPages->addWidget(page);
}
