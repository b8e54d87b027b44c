#include "app/views/CMetadataView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include "app/CQuenlarRemoteDoc.h"
#include "app/frames/CMeterBar.h"
#include "app/frames/CSizedFontStatic.h"
#include "app/observers/MeterSettings.h"
#include "app/observers/Win32CheckBoxObserver.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "app/observers/Win32EditObserver.h"
#include "app/observers/Win32MeterObserver.h"
#include "app/observers/Win32RadioButtonObserver.h"
#include "app/observers/Win32TextObserver.h"
#include "app/views/FittedTabs.h"
#include "app/views/MeterScaleRow.h"
#include "app/views/OffsetMeterScaler.h"
#include "app/views/SignedMeterScaler.h"
#include "catalogue/BoolFormatter.h"
#include "catalogue/Vx41Params.h"
#include "model/CompoundParameter.h"
#include "model/StringParameterConverter.h"

namespace {
constexpr CMetadataView::Row audioProcessingRows[] = {{"Channel Mode", 3},
                                                      {"LFE Channel Enable", 7},
                                                      {"DC Highpass Filter", 28},
                                                      {"Lowpass Filter", 29},
                                                      {"LFE Filter", 30},
                                                      {"Surround Phase Shift", 31},
                                                      {"Surround 3 dB Attenuation", 32}};
constexpr CMetadataView::Row bitstreamInfoRows[] = {
    {"Bitstream Mode", 2},         {"Center Mix Level", 4}, {"Surround Mix Level", 5},
    {"Ambiform Mode", 6},          {"Copyright Bit", 14},   {"Original Bitstream", 15},
    {"Audio Production Info", 11}, {"Mix Level", 12},       {"Room Type", 13}};
constexpr CMetadataView::Row extendedBsiRows[] = {{"Preferred Stereo Downmix", 17},
                                                  {"Lt/Rt Center Mix Level", 18},
                                                  {"Lt/Rt Surround Mix Level", 19},
                                                  {"Lo/Ro Center Mix Level", 20},
                                                  {"Lo/Ro Surround Mix Level", 21},
                                                  {"Rearfill Mode", 23},
                                                  {"ConverterType", 25}};

// The mix levels the unit derives itself: shown as text, their source fixed.
constexpr int centerMixItem = 4;
constexpr int surroundMixItem = 5;
constexpr int centerMixTextId = 2266;
constexpr int surroundMixTextId = 2267;

// The items' lists are worded by their parameters: no string table texts.
constexpr int formatterTexts = 0;

const char* const sourceCaptions[] = {"Int", "Ext1", "Ext2"};

ParameterId id(int number, int index) {
    return ParameterId(static_cast<std::uint8_t>(number), static_cast<std::uint8_t>(index));
}

// A compound is worded by its status.
const ParameterFormatter* formatterOf(const Parameter& parameter) {
    if (const auto* compound = dynamic_cast<const CompoundParameter*>(&parameter))
        return compound->status().formatter();
    return parameter.formatter();
}

// "Int", "Ext1", "Ext2"; captioned unless the page has column heads.
std::vector<QRadioButton*> sourceButtons(bool captioned) {
    std::vector<QRadioButton*> buttons;
    for (const char* caption : sourceCaptions) {
        buttons.push_back(new QRadioButton(captioned ? QString::fromLatin1(caption) : QString()));
    }
    return buttons;
}

QHBoxLayout* rowOf(const std::vector<QRadioButton*>& buttons) {
    auto* row = new QHBoxLayout;
    for (QRadioButton* button : buttons)
        row->addWidget(button);
    return row;
}

void addColumnHeads(QGridLayout& grid) {
    for (int source = 0; source < 3; ++source)
        grid.addWidget(new QLabel(QString::fromLatin1(sourceCaptions[source])), 0, 2 + source,
                       Qt::AlignHCenter);
}

MeterSettings meterSettings(double reference, double minimum, double maximum, double multiplier) {
    MeterSettings settings;
    settings.horizontal = true;
    settings.reference = reference;
    settings.minimum = minimum;
    settings.maximum = maximum;
    settings.riseRate = 0;
    settings.fallRate = 40;
    settings.multiplier = multiplier;
    return settings;
}

QWidget* page(QLayout* layout) {
    auto* widget = new QWidget;
    layout->setContentsMargins(6, 4, 6, 4);
    widget->setLayout(layout);
    return widget;
}
} // namespace

