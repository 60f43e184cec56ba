// The key-tree rules and the association records' cases, over the key-tree file and the desktop's store.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

#include "assoc/FileAsoca.h"
#include "assoc/FileAsocaList.h"
#include "assoc/KeyTreeStore.h"
#include "assoc/RegAccess.h"
#include "assoc/RegistryStores.h"
#include "assoc/XdgStore.h"
#include "support/RegistryValues.h"
#include "support/TempDatabase.h"
#include "support/TempXdgHome.h"

namespace {
const QString kOwnId = QStringLiteral("kestrune-brandock");

struct KeyTreeKind {
    QTemporaryDir dir;
    std::shared_ptr<RegistryStore> make() {
        return std::make_shared<KeyTreeStore>(dir.path() + QStringLiteral("/registry.json"));
    }
    void installApplication(const QString& id, const QStringList&) {
        QString error;
        long type = 0;
        ASSERT_TRUE(RegAccess().boolRegWrite(QStringLiteral("HKCR\\%1\\").arg(id), id, error, type));
    }
};

struct XdgKind {
    TempXdgHome xdg;
    std::shared_ptr<RegistryStore> make() {
        return std::make_shared<XdgStore>(XdgLocations::fromEnvironment());
    }
    void installApplication(const QString& id, const QStringList& types) {
        xdg.installApplication(id, types);
    }
};

template <typename Kind>
class RegistryStoresTest : public ::testing::Test {
  protected:
    std::optional<QString> read(const QString& path) { return regvalues::read(path); }
    bool write(const QString& path, const QString& value) { return regvalues::write(path, value); }
    bool remove(const QString& path) { return regvalues::remove(path); }
    std::unique_ptr<FileAsoca> record(const QString& extension) {
        auto record = std::make_unique<FileAsoca>();
        record->setStrAppAsocaKeyName(extension);
        record->setStrAppIdKeyName(kOwnId);
        record->setStrDefaultAppIdKeyName1(QStringLiteral("vlc"));
        record->setStrDefaultAppIdKeyName2(QStringLiteral("mpv"));
        record->setStrMainAppFilePath(QStringLiteral("/opt/kestrune/FileAssocia/kestrune-open"));
        record->setStrDefaultIcoFilePath(QStringLiteral("/opt/kestrune/FileAssocia/kestrune.png"));
        record->setStrMenuHandlerGUID(QStringLiteral("{6F3A2C1E-8B4D-4E7A-9C15-2D7B0E9F4A63}"));
        record->setStrMenuHandlerName(QStringLiteral("KestruneMenu"));
        return record;
    }

    Kind kind;
    ScopedRegistryStore scoped{kind.make()};
};

using StoreKinds = ::testing::Types<KeyTreeKind, XdgKind>;
TYPED_TEST_SUITE(RegistryStoresTest, StoreKinds);

TYPED_TEST(RegistryStoresTest, KeysFollowTheKeyTreeRules) {
    const QString id = QStringLiteral("HKCR\\Kestrune-Test\\");
    EXPECT_FALSE(this->read(id));
    ASSERT_TRUE(this->write(id + QStringLiteral("shell\\open\\command\\"), QStringLiteral("\"/bin/x\" %1")));
    // The parents exist without a default value of their own.
    EXPECT_FALSE(this->read(id));
    EXPECT_FALSE(this->read(id + QStringLiteral("shell\\")));
    ASSERT_TRUE(this->write(id, QStringLiteral("0")));
    ASSERT_TRUE(this->write(id + QStringLiteral("DefaultIcon\\"), QStringLiteral("/i.png")));
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\KESTRUNE-TEST\\defaulticon\\")), QStringLiteral("/i.png"));
    EXPECT_EQ(this->read(id), QStringLiteral("0"));

    EXPECT_FALSE(this->remove(id + QStringLiteral("shell\\open\\")));
    EXPECT_FALSE(this->remove(id));
    EXPECT_TRUE(this->remove(id + QStringLiteral("SHELL\\Open\\Command\\")));
    EXPECT_TRUE(this->remove(id + QStringLiteral("shell\\open\\")));
    EXPECT_TRUE(this->remove(id + QStringLiteral("shell\\")));
    EXPECT_FALSE(this->remove(id));
    EXPECT_TRUE(this->remove(id + QStringLiteral("DefaultIcon\\")));
    EXPECT_TRUE(this->remove(id));
    EXPECT_FALSE(this->read(id));
}

TYPED_TEST(RegistryStoresTest, MissingExtensionIsCreatedAndStaysAssociated) {
    auto record = this->record(QStringLiteral(".mp3"));
    EXPECT_FALSE(this->read(QStringLiteral("HKCR\\.mp3\\")));
    record->InitializeRegistry();
    EXPECT_TRUE(record->boolAssociate());
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.mp3\\")), kOwnId);
    record->setAssociationState(false);  // no previous and no fallback owner is registered
    EXPECT_TRUE(record->boolAssociate());
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.mp3\\")), kOwnId);
}

TYPED_TEST(RegistryStoresTest, TakesOverAnotherOwnerAndHandsBack) {
    this->kind.installApplication(QStringLiteral("vlc"), {QStringLiteral("video/x-msvideo")});
    ASSERT_TRUE(this->write(QStringLiteral("HKCR\\.avi\\"), QStringLiteral("vlc")));
    auto record = this->record(QStringLiteral(".avi"));
    record->InitializeRegistry();
    EXPECT_FALSE(record->boolAssociate());
    EXPECT_EQ(record->strOldAppIdKeyName(), QStringLiteral("vlc"));

    record->setAssociationState(true);
    EXPECT_TRUE(record->boolAssociate());
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.avi\\")), kOwnId);
    EXPECT_EQ(record->strOldAppIdKeyName(), QStringLiteral("vlc"));

    record->setAssociationState(false);
    EXPECT_FALSE(record->boolAssociate());
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.avi\\")), QStringLiteral("vlc"));
}

TYPED_TEST(RegistryStoresTest, ReleasingWithoutPreviousOwnerGoesToTheFirstRegisteredFallback) {
    auto record = this->record(QStringLiteral(".mp3"));
    record->InitializeRegistry();
    this->kind.installApplication(QStringLiteral("mpv"), {QStringLiteral("audio/flac")});
    record->setAssociationState(false);  // fallback 1 ("vlc") is not registered
    EXPECT_FALSE(record->boolAssociate());
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.mp3\\")), QStringLiteral("mpv"));
    EXPECT_EQ(record->strOldAppIdKeyName(), QStringLiteral("mpv"));
}

TYPED_TEST(RegistryStoresTest, IdsMatchIgnoringCase) {
    auto record = this->record(QStringLiteral(".mp3"));
    record->InitializeRegistry();
    ASSERT_TRUE(this->write(QStringLiteral("HKCR\\.mp3\\"), QStringLiteral("KESTRUNE-Brandock")));
    record->checkAssociationState();
    EXPECT_TRUE(record->boolAssociate());
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\KESTRUNE-BRANDOCK\\shell\\open\\command\\")),
              QStringLiteral("\"/opt/kestrune/FileAssocia/kestrune-open\" %1"));
}

