#include <gtest/gtest.h>

#include "model/PlayList.h"
#include "support/TempDatabase.h"

namespace {
MoviePtr item(const QString& flag, const QString& path) {
    auto movie = std::make_shared<Movie>(flag);
    movie->strFilePath = path;
    movie->strFileName = path.section(QLatin1Char('/'), -1);
    return movie;
}

PlayList storedList(const TempDatabase& db) {
    PlayList list;
    list.setStrPLDBFilePath(db.path());
    return list;
}
}  // namespace

TEST(PlayListStorage, SavesAndLoadsInOrder) {
    TempDatabase db;
    PlayList list = storedList(db);
    list.addAItem(item(QStringLiteral("F1"), QStringLiteral("/m/it's.webm")));
    list.addAItem(item(QStringLiteral("F2"), QStringLiteral("http://host/b.ogg")));
    list.addAItem(item(QStringLiteral("F3"), QStringLiteral("/m/电影 3.mp4")));
    MoviePtr old;
    list.setPlayItemByFlag(QStringLiteral("F2"), old);
    MoviePtr swapped;
    list.moveAItemUpDown(MoveDirection::Up, QStringLiteral("F3"), swapped);
    QString error;
    ASSERT_TRUE(list.boolSavePlayListToPLDB(error)) << error.toStdString();

    PlayList back = storedList(db);
    ASSERT_TRUE(back.boolGetPlayListFromPLDB(error));
    ASSERT_EQ(back.lngListCount(), 3);
    EXPECT_EQ(back.objGetAItem(1)->strFilePath, QStringLiteral("/m/it's.webm"));
    EXPECT_EQ(back.objGetAItem(2)->strFlag, QStringLiteral("F3"));
    EXPECT_EQ(back.objGetAItem(2)->strFileName, QStringLiteral("电影 3.mp4"));
    EXPECT_EQ(back.objGetPlayItem()->strFlag, QStringLiteral("F2"));
    EXPECT_FALSE(back.objGetActItem());

    PlayList empty = storedList(db);
    ASSERT_TRUE(empty.boolSavePlayListToPLDB(error));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from play_list")).toInt(), 0);
    ASSERT_TRUE(back.boolGetPlayListFromPLDB(error));
    EXPECT_EQ(back.lngListCount(), 0);
}

TEST(PlayListStorage, PlayMarksAsStored) {
    TempDatabase db;
    db.exec(QStringLiteral("insert into play_list values ('F2', 'b', '/b', 0, 2), ('F1', 'a', '/a', 0, 1)"));
    PlayList list = storedList(db);
    QString error;
    ASSERT_TRUE(list.boolGetPlayListFromPLDB(error));
    EXPECT_EQ(list.objGetPlayItem()->strFlag, QStringLiteral("F1"));

    db.exec(QStringLiteral("update play_list set is_play_item = 1"));
    ASSERT_TRUE(list.boolGetPlayListFromPLDB(error));
    EXPECT_TRUE(list.objGetAItem(1)->boolIsPlayItem && list.objGetAItem(2)->boolIsPlayItem);
    MoviePtr old;
    StepState state = StepState::Chosen;
    list.objGetNextPalyItem(false, old, state);
    EXPECT_EQ(old->strFlag, QStringLiteral("F1"));
    EXPECT_FALSE(list.objGetAItem(1)->boolIsPlayItem);
    EXPECT_TRUE(list.objGetAItem(2)->boolIsPlayItem);
}

TEST(PlayListStorage, AFailedSaveKeepsTheStoredList) {
    TempDatabase db;
    db.exec(QStringLiteral(
        "drop table play_list; create table play_list (flag_for_play_list text, file_name text, "
        "file_path text check (file_path <> '/bad'), is_play_item integer, item_order integer)"));
    db.exec(QStringLiteral("insert into play_list values ('F0', 'old', '/old', 1, 1)"));
    PlayList list = storedList(db);
    list.addAItem(item(QStringLiteral("F1"), QStringLiteral("/good")));
    list.addAItem(item(QStringLiteral("F2"), QStringLiteral("/bad")));
    QString error;
    EXPECT_FALSE(list.boolSavePlayListToPLDB(error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from play_list")).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("select file_path from play_list")).toString(),
              QStringLiteral("/old"));
}

TEST(PlayListStorage, DamagedTablesAndFilesAnswerFalse) {
    TempDatabase db;
    db.exec(
        QStringLiteral("drop table play_list; create table play_list (flag_for_play_list text, item_order "
                       "integer); insert into play_list values ('F1', 1)"));
    PlayList list = storedList(db);
    QString error;
    EXPECT_FALSE(list.boolGetPlayListFromPLDB(error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(list.lngListCount(), 0);
    list.addAItem(item(QStringLiteral("F9"), QStringLiteral("/x")));
    EXPECT_FALSE(list.boolSavePlayListToPLDB(error));
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from play_list")).toInt(), 1);

    db.overwrite(QByteArray(2048, '\x01'));
    EXPECT_FALSE(list.boolGetPlayListFromPLDB(error));
    EXPECT_EQ(list.lngListCount(), 0);

    PlayList nowhere;
    nowhere.setStrPLDBFilePath(db.folder() + QStringLiteral("/gone"));
    EXPECT_FALSE(nowhere.boolSavePlayListToPLDB(error));
    EXPECT_FALSE(error.isEmpty());
}
