// The video output of each engine on this machine, whose only OpenGL is mesa's software renderer (Xvfb
// offers no direct rendering and no XVideo adaptor): plain X11 drawing, one output for a whole list. The
// picture tests of EngineScreenTest.cpp run on the same output.
#include <QTest>

#include "support/BuildPaths.h"
#include "support/RealEngineScreen.h"
#include "support/XTools.h"

// A clip replaced while it plays, one that plays to its end, and one after that: each shows its picture,
// all through the one output the first clip made.
TEST_P(EngineScreen, DrawsAListOfClipsThroughOnePlainX11Output) {
    for (const char* clip : {"clip.webm", "clip.ogg", "clip.webm"}) {
        startClip(clip);
        EXPECT_TRUE(QTest::qWaitFor([&] { return xtools::distinctColours(grab()) > 20; }, 5000)) << clip;
        if (clip == std::string("clip.ogg")) {
            ASSERT_TRUE(waitForEnd()) << lastError().toStdString();
        }
    }
    EXPECT_TRUE(videoOutput().startsWith(gst() ? "ximagesink" : "x11")) << videoOutput().toStdString();
    EXPECT_EQ(videoOutputsMade(), 1);
}