CMetadataView::CMetadataView(CQuenlarRemoteDoc& document)
    : document_(document), nameConverter_(std::make_unique<StringParameterConverter>(nameLength)),
      offsetScaler_(std::make_unique<OffsetMeterScaler>()),
      signedScaler_(std::make_unique<SignedMeterScaler>()), observers_(document) {
    setObjectName(QStringLiteral("CMetadataView"));
    setWindowTitle(QStringLiteral("Metadata"));
    setFixedSize(formWidth, formHeight);
    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(4, 4, 4, 4);
    form->setSpacing(2);

    auto* title = new CSizedFontStatic(14, 700);
    title->setAlignment(Qt::AlignCenter);
    form->addWidget(title);

    tabs_ = new QTabBar;
    tabs_->setProperty("controlId", 1000);
    // Each tab at least a fifth of the width, less the gap between tabs.
    tabs_->setStyleSheet(
        QStringLiteral("QTabBar::tab { min-width: %1px; }").arg(formWidth / pageCount - 7 - 2 * 4));
    for (const char* caption :
         {"Tessera", "Audio Processing", "Dynamic Range", "Bitstream Info", "Extended BSI"})
        tabs_->addTab(QString::fromLatin1(caption));
    FittedTabs::fit(*tabs_, formWidth - 8);
    form->addWidget(tabs_);

    auto* placeholder = new QFrame;
    placeholder->setProperty("controlId", 1149);
    placeholder->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    pages_ = new QStackedLayout(placeholder);
    form->addWidget(placeholder, 1);

    pages_->addWidget(tesseraPage());
    pages_->addWidget(rowsPage(audioProcessingRows));
    pages_->addWidget(dynamicRangePage());
    pages_->addWidget(rowsPage(bitstreamInfoRows));
    pages_->addWidget(rowsPage(extendedBsiRows));

    observers_.adoptUnbound(id(21, 1),
                            std::make_unique<Win32TextObserver>(*title, 1407, true, true));
    connect(tabs_, &QTabBar::currentChanged, this, &CMetadataView::showTab);
    showTab(Tessera);
}

CMetadataView::~CMetadataView() = default;

void CMetadataView::showTab(int index) {
    const bool ownPage =
        index == Tessera || index == DynamicRange || index == BitstreamInfo || index == ExtendedBsi;
    pages_->setCurrentIndex(ownPage ? index : AudioProcessing);
}

CMetadataView::Page CMetadataView::pageShown() const {
    return static_cast<Page>(pages_->currentIndex());
}

// The programme's name with where it comes from, and where its metadata come from.
QWidget* CMetadataView::tesseraPage() {
    auto* column = new QVBoxLayout;
    const auto metadataSource = sourceButtons(true);
    auto* metadataGroup = new QGroupBox(QStringLiteral("Program Metadata Source"));
    metadataGroup->setLayout(rowOf(metadataSource));
    column->addWidget(metadataGroup);

    auto* nameGroup = new QGroupBox(QStringLiteral("Program Name"));
    auto* nameColumn = new QVBoxLayout(nameGroup);
    const auto nameSource = sourceButtons(true);
    nameColumn->addLayout(rowOf(nameSource));
    auto* editRow = new QHBoxLayout;
    auto* name = new QLineEdit;
    name->setMaxLength(static_cast<int>(nameLength));
    auto* accept = new QPushButton(QStringLiteral("Accept"));
    accept->setProperty("controlId", 2281);
    editRow->addWidget(name, 1);
    editRow->addWidget(accept);
    nameColumn->addLayout(editRow);
    column->addWidget(nameGroup);
    column->addStretch(1);

    auto& edit = observers_.adopt(
        id(21, 1), std::make_unique<Win32EditObserver>(*name, 1204, *nameConverter_));
    for (int source = 0; source < 3; ++source)
        observers_.adopt(id(27, 0),
                         std::make_unique<Win32RadioButtonObserver>(
                             *nameSource[static_cast<std::size_t>(source)], 1201 + source, source));
    for (int source = 0; source < 3; ++source)
        observers_.adopt(id(29, 1), std::make_unique<Win32RadioButtonObserver>(
                                        *metadataSource[static_cast<std::size_t>(source)],
                                        1164 + source, source));
    // Enter and leaving the box commit too; the button is for those who look for one.
    connect(accept, &QPushButton::clicked, this,
            [this, &edit] { observers_.guard()([&edit] { edit.commit(); }); });
    return page(column);
}

QWidget* CMetadataView::rowsPage(std::span<const Row> rows) {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(6);
    addColumnHeads(*grid);
    int line = 1;
    for (const Row& row : rows)
        addRow(*grid, line++, row);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(line, 1);
    return page(grid);
}

