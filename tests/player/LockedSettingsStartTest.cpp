// Another program holds the settings database while the player starts: start-up waits only a moment, tells
// the user that the stored list could not be read once the panel is up, and the exit leaves the stored list
// and settings as they were rather than writing the defaults over them.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "app/M1.h"
#include "model/PlayList.h"
#include "model/SysConfig.h"
#include "support/DatabaseLockHolder.h"
#include "support/ShownNotes.h"
#include "support/TempDatabase.h"

namespace {
constexpr std::int16_t kStoredVolume = 55;

class LockedSettingsStart : public ::testing::Test {
  protected:
    void SetUp() override {
        SysConfig config;
        config.setStrDBFilePath(db.path());
        config.setIntVolumeValue(kStoredVolume);
        config.setLngRecyclePlayType(PlayRule::ListLoop);
        ASSERT_TRUE(config.boolSaveData());
        PlayList list;
        list.setStrPLDBFilePath(db.path());
        for (const char* name : {"a.webm", "b.webm"}) {
            const QString path = db.folder() + QLatin1Char('/') + QLatin1String(name);
            QFile(path).open(QIODevice::WriteOnly);
            auto movie = std::make_shared<Movie>(QStringLiteral("F") + QLatin1String(name));
            movie->strFilePath = path;
            movie->strFileName = QLatin1String(name);
            list.addAItem(movie);
            stored << path;
        }
        QString error;
        ASSERT_TRUE(list.boolSavePlayListToPLDB(error)) << error.toStdString();
    }

    TempDatabase db;
    QStringList stored;
};
}  // namespace

TEST_F(LockedSettingsStart, StartsAtOnceSaysSoAndKeepsWhatItCouldNotRead) {
    DatabaseLockHolder lock(db.path());
    ASSERT_TRUE(lock.boolHeld());
    M1 m1(db.folder());
    QElapsedTimer clock;
    clock.start();
    m1.Main(QString());
    const qint64 startUpMs = clock.elapsed();
    bool ended = false;
    m1.objControler()->setProcessEnder([&ended] { ended = true; });
    std::printf("start-up with the settings database locked: %lld ms\n", static_cast<long long>(startUpMs));
    EXPECT_LT(startUpMs, 5000);
    EXPECT_TRUE(m1.controlPanel()->isVisible());

    // The note comes once the event loop runs, over a panel that still answers.
    ASSERT_TRUE(QTest::qWaitFor([] { return !shownNoteTexts().isEmpty(); }, 3000));
    EXPECT_TRUE(shownNoteTexts().join(QString()).contains(QStringLiteral("播放列表")));
    EXPECT_TRUE(m1.controlPanel()->isVisible());
    closeShownNotes();
    EXPECT_TRUE(QTest::qWaitFor([] { return shownNotes().isEmpty(); }, 2000));

    // The other program lets go before the player ends: the exit still writes nothing over what it never
    // read.
    lock.release();
    m1.objControler()->exitSys();
    ASSERT_TRUE(QTest::qWaitFor([&ended] { return ended; }, 10000));
    EXPECT_TRUE(shownNotes().isEmpty());
    EXPECT_EQ(db.storedPaths(), stored);
    SysConfig config;
    config.setStrDBFilePath(db.path());
    ASSERT_TRUE(config.boolGetData());
    EXPECT_EQ(config.intVolumeValue(), kStoredVolume);
    EXPECT_EQ(config.lngRecyclePlayType(), PlayRule::ListLoop);
}

// A lock that ends while the player starts costs only its own length: the list and settings load.
TEST_F(LockedSettingsStart, ALockThatEndsWithinTheWaitCostsOnlyItsLength) {
    DatabaseLockHolder lock(db.path());
    ASSERT_TRUE(lock.boolHeld());
    lock.releaseAfter(400);
    M1 m1(db.folder());
    m1.Main(QString());
    m1.objControler()->setProcessEnder([] {});
    EXPECT_EQ(m1.objPlayList()->lngListCount(), 2);
    EXPECT_EQ(m1.objControler()->intVolumeValue(), kStoredVolume);
    EXPECT_FALSE(QTest::qWaitFor([] { return !shownNotes().isEmpty(); }, 300));
}
