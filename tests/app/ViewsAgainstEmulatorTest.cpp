#include <QLabel>
#include <chrono>
#include <map>
#include <set>

#include "LineWait.h"
#include "OnLineFixture.h"
#include "ViewControls.h"
#include "app/frames/CMeterBar.h"
#include "app/views/CMetadataView.h"
#include "app/views/CMonitorView.h"

namespace {
class ViewsAgainstEmulatorTest : public OnLineFixture {
protected:
    ViewsAgainstEmulatorTest() : OnLineFixture({"--animate"}) { monitor.show(); }

    CMeterBar& meter(int index) {
        return *controlOf<CMeterBar>(monitor, CMonitorView::meterIdBase + index);
    }

    // The meters among wanted whose bars changed while the unit was polled. A level can stay
    // under the floor for a good part of the unit's 4 s swing, so polling goes on for up to
    // two swings of real time; the deadline only stops a dead link.
    std::set<int> movedWhilePolling(const std::set<int>& wanted) {
        std::map<int, QImage> before;
        for (int index : wanted)
            before[index] = meter(index).grab().toImage();
        std::set<int> moved;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(8);
        for (int poll = 1;
             moved.size() < wanted.size() && std::chrono::steady_clock::now() < deadline; ++poll) {
            clock.advanceMilliseconds(30);
            document.poll();
            waitForTheLine(document);
            if (poll % 16 != 0)
                continue;
            for (int index : wanted)
                if (meter(index).grab().toImage() != before[index])
                    moved.insert(index);
        }
        return moved;
    }

    void set(int number, int index, int value) {
        parameterOf(document.parameters(), number, index).setValue(value);
    }

    CMonitorView monitor{document};
    CMetadataView metadata{document};
};

TEST_F(ViewsAgainstEmulatorTest, MetersOfEveryPageMoveAndLampsFollowTheUnit) {
    QLabel* analogLamp = controlOf<QLabel>(monitor, CMonitorView::analogLampId);
    const QImage unlit = analogLamp->pixmap().toImage();
    connect();
    ASSERT_EQ(document.connectionState(), CQuenlarRemoteDoc::connectedState);
    document.refreshAll();
    // The unit has analogue monitoring outputs; the program starts out assuming none.
    EXPECT_NE(analogLamp->pixmap().toImage(), unlit);

    // The back-surround output meter is in use with rear fill on back-surround speakers.
    set(117, 39, 1);
    set(117, 37, 2);
    const std::set<int> channelsAndOutputs = {0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16};
    EXPECT_EQ(movedWhilePolling(channelsAndOutputs), channelsAndOutputs);
    // The Lt/Rt meters are in use on the Lt/Rt input.
    set(117, 21, 1);
    EXPECT_EQ(movedWhilePolling({8, 9}), (std::set<int>{8, 9}));
}
} // namespace
