#include <QCoreApplication>
#include <QFile>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "app/frames/CLineMonitorBar.h"
#include "link/FaultTolerantProtocol.h"
#include "link/Protocol.h"
#include "link/SerialProtocol.h"
#include "link/TappedSerialDevice.h"
#include "support/ScriptedSerialDevice.h"

namespace {
using Bytes = ScriptedSerialDevice::Bytes;
constexpr ParameterId meter{204, 0};

// The monitor of a document, and a serial line that the test scripts, on which the monitor's tap
// is set as the document would set it on its own line.
class LineMonitorTest : public DocumentFixture {
protected:
    // A read of the meter whose first answer arrives damaged and whose second is good.
    void readWithOneRetry() {
        tapped.setTap(document.lineTap());
        const Bytes answer{meter.number, meter.index, 0x03, 0xFF};
        device.answer(unitBytes::concat({{0x04, 0x08}, unitBytes::reply(answer, 1)}));
        device.answerAfterSilence(unitBytes::concat({{0x04, 0x08}, unitBytes::reply(answer)}));
        ASSERT_EQ(tolerant.read(meter), ParameterValue(1023));
    }

    QTemporaryDir directory;
    CLineMonitorBar monitor{document, seam};
    ScriptedSerialDevice device;
    TappedSerialDevice tapped{device};
    SerialProtocol line{0x8280, &tapped, clock};
    Protocol bridge{line};
    FaultTolerantProtocol tolerant{bridge, 5};
};

TEST_F(LineMonitorTest, ShowsAnExchangeWithOneRetryDecodedWithTheFailureAndRetryMarked) {
    monitor.show();
    readWithOneRetry();

    // The decoder words the messages; the monitor shows each, the failed reply and the retry
    // marked.
    const QTableWidget& table = monitor.table();
    QStringList shown;
    for (int row = 0; row < table.rowCount(); ++row)
        shown << table.item(row, CLineMonitorBar::MessageColumn)->text();
    ASSERT_EQ(shown.size(), 13);
    EXPECT_EQ(shown[0], "select 82 80: read (CC; 0), checksum 32");
    const int failed = 5, retried = 6;
    EXPECT_TRUE(shown[failed].endsWith("expected 2E  [FAILED]"));
    EXPECT_TRUE(shown[retried].endsWith("[retry]"));
    EXPECT_EQ(table.item(0, CLineMonitorBar::DirectionColumn)->text(), "PC");
    EXPECT_EQ(table.item(1, CLineMonitorBar::DirectionColumn)->text(), "Unit");
    // The failed reply and the retry stand out, each in a colour of its own.
    const QBrush plain = table.item(0, 0)->background(),
                 failedRow = table.item(failed, 0)->background(),
                 retriedRow = table.item(retried, 0)->background();
    EXPECT_EQ(plain, QBrush());
    EXPECT_TRUE(failedRow != plain && retriedRow != plain && failedRow != retriedRow);

    // Saved as the command-line trace words it, one message a line.
    const QString path = directory.filePath("trace.txt");
    seam.fileNames = {path};
    monitor.saveButton().click();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(saved.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), shown.size());
    EXPECT_TRUE(lines[retried].endsWith("[retry]"));
    EXPECT_TRUE(lines[0].contains("PC   > select 82 80"));
}

TEST_F(LineMonitorTest, ListensOnlyWhileShownPauseAndClearActOnTheRowsAndTheOldestGo) {
    EXPECT_EQ(document.lineTap(), nullptr);
    monitor.show();
    EXPECT_NE(document.lineTap(), nullptr);

    monitor.pauseButton().click();
    readWithOneRetry();
    EXPECT_EQ(monitor.table().rowCount(), 0);
    monitor.pauseButton().click();
    readWithOneRetry();
    const int rows = monitor.table().rowCount();
    EXPECT_GT(rows, 0);
    monitor.clearButton().click();
    EXPECT_EQ(monitor.table().rowCount(), 0);

    monitor.hide();
    EXPECT_EQ(document.lineTap(), nullptr);
    monitor.show();
    readWithOneRetry();
    EXPECT_EQ(monitor.table().rowCount(), rows);
    QCoreApplication::processEvents();

    // A monitor left open keeps the newest rows, and shows them: past its limit the oldest tenth
    // goes.
    const std::uint8_t ack = 0x04;
    for (int entry = rows; entry <= CLineMonitorBar::maxRows; ++entry)
        document.lineTap()->received(1, {&ack, 1});
    EXPECT_EQ(monitor.table().rowCount(), CLineMonitorBar::maxRows * 9 / 10 + 1);
    QCoreApplication::processEvents();
    QScrollBar* bar = monitor.table().verticalScrollBar();
    EXPECT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
    // Scrolled up to read, it stays there.
    bar->setValue(0);
    document.lineTap()->received(1, {&ack, 1});
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->value(), 0);

    // Closed for good while shown, it stops listening as well.
    auto shown = std::make_unique<CLineMonitorBar>(document, seam);
    shown->show();
    shown.reset();
    EXPECT_EQ(document.lineTap(), nullptr);
}

} // namespace