void CMetadataView::addRow(QGridLayout& grid, int line, const Row& row) {
    grid.addWidget(new QLabel(QString::fromLatin1(row.caption)), line, 0);
    const ParameterId value = id(19, row.item);
    const int valueId = rowIdBase + 4 * row.item;
    if (row.item == centerMixItem || row.item == surroundMixItem) {
        auto* text = new QLabel;
        grid.addWidget(text, line, 1);
        observers_.adoptUnbound(
            value, std::make_unique<Win32TextObserver>(
                       *text, row.item == centerMixItem ? centerMixTextId : surroundMixTextId));
    } else if (const auto* words = dynamic_cast<const BoolFormatter*>(
                   formatterOf(*document_.parameters().findOrNull(value)))) {
        std::string checked;
        words->format(checked, ParameterValue(1));
        auto* box = new QCheckBox(QString::fromStdString(checked));
        grid.addWidget(box, line, 1);
        observers_.adopt(value, std::make_unique<Win32CheckBoxObserver>(*box, valueId, 1));
    } else {
        auto* list = new QComboBox;
        grid.addWidget(list, line, 1);
        observers_.adopt(value, std::make_unique<Win32ComboBoxObserver>(
                                    *list, valueId, formatterTexts, formatterTexts - 1));
    }
    addSourceButtons(grid, line, row.item, valueId + 1);
}

void CMetadataView::addSourceButtons(QGridLayout& grid, int line, int item, int firstId) {
    const auto buttons = sourceButtons(false);
    const bool fixedSource = item == centerMixItem || item == surroundMixItem;
    for (int source = 0; source < 3; ++source) {
        QRadioButton* button = buttons[static_cast<std::size_t>(source)];
        button->setEnabled(!fixedSource);
        grid.addWidget(button, line, 2 + source, Qt::AlignHCenter);
        observers_.adopt(id(25, item), std::make_unique<Win32RadioButtonObserver>(
                                           *button, firstId + source, source));
    }
}

// The input level and the gains of the two compression profiles, with the profile of each.
QWidget* CMetadataView::dynamicRangePage() {
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    grid->setHorizontalSpacing(6);
    addColumnHeads(*grid);
    addInputMeter(*grid);
    const Compression line = {"Line Mode Compression", 1163, 1002, 24000, 1007, 38, 20, 24, 0.1875};
    const Compression rf = {"RF Mode Compression", 1160, 1003, 24100, 1018, 35, 21, 48, 0.375};
    addCompression(*grid, 4, line);
    addCompression(*grid, 8, rf);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(12, 1);
    return page(grid);
}

void CMetadataView::addInputMeter(QGridLayout& grid) {
    grid.addWidget(new QLabel(QStringLiteral("Input Level")), 1, 0, 1, 2);
    grid.addWidget(MeterScaleRow::create({"-60", "-40", "-20", "0"}), 2, 0, 1, 5);
    auto* meter = new CMeterBar;
    meter->setFixedHeight(12);
    grid.addWidget(meter, 3, 0, 1, 5);
    observers_.adoptUnbound(id(204, 19), std::make_unique<Win32MeterObserver>(
                                             meter, 1159, offsetScaler_.get(),
                                             meterSettings(-60, -60, 0, 1), document_.clock()));
}

// Gain below 0 draws red left of the centre, above 0 green right of it.
void CMetadataView::addCompression(QGridLayout& grid, int line, const Compression& row) {
    const QString span = QString::number(row.span);
    grid.addWidget(new QLabel(QString::fromLatin1(row.caption)), line, 0, 1, 2);
    grid.addWidget(MeterScaleRow::create({"-" + span, "0", span}), line + 1, 0, 1, 5);
    auto* meter = new CMeterBar;
    meter->setFixedHeight(12);
    grid.addWidget(meter, line + 2, 0, 1, 5);
    auto* list = new QComboBox;
    grid.addWidget(list, line + 3, 0, 1, 2);
    observers_.adoptUnbound(
        id(204, row.meter),
        std::make_unique<Win32MeterObserver>(meter, row.meterId, signedScaler_.get(),
                                             meterSettings(0, -row.span, row.span, row.multiplier),
                                             document_.clock()));
    observers_.adopt(id(19, row.item),
                     std::make_unique<Win32ComboBoxObserver>(*list, row.listId, row.firstTextId,
                                                             row.firstTextId + 5));
    addSourceButtons(grid, line + 3, row.item, row.firstRadioId);
}
