// The association tool, its launcher and the player on a desktop of the test's own, as a user meets them:
// installed in a folder whose name holds blanks, quotes and a "$", a mimeapps.list of the user's with other
// applications' entries and comments, the choice made in the tool's window with the keyboard, and a file
// opened the way a file manager opens it.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>

#include "support/BuildPaths.h"
#include "support/ProgramFolder.h"
#include "support/TempXdgHome.h"
#include "support/XTools.h"

namespace {
const QByteArray kUserFile =
    "# the user's own choices\n"
    "[Default Applications]\n"
    "video/mp4=vlc.desktop;\n"
    "text/plain=org.example.Editor.desktop;\n"
    "\n"
    "# added by hand\n"
    "[Added Associations]\n"
    "image/png=org.example.Viewer.desktop;\n";
const QString kOurs = QStringLiteral("kestrune-brandock.desktop");

class AssociationDesktop : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(xtools::installed("xdotool") && xtools::installed("xdg-mime") &&
                    xtools::installed("gio"));
        ASSERT_TRUE(folder.installProgram() && folder.installTolvane() && folder.installLauncher());
        desktop.installApplication(QStringLiteral("vlc"), {"video/mp4", "audio/mpeg"});
        desktop.writeFile(desktop.userMimeApps(), kUserFile);
    }
    // The default application of the type as xdg-mime answers it.
    QString xdgDefault(const QString& type) const {
        QString answer;
        desktop.run(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type},
                    &answer);
        return answer.trimmed();
    }
    // The same, once no program changes it, after checking that GLib agrees.
    QString owner(const QString& type) const {
        const QString answer = xdgDefault(type);
        EXPECT_EQ(desktop.gioDefault(type), answer) << type.toStdString();
        return answer;
    }
    int tolvane(const QString& command, const std::function<void(WId)>& inWindow = {}) {
        QProcess* tool = processes.start(folder.tolvane(), {command});
        if (tool == nullptr) return -1;
        if (inWindow) {
            QList<WId> windows;
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return !(windows = xtools::visibleWindows(QStringLiteral("^文件关联设置$"))).isEmpty();
                },
                20000));
            // Loading takes every type nobody owns: the window is ready once the list shows them.
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return xdgDefault(QStringLiteral("audio/x-wav")) == kOurs; }, 20000));
            QTest::qWait(500);
            if (!windows.isEmpty()) inWindow(windows.first());
        }
        return ProcessesUnderTest::waitForExit(tool, 30000);
    }

    TempXdgHome desktop;
    RuntimeFolder runtime;
    ProgramFolder folder{QStringLiteral("My Programs 'Q' \"D\" $HOME")};
    ProcessesUnderTest processes;
};

// Keyboard search in the list, then the space bar on the row found.
void toggleRow(const QString& extension) {
    xtools::xdotool({"type", "--delay", "40", extension});
    xtools::xdotool({"key", "space"});
    QTest::qWait(600);  // longer than the list's search interval, so the next search starts anew
}
}  // namespace

TEST_F(AssociationDesktop, TheUsersChoiceOpensFilesInThePlayerAndRemovalGivesEveryTypeBack) {
    // The focus starts on "下一步": Tab reaches the list, Shift+Tab comes back.
    EXPECT_EQ(tolvane(QStringLiteral("-Initilize"),
                      [](WId window) {
                          xtools::xdotool({"windowfocus", "--sync", QString::number(window)});
                          xtools::xdotool({"key", "Tab"});
                          toggleRow(QStringLiteral(".mp4"));  // taken over from vlc
                          toggleRow(QStringLiteral(".wav"));  // let go again: to the first fallback owner
                          xtools::xdotool({"key", "shift+Tab", "space"});
                      }),
              0);
    EXPECT_EQ(owner(QStringLiteral("video/mp4")), kOurs);
    EXPECT_EQ(owner(QStringLiteral("audio/mpeg")),
              QStringLiteral("vlc.desktop"));  // owned before, not chosen
    EXPECT_EQ(owner(QStringLiteral("audio/x-wav")), QStringLiteral("vlc.desktop"));
    EXPECT_EQ(owner(QStringLiteral("video/x-matroska")), kOurs);
    EXPECT_EQ(desktop.run(QStringLiteral("desktop-file-validate"),
                          {desktop.userEntry(QStringLiteral("kestrune-brandock"))}),
              0);

    // Opened as a file manager opens it: the desktop entry runs the launcher, which starts the player.
    const QString clip = folder.root() + QStringLiteral("/clip 'one' $HOME.mp4");
    ASSERT_TRUE(QFile::copy(built::media("clip.mp4"), clip));
    EXPECT_EQ(ProcessesUnderTest::waitForExit(
                  processes.start(QStringLiteral("gio"), {QStringLiteral("open"), clip})),
              0);
    const qint64 player = processes.adoptDetached(folder.program());
    ASSERT_NE(player, 0);
    EXPECT_TRUE(QTest::qWaitFor(
        [] {
            const QList<WId> windows = xtools::visibleWindows(QStringLiteral("^Kestrune Vandrel$"));
            return windows.size() == 1 && xtools::distinctColours(xtools::grab(windows.first())) > 20;
        },
        30000));
    EXPECT_TRUE(ProcessesUnderTest::terminateDetached(player));
    EXPECT_EQ(folder.readStored()->paths(), QStringList{clip});

    // Removal: every type back to its owner, our entry gone, the user's own lines as they were.
    EXPECT_EQ(tolvane(QStringLiteral("-Delete")), 0);
    EXPECT_EQ(owner(QStringLiteral("video/mp4")), QStringLiteral("vlc.desktop"));
    EXPECT_EQ(owner(QStringLiteral("audio/mpeg")), QStringLiteral("vlc.desktop"));
    EXPECT_FALSE(QFile::exists(desktop.userEntry(QStringLiteral("kestrune-brandock"))));
    const QByteArray after = desktop.readFile(desktop.userMimeApps());
    EXPECT_FALSE(after.contains("kestrune")) << after.toStdString();
    qsizetype from = 0;
    for (const QByteArray& line : kUserFile.split('\n')) {
        if (line.isEmpty()) continue;
        from = after.indexOf(line + '\n', from);
        EXPECT_GE(from, 0) << line.toStdString();  // still there, in its order
    }
}
