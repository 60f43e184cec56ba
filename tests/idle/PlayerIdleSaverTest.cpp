// The built player's own saver after a real idle minute on a real X server: the saver program of the saver
// folder starts once with the screen window's place in its one argument, the player's playback is no
// input, and real input arms it for the next idle minute. The saver is the built text saver behind a
// wrapper that writes its starts down: it covers the monitor the video leaves free and ends at the input.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "model/SysConfig.h"
#include "support/BuildPaths.h"
#include "support/ProgramFolder.h"
#include "support/TestSaver.h"
#include "support/XTools.h"

namespace {
class PlayerIdleSaver : public ProgramFolderTest {};

constexpr int kBeyondAMinute = 90'000;
}  // namespace

TEST_F(PlayerIdleSaver, AnIdleMinuteStartsTheSaverOnceAndInputArmsItAgain) {
    ASSERT_TRUE(folder.installProgram());
    const QString saverFolder = folder.path() + QStringLiteral("/SSP");
    const TestSaver saver{saverFolder, QStringLiteral("drift saver"),
                          saverFolder + QStringLiteral("/sarnwick")};
    ASSERT_TRUE(QFile::copy(built::sarnwick(), saverFolder + QStringLiteral("/sarnwick")));
    folder.seed({built::media("clip.webm"), built::media("clip.ogg")}, [](SysConfig& config) {
        config.setBoolScreenSaver(true);
        config.setLngSSDelayMinute(1);
        config.setStrScrSavProcName(QStringLiteral("drift saver"));
        config.setLngRecyclePlayType(PlayRule::ListLoop);
    });
    ASSERT_TRUE(start({built::media("clip.webm")}));
    ASSERT_TRUE(QTest::qWaitFor([&saver] { return !saver.starts().isEmpty(); }, kBeyondAMinute));

    const QList<WId> screens = xtools::visibleWindows(QStringLiteral("^Kestrune Vandrel$"));
    ASSERT_EQ(screens.size(), 1);
    const QRect place = xtools::windowRectangle(screens.first());
    const QString expected = QStringLiteral("1:RUN##%1##%2##%3##%4##0##Kestrune Vandrel")
                                 .arg(place.x())
                                 .arg(place.y())
                                 .arg(place.width())
                                 .arg(place.height());
    EXPECT_EQ(saver.starts(), QStringList{expected});
    // The video lies on the left monitor: the text saver covers the right one alone.
    const auto saverWindows = [] { return xtools::visibleWindows(QStringLiteral("^sarnwick$")); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return saverWindows().size() == 1; }, 20000));
    EXPECT_EQ(xtools::windowRectangle(saverWindows().first()), QRect(1280, 0, 1920, 1080));
    QTest::qWait(3000);  // the list plays on; the idle period goes on without a second start
    EXPECT_EQ(saver.starts().size(), 1);

    ASSERT_TRUE(xtools::movePointer(place.center()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return saverWindows().isEmpty(); }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([&saver] { return saver.starts().size() == 2; }, kBeyondAMinute));
    EXPECT_EQ(saver.starts().at(1), expected);
}
