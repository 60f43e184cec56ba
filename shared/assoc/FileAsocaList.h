#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "FileAsoca.h"

// The extensions of the settings database's association tables, one FileAsoca each, with the values they
// share, and the operations that apply to all of them at once. Records are numbered from 1.
class FileAsocaList {
  public:
    explicit FileAsocaList(bool boolGrantAccess = false);

    QString strConfigFilePath() const { return m_strConfigFilePath; }
    void setStrConfigFilePath(const QString& v) { m_strConfigFilePath = v; }
    QString strMainAppFolderPath() const { return m_strMainAppFolderPath; }
    void setStrMainAppFolderPath(const QString& v) { m_strMainAppFolderPath = v; }
    QString strDefaultIcoFolderPath() const { return m_strDefaultIcoFolderPath; }
    void setStrDefaultIcoFolderPath(const QString& v) { m_strDefaultIcoFolderPath = v; }

    // Sets the three paths the way both programs do, from the folder of the running program.
    void setPathsFromProgramFolder(const QString& strProgramFolder);

    void getConfigInfoFromDB();
    void getBaseAssocListFromDB();
    void getInfoFromRegistry();
    void InitializeRegistry();
    void deleteAllFileAssocItemFromReg();
    long lngGetListCount() const { return static_cast<long>(m_records.size()); }
    // The record at 1-based lngIndex, or null outside 1..count.
    FileAsoca* objGetAFileAsocaObjByIndex(long lngIndex) const;

  private:
    QString approvalPath() const;

    bool m_boolGrantAccess;
    QString m_strConfigFilePath;
    QString m_strMainAppFolderPath;
    QString m_strDefaultIcoFolderPath;
    QString m_mainAppFileName;
    QString m_mainDefaultIcoFileName;
    QString m_menuHandlerGuid;
    QString m_menuHandlerName;
    std::vector<std::unique_ptr<FileAsoca>> m_records;
};
