#include "SysConfig.h"

#include <limits>
#include <utility>
#include <vector>

#include "ModelLog.h"
#include "db/DataAccess.h"
#include "db/FieldValue.h"

namespace {

const QString kSelectSys = QStringLiteral("select * from sys");

template <typename Int>
Int readInteger(const QVariant& value, Int fallback) {
    const auto number =
        optFieldInteger(value, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max());
    return number ? static_cast<Int>(*number) : fallback;
}

// A flag is on exactly when its column holds the number 1; a value that is no number keeps the default.
bool readFlag(const QVariant& value, bool fallback) {
    const auto number = optFieldNumber(value);
    return number ? *number == 1.0 : fallback;
}

// The stored position and length read as 0 when missing.
std::int32_t readStoredSeconds(const QVariant& value, std::int32_t fallback) {
    return strFieldText(value).isEmpty() ? 0 : readInteger<std::int32_t>(value, fallback);
}

// A blank saver name loads as one space; anything else as stored.
QString readSaverName(const QVariant& value) {
    const QString text = strFieldText(value);
    for (const QChar c : text) {
        if (c != QLatin1Char(' ')) return text;
    }
    return QStringLiteral(" ");
}

PlayRule readRecyclePlayType(const QVariant& value) {
    const auto number = optFieldNumber(value);
    if (number && *number == codeValue(PlayRule::RepeatOne)) return PlayRule::RepeatOne;
    if (number && *number == codeValue(PlayRule::ListLoop)) return PlayRule::ListLoop;
    return PlayRule::InOrder;
}

// An engine rule outside the four known ones loads as the default.
EngineRule readPlayRuler(const QVariant& value) {
    const auto rule = EngineRule{readInteger<std::int32_t>(value, codeValue(SysConfig::kDefaultPlayRuler))};
    return boolIsEngineRule(rule) ? rule : SysConfig::kDefaultPlayRuler;
}

}  // namespace

bool SysConfig::boolGetData() {
    DataAccess dataAccess;
    QString strErrInfo;
    const auto objrs = dataAccess.objrsGetRecordSet1(kSelectSys, m_strDBFilePath, strErrInfo);
    m_boolLoadFailed = !objrs;
    if (!objrs) qCWarning(lcModel) << "settings not read from" << m_strDBFilePath << strErrInfo;
    if (!objrs || objrs->atEOF() || objrs->atBOF()) return false;

    m_lngRecyclePlayType = readRecyclePlayType(objrs->field(QStringLiteral("recycle_play")));
    m_intVolumeValue =
        readInteger<std::int16_t>(objrs->field(QStringLiteral("volume_value")), kDefaultVolumeValue);
    m_lngPlayRuler = readPlayRuler(objrs->field(QStringLiteral("play_ruler")));
    m_boolScreenSaver = readFlag(objrs->field(QStringLiteral("screen_saver")), kDefaultScreenSaver);
    m_strScrSavProcName = readSaverName(objrs->field(QStringLiteral("scr_sav_proc_name")));
    m_lngSSDelayMinute = readInteger<std::int32_t>(objrs->field(QStringLiteral("screen_saver_delay_minute")),
                                                   kDefaultSSDelayMinute);
    m_boolPopuMainFaceForErr =
        readFlag(objrs->field(QStringLiteral("popu_main_face_for_err")), kDefaultPopuMainFaceForErr);
    m_boolPlayNextOnErr =
        readFlag(objrs->field(QStringLiteral("play_next_item_on_err")), kDefaultPlayNextOnErr);
    m_boolSavePlayList = readFlag(objrs->field(QStringLiteral("save_play_list")), kDefaultSavePlayList);
    m_lngCurrentPlayPosition =
        readStoredSeconds(objrs->field(QStringLiteral("current_play_position")), kDefaultCurrentPlayPosition);
    m_lngCurrentPlayItemLen =
        readStoredSeconds(objrs->field(QStringLiteral("current_play_item_len")), kDefaultCurrentPlayItemLen);
    objrs->Close();
    return true;
}

bool SysConfig::boolSaveData() {
    if (m_boolLoadFailed) {
        qCWarning(lcModel) << "settings not stored in" << m_strDBFilePath
                           << "because the stored ones could not be read";
        return false;
    }
    DataAccess dataAccess;
    QString strErrInfo;
    const auto objrs = dataAccess.objrsGetRecordSet1(kSelectSys, m_strDBFilePath, strErrInfo);
    if (!objrs) {
        qCWarning(lcModel) << "settings not stored in" << m_strDBFilePath << strErrInfo;
        return false;
    }
    if (objrs->atEOF() || objrs->atBOF()) objrs->AddNew();

    const PlayRule recyclePlay =
        m_lngRecyclePlayType >= PlayRule::RepeatOne && m_lngRecyclePlayType <= PlayRule::InOrder
            ? m_lngRecyclePlayType
            : PlayRule::InOrder;
    const QString saverName = m_strScrSavProcName.isEmpty() ? QStringLiteral(" ") : m_strScrSavProcName;
    const std::vector<std::pair<QString, QVariant>> columns = {
        {QStringLiteral("volume_value"), m_intVolumeValue},
        {QStringLiteral("play_ruler"), codeValue(m_lngPlayRuler)},
        {QStringLiteral("recycle_play"), codeValue(recyclePlay)},
        {QStringLiteral("screen_saver"), m_boolScreenSaver ? 1 : 0},
        {QStringLiteral("scr_sav_proc_name"), saverName},
        {QStringLiteral("screen_saver_delay_minute"), m_lngSSDelayMinute},
        {QStringLiteral("popu_main_face_for_err"), m_boolPopuMainFaceForErr ? 1 : 0},
        {QStringLiteral("play_next_item_on_err"), m_boolPlayNextOnErr ? 1 : 0},
        {QStringLiteral("save_play_list"), m_boolSavePlayList ? 1 : 0},
        {QStringLiteral("current_play_position"), m_lngCurrentPlayPosition},
        {QStringLiteral("current_play_item_len"), m_lngCurrentPlayItemLen},
    };
    // A table missing one of the columns is refused whole rather than half written.
    for (const auto& [name, value] : columns) {
        if (!objrs->setField(name, value)) {
            qCWarning(lcModel) << "settings not stored: table sys has no column" << name;
            return false;
        }
    }
    const bool saved = objrs->UpdateBatch(strErrInfo);
    if (!saved) qCWarning(lcModel) << "settings not stored in" << m_strDBFilePath << strErrInfo;
    objrs->Close();
    return saved;
}
