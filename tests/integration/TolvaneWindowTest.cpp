// The built tool's association window on the X server, for a look: its picture goes into the test's working
// folder as tolvane-window.png.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <cstdio>

#include "support/AssocFolder.h"
#include "support/ProcessesUnderTest.h"
#include "support/XTools.h"

TEST(TolvaneWindow, ShowsEveryTypeOnTheDesktop) {
    AssocFolder folder;
    ASSERT_TRUE(folder.installTolvane());
    ProcessesUnderTest processes;
    ASSERT_NE(processes.start(folder.tolvane(), {QStringLiteral("-Initilize")}), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([] { return !xtools::visibleWindows("^文件关联设置$").isEmpty(); }, 20000));
    QTest::qWait(1000);
    if (xtools::installed("import")) {
        const QString shot = QDir::currentPath() + QStringLiteral("/tolvane-window.png");
        QProcess::execute(QStringLiteral("import"),
                          {QStringLiteral("-window"), QStringLiteral("root"), shot});
        std::printf("the association window: %s\n", qPrintable(shot));
    }
}
