// The desktop's own store against the desktop's own tools: GLib's `gio`, xdg-utils and desktop-file-utils.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <memory>

#include "assoc/DesktopEntryText.h"
#include "assoc/ExtensionTypes.h"
#include "assoc/FileAsoca.h"
#include "assoc/FileAsocaList.h"
#include "assoc/MimeAppsList.h"
#include "assoc/RegAccess.h"
#include "assoc/RegistryStores.h"
#include "assoc/XdgStore.h"
#include "support/BuildPaths.h"
#include "support/RegistryValues.h"
#include "support/TempDatabase.h"
#include "support/TempXdgHome.h"

namespace {
const QString kOwnId = QStringLiteral("kestrune-brandock");

class XdgStoreTest : public ::testing::Test {
  protected:
    std::optional<QString> read(const QString& path) { return regvalues::read(path); }
    // An executable that notes how it was started in the file $KESTRUNE_LAUNCH_RECORD.
    QString makeProgram(const QString& folder) {
        const QString program = folder + QStringLiteral("/kestrune-open");
        xdg.writeFile(program, "#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > \"$KESTRUNE_LAUNCH_RECORD\"\n");
        QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);
        return program;
    }
    std::unique_ptr<FileAsoca> record(const QString& extension, const QString& program) {
        auto record = std::make_unique<FileAsoca>();
        record->setStrAppAsocaKeyName(extension);
        record->setStrAppIdKeyName(kOwnId);
        record->setStrDefaultAppIdKeyName1(QStringLiteral("vlc"));
        record->setStrDefaultAppIdKeyName2(QStringLiteral("mpv"));
        record->setStrMainAppFilePath(program);
        record->setStrDefaultIcoFilePath(QFileInfo(program).absolutePath() + QStringLiteral("/kestrune.png"));
        record->setStrMenuHandlerGUID(QStringLiteral("{6F3A2C1E-8B4D-4E7A-9C15-2D7B0E9F4A63}"));
        record->setStrMenuHandlerName(QStringLiteral("KestruneMenu"));
        return record;
    }
    // The store's owner of the extension as a desktop-file name, "" for none: what `gio mime` names.
    QString storeDefault(const QString& extension) {
        const auto id = read(QStringLiteral("HKCR\\") + extension + QLatin1Char('\\'));
        return id ? *id + QStringLiteral(".desktop") : QString();
    }
    void expectValid(const QString& entry) {
        QString output;
        EXPECT_EQ(xdg.run(QStringLiteral("desktop-file-validate"), {entry}, &output), 0)
            << output.toStdString();
        EXPECT_EQ(output, QString()) << output.toStdString();
    }

    TempXdgHome xdg;
    std::shared_ptr<XdgStore> store = std::make_shared<XdgStore>(XdgLocations::fromEnvironment());
    ScopedRegistryStore scoped{store};
};

const QByteArray kUserList =
    "# chosen in the file manager\n"
    "[Added Associations]\n"
    "video/mp4=mpv.desktop;\n"
    "\n"
    "[Default Applications]\n"
    "text/plain=org.gnome.gedit.desktop;\n"
    "video/mp4=vlc.desktop;\n"
    "audio/mpeg = mpv.desktop\n"
    "\n"
    "[Removed Associations]\n"
    "image/png=gimp.desktop;\n";