TYPED_TEST(RegistryStoresTest, DeletingLeavesAnotherOwnersExtensionAlone) {
    this->kind.installApplication(QStringLiteral("vlc"), {QStringLiteral("video/x-msvideo")});
    ASSERT_TRUE(this->write(QStringLiteral("HKCR\\.avi\\"), QStringLiteral("vlc")));
    auto record = this->record(QStringLiteral(".avi"));
    record->InitializeRegistry();
    record->deleteAssociationKeyFromReg();
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.avi\\")), QStringLiteral("vlc"));
    EXPECT_TRUE(this->read(QStringLiteral("HKCR\\vlc\\")));
    EXPECT_FALSE(this->read(QStringLiteral("HKCR\\") + kOwnId + QStringLiteral("\\")));
    EXPECT_FALSE(this->read(QStringLiteral("HKCR\\") + kOwnId + QStringLiteral("\\DefaultIcon\\")));
}

// Every seed extension registered and removed again: the extensions that had an owner get it back, the
// others go to a fallback owner or to nobody, the player's keys and the approval entry are gone.
TYPED_TEST(RegistryStoresTest, ListRegistersAndRemovesEverything) {
    TempDatabase database;
    this->kind.installApplication(QStringLiteral("vlc"), {QStringLiteral("video/x-msvideo")});
    ASSERT_TRUE(this->write(QStringLiteral("HKCR\\.avi\\"), QStringLiteral("vlc")));
    const QString approval = QStringLiteral(
        "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Shell "
        "Extensions\\Approved\\{6F3A2C1E-8B4D-4E7A-9C15-2D7B0E9F4A63}");
    const auto list = [&] {
        auto made = std::make_unique<FileAsocaList>();
        made->setPathsFromProgramFolder(database.folder());
        made->getConfigInfoFromDB();
        made->getBaseAssocListFromDB();
        return made;
    };
    auto installed = list();
    ASSERT_EQ(installed->lngGetListCount(), 55);
    installed->InitializeRegistry();
    EXPECT_EQ(this->read(approval), QStringLiteral("KestruneMenu"));
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.wma\\")), kOwnId);
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.avi\\")), QStringLiteral("vlc"));
    for (long i = 1; i <= installed->lngGetListCount(); ++i)
        installed->objGetAFileAsocaObjByIndex(i)->setAssociationState(true);
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.avi\\")), kOwnId);

    list()->deleteAllFileAssocItemFromReg();
    EXPECT_FALSE(this->read(approval));
    EXPECT_EQ(this->read(QStringLiteral("HKCR\\.avi\\")), QStringLiteral("vlc"));
    EXPECT_FALSE(this->read(QStringLiteral("HKCR\\") + kOwnId + QStringLiteral("\\")));
    for (long i = 1; i <= installed->lngGetListCount(); ++i) {
        const QString extension = installed->objGetAFileAsocaObjByIndex(i)->strAppAsocaKeyName();
        EXPECT_NE(this->read(QStringLiteral("HKCR\\") + extension + QLatin1Char('\\')).value_or(QString()),
                  kOwnId)
            << extension.toStdString();
    }
}
}  // namespace
