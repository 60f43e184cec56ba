#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "saver/SaverTexts.h"
#include "saver/ScreenSaver.h"
#include "saver/frmPramSet.h"
#include "saver/frmSaver.h"
#include "support/ListMonitorSource.h"
#include "support/ScopedIdleServices.h"
#include "support/ScopedMonitorSource.h"

namespace {
const QRect kLeft(0, 0, 1280, 720);
const QRect kRight(1280, 0, 1920, 1080);

std::vector<QRect> faceRects(const ScreenSaver& saver) {
    std::vector<QRect> rects;
    for (const auto& face : saver.aobjSaverFaces()) rects.push_back(face->geometry());
    return rects;
}

// A saver in a folder of its own on the two monitors, with the user's input set by hand.
struct TwoMonitorSaver {
    TwoMonitorSaver() {
        saver.setStrScrSavProcsFolderPath(dir.path());
        saver.setStrScrSavProcFileName(QStringLiteral("sarnwick"));
        saver.getScrSavPrams(2);
    }
    QTemporaryDir dir;
    ScopedMonitorSource monitors{{monitorInfo("L", kLeft, true), monitorInfo("R", kRight)}};
    ScopedIdleServices idle;
    ScreenSaver saver;
};
}  // namespace

TEST(SaverCoverage, PerMilleOfThePlayAreaOnAMonitor) {
    const QRect first(0, 0, 1920, 1080), second(1920, 0, 1280, 1024);
    EXPECT_EQ(ScreenSaver::getMonitorCoverage(first, first), 1000);
    EXPECT_EQ(ScreenSaver::getMonitorCoverage(first, second), 0);
    // 1 % of the video on the second monitor: 10, still below the limit.
    EXPECT_EQ(ScreenSaver::getMonitorCoverage(QRect(-60, 0, 2000, 1000), second), 10);
    EXPECT_EQ(ScreenSaver::getMonitorCoverage(QRect(-100, -100, 200, 200), first), 250);
    EXPECT_EQ(ScreenSaver::getMonitorCoverage(QRect(0, 0, 2, 1080), first), 0);
    EXPECT_EQ(ScreenSaver::getMonitorCoverage(QRect(1920 - 640, 0, 1280, 720), first), 500);
}

