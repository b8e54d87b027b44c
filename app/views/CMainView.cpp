#include "app/views/CMainView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/CQuenlarRemoteDoc.h"
#include "app/frames/CDigitalReadout.h"
#include "app/frames/CLedButton.h"
#include "app/frames/LedPictures.h"
#include "app/observers/ButtonState.h"
#include "app/observers/ObserverActions.h"
#include "app/observers/Win32BitmapObserver.h"
#include "app/observers/Win32ButtonObserver.h"
#include "app/observers/Win32ButtonToggleObserver.h"
#include "app/observers/Win32CheckBoxObserver.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "app/observers/Win32GroupedStateButtonObserver.h"
#include "app/observers/Win32RadioButtonObserver.h"
#include "app/observers/Win32SliderObserver.h"
#include "app/observers/Win32StateButtonObserver.h"
#include "app/observers/Win32TextObserver.h"
#include "app/resources/AppResources.h"
#include "model/ParameterValue.h"

namespace {
// A lamp is lit while its value, as a signed 16-bit number, is above 0.
bool lit(const ParameterValue& value) {
    return value.toInt16() > 0;
}

std::vector<QRadioButton*> radioRow(const QStringList& captions, QBoxLayout& row) {
    std::vector<QRadioButton*> buttons;
    for (const QString& caption : captions) {
        auto* button = new QRadioButton(caption);
        row.addWidget(button);
        buttons.push_back(button);
    }
    return buttons;
}

// Wide enough for the longest level, "-31.0".
CDigitalReadout* readout() {
    auto* field = new CDigitalReadout;
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("-88.8")) + 8);
    field->setText(QStringLiteral("0.0"));
    return field;
}

QLabel* lamp() {
    auto* picture = new QLabel;
    picture->setFixedSize(10, 10);
    return picture;
}
} // namespace

CMainView::CMainView(CQuenlarRemoteDoc& document) : document_(document), observers_(document) {
    AppResources::load();
    setObjectName(QStringLiteral("CMainView"));
    setWindowTitle(QStringLiteral("Main"));
    buildForm();
    attachObservers();
}

CMainView::~CMainView() = default;

void CMainView::buildForm() {
    setFixedSize(formWidth, formHeight);
    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(6, 4, 6, 6);
    form->setSpacing(4);
    auto* top = new QHBoxLayout;
    top->addWidget(programGroup(), 1);
    top->addWidget(emulatorGroup());
    form->addLayout(top);
    form->addWidget(statusRow());
    form->addWidget(dialogueLevelGroup(), 1);
}

