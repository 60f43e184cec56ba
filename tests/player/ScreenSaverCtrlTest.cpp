// The player's own saver control: the saver folder's programs, one start per idle period with the screen
// window's place in the one argument, and the stand-in that waits for a saver's parameter dialog.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "saverctl/ProcessLookup.h"
#include "saverctl/ScreenSaverCtrl.h"
#include "saverctl/frmScrSaverPramSet.h"
#include "support/RecordingLauncher.h"
#include "support/ScopedIdleServices.h"
#include "support/TestSaver.h"

namespace {
constexpr std::int64_t kMinute = 60'000;

class SaverControl : public ::testing::Test {
  protected:
    void SetUp() override {
        ctrl.setStrScrSavPrcsFolderPath(saverFolder);
        ctrl.setStrScreenSaverProcName(QStringLiteral("sarnwick"));
        ctrl.setLngDelayMinute(1);
        ctrl.setScreenFacts([](bool& full, QString& caption) {
            full = true;
            caption = QStringLiteral("Kestrune Vandrel");
        });
    }
    // One poll of the idle detector after the clock moved on.
    void pollAfter(std::int64_t milliseconds) {
        idle.clock().advance(milliseconds);
        ctrl.objMKC().m_objTimer_ItsTime();
    }
    QStringList arguments() const {
        QStringList result;
        for (const auto& start : launcher->starts) result << start.argument;
        return result;
    }

    QTemporaryDir dir;
    QString saverFolder = dir.filePath(QStringLiteral("SSP"));
    TestSaver saver{saverFolder, QStringLiteral("sarnwick")};
    ScopedIdleServices idle{5 * kMinute};
    std::shared_ptr<RecordingLauncher> launcher = std::make_shared<RecordingLauncher>();
    ScopedServices launching{Services{.processLauncher = launcher}};
    ScreenSaverCtrl ctrl;
};
}  // namespace

TEST_F(SaverControl, StartsOncePerIdlePeriodAndAgainOnlyAfterInputAndAFullNewPeriod) {
    ctrl.setLngWorkState(ScreenSaverCtrl::kArmed);
    pollAfter(kMinute);  // exactly the delay: not yet beyond it
    EXPECT_TRUE(launcher->starts.isEmpty());
    pollAfter(1000);
    ASSERT_EQ(launcher->starts.size(), 1);
    EXPECT_EQ(launcher->starts.at(0).program, QFileInfo(saver.path()).absoluteFilePath());
    // No play area reported yet: four zero fields.
    EXPECT_EQ(arguments(), QStringList{QStringLiteral("RUN##0##0##0##0##1##Kestrune Vandrel")});
    EXPECT_EQ(ctrl.lngWorkState(), ScreenSaverCtrl::kStarted);

    pollAfter(10 * kMinute);
    EXPECT_EQ(launcher->starts.size(), 1);
    idle.touch();
    pollAfter(1000);
    EXPECT_EQ(ctrl.lngWorkState(), ScreenSaverCtrl::kArmed);
    pollAfter(30'000);
    EXPECT_EQ(launcher->starts.size(), 1);

    // A new delay counts from the next poll on; the place last reported goes with the start.
    ctrl.SetPlayArea(1280, 0, 1920, 1080);
    ctrl.setLngDelayMinute(2);
    pollAfter(kMinute);
    EXPECT_EQ(launcher->starts.size(), 1);
    pollAfter(kMinute);
    ASSERT_EQ(launcher->starts.size(), 2);
    EXPECT_EQ(arguments().at(1), QStringLiteral("RUN##1280##0##1920##1080##1##Kestrune Vandrel"));

    // Off: no more starts; armed again from "started" at once.
    ctrl.setLngWorkState(ScreenSaverCtrl::kArmed);
    EXPECT_EQ(ctrl.lngWorkState(), ScreenSaverCtrl::kArmed);
    ctrl.setLngWorkState(ScreenSaverCtrl::kOff);
    pollAfter(10 * kMinute);
    EXPECT_EQ(launcher->starts.size(), 2);
}

TEST_F(SaverControl, ListsAndStartsOnlyTheExecutableFilesOfTheSaverFolder) {
    TestSaver other{saverFolder, QStringLiteral("A.EXE")};
    for (const QString& plain :
         {QStringLiteral("c.exe.txt"), QStringLiteral("readme"), QStringLiteral("x.")}) {
        QFile file(QDir(saverFolder).filePath(plain));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QDir(saverFolder).mkdir(QStringLiteral("folder"));
    ctrl.getScrSaverProcNameList();
    ASSERT_EQ(ctrl.lngGetScrSavPrcNameLstItmCount(), 2);
    EXPECT_EQ(ctrl.strGetScrSavPrcNameByIndex(1), QStringLiteral("A.EXE"));
    EXPECT_EQ(ctrl.strGetScrSavPrcNameByIndex(2), QStringLiteral("sarnwick"));
    EXPECT_EQ(ctrl.strGetScrSavPrcNameByIndex(0), QString());
    EXPECT_EQ(ctrl.strGetScrSavPrcNameByIndex(3), QString());
    ctrl.setStrScrSavPrcsFolderPath(dir.filePath(QStringLiteral("missing")));
    ctrl.getScrSaverProcNameList();
    EXPECT_EQ(ctrl.lngGetScrSavPrcNameLstItmCount(), 0);
    ctrl.setStrScrSavPrcsFolderPath(saverFolder);

    // A preview runs the saver for a look and leaves the state alone.
    ctrl.setLngWorkState(ScreenSaverCtrl::kOff);
    ctrl.previewAScrSavProcByName(QStringLiteral("sarnwick"));
    EXPECT_EQ(arguments(), QStringList{QStringLiteral("RUN##0##0##0##0##0## ")});
    EXPECT_EQ(ctrl.lngWorkState(), ScreenSaverCtrl::kOff);

    // A stored name that is no program of the folder starts nothing, yet counts as started.
    for (const QString& name : {QStringLiteral("../SSP/sarnwick"), QStringLiteral("readme"),
                                QStringLiteral("folder"), QStringLiteral(".."), QString(), saver.path()}) {
        ctrl.setStrScreenSaverProcName(name);
        ctrl.setLngWorkState(ScreenSaverCtrl::kArmed);
        pollAfter(2 * kMinute);
        EXPECT_EQ(ctrl.lngWorkState(), ScreenSaverCtrl::kStarted) << name.toStdString();
        idle.touch();
        pollAfter(1000);
    }
    ctrl.previewAScrSavProcByName(QStringLiteral("../SSP/sarnwick"));
    EXPECT_EQ(launcher->starts.size(), 1);
}

// The stand-in stays while the saver's parameter dialog runs and closes soon after it ends; with no
// program to start it closes at once. The saver gets the centre and the stand-in's unique caption.
TEST(SaverParameterStandIn, WaitsForTheSaverItStartedAndNoLonger) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("SSP"));
    TestSaver saver{folder, QStringLiteral("sarnwick"), TestSaver::Stay::UntilReleased};
    TestSaver running{folder, QStringLiteral("other"), TestSaver::Stay::UntilReleased};
    ScreenSaverCtrl ctrl;
    ctrl.setStrScrSavPrcsFolderPath(folder);
    const auto starter = [&ctrl](const QString& name, std::int32_t x, std::int32_t y, const QString& caption,
                                 qint64& pid) {
        return ctrl.showAScrSavPrcPramConfigFace(name, x, y, caption, pid);
    };

    // Another saver of the same folder running in RUN mode is no reason to wait.
    ctrl.previewAScrSavProcByName(QStringLiteral("other"));
    frmScrSaverPramSet missing(starter);
    missing.strScrSavPrcName = QStringLiteral("missing");
    missing.show();
    EXPECT_TRUE(QTest::qWaitFor([&missing] { return !missing.isVisible(); }, 2000));

    frmScrSaverPramSet standIn(starter);
    standIn.strScrSavPrcName = QStringLiteral("sarnwick");
    standIn.lngCenterX = 15 * 640;
    standIn.lngCenterY = 15 * 360;
    standIn.show();
    ASSERT_TRUE(QTest::qWaitFor([&saver] { return saver.starts().size() == 1; }, 5000));
    EXPECT_TRUE(standIn.windowTitle().endsWith(QStringLiteral("213ScrSavPramSet")));
    EXPECT_EQ(saver.starts().at(0), QStringLiteral("1:SHOW_CONFIG_FACE##640##360##") + standIn.windowTitle());
    QTest::qWait(700);
    EXPECT_TRUE(standIn.isVisible());
    saver.release();
    EXPECT_TRUE(QTest::qWaitFor([&standIn] { return !standIn.isVisible(); }, 3000));
    running.release();
}