// Taking over, releasing and removing three types in a real user's file: the lines come back byte for byte,
// the file keeps its permissions, and GLib names the same default application as the store at every step.
TEST_F(XdgStoreTest, UserFileComesBackAndGioAgrees) {
    xdg.installApplication(QStringLiteral("vlc"), {QStringLiteral("video/mp4")});
    xdg.installApplication(QStringLiteral("mpv"), {QStringLiteral("audio/mpeg")});
    xdg.writeFile(xdg.userMimeApps(), kUserList);
    const auto permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(xdg.userMimeApps(), permissions);
    const QString program = makeProgram(xdg.root() + QStringLiteral("/FileAssocia"));
    std::vector<std::unique_ptr<FileAsoca>> records;
    for (const char* extension : {".mp3", ".mp4", ".wma"}) records.push_back(record(extension, program));
    const auto expectGioAgrees = [&](const char* step) {
        store->flushCaches();
        for (const auto& [extension, type] : {std::pair{".mp3", "audio/mpeg"}, std::pair{".mp4", "video/mp4"},
                                              std::pair{".wma", "audio/x-ms-wma"}})
            EXPECT_EQ(storeDefault(extension), xdg.gioDefault(type)) << step << " " << extension;
    };

    for (const auto& r : records) r->InitializeRegistry();
    EXPECT_EQ(records[1]->strOldAppIdKeyName(), QStringLiteral("vlc"));
    EXPECT_TRUE(records[2]->boolAssociate());  // nobody opened .wma
    expectGioAgrees("registered");
    expectValid(xdg.userEntry(kOwnId));

    for (const auto& r : records) r->setAssociationState(true);
    const QString list = QString::fromUtf8(xdg.readFile(xdg.userMimeApps()));
    EXPECT_TRUE(list.contains(QStringLiteral("\nvideo/mp4=kestrune-brandock.desktop;vlc.desktop;\n")));
    EXPECT_TRUE(list.contains(QStringLiteral("\naudio/mpeg = kestrune-brandock.desktop;mpv.desktop\n")));
    EXPECT_TRUE(QString::fromUtf8(xdg.readFile(xdg.userEntry(kOwnId)))
                    .contains(QStringLiteral("\nMimeType=video/mp4;audio/mpeg;audio/x-ms-wma;\n")));
    expectGioAgrees("associated");

    records[1]->setAssociationState(false);
    EXPECT_TRUE(QString::fromUtf8(xdg.readFile(xdg.userMimeApps()))
                    .contains(QStringLiteral("\nvideo/mp4=vlc.desktop;kestrune-brandock.desktop;\n")));
    expectGioAgrees("released");
    QString output;
    EXPECT_EQ(xdg.run(QStringLiteral("xdg-mime"), {"query", "default", "video/mp4"}, &output), 0);
    EXPECT_EQ(output.trimmed(), QStringLiteral("vlc.desktop"));

    for (const auto& r : records) r->deleteAssociationKeyFromReg();
    // .wma had no owner before: it goes to the first fallback owner.
    QByteArray expected = kUserList;
    expected.replace("mpv.desktop\n\n", "mpv.desktop\naudio/x-ms-wma=vlc.desktop;\n\n");
    EXPECT_EQ(xdg.readFile(xdg.userMimeApps()), expected);
    constexpr int kOwnerGroupOther = 0x7077;
    EXPECT_EQ(QFile::permissions(xdg.userMimeApps()) & kOwnerGroupOther, permissions & kOwnerGroupOther);
    EXPECT_FALSE(QFileInfo::exists(xdg.userEntry(kOwnId)));
    expectGioAgrees("removed");
}

// A program folder with characters that mean something to a shell or to Exec=: the entry is valid, reads
// back as written, and GLib starts exactly that program with the file.
TEST_F(XdgStoreTest, ProgramPathSurvivesExecQuoting) {
    const QString media = xdg.root() + QStringLiteral("/a clip.wma");
    const QString launchRecord = xdg.root() + QStringLiteral("/launched");
    qputenv("KESTRUNE_LAUNCH_RECORD", QFile::encodeName(launchRecord));
    // GLib looks for the program before it undoes "%%", so it never starts one whose path holds a "%":
    // that folder is only checked for a valid entry and the way back.
    for (const QString& name : {QStringLiteral("/Kestrune \"Vandrel\" $HOME `id` \\ 'x' ;#"),
                                QStringLiteral("/Kestrune 100% %F")}) {
        const QString program = makeProgram(xdg.root() + name);
        auto r = record(QStringLiteral(".wma"), program);
        r->InitializeRegistry();
        EXPECT_EQ(read(QStringLiteral("HKCR\\kestrune-brandock\\shell\\open\\command\\")),
                  QLatin1Char('"') + program + QStringLiteral("\" %1"));
        expectValid(xdg.userEntry(kOwnId));
        if (program.contains(QLatin1Char('%'))) continue;

        QString output;
        EXPECT_EQ(
            xdg.run(QStringLiteral("gio"), {QStringLiteral("launch"), xdg.userEntry(kOwnId), media}, &output),
            0)
            << output.toStdString();
        for (int i = 0; i < 100 && !QFileInfo::exists(launchRecord); ++i) QThread::msleep(100);  // hang guard
        EXPECT_EQ(QString::fromUtf8(xdg.readFile(launchRecord)), program + QLatin1Char('\n') + media + '\n');
    }
    qunsetenv("KESTRUNE_LAUNCH_RECORD");
}

// An extension the MIME database does not know gets the player's type in a MIME package of the user's; once
// the event loop has run, GLib gives a file of that name the type and opens it with the player.
TEST_F(XdgStoreTest, UnknownExtensionGetsItsTypeFromAPackage) {
    const QString program = makeProgram(xdg.root() + QStringLiteral("/FileAssocia"));
    record(QStringLiteral(".acp"), program)->InitializeRegistry();
    EXPECT_EQ(storeDefault(QStringLiteral(".acp")), QStringLiteral("kestrune-brandock.desktop"));
    // The desktop's caches follow once the event loop is idle.
    const QString mimeCache = xdg.dataHome() + QStringLiteral("/mime/mime.cache");
    for (int i = 0; i < 200 && !QFileInfo::exists(mimeCache); ++i) {  // hang guard
        QCoreApplication::processEvents();
        QThread::msleep(50);
    }
    EXPECT_TRUE(QFileInfo::exists(xdg.dataHome() + QStringLiteral("/applications/mimeinfo.cache")));
    EXPECT_EQ(xdg.gioDefault(QStringLiteral("audio/x-mei-aac")), QStringLiteral("kestrune-brandock.desktop"));
    const QString media = xdg.root() + QStringLiteral("/a.acp");
    xdg.writeFile(media, "not a header of any kind");
    QString output;
    EXPECT_EQ(xdg.run(QStringLiteral("gio"),
                      {QStringLiteral("info"), QStringLiteral("-a"), QStringLiteral("standard::content-type"),
                       media},
                      &output),
              0);
    EXPECT_TRUE(output.contains(QStringLiteral("standard::content-type: audio/x-mei-aac")))
        << output.toStdString();
}

