#include "app/dialogs/CGpioSetupPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "app/observers/BoundObservers.h"
#include "app/observers/Win32ComboBoxObserver.h"

// One column of lists: the first list's control id, the texts its values select and the
// parameters, (family, line + offset).
struct GpioColumn {
    int firstControl;
    int firstText;
    int lastText;
    std::uint8_t family;
    int offset;
};

// A fixed line: shown, not configurable.
struct GpioFixedLine {
    const char* pin;
    const char* function;
    int beforeLine; // drawn above this configurable line (lines on the side means at the end)
};

struct GpioSide {
    const char* title;
    int (*pin)(int line);
    // Function, trigger, polarity.
    GpioColumn columns[3];
    std::vector<GpioFixedLine> fixed;
};

namespace {
constexpr int function = 0;
constexpr int trigger = 1;
constexpr int polarity = 2;

int inputPin(int line) {
    return 23 + line;
}

// Pins 3 and 5 carry the fixed lines.
int outputPin(int line) {
    return line == 0 ? 4 : line + 6;
}

const GpioSide* inputs() {
    static const GpioSide side{"Inputs",
                               inputPin,
                               {{1605, 22500, 22568, 201, 30},
                                {1624, 22600, 22601, 201, 0},
                                {1644, 22700, 22701, 201, 15}},
                               {{"", "Solo Control In", CGpioSetupPage::lines}}};
    return &side;
}

const GpioSide* outputs() {
    static const GpioSide side{"Outputs",
                               outputPin,
                               {{1663, 22800, 22867, 203, 32},
                                {1683, 22900, 22901, 203, 1},
                                {1703, 23000, 23001, 203, 17}},
                               {{"3", "Error", 0}, {"5", "Solo Tally", 1}}};
    return &side;
}
} // namespace

CGpioSetupPage::CGpioSetupPage(QWidget* parent) : QWidget(parent) {
    setObjectName("CGpioSetupPage");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(buildSide(*inputs(), 0));
    layout->addWidget(buildSide(*outputs(), lines));
}

CGpioSetupPage::~CGpioSetupPage() = default;

QGroupBox* CGpioSetupPage::buildSide(const GpioSide& side, int firstLine) {
    auto* group = new QGroupBox(side.title, this);
    auto* grid = new QGridLayout(group);
    grid->setVerticalSpacing(2);
    int row = 0;
    int headColumn = 0;
    for (const char* head : {"Pin", "Function", "Trigger", "Polarity"})
        grid->addWidget(new QLabel(head, group), row, headColumn++);
    auto addFixed = [&](const GpioFixedLine& line) {
        ++row;
        int column = 0;
        for (const char* text : {line.pin, line.function, "Level", "Positive/High"})
            grid->addWidget(new QLabel(text, group), row, column++);
    };
    lists_.resize(static_cast<std::size_t>((firstLine + lines) * columns));
    for (int line = 0; line < lines; ++line) {
        for (const GpioFixedLine& fixed : side.fixed)
            if (fixed.beforeLine == line)
                addFixed(fixed);
        ++row;
        grid->addWidget(new QLabel(QString::number(side.pin(line)), group), row, 0);
        for (int column : {function, trigger, polarity}) {
            auto* list = new QComboBox(group);
            // Filled only once bound: room for the longest text from the start.
            list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            list->setMinimumContentsLength(column == function ? 17 : column == trigger ? 5 : 11);
            lists_[static_cast<std::size_t>((firstLine + line) * columns + column)] = list;
            grid->addWidget(list, row, column + 1);
        }
    }
    for (const GpioFixedLine& fixed : side.fixed)
        if (fixed.beforeLine == lines)
            addFixed(fixed);
    grid->setRowStretch(row + 1, 1);
    return group;
}

void CGpioSetupPage::setDocument(CQuenlarRemoteDoc* document) {
    bindings_.reset();
    document_ = document;
    if (document_ != nullptr && isVisible())
        bind(*document_);
}

void CGpioSetupPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (document_ != nullptr && bindings_ == nullptr)
        bind(*document_);
}

void CGpioSetupPage::hideEvent(QHideEvent* event) {
    bindings_.reset();
    QWidget::hideEvent(event);
}

void CGpioSetupPage::bind(CQuenlarRemoteDoc& document) {
    auto bindings = std::make_unique<BoundObservers>(document);
    bindSide(*bindings, *inputs(), 0);
    bindSide(*bindings, *outputs(), lines);
    bindings_ = std::move(bindings);
}

// Per line: function, polarity, trigger.
void CGpioSetupPage::bindSide(BoundObservers& bindings, const GpioSide& side, int firstLine) {
    for (int line = 0; line < lines; ++line) {
        for (int column : {function, polarity, trigger}) {
            const GpioColumn& kind = side.columns[column];
            const int controlId = kind.firstControl + line;
            bindings.add<Win32ComboBoxObserver>(
                ParameterId(kind.family, static_cast<std::uint8_t>(line + kind.offset)),
                list(firstLine + line, column), controlId, kind.firstText, kind.lastText);
        }
    }
}