TEST(SaverWindows, CoverTheMonitorsTheVideoLeavesFree) {
    {
        TwoMonitorSaver run;
        run.saver.SetPlayArea(0, 0, 1280, 720);
        run.saver.setLngWorkState(ScreenSaver::kWindowsOpen);
        EXPECT_EQ(run.saver.lngWorkState(), ScreenSaver::kWindowsOpen);
        EXPECT_EQ(faceRects(run.saver), std::vector<QRect>{kRight});
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        TwoMonitorSaver preview;
        preview.saver.setLngWorkState(ScreenSaver::kWindowsOpen);
        EXPECT_EQ(faceRects(preview.saver), (std::vector<QRect>{kLeft, kRight}));
    }
    {
        TwoMonitorSaver split;
        split.saver.SetPlayArea(640, 0, 1280, 720);
        split.saver.setLngWorkState(ScreenSaver::kWindowsOpen);
        EXPECT_EQ(split.saver.lngWorkState(), ScreenSaver::kWindowsClosed);
        EXPECT_TRUE(split.saver.aobjSaverFaces().empty());
    }
    {
        // No last input to watch: the saver could never be dismissed, so it opens nothing.
        TwoMonitorSaver blind;
        blind.idle.input().setLastInput(std::nullopt);
        blind.saver.setLngWorkState(ScreenSaver::kWindowsOpen);
        EXPECT_EQ(blind.saver.lngWorkState(), ScreenSaver::kWindowsClosed);
        EXPECT_TRUE(blind.saver.aobjSaverFaces().empty());
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The idle detector's first input, or a key the window receives itself, closes everything and ends.
TEST(SaverWindows, EndAtTheFirstInput) {
    for (bool byKey : {false, true}) {
        TwoMonitorSaver preview;
        QSignalSpy ends(&preview.saver, &ScreenSaver::ProgramEnds);
        preview.saver.setLngWorkState(ScreenSaver::kWindowsOpen);
        ASSERT_EQ(preview.saver.aobjSaverFaces().size(), 2u);
        if (byKey) {
            preview.idle.input().setLastInput(std::nullopt);
            QTest::keyClick(preview.saver.aobjSaverFaces().back().get(), Qt::Key_Space);
        } else {
            preview.idle.clock().advance(1000);
            preview.idle.touch();
        }
        ASSERT_TRUE(ends.wait(5000)) << "by key: " << byKey;
        EXPECT_TRUE(preview.saver.aobjSaverFaces().empty());
        EXPECT_EQ(preview.saver.lngWorkState(), ScreenSaver::kWindowsClosed);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
}

TEST(SaverWindows, TextDriftsAndTurnsAtTheEdges) {
    QTemporaryDir dir;
    ScrSavParameters prams;
    prams.setStrScrSavProcPramFilePath(dir.filePath(QStringLiteral("p.db")));
    prams.createDBIfNotExist();
    QString error;
    prams.boolGetPramsFromFile(2, error);
    prams.boolSetAPramByIndex(2, QString());

    frmSaver face;
    face.objScrSavPramsObj = &prams;
    face.setFaceItemByPramObj();
    EXPECT_EQ(face.labWZ->text(), strDefaultTitle);
    EXPECT_TRUE(face.timMove.isActive());
    EXPECT_FALSE(face.timRefreshWZ.isActive());
    face.setGeometry(0, 0, 400, 250);

    const QPoint start = face.labWZ->pos();
    face.timMove_Timer();
    EXPECT_EQ(face.labWZ->pos(), start + QPoint(2, 2));
    bool turnedX = false, turnedY = false;
    for (int tick = 0; tick < 400; ++tick) {
        face.timMove_Timer();
        const QRect label = face.labWZ->geometry();
        ASSERT_GE(label.left(), -2);
        ASSERT_GE(label.top(), -2);
        ASSERT_LE(label.left() + label.width(), 400 + 2);
        ASSERT_LE(label.top() + label.height(), 250 + 2);
        turnedX |= face.intMoveStepX < 0;
        turnedY |= face.intMoveStepY < 0;
    }
    EXPECT_TRUE(turnedX && turnedY);

    prams.boolSetAPramByIndex(1, QStringLiteral("1"));
    face.setFaceItemByPramObj();
    EXPECT_TRUE(face.timRefreshWZ.isActive());
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(face.labWZ->text()).hasMatch())
        << face.labWZ->text().toStdString();
}

namespace {
// The dialog on a store of its own; the number of stored rows tells whether anything was written.
struct Dialog {
    Dialog() {
        prams.setStrScrSavProcPramFilePath(dir.filePath(QStringLiteral("sarnwick.db")));
        prams.createDBIfNotExist();
        QString error;
        prams.boolGetPramsFromFile(2, error);
        form.setObjScrSavParamObj(&prams);
        form.lngCenterX = 640;
        form.lngCenterY = 480;
        form.setFaceItemByPramObj();
        form.setMeToTopMost();
    }
    ScrSavParameters reload() const {
        ScrSavParameters stored;
        stored.setStrScrSavProcPramFilePath(prams.strScrSavProcPramFilePath());
        QString error;
        stored.boolGetPramsFromFile(2, error);
        return stored;
    }
    QTemporaryDir dir;
    ScrSavParameters prams;
    frmPramSet form;
};
}  // namespace

TEST(SaverDialog, FreshStoreShowsTheCustomDefaultCentredOnThePoint) {
    Dialog dialog;
    EXPECT_TRUE(dialog.form.optCustom->isChecked());
    EXPECT_FALSE(dialog.form.optSysTime->isChecked());
    EXPECT_TRUE(dialog.form.txtContent->isEnabled());
    EXPECT_EQ(dialog.form.txtContent->text(), QStringLiteral("Kestrune 屏保"));
    EXPECT_EQ(dialog.form.windowTitle(), QStringLiteral("Sarnwick屏保设置"));
    EXPECT_TRUE(dialog.form.isVisible());
    EXPECT_TRUE(dialog.form.windowFlags() & Qt::WindowStaysOnTopHint);
    const QPoint centre = dialog.form.frameGeometry().center();
    EXPECT_LE((centre - QPoint(640, 480)).manhattanLength(), 2);
}

TEST(SaverDialog, SavingTimeModeKeepsTheTextAndOnlySaveWrites) {
    {
        Dialog dialog;
        QSignalSpy unloaded(&dialog.form, &frmPramSet::Unloaded);
        dialog.form.txtContent->setText(QStringLiteral("夜班"));
        // On the button itself, not the empty end of the control.
        QTest::mouseClick(dialog.form.optSysTime, Qt::LeftButton, {},
                          QPoint(6, dialog.form.optSysTime->height() / 2));
        EXPECT_FALSE(dialog.form.txtContent->isEnabled());
        QTest::mouseClick(dialog.form.cmdSave, Qt::LeftButton);
        EXPECT_EQ(unloaded.count(), 1);
        const ScrSavParameters stored = dialog.reload();
        EXPECT_EQ(stored.strPram(1), QStringLiteral("1"));
        EXPECT_EQ(stored.strPram(2), QStringLiteral("夜班"));

        // Shown again: time mode, the text kept but not editable.
        frmPramSet again;
        ScrSavParameters copy = stored;
        again.setObjScrSavParamObj(&copy);
        again.setFaceItemByPramObj();
        EXPECT_TRUE(again.optSysTime->isChecked());
        EXPECT_FALSE(again.txtContent->isEnabled());
        EXPECT_EQ(again.txtContent->text(), QStringLiteral("夜班"));
    }
    for (bool byCloseBox : {false, true}) {
        Dialog dialog;
        QSignalSpy unloaded(&dialog.form, &frmPramSet::Unloaded);
        dialog.form.txtContent->setText(QStringLiteral("not kept"));
        if (byCloseBox) {
            dialog.form.close();
        } else {
            QTest::mouseClick(dialog.form.cmdCancel, Qt::LeftButton);
        }
        EXPECT_EQ(unloaded.count(), 1);
        EXPECT_EQ(dialog.reload().strPram(2), ScrSavParameters::kNotExist) << "close box: " << byCloseBox;
    }
}
