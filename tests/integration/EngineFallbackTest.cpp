#include <QTest>

#include "support/BuildPaths.h"
#include "support/GstFeatures.h"
#include "support/RealEngineScreen.h"

// One engine failing and the other playing, on both real engines. GStreamer decodes clip.mp4 only with
// gstreamer1.0-libav installed; hidden decoders stand for a machine without it (and GstEngineTest.cpp holds
// its failure under "Media Player only").
class EngineFallback : public RealEngineScreen {
  protected:
    EngineFallback() : RealEngineScreen(kGstEngine) {}
    void SetUp() override {
        requireEngine(kMpvEngine);
        if (!IsSkipped() && !HasFatalFailure()) requireEngine(kGstEngine);
    }
};

// The player's own engines are made on demand: the rule's first engine loads at the first play, the other
// one only when a play falls back to it.
TEST_F(EngineFallback, TheOtherEngineLoadsOnlyWhenAPlayFallsBackToIt) {
    EngineLoader engines(built::engineFolder());
    show(engines.createRealPlayerOnDemand(), engines.createMediaPlayerOnDemand());
    screen->setLngPlayRuler(EngineRule::PreferRealPlayer);
    EXPECT_FALSE(engines.boolLoaded(EngineLoader::kRealPlayer));
    ASSERT_TRUE(playFile(built::media("clip.webm")));
    ASSERT_TRUE(waitForState(PlayState::Playing, 20000)) << lastError().toStdString();
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::RealPlayer);
    EXPECT_TRUE(engines.boolLoaded(EngineLoader::kRealPlayer));
    EXPECT_FALSE(engines.boolLoaded(EngineLoader::kMediaPlayer));

    ASSERT_TRUE(playFile(built::media("random.bin")));
    ASSERT_TRUE(errors->wait(20000));
    EXPECT_TRUE(engines.boolLoaded(EngineLoader::kMediaPlayer));
    EXPECT_EQ(lastError(), QStringLiteral("无法识别的文件格式"));
}

TEST_F(EngineFallback, WhereGStreamerCannotDecodeH264MpvTakesOver) {
    GstWithoutMp4Decoders withoutLibav;
    build(EngineRule::PreferMediaPlayer);
    ASSERT_TRUE(playFile(built::media("clip.mp4")));
    ASSERT_TRUE(waitForState(PlayState::Playing, 20000)) << lastError().toStdString();
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::RealPlayer);
    EXPECT_TRUE(errors->isEmpty());
}

TEST_F(EngineFallback, WhereGStreamerDecodesH264ItPlaysItself) {
    if (!gstreamerDecodesMp4())
        GTEST_SKIP() << "GStreamer here decodes no H.264 or AAC (gstreamer1.0-libav is not installed)";
    build(EngineRule::PreferMediaPlayer);
    ASSERT_TRUE(playFile(built::media("clip.mp4")));
    ASSERT_TRUE(waitForState(PlayState::Playing, 20000)) << lastError().toStdString();
    EXPECT_EQ(screen->lngCurrentEngine(), PlayerEngine::MediaPlayer);
    EXPECT_TRUE(errors->isEmpty());
}

TEST_F(EngineFallback, RandomBytesFailInBothEnginesWithTheRulesMessage) {
    const std::pair<int, QString> cases[] = {
        {0, QStringLiteral("无法识别的文件格式")},
        {1, QStringLiteral("无法识别的文件格式.")},
        {2, kMpvEngine.cannotPlay},
    };
    for (const auto& [rule, message] : cases) {
        build(EngineRule{rule});
        ASSERT_TRUE(playFile(built::media("random.bin")));
        ASSERT_TRUE(errors->wait(20000)) << "rule " << rule;
        EXPECT_EQ(lastError(), message) << "rule " << rule;
        QTest::qWait(200);
        EXPECT_EQ(errors->size(), 1);
        EXPECT_EQ(screen->lngState(), PlayState::Stopped);
        EXPECT_TRUE(overs->isEmpty());
    }
}
