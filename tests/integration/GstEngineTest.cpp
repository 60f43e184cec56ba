// What only engine 2 on GStreamer does in the screen window; EngineScreenTest.cpp holds what both engines do
// alike.
#include <QTest>

#include "support/BuildPaths.h"
#include "support/GstFeatures.h"
#include "support/RealEngineScreen.h"

// On a machine without gstreamer1.0-libav GStreamer decodes neither the H.264 nor the AAC of clip.mp4.
class GstScreenWithoutLibav : public RealEngineScreen {
  protected:
    GstScreenWithoutLibav() : RealEngineScreen(kGstEngine) {}
    GstWithoutMp4Decoders withoutLibav;
};

TEST_F(GstScreenWithoutLibav, H264FailsWithTheMediaOnlyMessage) {
    ASSERT_TRUE(playFile(built::media("clip.mp4")));
    ASSERT_TRUE(waitForSignal(*errors, 20000));
    QTest::qWait(1000);
    ASSERT_EQ(errors->size(), 1);
    EXPECT_EQ(lastError(), kGstEngine.cannotPlay);
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_FALSE(playing());
    EXPECT_TRUE(overs->isEmpty());
}
