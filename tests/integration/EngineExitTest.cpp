#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include "support/BuildPaths.h"
#include "support/RealEngineScreen.h"

// Quitting while an engine plays leaves no engine thread or window holding the process.
class EngineExit : public EngineScreen {
  protected:
    void SetUp() override { requireEngine(); }
};

INSTANTIATE_TEST_SUITE_P(Real, EngineExit, ::testing::Values(&kMpvEngine, &kGstEngine), engineName);

TEST_P(EngineExit, TheProcessEndsPromptlyWhilePlaying) {
    const char* role = engine.id == EngineLoader::kRealPlayer ? "real" : "media";
    QProcess probe;
    probe.start(built::engineProbe(),
                {QLatin1String(role), built::media("clip.webm"), QStringLiteral("quit-when-playing")});
    ASSERT_TRUE(probe.waitForStarted());
    QElapsedTimer sinceQuit;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (!sinceQuit.isValid() && probe.readAllStandardOutput().contains("quitting")) sinceQuit.start();
            return probe.state() == QProcess::NotRunning;
        },
        30000));
    const bool quitting = sinceQuit.isValid() || probe.readAllStandardOutput().contains("quitting");
    EXPECT_TRUE(quitting) << "never played: " << probe.readAllStandardError().toStdString();
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    std::printf("%s: ended %lld ms after quitting while playing\n", engine.name,
                static_cast<long long>(sinceQuit.isValid() ? sinceQuit.elapsed() : -1));
}
