#include <QColorSpace>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ViewControls.h"
#include "app/frames/CSplash.h"
#include "app/resources/AppResources.h"

namespace {

class SplashTest : public testing::Test {
protected:
    QPointer<CSplashWnd> showSplash() {
        auto* window = new CSplashWnd(QPixmap(480, 360), 2000, CSplashWnd::CloseOnInput,
                                      [this] { return &mainWindow; });
        window->show();
        return window;
    }

    QWidget mainWindow;
};

TEST_F(SplashTest, StaysAfterItsTimeOutUntilTheMainWindowIsShown) {
    QPointer<CSplashWnd> splash = showSplash();
    const auto* timer = splash->findChild<QTimer*>("SplashTimer");
    splash->checkMainWindow();
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(timer->interval(), CSplashWnd::recheckMilliseconds);
    EXPECT_TRUE(timer->isActive());
    mainWindow.show();
    splash->checkMainWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(splash.isNull()) << "the splash and its picture are freed";
}

TEST_F(SplashTest, AClickOrAKeyClosesItAtOnce) {
    QPointer<CSplashWnd> clicked = showSplash();
    QTest::mouseClick(clicked, Qt::LeftButton);
    EXPECT_FALSE(clicked && clicked->isVisible());
    QPointer<CSplashWnd> keyed = showSplash();
    QTest::keyClick(keyed, Qt::Key_Space);
    EXPECT_FALSE(keyed && keyed->isVisible());
}

TEST_F(SplashTest, ShowsTheProgramsPictureUntilItGoes) {
    AppResources::load();
    {
        CSplash splash(AppResources::splash, 2000, CSplashWnd::CloseOnInput,
                       [this] { return &mainWindow; });
        ASSERT_TRUE(splash.start());
        CSplashWnd* window = shownWindow<CSplashWnd>();
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->size(), QSize(480, 360));
        // The picture itself, pixel for pixel.
        const QImage picture(AppResources::splash);
        QImage shown = window->grab().toImage().convertToFormat(picture.format());
        shown.setColorSpace(picture.colorSpace());
        EXPECT_EQ(shown, picture);
    }
    EXPECT_EQ(shownWindow<CSplashWnd>(), nullptr);
}

} // namespace
