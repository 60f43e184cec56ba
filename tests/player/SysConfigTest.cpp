#include <gtest/gtest.h>

#include "model/SysConfig.h"
#include "support/TempDatabase.h"

namespace {
SysConfig loaded(const TempDatabase& db, bool* answer = nullptr) {
    SysConfig config;
    config.setStrDBFilePath(db.path());
    const bool ok = config.boolGetData();
    if (answer) *answer = ok;
    return config;
}

void expectDefaults(const SysConfig& c) {
    EXPECT_EQ(c.lngRecyclePlayType(), PlayRule::InOrder);
    EXPECT_EQ(c.intVolumeValue(), 30);
    EXPECT_EQ(c.lngPlayRuler(), EngineRule::RealPlayerOnly);
    EXPECT_FALSE(c.boolScreenSaver());
    EXPECT_EQ(c.lngSSDelayMinute(), 5);
    EXPECT_FALSE(c.boolPopuMainFaceForErr());
    EXPECT_FALSE(c.boolPlayNextOnErr());
    EXPECT_TRUE(c.boolSavePlayList());
    EXPECT_EQ(c.lngCurrentPlayPosition(), 0);
}
}  // namespace

TEST(SysConfig, MissingDamagedOrEmptyStoreKeepsTheDefaults) {
    TempDatabase db;
    bool answer = true;
    SysConfig empty = loaded(db, &answer);
    EXPECT_FALSE(answer);
    expectDefaults(empty);
    EXPECT_EQ(empty.lngCurrentPlayItemLen(), 100);
    EXPECT_TRUE(empty.strScrSavProcName().isEmpty());

    db.overwrite(QByteArray(4096, '\x5a'));
    SysConfig damaged = loaded(db, &answer);
    EXPECT_FALSE(answer);
    expectDefaults(damaged);
    EXPECT_FALSE(damaged.boolSaveData());
}

TEST(SysConfig, SavesAndLoadsEveryValue) {
    TempDatabase db;
    SysConfig config;
    config.setStrDBFilePath(db.path());
    config.setLngRecyclePlayType(PlayRule::RepeatOne);
    config.setIntVolumeValue(77);
    config.setLngPlayRuler(EngineRule::PreferRealPlayer);
    config.setBoolScreenSaver(true);
    config.setStrScrSavProcName(QStringLiteral("sarnwick"));
    config.setLngSSDelayMinute(12);
    config.setBoolPopuMainFaceForErr(true);
    config.setBoolPlayNextOnErr(true);
    config.setBoolSavePlayList(false);
    config.setLngCurrentPlayPosition(1234);
    config.setLngCurrentPlayItemLen(5400);
    ASSERT_TRUE(config.boolSaveData());
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from sys")).toInt(), 1);

    bool answer = false;
    const SysConfig back = loaded(db, &answer);
    EXPECT_TRUE(answer);
    EXPECT_EQ(back.lngRecyclePlayType(), PlayRule::RepeatOne);
    EXPECT_EQ(back.intVolumeValue(), 77);
    EXPECT_EQ(back.lngPlayRuler(), EngineRule::PreferRealPlayer);
    EXPECT_TRUE(back.boolScreenSaver());
    EXPECT_EQ(back.strScrSavProcName(), QStringLiteral("sarnwick"));
    EXPECT_EQ(back.lngSSDelayMinute(), 12);
    EXPECT_TRUE(back.boolPopuMainFaceForErr());
    EXPECT_TRUE(back.boolPlayNextOnErr());
    EXPECT_FALSE(back.boolSavePlayList());
    EXPECT_EQ(back.lngCurrentPlayPosition(), 1234);
    EXPECT_EQ(back.lngCurrentPlayItemLen(), 5400);

    // A second save updates the one row; an out-of-range play rule is written as 3.
    config.setLngRecyclePlayType(PlayRule{9});
    config.setStrScrSavProcName(QString());
    ASSERT_TRUE(config.boolSaveData());
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from sys")).toInt(), 1);
    EXPECT_EQ(db.scalar(QStringLiteral("select recycle_play from sys")).toInt(), 3);
    EXPECT_EQ(db.scalar(QStringLiteral("select scr_sav_proc_name from sys")).toString(), QStringLiteral(" "));
    EXPECT_EQ(db.scalar(QStringLiteral("select screen_saver from sys")).toInt(), 1);
}

TEST(SysConfig, ReadRules) {
    TempDatabase db;
    db.exec(QStringLiteral("insert into sys values (0, 55, 7, 2, '   ', 3, 1, 0, 1, 10, '')"));
    const SysConfig c = loaded(db);
    EXPECT_EQ(c.lngRecyclePlayType(), PlayRule::InOrder);
    EXPECT_EQ(c.lngPlayRuler(), EngineRule::RealPlayerOnly);
    EXPECT_FALSE(c.boolScreenSaver());
    EXPECT_EQ(c.strScrSavProcName(), QStringLiteral(" "));
    EXPECT_EQ(c.lngCurrentPlayItemLen(), 0);

    db.exec(
        QStringLiteral("update sys set recycle_play = 2, scr_sav_proc_name = ' ', play_ruler = 3, "
                       "volume_value = '12.5'"));
    SysConfig again = loaded(db);
    EXPECT_EQ(again.lngRecyclePlayType(), PlayRule::ListLoop);
    EXPECT_EQ(again.lngPlayRuler(), EngineRule::MediaPlayerOnly);
    EXPECT_EQ(again.intVolumeValue(), 12);
    EXPECT_EQ(again.strScrSavProcName(), QStringLiteral(" "));
    ASSERT_TRUE(again.boolSaveData());
    EXPECT_EQ(db.scalar(QStringLiteral("select scr_sav_proc_name from sys")).toString(), QStringLiteral(" "));
}

TEST(SysConfig, NullsAndTextInNumericColumnsReadAsDefaults) {
    TempDatabase db;
    db.exec(
        QStringLiteral("insert into sys values (null, null, null, null, null, null, null, null, null, null, "
                       "null)"));
    bool answer = false;
    const SysConfig nulls = loaded(db, &answer);
    EXPECT_TRUE(answer);
    expectDefaults(nulls);
    EXPECT_EQ(nulls.lngCurrentPlayItemLen(), 0);
    EXPECT_EQ(nulls.strScrSavProcName(), QStringLiteral(" "));

    db.exec(QStringLiteral(
        "update sys set play_ruler = 'x', screen_saver_delay_minute = "
        "'soon', save_play_list = 'yes', current_play_item_len = 'long', volume_value = 99999"));
    const SysConfig text = loaded(db);
    expectDefaults(text);
    EXPECT_EQ(text.lngCurrentPlayItemLen(), 100);
}

TEST(SysConfig, AMissingColumnRefusesTheSaveWhole) {
    TempDatabase db;
    db.exec(QStringLiteral("drop table sys; create table sys (recycle_play integer, volume_value integer)"));
    db.exec(QStringLiteral("insert into sys values (1, 40)"));
    SysConfig config = loaded(db);
    EXPECT_EQ(config.lngRecyclePlayType(), PlayRule::RepeatOne);
    EXPECT_EQ(config.intVolumeValue(), 40);
    EXPECT_EQ(config.lngPlayRuler(), EngineRule::RealPlayerOnly);
    config.setIntVolumeValue(10);
    EXPECT_FALSE(config.boolSaveData());
    EXPECT_EQ(db.scalar(QStringLiteral("select volume_value from sys")).toInt(), 40);
}
