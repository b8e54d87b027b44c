#include <QFile>
#include <QPushButton>
#include <iterator>
#include <set>
#include <sstream>
#include <vector>

#include "LineWait.h"
#include "OnLineFixture.h"
#include "ViewControls.h"
#include "app/FileCommands.h"
#include "app/dialogs/CSelectParametersDlg.h"
#include "catalogue/Vx41Params.h"
#include "link/LineTraceDecoder.h"
#include "link/LineTraceSink.h"
#include "link/ProtocolException.h"

namespace {
constexpr ParameterId masterTrim{197, 0};
constexpr ParameterId restoring{207, 9};

// The frames the PC sends, decoded, in the order they went on the line ("select 82 80: read (C5;
// 0 1 2), checksum .."), and how many the unit sent.
class FrameLog : public LineTraceSink {
public:
    void traced(const LineTraceEntry& entry) override {
        if (entry.kind != LineTraceEntry::Kind::Frame)
            return;
        if (entry.direction == LineTraceEntry::Direction::ToUnit)
            frames.push_back(entry.text);
        else
            ++answers;
    }
    // Whether a frame does what it names (": read", ": write").
    static auto doing(const char* what) {
        return [what](const std::string& frame) { return frame.find(what) != std::string::npos; };
    }
    std::vector<std::string> reads() const {
        std::vector<std::string> found;
        std::copy_if(frames.begin(), frames.end(), std::back_inserter(found), doing(": read"));
        return found;
    }
    // The indexes a read asks for.
    static std::vector<int> indexes(const std::string& read) {
        std::istringstream asked(read.substr(read.find(';') + 1));
        return {std::istream_iterator<int>(asked), {}};
    }

    std::vector<std::string> frames;
    std::size_t answers = 0;
};

// The document on its line thread against the emulated unit, as the operator meets it.
class DocumentLineTest : public OnLineFixture {
protected:
    DocumentLineTest() { document.setLineTap(&decoder); }

    // The progress window's Cancel, pressed once the work has made that many exchanges.
    void cancelAfter(int exchanges) {
        QObject::connect(&document, &CQuenlarRemoteDoc::exchanged, &document,
                         [counter = std::make_shared<int>(0), exchanges] {
                             if (++*counter != exchanges)
                                 return;
                             if (QWidget* window = shownWindow("ProgressWindow"))
                                 window->findChild<QPushButton*>("cancel")->click();
                         });
    }
    int held(const ParameterId& id) const {
        return document.parameters().find(id).getValue().toInt16();
    }

    FileCommands commands{document, seam};
    FrameLog log;
    LineTraceDecoder decoder{log, clock,
                             LineTraceDecoder::numbersOf(document.parameters().parameters())};
};

// Connecting reads the unit once; a full refresh once polling has run asks for the same frames,
// and no frame names an index twice.
TEST_F(DocumentLineTest, ConnectingReadsTheUnitOnceAndEveryFullReadAsksTheSame) {
    ASSERT_TRUE(connect());
    const std::vector<std::string> connecting = log.reads();
    EXPECT_GE(log.answers, connecting.size());
    // Polling for a while, past the hold-off after the writes of connecting.
    for (int tick = 0; tick < 20; ++tick)
        tickAndWait(document);
    clock.advanceSeconds(3);
    log.frames.clear();
    document.refreshAll();
    // Connecting also reads what the rules ask for as the unit's values arrive.
    const std::vector<std::string> again = log.reads();
    auto next = connecting.begin();
    for (const std::string& read : again) {
        next = std::find(next, connecting.end(), read);
        ASSERT_NE(next, connecting.end()) << read;
        ++next;
    }
    EXPECT_LT(connecting.size(), 2 * again.size());
    for (const std::string& read : connecting) {
        const std::vector<int> asked = FrameLog::indexes(read);
        EXPECT_EQ(std::set<int>(asked.begin(), asked.end()).size(), asked.size()) << read;
    }
}

// The operator's write goes to the line ahead of the rest of a poll step, and no answer of that
// step takes the value back; a category read afterwards shows what the unit kept.
TEST_F(DocumentLineTest, AWriteGoesAheadOfPollingAndStays) {
    // At 9600 a poll step goes in frames of a few ids, so the write meets the step under way.
    store.setNumber("baud rate", 0);
    // The line is watched from after the connect, as a monitor opened then watches it.
    document.setLineTap(nullptr);
    ASSERT_TRUE(connect());
    document.setLineTap(&decoder);
    // The sixth step of the schedule reads the monitoring settings, the trims among them.
    for (int tick = 0; tick < 5; ++tick)
        tickAndWait(document);
    log.frames.clear();
    document.pollingClock().tick();
    // The next ticks wait for the step under way.
    const std::size_t underWay = document.exchangesUnderWay();
    for (int tick = 0; tick < 3; ++tick)
        document.pollingClock().tick();
    EXPECT_EQ(document.exchangesUnderWay(), underWay);
    document.userActionGuard()([this] { document.parameters().find(masterTrim).setValue(50); });
    EXPECT_EQ(held(masterTrim), 50);
    waitForTheLine(document);

    const auto write =
        std::find_if(log.frames.begin(), log.frames.end(), FrameLog::doing(": write"));
    ASSERT_NE(write, log.frames.end());
    EXPECT_GE(std::count_if(write, log.frames.end(), FrameLog::doing(": read")), 2)
        << "the write waited for the whole poll step";
    // A poll frame takes 40 ms of the line at most: four ids at 9600.
    std::size_t most = 0;
    for (const std::string& read : log.reads())
        most = std::max(most, FrameLog::indexes(read).size());
    EXPECT_EQ(most, 4u);
    EXPECT_EQ(held(masterTrim), 50);
    tickAndWait(document);
    EXPECT_EQ(held(masterTrim), 50);

    // Reading the trims' category again brings back what the unit holds.
    document.parameters().find(masterTrim).update({{masterTrim, ParameterValue(20)}});
    ASSERT_EQ(held(masterTrim), 20);
    document.refreshCategory('A');
    waitForTheLine(document);
    EXPECT_EQ(held(masterTrim), 50);
}

// A write the unit no longer answers reaches the recovery, which can end off line.
TEST_F(DocumentLineTest, AWriteToALostUnitReachesTheRecovery) {
    ASSERT_TRUE(connect());
    emulator.stop();
    // Trying again while the unit is still away asks again.
    seam.dialogAnswers = {ScriptedModalSeam::result(QDialog::Accepted),
                          ScriptedModalSeam::result(QDialog::Rejected)};
    document.userActionGuard()([this] { document.parameters().find(masterTrim).setValue(40); });
    waitForTheLine(document);
    EXPECT_EQ(seam.dialogs, (std::vector<QString>{"CCommErrorDlg", "CCommErrorDlg"}));
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::offLineState);
}

