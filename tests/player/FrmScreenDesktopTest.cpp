// The screen window as users of a desktop meet it: a close request is refused, a new volume brings the
// sound back in the engines too, and a clip shorter than the start window still ends normally.
#include <QtTest/qtestspontaneevent.h>
#include <QCloseEvent>

#include "support/ScreenHarness.h"

class FrmScreenDesktop : public ScreenFixture {};

TEST_F(FrmScreenDesktop, ACloseRequestIsRefusedAndPlaybackGoesOn) {
    build(EngineRule::RealPlayerOnly);
    ASSERT_TRUE(loadAndPlay());
    ASSERT_TRUE(waitForState(PlayState::Playing));
    QCloseEvent request;  // as the window manager sends it
    QSpontaneKeyEvent::setSpontaneous(&request);
    QApplication::sendEvent(screen->windowHandle(), &request);
    EXPECT_FALSE(request.isAccepted());
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->lngState(), PlayState::Playing);
}

TEST_F(FrmScreenDesktop, ANewVolumeUnmutesTheEnginesAsWellAsTheWindow) {
    build(EngineRule::MediaPlayerOnly);
    screen->setBoolMute(true);
    ASSERT_TRUE(media->mute());
    screen->setIntVolume(40);
    EXPECT_FALSE(screen->boolMute());
    EXPECT_FALSE(media->mute());
    EXPECT_EQ(real->calls.last(), QStringLiteral("setMute:0"));
}

TEST_F(FrmScreenDesktop, AClipThatEndsInsideTheStartWindowAfterPlayingIsNoFailure) {
    build(EngineRule::RealPlayerOnly, {EngineScript::Outcome::Plays, 5, 300});
    ASSERT_TRUE(loadAndPlay());
    ASSERT_TRUE(overs->wait(5000));
    EXPECT_TRUE(errors->isEmpty()) << lastError().toStdString();
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
}