QWidget* CMainView::programGroup() {
    auto* group = new QGroupBox(QStringLiteral("Program Select"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setSpacing(3);
    for (int program = 0; program < 8; ++program) {
        auto* button = new CLedButton(QString::number(program + 1), CLedButton::Green);
        grid->addWidget(button, program / 4, program % 4);
        form_.programs.push_back(button);
    }
    return group;
}

QWidget* CMainView::emulatorGroup() {
    auto* group = new QGroupBox(QStringLiteral("Source"));
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(6, 4, 6, 6);
    column->setSpacing(3);
    auto* sources = new QHBoxLayout;
    form_.emulatorSource = radioRow({"Int", "Ext1", "Ext2"}, *sources);
    column->addLayout(sources);
    auto* switches = new QHBoxLayout;
    form_.bypass = new CLedButton(QStringLiteral("Bypass"), CLedButton::Yellow);
    form_.ltRt = new CLedButton(QStringLiteral("Lt/Rt"), CLedButton::Green);
    switches->addWidget(form_.bypass);
    switches->addWidget(form_.ltRt);
    column->addLayout(switches);
    return group;
}

QWidget* CMainView::statusRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* configuration = new QGroupBox(QStringLiteral("Program Configuration"));
    auto* inside = new QHBoxLayout(configuration);
    inside->setContentsMargins(6, 2, 6, 4);
    form_.configuration = new QComboBox;
    inside->addWidget(form_.configuration);
    layout->addWidget(configuration, 1);

    form_.frameRate = new QLabel;
    form_.frameRate->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    form_.frameRate->setAlignment(Qt::AlignCenter);
    form_.frameRate->setMinimumWidth(76);
    layout->addWidget(form_.frameRate);

    form_.errorLamp = lamp();
    form_.referenceLamp = lamp();
    for (auto [caption, picture] :
         {std::pair{"Error", form_.errorLamp}, std::pair{"V Ref", form_.referenceLamp}}) {
        auto* column = new QVBoxLayout;
        column->setSpacing(2);
        column->addWidget(new QLabel(QString::fromLatin1(caption)), 0, Qt::AlignHCenter);
        column->addWidget(picture, 0, Qt::AlignHCenter);
        layout->addLayout(column);
    }
    return row;
}

QWidget* CMainView::dialogueLevelGroup() {
    auto* group = new QGroupBox(QStringLiteral("Dialogue Level"));
    auto* columns = new QHBoxLayout(group);
    columns->setContentsMargins(6, 4, 6, 6);

    auto* measure = new QVBoxLayout;
    measure->setSpacing(2);
    measure->addWidget(new QLabel(QStringLiteral("Channel Select")));
    form_.channels = new QComboBox;
    measure->addWidget(form_.channels);
    auto* sources = new QHBoxLayout;
    form_.dialNormSource = radioRow({"Int", "Ext1", "Ext2"}, *sources);
    measure->addLayout(sources);
    auto* integration = new QHBoxLayout;
    form_.integration = radioRow({"Short Term", "Infinite"}, *integration);
    measure->addLayout(integration);
    auto* checks = new QHBoxLayout;
    form_.pause = new QCheckBox(QStringLiteral("Pause"));
    form_.metadataHold = new QCheckBox(QStringLiteral("Metadata\nHold"));
    checks->addWidget(form_.pause);
    checks->addWidget(form_.metadataHold);
    measure->addLayout(checks);
    measure->addStretch(1);
    columns->addLayout(measure, 1);

    auto* set = new QVBoxLayout;
    set->addWidget(new QLabel(QStringLiteral("Set")), 0, Qt::AlignHCenter);
    form_.dialNorm = new QSlider(Qt::Vertical);
    set->addWidget(form_.dialNorm, 1, Qt::AlignHCenter);
    columns->addLayout(set);

    auto* values = new QGridLayout;
    values->setVerticalSpacing(3);
    form_.dialNormSet = readout();
    form_.dialNormMeasured = readout();
    form_.accept = new QPushButton(QStringLiteral("\u25B2 Accept"));
    form_.reset = new QPushButton(QStringLiteral("Reset"));
    form_.duration = new QLabel(QStringLiteral("XX:XX:XX"));
    form_.duration->setAlignment(Qt::AlignCenter);
    values->addWidget(form_.dialNormSet, 0, 0);
    values->addWidget(new QLabel(QStringLiteral("dB")), 0, 1);
    values->addWidget(form_.accept, 1, 0, 1, 2);
    values->addWidget(form_.dialNormMeasured, 2, 0);
    values->addWidget(new QLabel(QStringLiteral("dB")), 2, 1);
    values->addWidget(form_.duration, 3, 0, 1, 2);
    values->addWidget(form_.reset, 4, 0, 1, 2);
    values->setRowStretch(5, 1);
    columns->addLayout(values);
    return group;
}

template <typename ObserverType>
void CMainView::onClick(QAbstractButton& button, ObserverType& observer,
                        std::function<void()> after) {
    connect(&button, &QAbstractButton::clicked, this,
            [guard = document_.userActionGuard(), &observer, after = std::move(after)] {
                guard([&observer, &after] {
                    observer.action();
                    after();
                });
            });
}

void CMainView::attachObservers() {
    const QPixmap greenOff = LedPictures::load(QStringLiteral("green off"));
    const QPixmap greenOn = LedPictures::load(QStringLiteral("green on"));
    const QPixmap redOn = LedPictures::load(QStringLiteral("red on"));

    observers_.adopt(ParameterId(21, 0), std::make_unique<Win32ComboBoxObserver>(
                                             *form_.configuration, 1157, 23600, 23621));
    observers_.adopt(ParameterId(117, 57),
                     std::make_unique<Win32ComboBoxObserver>(*form_.channels, 2277, 25800, 25804));
    observers_.adoptUnbound(
        ParameterId(113, 3),
        std::make_unique<Win32BitmapObserver>(form_.referenceLamp, 1158, lit, greenOn, redOn));
    observers_.adoptUnbound(ParameterId(208, 36), std::make_unique<Win32BitmapObserver>(
                                                      form_.errorLamp, 1153, lit, redOn, greenOff));
    observers_.adoptUnbound(ParameterId(207, 7),
                            std::make_unique<Win32TextObserver>(*form_.frameRate, 2150));
    observers_.adoptUnbound(ParameterId(204, 22),
                            std::make_unique<Win32TextObserver>(*form_.duration, 2285));
    resetState_ = std::make_unique<ButtonState>(*form_.reset);
    observers_.adopt(ParameterId(117, 66),
                     std::make_unique<Win32ButtonToggleObserver>(*resetState_, 2280, 0, 1));

    // A new source or programme changes what the unit reports elsewhere: read those parts again.
    for (int source = 0; source < 3; ++source) {
        auto& radio = observers_.adoptUnbound(
            ParameterId(121, 0), std::make_unique<Win32RadioButtonObserver>(
                                     *form_.emulatorSource[source], 1397 + source, source));
        onClick(radio.button(), radio, [this] { document_.refreshCategory('s'); });
    }
    for (int program = 0; program < 8; ++program) {
        auto& button = observers_.adoptUnbound(
            ParameterId(117, 0), std::make_unique<Win32GroupedStateButtonObserver>(
                                     *form_.programs[program], 1193 + program, program, 0));
        onClick(button.button(), button, [this] {
            for (char category : {'M', 'm', 's'})
                document_.refreshCategory(category);
        });
    }
    for (int source = 0; source < 3; ++source)
        observers_.adopt(ParameterId(25, 8),
                         std::make_unique<Win32RadioButtonObserver>(*form_.dialNormSource[source],
                                                                    1098 + source, source));
    for (int mode = 0; mode < 2; ++mode)
        observers_.adopt(ParameterId(117, 56), std::make_unique<Win32RadioButtonObserver>(
                                                   *form_.integration[mode], 2282 + mode, mode));
    observers_.adopt(ParameterId(117, 21),
                     std::make_unique<Win32StateButtonObserver>(*form_.ltRt, 1220, 1, 0));
    observers_.adopt(ParameterId(117, 55),
                     std::make_unique<Win32CheckBoxObserver>(*form_.pause, 1205, 1));
    observers_.adopt(ParameterId(117, 63),
                     std::make_unique<Win32CheckBoxObserver>(*form_.metadataHold, 2281, 1));
    observers_.adoptUnbound(ParameterId(23, 12), std::make_unique<Win32TextObserver>(
                                                     *form_.dialNormMeasured, 1491, true));
    observers_.adopt(ParameterId(23, 0),
                     std::make_unique<Win32ButtonObserver>(*form_.accept, 1209, 1));
    observers_.adoptUnbound(ParameterId(19, 8),
                            std::make_unique<Win32TextObserver>(*form_.dialNormSet, 1492, true));
    auto& slider = observers_.adopt(
        ParameterId(19, 8), std::make_unique<Win32SliderObserver>(*form_.dialNorm, 1219, false));
    observers_.adopt(ParameterId(117, 22),
                     std::make_unique<Win32StateButtonObserver>(*form_.bypass, 1218, 1, 0));
    slider.configure(2, 1, 1);
    form_.dialNormSet->setTextColour(QColor(0, 255, 0));
    form_.dialNormMeasured->setTextColour(QColor(255, 255, 0));
}
