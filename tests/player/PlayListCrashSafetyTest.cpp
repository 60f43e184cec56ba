// A player killed (SIGKILL) in the middle of storing a list of 20,000 items leaves a sound database holding
// the list it had before or the one it was storing, whole: never a mix, never a part.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>
#include <random>

#include "support/TempDatabase.h"

namespace {
constexpr int kKills = 50;
constexpr qint64 kItems = 20000;

// What the file holds after a kill: the generation of its list (-1 for none), and whether it is sound and
// holds that one list whole.
struct StoredList {
    bool sound = false;
    bool whole = false;
    qint64 generation = -1;
};

qint64 number(sqlite3* db, const char* sql, qint64 generation = 0) {
    sqlite3_stmt* statement = nullptr;
    qint64 value = -1;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK) {
        sqlite3_bind_int64(statement, 1, generation);
        if (sqlite3_step(statement) == SQLITE_ROW) value = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    return value;
}

// The first connection after a kill is the one that rolls an unfinished save back.
StoredList readStoredList(const QString& path) {
    StoredList stored;
    sqlite3* db = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &db) != SQLITE_OK) return stored;
    sqlite3_stmt* check = nullptr;
    if (sqlite3_prepare_v2(db, "pragma integrity_check", -1, &check, nullptr) == SQLITE_OK &&
        sqlite3_step(check) == SQLITE_ROW) {
        stored.sound = qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok") == 0 &&
                       sqlite3_step(check) == SQLITE_DONE;
    }
    sqlite3_finalize(check);
    const qint64 rows = number(db, "select count(*) from play_list");
    if (rows == 0) {
        stored.whole = true;
    } else {
        stored.generation = number(
            db,
            "select cast(substr(flag_for_play_list, 2, instr(flag_for_play_list, '-') - 2) as integer) "
            "from play_list limit 1");
        const qint64 matching = number(
            db,
            "select count(distinct item_order) from play_list where item_order between 1 and 20000 and "
            "flag_for_play_list = 'G' || ?1 || '-' || item_order and "
            "file_path = '/media/g' || ?1 || '/' || item_order || '.webm'",
            stored.generation);
        stored.whole = rows == kItems && matching == kItems;
    }
    sqlite3_close(db);
    return stored;
}

// The generations the saver's lines name: the last it finished and the last it began.
void readSaverLines(QProcess& saver, qint64& lastSaved, qint64& lastBegun, qint64& saveMs) {
    while (saver.canReadLine()) {
        const QList<QByteArray> words = saver.readLine().trimmed().split(' ');
        if (words.value(0) == "saving") lastBegun = words.value(1).toLongLong();
        if (words.value(0) == "saved") {
            lastSaved = words.value(1).toLongLong();
            saveMs = words.value(2).toLongLong();
        }
    }
}
}  // namespace

TEST(PlayListCrashSafety, AKilledSaveLeavesTheOldListOrTheNewOneWhole) {
    TempDatabase db;
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    qint64 stored = -1;  // the generation the file holds
    qint64 saveMs = 200;
    int killsInASave = 0;
    QElapsedTimer clock;
    clock.start();
    for (int kill = 0; kill < kKills; ++kill) {
        QProcess saver;
        saver.start(QStringLiteral(KESTRUNE_LIST_SAVER), {db.path(), QString::number(stored + 1)});
        ASSERT_TRUE(saver.waitForStarted(10000));
        qint64 lastSaved = stored, lastBegun = stored;
        // From the moment the first save begins, a moment within the next one and a half saves.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                saver.waitForReadyRead(10);
                readSaverLines(saver, lastSaved, lastBegun, saveMs);
                return lastBegun > stored;
            },
            10000));
        const auto delay = std::uniform_int_distribution<qint64>(0, saveMs * 3 / 2)(random);
        QThread::msleep(static_cast<unsigned long>(delay));
        saver.kill();
        ASSERT_TRUE(saver.waitForFinished(10000));
        readSaverLines(saver, lastSaved, lastBegun, saveMs);
        if (QFile(db.path() + QStringLiteral("-journal")).size() > 0) ++killsInASave;

        const StoredList list = readStoredList(db.path());
        SCOPED_TRACE(testing::Message() << "kill " << kill << " after " << delay << " ms, seed " << seed);
        ASSERT_TRUE(list.sound);
        ASSERT_TRUE(list.whole) << "generation " << list.generation;
        ASSERT_TRUE(list.generation == lastSaved || list.generation == lastBegun)
            << list.generation << " stored, " << lastSaved << " saved, " << lastBegun << " begun";
        stored = list.generation;
    }
    std::printf("%d kills, %d of them in the middle of a save (%lld ms a save), in %lld ms\n", kKills,
                killsInASave, static_cast<long long>(saveMs), static_cast<long long>(clock.elapsed()));
    EXPECT_GE(killsInASave, kKills / 5);
}