// The installed player's entry in a system folder: it opens every type of the association table, the
// store never writes it, the user's entry goes in front of it (and takes its menu place) while the user has
// associations, and once they are removed the installed entry is the player's entry again.
TEST_F(XdgStoreTest, InstalledEntryStaysAndTheUsersEntryGoesInFrontOfIt) {
    const QString program = makeProgram(xdg.root() + QStringLiteral("/FileAssocia"));
    const QString installed = xdg.systemData() + QStringLiteral("/applications/kestrune-brandock.desktop");
    const QByteArray installedBytes = installedDesktopEntry(program);
    xdg.writeFile(installed, installedBytes);
    xdg.installApplication(QStringLiteral("vlc"), {QStringLiteral("audio/mpeg")});
    expectValid(installed);

    const QStringList opened = desktop_entry::splitList(desktop_entry::parseGroups(
        installedBytes)[QStringLiteral("Desktop Entry")][QStringLiteral("MimeType")]);
    TempDatabase db;
    FileAsocaList table;
    table.setStrConfigFilePath(db.path());
    table.getBaseAssocListFromDB();
    ASSERT_GT(table.lngGetListCount(), 40);
    for (long i = 1; i <= table.lngGetListCount(); ++i) {
        const QString extension = table.objGetAFileAsocaObjByIndex(i)->strAppAsocaKeyName();
        EXPECT_TRUE(opened.contains(extension_types::typesOf(extension).value(0))) << extension.toStdString();
    }

    auto mp4 = record(QStringLiteral(".mp4"), program);
    mp4->InitializeRegistry();
    EXPECT_TRUE(mp4->boolAssociate());  // only the installed player opens it
    auto mp3 = record(QStringLiteral(".mp3"), program);
    mp3->InitializeRegistry();
    mp3->setAssociationState(true);
    store->flushCaches();
    EXPECT_EQ(xdg.gioDefault(QStringLiteral("audio/mpeg")), QStringLiteral("kestrune-brandock.desktop"));
    const QString user = QString::fromUtf8(xdg.readFile(xdg.userEntry(kOwnId)));
    EXPECT_TRUE(user.contains(QStringLiteral("\nCategories=AudioVideo;Player;Video;Audio;\n")));
    EXPECT_FALSE(user.contains(QStringLiteral("NoDisplay")));
    expectValid(xdg.userEntry(kOwnId));
    EXPECT_EQ(read(QStringLiteral("HKCR\\kestrune-brandock\\shell\\open\\command\\")),
              QLatin1Char('"') + program + QStringLiteral("\" %1"));
    // Another application's entry stays out of reach.
    EXPECT_FALSE(regvalues::write(QStringLiteral("HKCR\\vlc\\DefaultIcon\\"), program));

    mp3->deleteAssociationKeyFromReg();
    mp4->deleteAssociationKeyFromReg();
    store->flushCaches();
    EXPECT_FALSE(QFileInfo::exists(xdg.userEntry(kOwnId)));
    EXPECT_EQ(xdg.readFile(installed), installedBytes);
    EXPECT_EQ(xdg.gioDefault(QStringLiteral("audio/mpeg")), QStringLiteral("vlc.desktop"));
    EXPECT_EQ(read(QStringLiteral("HKCR\\kestrune-brandock\\shell\\open\\command\\")),
              QLatin1Char('"') + program + QStringLiteral("\" %1"));
}

// Whatever bytes a user's file holds: they parse, and an untouched file writes back unchanged.
TEST(MimeAppsListText, AnyBytesParseAndComeBackUnchanged) {
    QRandomGenerator random(7);
    const QByteArray alphabet = "[]=;\n\r #ab.\\/\xe4";
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes;
        for (int i = random.bounded(60); i > 0; --i) bytes += alphabet.at(random.bounded(alphabet.size()));
        MimeAppsList list = MimeAppsList::parse(bytes);
        ASSERT_EQ(list.bytes(), bytes);
        list.removeEverywhere(QStringLiteral("a.desktop"));
        list.setList(QStringLiteral("a"), QStringLiteral("b"), {QStringLiteral("x.desktop")});
        EXPECT_EQ(MimeAppsList::parse(list.bytes()).list(QStringLiteral("a"), QStringLiteral("b")),
                  QStringList{QStringLiteral("x.desktop")});
        desktop_entry::parseGroups(bytes);
        QString program;
        desktop_entry::programOfExec(QString::fromUtf8(bytes), program);
    }
}
}  // namespace
