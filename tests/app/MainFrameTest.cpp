#include <QApplication>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

#include "ViewControls.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/CommandIds.h"
#include "app/ModalSeam.h"
#include "app/frames/CChildFrame.h"
#include "app/frames/CMainFrame.h"
#include "app/frames/FrameLayout.h"
#include "app/views/CMetadataView.h"
#include "app/views/CMonitorView.h"
#include "support/FakeClock.h"

namespace {
// Stand-ins of the three views with the sizes of their forms.
QWidget* standIn(int width, int height) {
    auto* view = new QWidget;
    view->setFixedSize(width, height);
    return view;
}

class MainFrameTest : public testing::Test {
protected:
    MainFrameTest() {
        frame.setViewFactory(ViewKind::Main, [] { return standIn(361, 324); });
        frame.setViewFactory(ViewKind::Metadata, [] { return standIn(427, 324); });
        frame.setViewFactory(ViewKind::Monitor, [] { return standIn(788, 207); });
        frame.show();
    }

    void run(int commandId) { command(frame, commandId)->trigger(); }

    QRect placeOf(ViewKind kind) const {
        const CChildFrame* child = frame.childFrame(kind);
        return child ? child->geometry() : QRect();
    }

    FakeClock clock;
    ModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
    CMainFrame frame{seam};
};

// The View commands with the real Metadata and Monitor windows; a window reopened at an unchanged
// frame size is still placed.
TEST_F(MainFrameTest, ViewCommandsGiveTheFrameSizesAndWindowPlaces) {
    frame.setViewFactory(ViewKind::Metadata, [this] { return new CMetadataView(document); });
    frame.setViewFactory(ViewKind::Monitor, [this] { return new CMonitorView(document); });
    // The frame comes up at 800 by 600, before any window opens.
    EXPECT_EQ(frame.size(), QSize(800, 600));
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
        run(step.commandId);
        EXPECT_EQ(placeOf(ViewKind::Main), QRect(0, 0, 361, 324)) << step.commandId;
        EXPECT_EQ(placeOf(ViewKind::Metadata), step.metadata) << step.commandId;
        EXPECT_EQ(placeOf(ViewKind::Monitor), step.monitor) << step.commandId;
        // Every window shown whole in the window area, the Edit and Window menus with them.
        for (const CChildFrame* child : frame.findChildren<CChildFrame*>())
            EXPECT_TRUE(child->isVisible() && area->rect().contains(child->geometry()))
                << step.commandId;
        for (const QAction* menu : frame.menuBar()->actions())
            EXPECT_TRUE(menu->isVisible()) << menu->text().toStdString();
        // The frame no larger than its bars make it.
        EXPECT_EQ(frame.size().expandedTo(step.least), frame.size()) << step.commandId;
        EXPECT_LT(frame.width() - step.least.width(), 40) << step.commandId;
        EXPECT_LT(frame.height() - step.least.height(), 120) << step.commandId;
    }
    // A window moved from its window menu or closed is put back in its place.
    frame.childFrame(ViewKind::Main)->move(40, 40);
    delete frame.childFrame(ViewKind::Monitor);
    run(CommandId::ViewAllWindows);
    EXPECT_EQ(placeOf(ViewKind::Main), QRect(0, 0, 361, 324));
    EXPECT_EQ(placeOf(ViewKind::Monitor), monitor);
    // Windows closed from their own window menus: the Metadata window alone keeps the Edit and
    // Window menus too, but the windows shown are no longer all.
    frame.childFrame(ViewKind::Main)->close();
    frame.childFrame(ViewKind::Monitor)->close();
    EXPECT_FALSE(command(frame, CommandId::ViewAllWindows)->isChecked());
    for (const QAction* menu : frame.menuBar()->actions())
        EXPECT_TRUE(menu->isVisible()) << menu->text().toStdString();
    // With no window, they go, and the windows closed are gone for good.
    frame.childFrame(ViewKind::Metadata)->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.findChildren<CChildFrame*>().isEmpty());
    QStringList shown;
    for (const QAction* menu : frame.menuBar()->actions())
        if (menu->isVisible())
            shown << menu->text();
    EXPECT_EQ(shown.join(' '), "&File &View &Settings &Help");
}