// A poll that fails while long work has the line is reported once the work is over.
TEST_F(DocumentLineTest, AFailureMetDuringLongWorkIsReportedAfterIt) {
    ASSERT_TRUE(connect());
    emulator.stop();
    seam.dialogAnswers = {ScriptedModalSeam::result(QDialog::Rejected)};
    EXPECT_TRUE(document.runLongWork("Working...", [this] {
        document.poll();
        waitForTheLine(document);
        EXPECT_TRUE(seam.dialogs.empty()) << "reported while the work goes on";
    }));
    EXPECT_EQ(seam.dialogs, std::vector<QString>{"CCommErrorDlg"});
}

// A unit that answers nothing is reported so, and the program goes on off line.
TEST_F(DocumentLineTest, AUnitThatAnswersNothingLeavesTheProgramOffLine) {
    const EmulatorProcess silent(VX41_EMULATOR, {"--silent-after", "0"});
    EXPECT_THROW(connect(silent.linePath()), ProtocolException);
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::offLineState);
}

TEST_F(DocumentLineTest, ACancelledSaveKeepsTheOldFile) {
    ASSERT_TRUE(connect());
    const QString path = directory.filePath("unit.vxs");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old configuration");
    old.close();
    cancelAfter(2);
    seam.fileNames = {path};
    commands.saveConfiguration(nullptr);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "the old configuration");
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::connectedState);
    EXPECT_TRUE(document.pollingClock().isRunning());
    // The line takes work again.
    EXPECT_TRUE(document.readUnit());
}

// Cancelling the first full read leaves the unit for the simulated one, and says it was not read.
TEST_F(DocumentLineTest, ACancelledFirstReadGoesOffLine) {
    cancelAfter(3);
    EXPECT_FALSE(connect());
    EXPECT_EQ(document.connectionState(), CQuenlarRemoteDoc::offLineState);
}

// A cancelled restore says how far it got, and the unit is told the restore is over.
TEST_F(DocumentLineTest, ACancelledRestoreReportsItsPass) {
    ASSERT_TRUE(connect());
    // Saved, then opened.
    const QString path = directory.filePath("unit.vxs");
    seam.fileNames = {path, path};
    commands.saveConfiguration(nullptr);
    document.parameters().find(masterTrim).setValue(50);
    // Once a restore has read everything and told the unit it runs (six exchanges).
    cancelAfter(6);
    seam.dialogAnswers = {ScriptedModalSeam::clicking(CSelectParametersDlg::operatingId)};
    commands.openConfiguration(nullptr);
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(seam.messages[0].text.startsWith("Restoring was cancelled in pass 2."))
        << seam.messages[0].text.toStdString();
    EXPECT_EQ(document.parameters().getValue(restoring), ParameterValue(0));
}
} // namespace
