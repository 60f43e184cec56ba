#include <gst/gst.h>

#include "RealEngineFixture.h"

namespace {
// Whether GStreamer here can decode the H.264 and AAC of clip.mp4 (only with gstreamer1.0-libav installed).
bool gstreamerDecodesH264() {
    if (!gst_is_initialized()) gst_init(nullptr, nullptr);
    GstElementFactory* factory = gst_element_factory_find("avdec_h264");
    if (factory) gst_object_unref(factory);
    return factory != nullptr;
}
}  // namespace

class EngineFallback : public RealEngineFixture {
  protected:
    void SetUp() override {
        if (!loader.boolInstalled(EngineLoader::kRealPlayer) ||
            !loader.boolInstalled(EngineLoader::kMediaPlayer)) {
            GTEST_SKIP() << "both engine plugins are needed";
        }
    }
};

TEST_F(EngineFallback, TheRealCaseOfOneEngineFailingAndTheOtherPlaying) {
    const bool gstreamerPlaysMp4 = gstreamerDecodesH264();

    // Prefer Media Player: GStreamer fails on H.264 and libmpv takes over, or GStreamer plays it itself.
    build(EngineRule::PreferMediaPlayer);
    ASSERT_TRUE(playFile("clip.mp4"));
    ASSERT_TRUE(waitForState(PlayState::Playing)) << lastError().toStdString();
    EXPECT_EQ(screen->lngCurrentEngine(),
              gstreamerPlaysMp4 ? PlayerEngine::MediaPlayer : PlayerEngine::RealPlayer);
    EXPECT_TRUE(errors->isEmpty());
    screen->stopPlay();

    // Media Player only: the file fails with the Media-Player-only message.
    if (!gstreamerPlaysMp4) {
        build(EngineRule::MediaPlayerOnly);
        ASSERT_TRUE(playFile("clip.mp4"));
        ASSERT_TRUE(errors->wait(20000));
        EXPECT_EQ(
            lastError(),
            QStringLiteral("Media Play无法播放该文件,请通过播放器选择列表使用Real Player重新尝试播放."));
        EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    }
}

TEST_F(EngineFallback, RandomBytesFailInBothEnginesWithTheRulesMessage) {
    const std::pair<int, QString> cases[] = {
        {0, QStringLiteral("无法识别的文件格式")},
        {1, QStringLiteral("无法识别的文件格式.")},
        {2, QStringLiteral("Real Play无法播放该文件,请通过播放器选择列表使用Media Player重新尝试播放.")},
    };
    for (const auto& [rule, message] : cases) {
        build(EngineRule{rule});
        ASSERT_TRUE(playFile("random.bin"));
        ASSERT_TRUE(errors->wait(20000)) << "rule " << rule;
        EXPECT_EQ(lastError(), message) << "rule " << rule;
        QTest::qWait(200);
        EXPECT_EQ(errors->size(), 1);
        EXPECT_EQ(screen->lngState(), PlayState::Stopped);
        EXPECT_TRUE(overs->isEmpty());
    }
}
