#pragma once

#include <QString>

class RegAccess;

// One media file extension (".mp3") that the player can take over: what it registers for the extension,
// whether the extension points at the player now, and the owner it had before, so that releasing the
// extension hands it back. Callers set the string properties first, then call the operations; none of them
// throws, and a store that refuses a change shows only in boolAssociate() and strCurrAppIdKeyName().
class FileAsoca {
  public:
    // boolGrantAccess: the association tool first gives the user write access to the extension's key before
    // changing or deleting it; the player does not.
    explicit FileAsoca(bool boolGrantAccess = false);

    QString strConfigFilePath() const { return m_strConfigFilePath; }
    void setStrConfigFilePath(const QString& v) { m_strConfigFilePath = v; }
    QString strAppAsocaKeyName() const { return m_strAppAsocaKeyName; }
    void setStrAppAsocaKeyName(const QString& v) { m_strAppAsocaKeyName = v; }
    QString strDescriptionInfo() const { return m_strDescriptionInfo; }
    void setStrDescriptionInfo(const QString& v) { m_strDescriptionInfo = v; }
    QString strAppIdKeyName() const { return m_strAppIdKeyName; }
    void setStrAppIdKeyName(const QString& v) { m_strAppIdKeyName = v; }
    QString strOldAppIdKeyName() const { return m_strOldAppIdKeyName; }
    void setStrOldAppIdKeyName(const QString& v) { m_strOldAppIdKeyName = v; }
    QString strDefaultAppIdKeyName1() const { return m_strDefaultAppIdKeyName1; }
    void setStrDefaultAppIdKeyName1(const QString& v) { m_strDefaultAppIdKeyName1 = v; }
    QString strDefaultAppIdKeyName2() const { return m_strDefaultAppIdKeyName2; }
    void setStrDefaultAppIdKeyName2(const QString& v) { m_strDefaultAppIdKeyName2 = v; }
    QString strMainAppFilePath() const { return m_strMainAppFilePath; }
    void setStrMainAppFilePath(const QString& v) { m_strMainAppFilePath = v; }
    QString strDefaultIcoFilePath() const { return m_strDefaultIcoFilePath; }
    void setStrDefaultIcoFilePath(const QString& v) { m_strDefaultIcoFilePath = v; }
    QString strMenuHandlerGUID() const { return m_strMenuHandlerGUID; }
    void setStrMenuHandlerGUID(const QString& v) { m_strMenuHandlerGUID = v; }
    QString strMenuHandlerName() const { return m_strMenuHandlerName; }
    void setStrMenuHandlerName(const QString& v) { m_strMenuHandlerName = v; }
    QString strCurrAppIdKeyName() const { return m_strCurrAppIdKeyName; }
    void setStrCurrAppIdKeyName(const QString& v) { m_strCurrAppIdKeyName = v; }
    bool boolAssociate() const { return m_boolAssociate; }

    // Makes sure the extension has an owner (the player when it had none) and the player's keys exist;
    // records the owner found as the previous one.
    void InitializeRegistry();
    void setAssociationState(bool boolState);
    void checkAssociationState();
    // Hands the extension back and deletes the player's keys.
    void deleteAssociationKeyFromReg();
    void saveOldAppIdKeyNameToDB();

  private:
    bool readKey(const QString& id, QString& value);
    bool writeKey(const QString& path, const QString& value);
    bool readExtension(QString& value);
    bool writeExtension(const QString& value);
    void grantAccess();
    bool isOwnId(const QString& id) const;
    bool isUsable() const;
    void writeAppIdKeys();
    void deleteAppIdKeys();
    bool pointExtensionTo(const QString& id);
    bool restoreDefaultOwner();
    void clearOrRestoreDefaultOwner();
    // The previous owner to keep when the extension was found pointing at `current`: never the player's
    // own identifier while a real previous owner is known.
    QString previousOwnerFor(const QString& current) const;

    bool m_boolGrantAccess;
    QString m_strUserName;
    QString m_strConfigFilePath;
    QString m_strAppAsocaKeyName;
    QString m_strDescriptionInfo;
    QString m_strAppIdKeyName;
    QString m_strOldAppIdKeyName;
    QString m_strDefaultAppIdKeyName1;
    QString m_strDefaultAppIdKeyName2;
    QString m_strMainAppFilePath;
    QString m_strDefaultIcoFilePath;
    QString m_strMenuHandlerGUID;
    QString m_strMenuHandlerName;
    QString m_strCurrAppIdKeyName;
    bool m_boolAssociate = false;
};
