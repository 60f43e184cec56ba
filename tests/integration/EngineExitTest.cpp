#include <QElapsedTimer>
#include <QProcess>

#include "RealEngineFixture.h"

// Quitting while an engine plays leaves no engine thread or window holding the process.
TEST(EngineExit, TheProcessEndsPromptlyWhilePlaying) {
    EngineLoader loader{QStringLiteral(KESTRUNE_ENGINE_DIR)};
    for (const char* engine : {"real", "media"}) {
        if (!loader.boolInstalled(QLatin1String(engine) == QLatin1String("real")
                                      ? EngineLoader::kRealPlayer
                                      : EngineLoader::kMediaPlayer)) {
            continue;
        }
        QProcess probe;
        probe.start(QStringLiteral(KESTRUNE_ENGINE_PROBE),
                    {QLatin1String(engine), RealEngineFixture::media("clip.webm"),
                     QStringLiteral("quit-when-playing")});
        ASSERT_TRUE(probe.waitForStarted());
        QElapsedTimer sinceQuit;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                if (!sinceQuit.isValid() && probe.readAllStandardOutput().contains("quitting"))
                    sinceQuit.start();
                return probe.state() == QProcess::NotRunning;
            },
            30000))
            << engine;
        const bool quitting = sinceQuit.isValid() || probe.readAllStandardOutput().contains("quitting");
        EXPECT_TRUE(quitting) << engine << " never played: " << probe.readAllStandardError().toStdString();
        EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit) << engine;
        std::printf("%s: ended %lld ms after quitting while playing\n", engine,
                    static_cast<long long>(sinceQuit.isValid() ? sinceQuit.elapsed() : -1));
    }
}
