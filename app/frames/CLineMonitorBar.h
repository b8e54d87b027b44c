#pragma once

#include <QDockWidget>
#include <deque>
#include <memory>

#include "link/LineTraceEntry.h"
#include "link/LineTraceSink.h"

class CQuenlarRemoteDoc;
class LineTraceDecoder;
class ModalSeam;
class QLabel;
class QPushButton;
class QTableWidget;

// A dock window showing the serial traffic decoded, one message a row: time, who spoke and the
// message, failed exchanges in red and retries in amber. It listens to the line only while it is
// shown; hidden or closed it leaves nothing in the way of the bytes. Pause keeps the rows as they
// are (the decoding goes on, so it stays in step with the line), Clear empties them, Save writes
// them to a text file as the command-line trace words them.
class CLineMonitorBar : public QDockWidget, private LineTraceSink {
    Q_OBJECT
public:
    // The oldest rows go beyond this many.
    static constexpr int maxRows = 5000;
    enum Column { TimeColumn, DirectionColumn, MessageColumn, ColumnCount };

    CLineMonitorBar(CQuenlarRemoteDoc& document, ModalSeam& seam, QWidget* parent = nullptr);
    ~CLineMonitorBar() override;

    QTableWidget& table() const { return *table_; }
    QPushButton& pauseButton() const { return *pause_; }
    QPushButton& clearButton() const { return *clear_; }
    QPushButton& saveButton() const { return *save_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void traced(const LineTraceEntry& entry) override;
    void listen();
    void stopListening();
    void clear();
    void save();
    void showState();

    CQuenlarRemoteDoc& document_;
    ModalSeam& seam_;
    std::unique_ptr<LineTraceDecoder> decoder_;
    std::deque<LineTraceEntry> entries_;
    QTableWidget* table_;
    QPushButton* pause_;
    QPushButton* clear_;
    QPushButton* save_;
    QLabel* state_;
    bool scrollPending_ = false;
};
