// The exit cannot store the settings and the list (another program holds the database): the user who chose
// to exit is told once, in the program's message box, and the exit still ends.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "app/M1.h"
#include "model/PlayList.h"
#include "support/DatabaseLockHolder.h"
#include "support/ShownNotes.h"
#include "support/TempDatabase.h"

namespace {
class ExitStoreFailure : public ::testing::Test {
  protected:
    void SetUp() override {
        file = db.folder() + QStringLiteral("/clip.webm");
        QFile(file).open(QIODevice::WriteOnly);
        m1.Main(file);
        m1.objControler()->setProcessEnder([this] { ++ends; });
        ASSERT_EQ(m1.objPlayList()->lngListCount(), 1);
    }

    TempDatabase db;
    QString file;
    M1 m1{db.folder()};
    int ends = 0;
};
}  // namespace

TEST_F(ExitStoreFailure, TheUserIsToldOnceAndTheExitEnds) {
    DatabaseLockHolder lock(db.path());
    ASSERT_TRUE(lock.boolHeld());
    QElapsedTimer clock;
    clock.start();
    m1.objControler()->exitSys();
    ASSERT_TRUE(QTest::qWaitFor([] { return !shownNotes().isEmpty(); }, 10000));
    std::printf("the exit's stores gave up after %lld ms\n", static_cast<long long>(clock.elapsed()));
    EXPECT_LT(clock.elapsed(), 6000);
    EXPECT_EQ(shownNotes().size(), 1);
    const QString note = shownNoteTexts().join(QString());
    EXPECT_TRUE(note.contains(QStringLiteral("播放列表")) && note.contains(QStringLiteral("运行参数")))
        << note.toStdString();
    EXPECT_EQ(ends, 0);  // the exit waits for the user to close the note
    closeShownNotes();
    EXPECT_TRUE(QTest::qWaitFor([this] { return ends == 1; }, 2000));
    lock.release();
    PlayList stored;
    stored.setStrPLDBFilePath(db.path());
    QString error;
    ASSERT_TRUE(stored.boolGetPlayListFromPLDB(error));
    EXPECT_EQ(stored.lngListCount(), 0);  // nothing of the session reached the file, and nothing broke
}

// When the session ends nobody is left to read a note: the failure is only logged, and a note already up
// waiting for the user does not hold the end back.
TEST_F(ExitStoreFailure, AtTheSessionsEndItIsOnlyLogged) {
    DatabaseLockHolder lock(db.path());
    ASSERT_TRUE(lock.boolHeld());
    m1.objControler()->exitSys(Controler::ExitCause::SessionEnd);
    ASSERT_TRUE(QTest::qWaitFor([this] { return ends == 1; }, 10000));
    EXPECT_TRUE(shownNotes().isEmpty());
}

TEST_F(ExitStoreFailure, TheSessionsEndDoesNotWaitForTheNote) {
    DatabaseLockHolder lock(db.path());
    ASSERT_TRUE(lock.boolHeld());
    m1.objControler()->exitSys();
    ASSERT_TRUE(QTest::qWaitFor([] { return !shownNotes().isEmpty(); }, 10000));
    m1.objControler()->exitSys(Controler::ExitCause::SessionEnd);
    EXPECT_EQ(ends, 1);
    closeShownNotes();
    QTest::qWait(50);
    EXPECT_EQ(ends, 1);
}
