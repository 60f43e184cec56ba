// Engines made on demand in the screen window, on scripted engines: nothing is made before the first play,
// the engine made takes the black area's place with what the window told it, and only a fallback makes the
// other one.
#include "engines/loader/EngineOnDemand.h"
#include "support/ScreenHarness.h"

namespace {
class EngineOnDemand : public ScreenFixture {
  protected:
    void build(EngineRule rule, EngineScript realScript, EngineScript mediaScript) {
        real = nullptr;
        media = nullptr;
        show(std::make_unique<RealPlayerOnDemand>([this, realScript](QWidget*) {
                 auto engine = std::make_unique<ScriptedRealPlayer>(realScript);
                 real = engine.get();
                 return engine;
             }),
             std::make_unique<MediaPlayerOnDemand>([this, mediaScript](QWidget*) {
                 auto engine = std::make_unique<ScriptedMediaPlayer>(mediaScript);
                 media = engine.get();
                 return engine;
             }));
        screen->setLngPlayRuler(rule);
        screen->setIntVolume(40);
    }

    // The engine's video fills the window, shows, and lies below the time display.
    void expectInPlace(QWidget* video) const {
        EXPECT_EQ(video->parentWidget(), screen.get());
        EXPECT_EQ(video->geometry(), screen->rect());
        EXPECT_TRUE(video->isVisible());
        const QObjectList& order = screen->children();
        EXPECT_LT(order.indexOf(video), order.indexOf(screen->picTimShowBack));
    }
};
}  // namespace

TEST_F(EngineOnDemand, OnlyThePlayMakesTheRulesEngineAndTheOtherWaitsForAFallback) {
    build(EngineRule::PreferRealPlayer, {}, {});
    EXPECT_EQ(real, nullptr);  // showing, a path and a volume make nothing
    ASSERT_TRUE(startPlaying());
    ASSERT_NE(real, nullptr);
    EXPECT_EQ(media, nullptr);
    EXPECT_EQ(real->calls.mid(0, 3),
              (QStringList{"setVolume:40", "setMute:0", QStringLiteral("setSource:") + mediaFile()}));
    EXPECT_EQ(real->countOf("play"), 1);
    expectInPlace(real->videoWidget());

    screen->pause();
    EXPECT_EQ(real->calls.last(), QStringLiteral("pause"));
}

TEST_F(EngineOnDemand, AFallbackMakesTheOtherEngineWithWhatTheWindowToldIt) {
    build(EngineRule::PreferRealPlayer, {.outcome = EngineScript::Outcome::Fails}, {});
    ASSERT_TRUE(startPlaying());
    ASSERT_NE(media, nullptr);
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::MediaPlayer);
    EXPECT_EQ(media->URL(), mediaFile());
    EXPECT_EQ(media->volume(), 40);
    EXPECT_FALSE(media->autoStart());
    EXPECT_EQ(media->countOf("autoStart was on"), 0);
    expectInPlace(media->videoWidget());
    EXPECT_FALSE(real->videoWidget()->isVisible());
    EXPECT_TRUE(errors->isEmpty());
}
