#include "FileAsocaList.h"

#include <QDir>

#include "RegAccess.h"
#include "base/ProgramPaths.h"
#include "db/DataAccess.h"
#include "db/SettingsDatabase.h"

namespace {
QString text(const RecordSet& records, const char* column) {
    return records.field(QLatin1String(column)).toString();  // a NULL reads as ""
}

QString inFolder(const QString& folder, const QString& name) {
    return name.isEmpty() ? QString() : folder + QLatin1Char('/') + name;
}
}  // namespace

FileAsocaList::FileAsocaList(bool boolGrantAccess) : m_boolGrantAccess(boolGrantAccess) {}

void FileAsocaList::setPathsFromProgramFolder(const QString& strProgramFolder) {
    m_strConfigFilePath = settingsdb::strSettingsPath(strProgramFolder);
    const QString assocFolder = strParentFolder(strProgramFolder) + QStringLiteral("/FileAssocia");
    m_strMainAppFolderPath = assocFolder;
    m_strDefaultIcoFolderPath = assocFolder;
}

QString FileAsocaList::approvalPath() const {
    return QStringLiteral(
               "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Shell "
               "Extensions\\Approved\\") +
           m_menuHandlerGuid;
}

void FileAsocaList::getConfigInfoFromDB() {
    m_mainAppFileName.clear();
    m_mainDefaultIcoFileName.clear();
    m_menuHandlerGuid.clear();
    m_menuHandlerName.clear();
    QString error;
    const auto records = DataAccess().objrsGetRecordSet1(
        QStringLiteral("select * from file_association_config"), m_strConfigFilePath, error);
    if (!records || records->atBOF() || records->atEOF()) return;
    m_mainAppFileName = text(*records, "main_app_file_name");
    m_mainDefaultIcoFileName = text(*records, "main_default_ico_file_name");
    m_menuHandlerGuid = text(*records, "menu_handler_guid");
    m_menuHandlerName = text(*records, "menu_handler_name");
}

void FileAsocaList::getBaseAssocListFromDB() {
    m_records.clear();
    QString error;
    const auto records = DataAccess().objrsGetRecordSet1(
        QStringLiteral("select * from file_association order by app_association"), m_strConfigFilePath,
        error);
    if (!records || records->atBOF() || records->atEOF()) return;
    for (; !records->atEOF(); records->MoveNext()) {
        auto record = std::make_unique<FileAsoca>(m_boolGrantAccess);
        record->setStrConfigFilePath(m_strConfigFilePath);
        record->setStrAppAsocaKeyName(text(*records, "app_association"));
        record->setStrDescriptionInfo(text(*records, "description_info"));
        record->setStrAppIdKeyName(text(*records, "app_id"));
        record->setStrOldAppIdKeyName(text(*records, "old_app_id"));
        record->setStrDefaultAppIdKeyName1(text(*records, "default_app_id_1"));
        record->setStrDefaultAppIdKeyName2(text(*records, "default_app_id_2"));
        record->setStrMainAppFilePath(inFolder(m_strMainAppFolderPath, m_mainAppFileName));
        record->setStrDefaultIcoFilePath(inFolder(m_strDefaultIcoFolderPath, m_mainDefaultIcoFileName));
        record->setStrMenuHandlerGUID(m_menuHandlerGuid);
        record->setStrMenuHandlerName(m_menuHandlerName);
        m_records.push_back(std::move(record));
    }
}

void FileAsocaList::getInfoFromRegistry() {
    for (const auto& record : m_records) record->checkAssociationState();
}

void FileAsocaList::InitializeRegistry() {
    if (!m_menuHandlerGuid.isEmpty()) {
        QString error;
        long type = 0;
        RegAccess().boolRegWrite(approvalPath(), m_menuHandlerName, error, type);
    }
    for (const auto& record : m_records) record->InitializeRegistry();
}

void FileAsocaList::deleteAllFileAssocItemFromReg() {
    if (m_records.empty()) return;
    for (const auto& record : m_records) record->deleteAssociationKeyFromReg();
    if (!m_menuHandlerGuid.isEmpty()) {
        QString error;
        long type = 0;
        RegAccess().boolRegDelete(approvalPath(), error, type);
    }
}

FileAsoca* FileAsocaList::objGetAFileAsocaObjByIndex(long lngIndex) const {
    if (lngIndex < 1 || lngIndex > lngGetListCount()) return nullptr;
    return m_records[static_cast<size_t>(lngIndex - 1)].get();
}
