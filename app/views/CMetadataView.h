#pragma once

#include <array>
#include <memory>
#include <span>
#include <vector>

#include <QWidget>

#include "app/observers/BoundObservers.h"
#include "app/observers/ObserverActions.h"

class CQuenlarRemoteDoc;
class ControlObserver;
class MeterScaler;
class ParameterConverter;
class ParameterId;
class QGridLayout;
class QStackedLayout;
class QTabBar;

// The "Metadata" window: the active programme's name and, on five pages, the metadata of the
// programme selected in the Main window with the source of every item. The catalogue points the
// parameters shown here at the selected programme; the view only binds them.
class CMetadataView : public QWidget {
    Q_OBJECT
public:
    static constexpr int formWidth = 427;
    static constexpr int formHeight = 324;
    enum Page { Tessera, AudioProcessing, DynamicRange, BitstreamInfo, ExtendedBsi, pageCount };
    // The metadata rows have no ids in the form: item k's value control is rowIdBase + 4k and
    // its "Int", "Ext1" and "Ext2" buttons are the three ids after it.
    static constexpr int rowIdBase = 3000;
    // The programme name as the unit keeps it.
    static constexpr std::uint32_t nameLength = 32;

    // One metadata item's row: its caption and the item's index.
    struct Row {
        const char* caption;
        int item;
    };

    explicit CMetadataView(CQuenlarRemoteDoc& document);
    ~CMetadataView() override;

    // Pages without a tab of their own show "Audio Processing".
    void showTab(int index);
    // The page on view.
    Page pageShown() const;

private:
    struct Compression {
        const char* caption;
        int meterId;
        int listId;
        int firstTextId;
        int firstRadioId;
        int item;
        int meter;
        double span;
        double multiplier;
    };

    QWidget* tesseraPage();
    QWidget* rowsPage(std::span<const Row> rows);
    QWidget* dynamicRangePage();
    void addRow(QGridLayout& grid, int line, const Row& row);
    void addSourceButtons(QGridLayout& grid, int line, int item, int firstId);
    void addInputMeter(QGridLayout& grid);
    void addCompression(QGridLayout& grid, int line, const Compression& row);

    CQuenlarRemoteDoc& document_;
    QTabBar* tabs_ = nullptr;
    QStackedLayout* pages_ = nullptr;
    std::unique_ptr<ParameterConverter> nameConverter_;
    std::unique_ptr<MeterScaler> offsetScaler_;
    std::unique_ptr<MeterScaler> signedScaler_;
    BoundObservers observers_;
};
