#pragma once

#include <QString>
#include <cstdint>

#include "PlayerCodes.h"

// The player's run configuration: one row of table "sys" in the settings database. Loaded once at start-up,
// changed in memory while the player runs, written back when the settings are confirmed and at exit.
class SysConfig {
  public:
    static constexpr PlayRule kDefaultRecyclePlayType = kDefaultPlayRule;
    static constexpr std::int16_t kDefaultVolumeValue = kDefaultVolume;
    static constexpr EngineRule kDefaultPlayRuler = kDefaultEngineRule;
    static constexpr bool kDefaultScreenSaver = false;
    static constexpr std::int32_t kDefaultSSDelayMinute = 5;
    static constexpr bool kDefaultPopuMainFaceForErr = false;
    static constexpr bool kDefaultPlayNextOnErr = false;
    static constexpr bool kDefaultSavePlayList = true;
    static constexpr std::int32_t kDefaultCurrentPlayPosition = 0;
    static constexpr std::int32_t kDefaultCurrentPlayItemLen = 100;

    const QString& strDBFilePath() const { return m_strDBFilePath; }
    void setStrDBFilePath(const QString& value) { m_strDBFilePath = value; }

    // Loads the first row; false (every value unchanged) when there is no row to read. A value that cannot be
    // read as its column's number loads as that property's default.
    bool boolGetData();
    // Stores every property into the first row, appending it to an empty table; true when the write landed.
    // Settings that could not be read are never written over: after a failed load nothing is stored.
    bool boolSaveData();
    // True when the last load could not read the table (the file locked by another program, damaged, or
    // without it); an empty table is no failure.
    bool boolLoadFailed() const { return m_boolLoadFailed; }

    PlayRule lngRecyclePlayType() const { return m_lngRecyclePlayType; }
    void setLngRecyclePlayType(PlayRule value) { m_lngRecyclePlayType = value; }
    std::int16_t intVolumeValue() const { return m_intVolumeValue; }
    void setIntVolumeValue(std::int16_t value) { m_intVolumeValue = value; }
    EngineRule lngPlayRuler() const { return m_lngPlayRuler; }
    void setLngPlayRuler(EngineRule value) { m_lngPlayRuler = value; }
    bool boolScreenSaver() const { return m_boolScreenSaver; }
    void setBoolScreenSaver(bool value) { m_boolScreenSaver = value; }
    const QString& strScrSavProcName() const { return m_strScrSavProcName; }
    void setStrScrSavProcName(const QString& value) { m_strScrSavProcName = value; }
    std::int32_t lngSSDelayMinute() const { return m_lngSSDelayMinute; }
    void setLngSSDelayMinute(std::int32_t value) { m_lngSSDelayMinute = value; }
    bool boolPopuMainFaceForErr() const { return m_boolPopuMainFaceForErr; }
    void setBoolPopuMainFaceForErr(bool value) { m_boolPopuMainFaceForErr = value; }
    bool boolPlayNextOnErr() const { return m_boolPlayNextOnErr; }
    void setBoolPlayNextOnErr(bool value) { m_boolPlayNextOnErr = value; }
    bool boolSavePlayList() const { return m_boolSavePlayList; }
    void setBoolSavePlayList(bool value) { m_boolSavePlayList = value; }
    std::int32_t lngCurrentPlayPosition() const { return m_lngCurrentPlayPosition; }
    void setLngCurrentPlayPosition(std::int32_t value) { m_lngCurrentPlayPosition = value; }
    std::int32_t lngCurrentPlayItemLen() const { return m_lngCurrentPlayItemLen; }
    void setLngCurrentPlayItemLen(std::int32_t value) { m_lngCurrentPlayItemLen = value; }

  private:
    QString m_strDBFilePath;
    bool m_boolLoadFailed = false;
    PlayRule m_lngRecyclePlayType = kDefaultRecyclePlayType;
    std::int16_t m_intVolumeValue = kDefaultVolumeValue;
    EngineRule m_lngPlayRuler = kDefaultPlayRuler;
    bool m_boolScreenSaver = kDefaultScreenSaver;
    QString m_strScrSavProcName;
    std::int32_t m_lngSSDelayMinute = kDefaultSSDelayMinute;
    bool m_boolPopuMainFaceForErr = kDefaultPopuMainFaceForErr;
    bool m_boolPlayNextOnErr = kDefaultPlayNextOnErr;
    bool m_boolSavePlayList = kDefaultSavePlayList;
    std::int32_t m_lngCurrentPlayPosition = kDefaultCurrentPlayPosition;
    std::int32_t m_lngCurrentPlayItemLen = kDefaultCurrentPlayItemLen;
};