// The frame size each set of windows asks for; the frame adds what its own bars take beyond the
// bars these sizes were made for.
TEST(FrameLayoutTest, EachSetOfWindowsAsksForItsFrameSize) {
    EXPECT_EQ(FrameLayout(true, false, true).frameSize(), QSize(800, 600));
    EXPECT_EQ(FrameLayout(false, false, true).frameSize(), QSize(800, 300));
    EXPECT_EQ(FrameLayout(true, true, false).frameSize(), QSize(800, 395));
    EXPECT_EQ(FrameLayout(true, false, false).frameSize(), QSize(372, 395));
    EXPECT_EQ(FrameLayout(false, true, false).frameSize(), QSize(439, 395));
    EXPECT_EQ(FrameLayout(false, false, false).frameSize(), std::nullopt);
    // What the windows themselves take.
    EXPECT_EQ(FrameLayout(true, false, true).windowsSize(), QSize(788, 531));
    EXPECT_EQ(FrameLayout(false, true, false).windowsSize(), QSize(427, 324));
}

// A right click in the frame offers the three arrangements; the one chosen is made.
TEST_F(MainFrameTest, TheRightClickMenuOffersTheArrangements) {
    frame.setViewFactory(ViewKind::Monitor, {}); // so that All Windows cannot be had
    QStringList offered;
    QTimer::singleShot(0, [&offered] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (const QAction* item : menu->actions())
            offered << item->text() + (item->isChecked() ? " (checked)" : "") +
                           (item->isEnabled() ? "" : " (greyed)");
        menu->actions()[1]->trigger();
        menu->close();
    });
    run(CommandId::ViewMain);
    QWidget* area = frame.centralWidget();
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            area->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(area, &click);

    EXPECT_EQ(offered,
              QStringList({"&Main (checked)", "Ma&in && Metadata", "&All Windows (greyed)"}));
    EXPECT_NE(frame.childFrame(ViewKind::Metadata), nullptr);
}

// A shortcut works with its menu closed; the menus' listing shows which keys run what.
TEST_F(MainFrameTest, AShortcutRunsItsCommand) {
    std::vector<int> ran;
    frame.setCommand(CommandId::ExportText, [&ran] { ran.push_back(CommandId::ExportText); });
    QApplication::setActiveWindow(&frame);
    QTest::keyClick(&frame, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(ran, std::vector<int>{CommandId::ExportText});
}

TEST_F(MainFrameTest, AViewWindowCannotBeMaximisedOrSized) {
    run(CommandId::ViewMain);
    CChildFrame* child = frame.childFrame(ViewKind::Main);
    child->showMaximized();
    EXPECT_EQ(child->geometry(), QRect(0, 0, 361, 324));
    EXPECT_EQ(child->widget()->geometry(), child->rect()) << "no title bar over the view";
    emit child->systemMenu()->aboutToShow();
    for (const QAction* action : child->systemMenu()->actions()) {
        const QString text = QString(action->text()).remove(QLatin1Char('&'));
        const bool sizing = text == "Size" || text == "Maximize" || text == "Minimize";
        EXPECT_FALSE(sizing && action->isEnabled()) << text.toStdString();
    }
}

TEST_F(MainFrameTest, HelpTopicsOpensTheUserGuide) {
    run(CommandId::HelpTopics);
    const auto* guide = frame.findChild<QTextBrowser*>("UserGuide");
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->isVisible() && guide->isWindow());
    EXPECT_EQ(guide->size(), QSize(640, 560));
    EXPECT_EQ(guide->windowTitle(), "QuenlarRemote 41 User Guide");
}

} // namespace