TEST(ProcessLookup, FindsTheProcessesOfAProgramByPathOrName) {
    const QString self = QCoreApplication::applicationFilePath();
    EXPECT_EQ(processlookup::intGetScrSavPrcState(self), 0);
    EXPECT_EQ(processlookup::intGetScrSavPrcState(self + QStringLiteral(".gone")), 1);
    EXPECT_EQ(processlookup::intGetScrSavPrcState(QString()), 2);
    QString path;
    std::int32_t count = 0;
    // Another run of these tests may be the one found: any process of this program will do.
    const qint64 found = processlookup::lngFindProcess(path, QFileInfo(self).fileName(), count);
    EXPECT_EQ(QFileInfo(QStringLiteral("/proc/%1/exe").arg(found)).symLinkTarget(), self);
    EXPECT_EQ(path, self);
    EXPECT_GE(count, 1);
}

// No shell ever sees the line: a caption with blanks, quotes and ";" arrives whole as the one argument and
// runs nothing.
TEST(SaverStart, TheWholeLineArrivesAsOneArgument) {
    QTemporaryDir dir;
    const TestSaver saver{dir.filePath(QStringLiteral("SSP")), QStringLiteral("plain")};
    ScreenSaverCtrl ctrl;
    ctrl.setStrScrSavPrcsFolderPath(dir.filePath(QStringLiteral("SSP")));
    const QString owned = dir.filePath(QStringLiteral("owned"));
    const QString caption = QStringLiteral("a \"b\" 'c' ; touch %1 $(touch %1)").arg(owned);
    qint64 pid = 0;
    ctrl.showAScrSavPrcPramConfigFace(QStringLiteral("plain"), 1, 2, caption, pid);
    EXPECT_GT(pid, 0);
    ASSERT_TRUE(QTest::qWaitFor([&saver] { return !saver.starts().isEmpty(); }, 5000));
    EXPECT_EQ(saver.starts(), QStringList{QStringLiteral("1:SHOW_CONFIG_FACE##1##2##") + caption});
    EXPECT_FALSE(QFile::exists(owned));
}
