#include <QAction>
#include <QMdiArea>
#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/CommandIds.h"
#include "app/frames/CChildFrame.h"
#include "app/frames/CMainFrame.h"
#include "app/views/CMetadataView.h"
#include "app/views/CMonitorView.h"
#include "support/FakeClock.h"

namespace {
QAction* command(const QWidget& frame, int commandId) {
    for (QAction* action : frame.findChildren<QAction*>())
        if (action->property("commandId").toInt() == commandId)
            return action;
    return nullptr;
}

// The View commands with the real Metadata and Monitor windows.
TEST(ViewLayoutTest, ViewCommandsGiveTheFrameSizesAndWindowPlaces) {
    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
    CMainFrame frame{seam};
    frame.setViewFactory(ViewKind::Main, [] {
        auto* main = new QWidget;
        main->setFixedSize(361, 324);
        return main;
    });
    frame.setViewFactory(ViewKind::Metadata, [&document] { return new CMetadataView(document); });
    frame.setViewFactory(ViewKind::Monitor, [&document] { return new CMonitorView(document); });
    frame.show();

    const auto placeOf = [&frame](ViewKind kind) {
        const CChildFrame* child = frame.childFrame(kind);
        return child ? child->geometry() : QRect();
    };
    const QWidget* area = frame.findChild<QMdiArea*>()->viewport();
    const QRect metadata(361, 0, 427, 324);
    const QRect monitor(0, 324, 788, 207);
    struct Step {
        int commandId;
        QSize least;
        QRect metadata, monitor;
    };
    const Step steps[] = {{CommandId::ViewAllWindows, {800, 600}, metadata, monitor},
                          {CommandId::ViewMain, {372, 395}, {}, {}},
                          {CommandId::ViewMainAndMetadata, {800, 395}, metadata, {}},
                          {CommandId::ViewAllWindows, {800, 600}, metadata, monitor}};
    for (const Step& step : steps) {
        command(frame, step.commandId)->trigger();
        EXPECT_EQ(placeOf(ViewKind::Metadata), step.metadata) << step.commandId;
        EXPECT_EQ(placeOf(ViewKind::Monitor), step.monitor) << step.commandId;
        // Every window whole in the window area, and the frame no larger than its bars make it.
        for (const CChildFrame* child : frame.findChildren<CChildFrame*>())
            EXPECT_TRUE(area->rect().contains(child->geometry())) << step.commandId;
        EXPECT_EQ(frame.size().expandedTo(step.least), frame.size()) << step.commandId;
        EXPECT_LT(frame.width() - step.least.width(), 40) << step.commandId;
        EXPECT_LT(frame.height() - step.least.height(), 120) << step.commandId;
    }
}
} // namespace
