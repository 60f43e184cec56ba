#include "FileAsoca.h"

#include "CheckUserFigure.h"
#include "RegAccess.h"
#include "SetRegItemACL.h"
#include "db/DataAccess.h"

namespace {
QString keyPath(const QString& name, const QString& below = {}) {
    return QStringLiteral("HKCR\\") + name + QLatin1Char('\\') + below;
}

bool sameId(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
}  // namespace

FileAsoca::FileAsoca(bool boolGrantAccess)
    : m_boolGrantAccess(boolGrantAccess), m_strUserName(CheckUserFigure::getCurrentUserName()) {}

bool FileAsoca::readKey(const QString& id, QString& value) {
    QString error;
    long type = 0;
    return RegAccess().boolRegRead(keyPath(id), value, error, type);
}

bool FileAsoca::writeKey(const QString& path, const QString& value) {
    QString error;
    long type = 0;
    return RegAccess().boolRegWrite(path, value, error, type);
}

bool FileAsoca::readExtension(QString& value) {
    return readKey(m_strAppAsocaKeyName, value);
}

bool FileAsoca::writeExtension(const QString& value) {
    return writeKey(keyPath(m_strAppAsocaKeyName), value);
}

bool FileAsoca::isOwnId(const QString& id) const {
    return sameId(id, m_strAppIdKeyName);
}

// A row without an extension or without the player's identifier would address keys at the root of the store.
bool FileAsoca::isUsable() const {
    return !m_strAppAsocaKeyName.isEmpty() && !m_strAppIdKeyName.isEmpty();
}

void FileAsoca::grantAccess() {
    if (m_boolGrantAccess)
        SetRegItemACL().pSetKeyAccess(kHkeyClassesRoot,
                                      QLatin1Char('\\') + m_strAppAsocaKeyName + QLatin1Char('\\'),
                                      m_strUserName, kGenericAll);
}

QString FileAsoca::previousOwnerFor(const QString& current) const {
    if (isOwnId(current) && !m_strOldAppIdKeyName.isEmpty() && !isOwnId(m_strOldAppIdKeyName))
        return m_strOldAppIdKeyName;
    return current;
}

void FileAsoca::writeAppIdKeys() {
    writeKey(keyPath(m_strAppIdKeyName), QStringLiteral("0"));
    writeKey(keyPath(m_strAppIdKeyName, QStringLiteral("DefaultIcon\\")), m_strDefaultIcoFilePath);
    writeKey(keyPath(m_strAppIdKeyName, QStringLiteral("shell\\open\\command\\")),
             QLatin1Char('"') + m_strMainAppFilePath + QStringLiteral("\" %1"));
    writeKey(keyPath(m_strAppIdKeyName, QStringLiteral("shellex\\ContextMenuHandlers\\") +
                                            m_strMenuHandlerName + QLatin1Char('\\')),
             m_strMenuHandlerGUID);
}

void FileAsoca::deleteAppIdKeys() {
    const QStringList children{QStringLiteral("shellex\\ContextMenuHandlers\\") + m_strMenuHandlerName + '\\',
                               QStringLiteral("shellex\\ContextMenuHandlers\\"),
                               QStringLiteral("shellex\\"),
                               QStringLiteral("shell\\open\\command\\"),
                               QStringLiteral("shell\\open\\"),
                               QStringLiteral("shell\\"),
                               QStringLiteral("DefaultIcon\\"),
                               QString()};
    for (const QString& child : children) {
        QString error;
        long type = 0;
        RegAccess().boolRegDelete(keyPath(m_strAppIdKeyName, child), error, type);
    }
}

bool FileAsoca::pointExtensionTo(const QString& id) {
    QString value;
    if (id.isEmpty() || !readKey(id, value)) return false;
    return writeExtension(id);
}

bool FileAsoca::restoreDefaultOwner() {
    for (const QString& id : {m_strDefaultAppIdKeyName1, m_strDefaultAppIdKeyName2}) {
        if (pointExtensionTo(id)) {
            m_strCurrAppIdKeyName = id;
            m_strOldAppIdKeyName = id;
            return true;
        }
    }
    return false;
}

void FileAsoca::clearOrRestoreDefaultOwner() {
    if (pointExtensionTo(m_strDefaultAppIdKeyName1) || pointExtensionTo(m_strDefaultAppIdKeyName2)) return;
    writeExtension(QString());
}

void FileAsoca::InitializeRegistry() {
    if (!isUsable()) return;
    QString current;
    if (!readExtension(current)) current = writeExtension(m_strAppIdKeyName) ? m_strAppIdKeyName : QString();
    m_strCurrAppIdKeyName = current;
    m_strOldAppIdKeyName = previousOwnerFor(current);
    writeAppIdKeys();
    m_boolAssociate = isOwnId(current);
    saveOldAppIdKeyNameToDB();
}

void FileAsoca::checkAssociationState() {
    if (!isUsable()) return;
    QString value;
    if (readExtension(value)) {
        m_strCurrAppIdKeyName = value;
        m_boolAssociate = isOwnId(value);
    } else {
        m_boolAssociate = false;
    }
}

void FileAsoca::setAssociationState(bool boolState) {
    if (!isUsable()) return;
    grantAccess();
    bool created = false;
    QString current;
    if (readExtension(current)) {
        m_strCurrAppIdKeyName = current;
    } else {
        if (!writeExtension(m_strAppIdKeyName)) {
            m_boolAssociate = false;
            return;
        }
        m_strOldAppIdKeyName = previousOwnerFor(m_strAppIdKeyName);
        m_strCurrAppIdKeyName = m_strAppIdKeyName;
        created = true;
    }
    m_boolAssociate = boolState;

    if (boolState) {
        if (isOwnId(m_strCurrAppIdKeyName)) return;
        if (writeExtension(m_strAppIdKeyName)) {
            m_strOldAppIdKeyName = m_strCurrAppIdKeyName;
            m_strCurrAppIdKeyName = m_strAppIdKeyName;
        } else {
            m_boolAssociate = false;
        }
        writeAppIdKeys();
        return;
    }
    if (created) {
        m_boolAssociate = true;  // only just created pointing at the player: it stays so
        return;
    }
    if (!isOwnId(m_strCurrAppIdKeyName)) return;
    // Released: back to the previous owner while it is still registered, else to a fallback owner. The
    // player's own keys stay.
    QString value;
    if (!m_strOldAppIdKeyName.isEmpty() && !isOwnId(m_strOldAppIdKeyName) &&
        readKey(m_strOldAppIdKeyName, value)) {
        if (writeExtension(m_strOldAppIdKeyName)) {
            m_strCurrAppIdKeyName = m_strOldAppIdKeyName;
        } else {
            m_boolAssociate = true;
        }
    } else if (!restoreDefaultOwner()) {
        m_boolAssociate = true;
    }
}

void FileAsoca::deleteAssociationKeyFromReg() {
    if (!isUsable()) return;
    grantAccess();
    QString current;
    if (readExtension(current) && isOwnId(current)) {
        QString value;
        if (!m_strOldAppIdKeyName.isEmpty() && !isOwnId(m_strOldAppIdKeyName) &&
            readKey(m_strOldAppIdKeyName, value)) {
            writeExtension(m_strOldAppIdKeyName);
        } else {
            clearOrRestoreDefaultOwner();
        }
    }
    // The extension key itself always stays: it may belong to someone else.
    deleteAppIdKeys();
}

void FileAsoca::saveOldAppIdKeyNameToDB() {
    QString error;
    DataAccess access;
    const auto records =
        access.objrsGetRecordSet1(QStringLiteral("select * from file_association where app_association = ?"),
                                  m_strConfigFilePath, error, {m_strAppAsocaKeyName});
    if (!records || records->atBOF() || records->atEOF()) return;
    records->setField(QStringLiteral("old_app_id"), m_strOldAppIdKeyName);
    records->UpdateBatch(error);
}
