#include "ScrSavParameters.h"

#include "SaverSchema.h"
#include "db/DataAccess.h"
#include "db/DatabaseFile.h"

namespace {
const QString kSelectAll = QStringLiteral("select * from pram_list");
const QString kIdColumn = QStringLiteral("pram_id");
const QString kValueColumn = QStringLiteral("pram_value");

QString strPramId(std::int32_t lngIndex) {
    return QStringLiteral("P%1").arg(lngIndex);
}
}  // namespace

void ScrSavParameters::createDBIfNotExist() {
    QString ignored;
    boolCreateDatabaseIfMissing(m_strScrSavProcPramFilePath, kSaverSchemaSql, ignored);
}

bool ScrSavParameters::boolGetPramsFromFile(std::int32_t lngPramCount, QString& strErrInfo) {
    m_astrPrams = QStringList{QString()};
    if (lngPramCount <= 0) return false;
    for (std::int32_t i = 1; i <= lngPramCount; ++i) m_astrPrams << kNotExist;

    DataAccess access;
    const auto objrs = access.objrsGetRecordSet1(kSelectAll, m_strScrSavProcPramFilePath, strErrInfo);
    if (!objrs) return false;
    // The rows are filtered in memory: no value ever becomes part of the SQL text.
    for (std::int32_t i = 1; i <= lngPramCount; ++i) {
        objrs->setFilter(kIdColumn, strPramId(i));
        if (objrs->RecordCount() == 0) continue;
        objrs->MoveFirst();
        const QVariant value = objrs->field(kValueColumn);
        m_astrPrams[i] = value.isNull() ? QString() : value.toString();
    }
    return true;
}

bool ScrSavParameters::boolGetAPramByIndex(std::int32_t lngIndex, QString& strPramValue) const {
    const bool inRange = lngIndex >= 1 && lngIndex <= lngGetPramCount();
    strPramValue = inRange ? m_astrPrams.at(lngIndex) : kNotExist;
    return inRange;
}

bool ScrSavParameters::boolSetAPramByIndex(std::int32_t lngIndex, const QString& strV) {
    if (lngIndex < 1 || lngIndex > lngGetPramCount()) return false;
    m_astrPrams[lngIndex] = strV;
    return true;
}

QString ScrSavParameters::strPram(std::int32_t lngIndex) const {
    QString value;
    boolGetAPramByIndex(lngIndex, value);
    return value;
}

bool ScrSavParameters::boolSavePramsToDB(QString& strErrInfo) {
    strErrInfo.clear();
    if (lngGetPramCount() == 0) return true;
    DataAccess access;
    const auto objrs = access.objrsGetRecordSet1(kSelectAll, m_strScrSavProcPramFilePath, strErrInfo);
    if (!objrs) return false;
    for (std::int32_t i = 1; i <= lngGetPramCount(); ++i) {
        objrs->setFilter(kIdColumn, strPramId(i));
        if (objrs->RecordCount() == 0) {
            objrs->AddNew();
            objrs->setField(kIdColumn, strPramId(i));
        } else {
            objrs->MoveFirst();
        }
        objrs->setField(kValueColumn, m_astrPrams.at(i));
    }
    objrs->clearFilter();
    const bool saved = objrs->UpdateBatch(strErrInfo);
    objrs->Close();
    return saved;
}
