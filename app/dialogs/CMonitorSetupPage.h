#pragma once

#include <QWidget>
#include <map>
#include <memory>

#include "model/FloatParameterConverter.h"
#include "model/IntUnitParameterConverter.h"

class BoundObservers;
class CQuenlarRemoteDoc;
class Clock;
class QGridLayout;
class QGroupBox;
class QLabel;

// The "Monitor" page of the setup dialog: speaker selection, trims, delays, bass management, the
// matrix decoder, the test noise and the dim and master trim levels. The page exists before the
// document does; it is bound to the document's parameters while it is shown and lets go of them
// when hidden, so that nothing stays attached behind a closed dialog.
class CMonitorSetupPage : public QWidget {
public:
    // Tick frequencies of the trackbars: every 6 dB of the dim and master levels, every step of
    // the centre width and the dimension.
    static constexpr int dimTicks = 6;
    static constexpr int masterTicks = 12;
    static constexpr int matrixTicks = 1;

    CMonitorSetupPage(const Clock& clock, QWidget* parent);
    ~CMonitorSetupPage() override;

    // The page binds to document from its next showing on; null unbinds for good.
    void setDocument(CQuenlarRemoteDoc* document);
    bool isBound() const { return bindings_ != nullptr; }
    // The control of that id.
    QWidget& control(int controlId) const { return *controls_.at(controlId); }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    template <class Kind> Kind& make(int controlId, QWidget* parent);
    template <class Kind> Kind& at(int controlId) const;
    QLabel& label(int controlId, const QString& text, QWidget* parent);
    QGroupBox& radioGroup(const QString& title, int groupId, std::initializer_list<int> ids,
                          std::initializer_list<const char*> texts);
    void addValueRow(QGridLayout& grid, int row, QLabel& caption, int boxId, int upDownId,
                     bool editable);

    QWidget* buildGeneral();
    QWidget* buildDelays();
    QWidget* buildMatrix();
    QWidget* buildTrims();
    // A level's controls and marks, and the trackbar steps between the marks.
    struct LevelScale {
        const char* caption;
        int captionId;
        int readoutId;
        int sliderId;
        int topId;
        int unityId;
        int bottomId;
        int unitId;
        int stepsAboveUnity;
        int stepsBelowUnity;
        int stepsBelowBottom;
        int lowestId; // 0: no mark below the bottom one
    };
    QWidget* buildLevel(const LevelScale& scale);
    QWidget* buildTestNoise();
    QWidget* buildReversion();

    void bind(CQuenlarRemoteDoc& document);
    void bindSelections(BoundObservers& bindings);
    void bindDelays(BoundObservers& bindings);
    void bindTrims(BoundObservers& bindings);
    void bindLevels(BoundObservers& bindings);

    const Clock& clock_;
    CQuenlarRemoteDoc* document_ = nullptr;
    std::map<int, QWidget*> controls_;
    // Delays and trims in their display words; the converters outlive the observers.
    IntUnitParameterConverter surroundDelay_{1, " ms", 0};
    IntUnitParameterConverter matrixDelay_{1, " ms", 10};
    IntUnitParameterConverter centerDelay_{1, " ms", -3};
    FloatParameterConverter trim_{8, 160, " dB"};
    std::unique_ptr<BoundObservers> bindings_;
};
