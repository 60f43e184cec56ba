#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "assoc/CheckUserFigure.h"
#include "engines/loader/EngineLoader.h"
#include "forms/frmCheckPlayers.h"
#include "forms/frmMsgBox.h"
#include "platform/Services.h"
#include "support/BuildPaths.h"
#include "support/ModalDialogs.h"
#include "support/ProgramFolder.h"
#include "support/RecordingLauncher.h"
#include "support/XTools.h"

// A program folder with the real engine plugins, the Media Player one taken out, and the shipped installers
// and pages; the dialog as start-up opens it there.
class EngineCheckDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.installEngineSources());
        ASSERT_TRUE(folder.setEngineInstalled(EngineLoader::kMediaPlayer, false));
    }

    std::unique_ptr<frmCheckPlayers> openDialog() {
        const EngineLoader engines(folder.path() + QStringLiteral("/engines"));
        auto dialog = std::make_unique<frmCheckPlayers>(folder.path());
        dialog->prepareFace(frmCheckPlayers::boolMediaPlayerInstalled(engines),
                            frmCheckPlayers::boolRealPlayerInstalled(engines));
        dialog->open();
        return dialog;
    }

    QString shipped(const char* name) const { return folder.path() + QLatin1Char('/') + QLatin1String(name); }

    ProgramFolder folder;
};

TEST_F(EngineCheckDialog, NamesTheMissingEngineAndStartsItsInstaller) {
    const auto dialog = openDialog();
    EXPECT_EQ(dialog->labNotes->text(), QStringLiteral("本播放器需要 Windows Media Player 和 Real Player "
                                                       "播放器的支持，当前这两个播放器的配置状态为："));
    EXPECT_EQ(dialog->labMediaNotes->text(),
              QStringLiteral("Windows Media Player 11 for Vista 尚未安装，需要安装 -->"));
    EXPECT_EQ(dialog->cmdInstallMediaPlayer->text(), QStringLiteral("立即安装该播放器"));
    EXPECT_TRUE(dialog->cmdInstallMediaPlayer->isVisible());
    EXPECT_EQ(dialog->labRealNotes->text(), QStringLiteral("Real Player 已经安装。"));
    EXPECT_FALSE(dialog->cmdInstallRealPlayer->isVisible());
    EXPECT_FALSE(dialog->cmdOk->isVisible());
    EXPECT_TRUE(dialog->timCheckPlayers.isActive());

    auto launcher = std::make_shared<RecordingLauncher>();
    const ScopedServices services({.processLauncher = launcher});
    QString refusal;
    if (!CheckUserFigure::boolUserBlongToAdminsGroup()) {
        onNextModal<frmMsgBox>([&refusal](frmMsgBox* box) {
            refusal = box->windowTitle();
            box->cmdYes->click();
        });
    }
    dialog->cmdInstallMediaPlayer->click();
    if (CheckUserFigure::boolUserBlongToAdminsGroup()) {
        ASSERT_EQ(launcher->starts.size(), 1);
        EXPECT_EQ(launcher->starts.first().program, shipped("PlyPcks/wmpInstall_Vista"));
    } else {
        EXPECT_TRUE(launcher->starts.isEmpty());
        EXPECT_EQ(refusal, QStringLiteral("用户权限太低"));
    }
}

// xdg-open, first on the path, is a recorder of the page it is asked to open.
TEST_F(EngineCheckDialog, WithoutItsInstallerTheDownloadPageOpens) {
    ASSERT_TRUE(QFile::remove(shipped("PlyPcks/wmpInstall_Vista")));
    QTemporaryDir tools;
    const QString opened = tools.filePath(QStringLiteral("opened"));
    QFile recorder(tools.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(recorder.open(QIODevice::WriteOnly));
    recorder.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1.part' && mv '%1.part' '%1'\n")
                       .arg(opened)
                       .toUtf8());
    recorder.close();
    recorder.setPermissions(QFile::ExeOwner | QFile::ReadOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", tools.path().toUtf8() + ':' + path);

    const auto dialog = openDialog();
    EXPECT_EQ(dialog->cmdInstallMediaPlayer->text(), QStringLiteral("从网上下载该播放器"));
    dialog->cmdInstallMediaPlayer->click();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(opened), 20000);
    qputenv("PATH", path);
    QFile page(opened);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(QUrl(QString::fromUtf8(page.readAll())).toLocalFile(), shipped("DLUrls/wmpVista.htm"));
    EXPECT_TRUE(QFile::exists(shipped("DLUrls/wmpVista.htm")));
}

TEST_F(EngineCheckDialog, ClosesOnceTheMissingEngineIsBack) {
    const auto dialog = openDialog();
    QSignalSpy finished(dialog.get(), &QDialog::finished);
    ASSERT_TRUE(folder.setEngineInstalled(EngineLoader::kMediaPlayer, true));
    // A generous guard against a hang; the re-test runs every 2 seconds.
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_EQ(finished.first().first().toInt(), QDialog::Accepted);
    EXPECT_FALSE(dialog->timCheckPlayers.isActive());
}

// The player itself, its Media Player engine missing: the windows go for the presence dialog, and the player
// ends once the engine is back, its stored list as it was.
class EngineCheckStart : public ProgramFolderTest {};

TEST_F(EngineCheckStart, AMissingEngineEndsThePlayerOnceItIsBack) {
    ASSERT_TRUE(folder.installProgram());
    const QString clip = built::media("clip.webm");
    folder.seed({clip}, [](SysConfig&) {});
    ASSERT_TRUE(folder.setEngineInstalled(EngineLoader::kMediaPlayer, false));
    QProcess* player = start({});
    ASSERT_TRUE(
        QTest::qWaitFor([] { return !xtools::visibleWindows(QStringLiteral("^ $")).isEmpty(); }, 60000));
    EXPECT_TRUE(xtools::visibleWindows(QStringLiteral("^控制面板")).isEmpty());
    ASSERT_TRUE(folder.setEngineInstalled(EngineLoader::kMediaPlayer, true));
    EXPECT_EQ(waitForExit(player), 0);
    EXPECT_EQ(readStored()->paths(), QStringList{clip});
}
