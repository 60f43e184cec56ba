// The association window of the built tool on the X server, for a look at it: its picture goes into the
// test's working folder as tolvane-window.png.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <cstdio>

#include "assoc/RegAccess.h"
#include "assoc/RegistryStores.h"
#include "support/AssocFolder.h"
#include "support/ProcessesUnderTest.h"
#include "support/XTools.h"

TEST(TolvaneWindow, ShowsEveryTypeOnTheDesktop) {
    AssocFolder folder;
    ASSERT_TRUE(folder.installTolvane());
    ProcessesUnderTest processes;
    ASSERT_NE(processes.start(folder.tolvane(), {QStringLiteral("-Initilize")}), nullptr);
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return !xtools::visibleWindows(QStringLiteral("^文件关联设置$")).isEmpty(); }, 20000));
    const auto loaded = [] {
        const ScopedRegistryStore desktop(desktopRegistryStore());
        QString value, error;
        long type = 0;
        return RegAccess().boolRegRead(QStringLiteral("HKCR\\.wav\\"), value, error, type) &&
               value == QStringLiteral("kestrune-brandock");
    };
    ASSERT_TRUE(QTest::qWaitFor(loaded, 20000));
    QTest::qWait(500);
    if (xtools::installed("import")) {
        const QString shot = QDir::currentPath() + QStringLiteral("/tolvane-window.png");
        QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), shot});
        std::printf("the association window: %s\n", qPrintable(shot));
    }
}
