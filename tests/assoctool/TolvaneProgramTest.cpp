// The built association tool in a program folder of its own, on the desktop store, with the desktop's
// folders of the test.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QFile>
#include <QTest>

#include "assoc/FileAsocaList.h"
#include "assoc/RegAccess.h"
#include "support/AssocFolder.h"
#include "support/ProcessesUnderTest.h"
#include "support/RegistryValues.h"

namespace {
class TolvaneProgram : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.installTolvane()); }
    int run(const QStringList& arguments,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        return ProcessesUnderTest::waitForExit(processes.start(folder.tolvane(), arguments, environment));
    }
    // What the tool registers on loading, written here through the same desktop store.
    void registerEveryType() {
        FileAsocaList list(true);
        list.setPathsFromProgramFolder(folder.programFolder());
        list.getConfigInfoFromDB();
        list.getBaseAssocListFromDB();
        list.InitializeRegistry();
    }
    QString aviOwner() { return regvalues::read(QStringLiteral("HKCR\\.avi\\")).value_or(QString()); }

    AssocFolder folder;
    ScopedRegistryStore desktop{desktopRegistryStore()};
    ProcessesUnderTest processes;
};
}  // namespace

// Installing before the player ever ran: the settings database is made, and every type registered.
TEST_F(TolvaneProgram, InitilizeInAnyCaseMakesAMissingDatabaseAndRegistersTheTypes) {
    ASSERT_TRUE(QFile::remove(folder.databasePath()));
    QProcess* tool = processes.start(folder.tolvane(), {QStringLiteral("-iNiTiLiZe")});
    EXPECT_TRUE(QTest::qWaitFor([&] { return aviOwner() == QStringLiteral("kestrune-brandock"); }, 20000));
    EXPECT_TRUE(QFile::exists(folder.databasePath()));
    EXPECT_EQ(tool->state(), QProcess::Running);  // the window waits for the user's choice
}

TEST_F(TolvaneProgram, AnythingButTheWholeSwitchEndsAtOnceWithoutADisplay) {
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    noDisplay.insert(QStringLiteral("DISPLAY"), QStringLiteral(":4093"));
    noDisplay.remove(QStringLiteral("QT_QPA_PLATFORM"));
    noDisplay.remove(QStringLiteral("WAYLAND_DISPLAY"));
    for (const QStringList& arguments :
         QList<QStringList>{{}, {"-initilize", "now"}, {"-Delete", "-Delete"}, {"-Initialize"}, {"delete"}})
        EXPECT_EQ(run(arguments, noDisplay), 0) << arguments.join(' ').toStdString();
    EXPECT_TRUE(folder.desktopFiles().isEmpty());
    EXPECT_NE(run({"-delete"}, noDisplay), 0);  // the switch itself does need the display
}

TEST_F(TolvaneProgram, DeleteRemovesTheAssociationsButWithAnEmptyTableChangesNothing) {
    registerEveryType();
    const auto registered = folder.desktopFiles();
    EXPECT_EQ(run({"-DELETE"}), 0);
    EXPECT_NE(folder.desktopFiles(), registered);
    EXPECT_NE(aviOwner(), QStringLiteral("kestrune-brandock"));

    registerEveryType();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(folder.databasePath()).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, "DELETE FROM file_association", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const auto before = folder.desktopFiles();
    EXPECT_EQ(run({"-Delete"}), 0);
    EXPECT_EQ(folder.desktopFiles(), before);
}
