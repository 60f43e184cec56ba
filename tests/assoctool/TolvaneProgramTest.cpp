// The built association tool in a program folder of its own, on the desktop store, with the desktop's
// folders of the test.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QTest>

#include "assoc/FileAsocaList.h"
#include "assoc/RegAccess.h"
#include "assoc/RegistryStores.h"
#include "support/AssocFolder.h"
#include "support/ProcessesUnderTest.h"

namespace {
class TolvaneProgram : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.installTolvane()); }

    QProcess* start(const QStringList& arguments,
                    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        return processes.start(folder.tolvane(), arguments, environment);
    }
    // What the tool itself registers on loading, written here through the same desktop store.
    void registerEveryType() {
        const ScopedRegistryStore desktop(desktopRegistryStore());
        FileAsocaList list(true);
        list.setPathsFromProgramFolder(folder.programFolder());
        list.getConfigInfoFromDB();
        list.getBaseAssocListFromDB();
        list.InitializeRegistry();
    }
    void execSql(const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(folder.databasePath()).constData(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    QString aviOwner() {
        const ScopedRegistryStore desktop(desktopRegistryStore());
        QString value, error;
        long type = 0;
        RegAccess().boolRegRead(QStringLiteral("HKCR\\.avi\\"), value, error, type);
        return value;
    }

    AssocFolder folder;
    ProcessesUnderTest processes;
};
}  // namespace

// Installing before the player ever ran: the settings database is made, and every type registered.
TEST_F(TolvaneProgram, InitilizeInAnyCaseMakesAMissingDatabaseAndRegistersTheTypes) {
    ASSERT_TRUE(QFile::remove(folder.databasePath()));
    QProcess* tool = start({QStringLiteral("-iNiTiLiZe")});
    ASSERT_NE(tool, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return aviOwner() == QStringLiteral("kestrune-brandock"); }, 20000));
    EXPECT_TRUE(QFile::exists(folder.databasePath()));
    EXPECT_EQ(tool->state(), QProcess::Running);  // the window waits for the user's choice
}

TEST_F(TolvaneProgram, AnythingButTheWholeSwitchEndsAtOnceWithoutADisplay) {
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4093"));
    noDisplay.remove(QStringLiteral("QT_QPA_PLATFORM"));
    noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const QList<QStringList> others{{},
                                    {QStringLiteral("-initilize"), QStringLiteral("now")},
                                    {QStringLiteral("-Delete"), QStringLiteral("-Delete")},
                                    {QStringLiteral("-Initialize")},
                                    {QStringLiteral("delete")}};
    for (const QStringList& arguments : others)
        EXPECT_EQ(ProcessesUnderTest::waitForExit(start(arguments, noDisplay)), 0) << arguments.join(' ').toStdString();
    EXPECT_TRUE(folder.desktopFiles().isEmpty());
    // The same environment does keep the switches from their window.
    EXPECT_NE(ProcessesUnderTest::waitForExit(start({QStringLiteral("-delete")}, noDisplay)), 0);
}

TEST_F(TolvaneProgram, DeleteRemovesTheAssociationsButWithAnEmptyTableChangesNothing) {
    registerEveryType();
    const auto registered = folder.desktopFiles();
    ASSERT_FALSE(registered.isEmpty());
    EXPECT_EQ(ProcessesUnderTest::waitForExit(start({QStringLiteral("-DELETE")})), 0);
    EXPECT_NE(folder.desktopFiles(), registered);
    EXPECT_NE(aviOwner(), QStringLiteral("kestrune-brandock"));

    registerEveryType();
    execSql("DELETE FROM file_association");
    const auto before = folder.desktopFiles();
    EXPECT_EQ(ProcessesUnderTest::waitForExit(start({QStringLiteral("-Delete")})), 0);
    EXPECT_EQ(folder.desktopFiles(), before);
}
