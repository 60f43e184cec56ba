// libmpv and the native window of its video widget: mpv lets go of a window before Qt destroys it and draws
// into the one that replaces it, so that it never touches an X window that no longer exists.
#include <QPointer>

#include "support/RealEngineScreen.h"
#include "support/XTools.h"

namespace {
QStringList xErrors;

// X errors as the engines and Qt report them: libmpv's handler through the mpv engine's log, Qt's own
// through qt.qpa.xcb.
void keepXErrors(QtMsgType, const QMessageLogContext&, const QString& text) {
    if (text.contains(QLatin1String("X11 error")) || text.contains(QLatin1String("XCB error")))
        xErrors << text;
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// QWidget::destroy is protected: reached through a member pointer taken in a subclass.
struct NativeWindows : QWidget {
    static void remake(QWidget* window) {
        window->hide();
        (window->*&NativeWindows::destroy)(true, true);
        window->show();
    }
};
}  // namespace

class MpvVideoWindow : public RealEngineScreen {
  protected:
    MpvVideoWindow() : RealEngineScreen(kMpvEngine) {}
    void SetUp() override {
        RealEngineScreen::SetUp();
        xErrors.clear();
        previous = qInstallMessageHandler(keepXErrors);
    }
    void TearDown() override { qInstallMessageHandler(previous); }

    QtMessageHandler previous = nullptr;
};

// The screen window's native windows are destroyed and made anew while a clip is paused: mpv moves into
// the video widget's new window, shows the picture there and plays on to the end.
TEST_F(MpvVideoWindow, FollowsTheVideoWidgetIntoANewNativeWindow) {
    build(EngineRule::RealPlayerOnly);
    ASSERT_TRUE(playFile(built::media("clip.webm")));
    ASSERT_TRUE(waitForState(PlayState::Playing));
    screen->pause();
    QWidget* video = screen->realPlayer()->videoWidget();
    const WId before = video->winId();
    ASSERT_EQ(mpvProperty(screen->realPlayer(), "wid").toULongLong(), before);

    NativeWindows::remake(screen.get());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
    const WId after = video->internalWinId();
    ASSERT_NE(after, 0u);
    ASSERT_NE(after, before);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return mpvProperty(screen->realPlayer(), "wid").toULongLong() == after; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return xtools::distinctColours(grab()) > 20; }, 5000));

    ASSERT_TRUE(screen->play());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !overs->isEmpty() || !errors->isEmpty(); }, 15000));
    EXPECT_EQ(overs->size(), 1);
    EXPECT_TRUE(errors->isEmpty()) << qPrintable(lastError());
    screen.reset();
    EXPECT_TRUE(xErrors.isEmpty()) << qPrintable(xErrors.join(QLatin1Char('\n')));
}

// The window that holds the video widget goes while the engine plays on: mpv lets go of the widget's window
// first and plays on without a picture, rather than taking the lost window for a failure, until it ends.
TEST_F(MpvVideoWindow, LetsGoOfTheVideoWidgetThatGoesBeforeTheEngine) {
    auto host = std::make_unique<QWidget>();
    host->setGeometry(100, 100, 320, 240);
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    std::unique_ptr<RealPlayerEngine> engine = loader.createRealPlayer(host.get());
    engine->videoWidget()->setGeometry(host->rect());
    engine->videoWidget()->show();
    QSignalSpy states(engine.get(), &RealPlayerEngine::stateChanged);
    QSignalSpy failures(engine.get(), &RealPlayerEngine::errorMessage);
    engine->setSource(built::media("clip.webm"));
    engine->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !states.isEmpty(); }, 15000));

    host.reset();
    EXPECT_EQ(engine->videoWidget(), nullptr);
    QTest::qWait(500);
    EXPECT_TRUE(failures.isEmpty()) << qPrintable(failures.value(0).value(0).toString());
    EXPECT_TRUE(engine->canStop());
    engine.reset();
    EXPECT_TRUE(xErrors.isEmpty()) << qPrintable(xErrors.join(QLatin1Char('\n')));
}
