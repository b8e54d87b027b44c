#include "app/frames/CLineMonitorBar.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app/CQuenlarRemoteDoc.h"
#include "app/ModalSeam.h"
#include "catalogue/Vx41Params.h"
#include "link/LineTraceDecoder.h"

namespace {
const QString title = QStringLiteral("Line Monitor");

QColor highlight(const LineTraceEntry& entry) {
    if (entry.failure)
        return QColor(255, 200, 200);
    if (entry.retry)
        return QColor(255, 225, 160);
    return {};
}

QString markedText(const LineTraceEntry& entry) {
    QString text = QString::fromStdString(entry.text);
    if (entry.retry)
        text += QStringLiteral("  [retry]");
    if (entry.failure)
        text += QStringLiteral("  [FAILED]");
    return text;
}
} // namespace

CLineMonitorBar::CLineMonitorBar(CQuenlarRemoteDoc& document, ModalSeam& seam, QWidget* parent)
    : QDockWidget(title, parent), document_(document), seam_(seam),
      table_(new QTableWidget(0, ColumnCount)), pause_(new QPushButton(QStringLiteral("&Pause"))),
      clear_(new QPushButton(QStringLiteral("&Clear"))),
      save_(new QPushButton(QStringLiteral("&Save..."))), state_(new QLabel) {
    setObjectName(QStringLiteral("CLineMonitorBar"));
    table_->setObjectName(QStringLiteral("messages"));
    table_->setHorizontalHeaderLabels(
        {QStringLiteral("Time"), QStringLiteral("From"), QStringLiteral("Message")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(TimeColumn, 80);
    table_->setColumnWidth(DirectionColumn, 60);
    pause_->setCheckable(true);
    connect(pause_, &QPushButton::toggled, this, &CLineMonitorBar::showState);
    connect(clear_, &QPushButton::clicked, this, &CLineMonitorBar::clear);
    connect(save_, &QPushButton::clicked, this, &CLineMonitorBar::save);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(pause_);
    buttons->addWidget(clear_);
    buttons->addWidget(save_);
    buttons->addWidget(state_, 1);
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(buttons);
    layout->addWidget(table_, 1);
    setWidget(body);
    showState();
}

CLineMonitorBar::~CLineMonitorBar() {
    stopListening();
}

void CLineMonitorBar::showEvent(QShowEvent* event) {
    QDockWidget::showEvent(event);
    listen();
    showState();
}

void CLineMonitorBar::hideEvent(QHideEvent* event) {
    stopListening();
    QDockWidget::hideEvent(event);
}

void CLineMonitorBar::traced(const LineTraceEntry& entry) {
    if (pause_->isChecked())
        return;
    // Traffic means a connection made since the monitor was shown off line.
    if (!state_->text().isEmpty())
        showState();
    if (table_->rowCount() >= maxRows) {
        // The oldest tenth goes at once: removing rows from the top costs as much for one as for
        // many.
        constexpr int dropped = maxRows / 10;
        table_->model()->removeRows(0, dropped);
        entries_.erase(entries_.begin(), entries_.begin() + dropped);
    }
    entries_.push_back(entry);
    const int row = table_->rowCount();
    // The list follows the traffic unless the operator scrolled up to read.
    QScrollBar& scroll = *table_->verticalScrollBar();
    if (!scrollPending_ && scroll.value() == scroll.maximum()) {
        // Once per turn of the event loop: scrolling costs far more than adding a row.
        scrollPending_ = true;
        QTimer::singleShot(0, this, [this] {
            scrollPending_ = false;
            table_->scrollToBottom();
        });
    }
    table_->insertRow(row);
    const QString texts[ColumnCount] = {
        QString::number(static_cast<double>(entry.elapsedMs) / 1000.0, 'f', 3),
        entry.direction == LineTraceEntry::Direction::ToUnit ? QStringLiteral("PC")
                                                             : QStringLiteral("Unit"),
        markedText(entry)};
    const QColor colour = highlight(entry);
    for (int column = 0; column < ColumnCount; ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        if (colour.isValid())
            item->setBackground(colour);
        table_->setItem(row, column, item);
    }
}

void CLineMonitorBar::listen() {
    if (decoder_)
        return;
    // A decoder of its own for each stretch of listening: it learns the line from the next byte.
    decoder_ = std::make_unique<LineTraceDecoder>(
        static_cast<LineTraceSink&>(*this), document_.clock(),
        LineTraceDecoder::numbersOf(document_.parameters().parameters()));
    document_.setLineTap(decoder_.get());
}

void CLineMonitorBar::stopListening() {
    if (!decoder_)
        return;
    if (document_.lineTap() == decoder_.get())
        document_.setLineTap(nullptr);
    decoder_.reset();
}

void CLineMonitorBar::clear() {
    table_->setRowCount(0);
    entries_.clear();
}

void CLineMonitorBar::save() {
    const QString path =
        seam_.saveFileName(this, QStringLiteral("Save Line Trace"),
                           QStringLiteral("Text Files (*.txt)"), QStringLiteral("txt"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        for (const LineTraceEntry& entry : entries_)
            file.write(QByteArray::fromStdString(LineTraceDecoder::line(entry) + '\n'));
        if (file.commit())
            return;
    }
    seam_.message(
        this, QMessageBox::Warning, title,
        QStringLiteral("The trace could not be saved to %1: %2").arg(path, file.errorString()),
        QMessageBox::Ok, QMessageBox::Ok);
}

void CLineMonitorBar::showState() {
    if (document_.connectionState() != CQuenlarRemoteDoc::connectedState)
        state_->setText(QStringLiteral("Off line: no serial traffic"));
    else
        state_->setText(pause_->isChecked() ? QStringLiteral("Paused") : QString());
}
