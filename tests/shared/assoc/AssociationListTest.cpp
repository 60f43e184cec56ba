// The association list over the settings database and a key-tree store: the shipped rows, the shared values,
// and the faults mended on the way (values pasted into SQL, our own id recorded as the previous owner, rows
// that would write at the root of the store).
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "assoc/FileAsocaList.h"
#include "assoc/KeyTreeStore.h"
#include "assoc/RegAccess.h"
#include "assoc/RegistryStores.h"
#include "support/RegistryValues.h"
#include "support/TempDatabase.h"

namespace {
class AssociationList : public ::testing::Test {
  protected:
    AssociationList()
        : store(std::make_shared<KeyTreeStore>(dir.filePath(QStringLiteral("keys.json")))), scoped(store) {}

    FileAsocaList loaded() {
        FileAsocaList list;
        list.setPathsFromProgramFolder(db.folder());
        list.getConfigInfoFromDB();
        list.getBaseAssocListFromDB();
        return list;
    }
    static QString value(const QString& path) { return regvalues::shown(path); }
    static void put(const QString& path, const QString& v) {
        ASSERT_TRUE(regvalues::write(path, v)) << qPrintable(path);
    }
    QString oldOwnerStored(const QString& ext) const {
        return db
            .scalar(QStringLiteral("select old_app_id from file_association where app_association = '%1'")
                        .arg(ext))
            .toString();
    }

    TempDatabase db;
    QTemporaryDir dir;
    std::shared_ptr<KeyTreeStore> store;
    ScopedRegistryStore scoped;
};

const QString kApproval = QStringLiteral(
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved\\");
}  // namespace

TEST_F(AssociationList, TheShippedRowsLoadSortedWithTheSharedValues) {
    db.exec(QStringLiteral("insert into file_association (app_association, app_id) values ('.aaa', 'x')"));
    FileAsocaList list = loaded();
    ASSERT_EQ(list.lngGetListCount(), 56);
    EXPECT_EQ(list.objGetAFileAsocaObjByIndex(0), nullptr);
    EXPECT_EQ(list.objGetAFileAsocaObjByIndex(57), nullptr);
    EXPECT_EQ(list.objGetAFileAsocaObjByIndex(1)->strAppAsocaKeyName(), QStringLiteral(".aaa"));
    EXPECT_EQ(list.objGetAFileAsocaObjByIndex(1)->strDescriptionInfo(), QString());  // NULL reads as ""
    for (long i = 2; i <= list.lngGetListCount(); ++i)
        EXPECT_LT(list.objGetAFileAsocaObjByIndex(i - 1)->strAppAsocaKeyName(),
                  list.objGetAFileAsocaObjByIndex(i)->strAppAsocaKeyName());
    const FileAsoca* mp3 = nullptr;
    for (long i = 1; i <= list.lngGetListCount(); ++i)
        if (list.objGetAFileAsocaObjByIndex(i)->strAppAsocaKeyName() == QLatin1String(".mp3"))
            mp3 = list.objGetAFileAsocaObjByIndex(i);
    ASSERT_NE(mp3, nullptr);
    const QString assocFolder = QFileInfo(db.folder()).absolutePath() + QStringLiteral("/FileAssocia");
    EXPECT_EQ(mp3->strMainAppFilePath(), assocFolder + QStringLiteral("/kestrune-open"));
    EXPECT_EQ(mp3->strDefaultIcoFilePath(), assocFolder + QStringLiteral("/kestrune.png"));
    EXPECT_EQ(mp3->strDescriptionInfo(), QStringLiteral("MPEG文件"));
    EXPECT_EQ(mp3->strDefaultAppIdKeyName1(), QStringLiteral("vlc"));
}

TEST_F(AssociationList, EmptySharedValuesAndAnEmptyTable) {
    db.exec(QStringLiteral(
        "update file_association_config set main_app_file_name = null, menu_handler_guid = ''; "
        "delete from file_association where app_association <> '.mp3'"));
    FileAsocaList list = loaded();
    list.InitializeRegistry();
    EXPECT_EQ(value(QStringLiteral("HKCR\\.mp3\\")), QStringLiteral("kestrune-brandock"));
    EXPECT_EQ(value(QStringLiteral("HKCR\\kestrune-brandock\\shell\\open\\command\\")),
              QStringLiteral("\"\" %1"));
    EXPECT_EQ(value(QStringLiteral("HKCR\\kestrune-brandock\\shellex\\ContextMenuHandlers\\KestruneMenu\\")),
              QString());
    EXPECT_EQ(value(kApproval), QStringLiteral("<none>"));

    // With no rows, removal touches nothing, not even the approval entry.
    put(kApproval + QStringLiteral("{G}"), QStringLiteral("KestruneMenu"));
    db.exec(QStringLiteral(
        "delete from file_association; update file_association_config set menu_handler_guid = '{G}'"));
    FileAsocaList empty = loaded();
    EXPECT_EQ(empty.lngGetListCount(), 0);
    empty.deleteAllFileAssocItemFromReg();
    EXPECT_EQ(value(kApproval + QStringLiteral("{G}")), QStringLiteral("KestruneMenu"));
    EXPECT_EQ(value(QStringLiteral("HKCR\\kestrune-brandock\\")), QStringLiteral("0"));
}

TEST_F(AssociationList, ASecondInstallationKeepsTheRealPreviousOwner) {
    db.exec(QStringLiteral("delete from file_association where app_association <> '.mp3'"));
    put(QStringLiteral("HKCR\\vlc\\"), QStringLiteral("VLC"));
    put(QStringLiteral("HKCR\\.mp3\\"), QStringLiteral("vlc"));
    FileAsocaList first = loaded();
    first.InitializeRegistry();
    EXPECT_FALSE(first.objGetAFileAsocaObjByIndex(1)->boolAssociate());  // an owned type is not taken at once
    first.objGetAFileAsocaObjByIndex(1)->setAssociationState(true);
    first.objGetAFileAsocaObjByIndex(1)->saveOldAppIdKeyNameToDB();
    EXPECT_EQ(oldOwnerStored(QStringLiteral(".mp3")), QStringLiteral("vlc"));

    FileAsocaList second = loaded();
    second.InitializeRegistry();
    EXPECT_TRUE(second.objGetAFileAsocaObjByIndex(1)->boolAssociate());
    EXPECT_EQ(oldOwnerStored(QStringLiteral(".mp3")), QStringLiteral("vlc"));
    second.objGetAFileAsocaObjByIndex(1)->setAssociationState(false);
    EXPECT_EQ(value(QStringLiteral("HKCR\\.mp3\\")), QStringLiteral("vlc"));
}

TEST_F(AssociationList, OddRowsNeitherReachTheSqlTextNorTheStoreRoot) {
    db.exec(QStringLiteral(
        "delete from file_association; insert into file_association (app_association, app_id) "
        "values ('.a''b', 'kestrune-brandock'), ('.c', 'kestrune-brandock'), ('', 'x'), ('.d', '')"));
    FileAsocaList list = loaded();
    list.InitializeRegistry();
    EXPECT_EQ(oldOwnerStored(QStringLiteral(".a''b")), QStringLiteral("kestrune-brandock"));
    EXPECT_EQ(oldOwnerStored(QStringLiteral(".c")), QStringLiteral("kestrune-brandock"));
    EXPECT_EQ(value(QStringLiteral("HKCR\\.d\\")), QStringLiteral("<none>"));
    QFile file(store->filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("\"x\""));  // the row without an extension wrote nothing
}
