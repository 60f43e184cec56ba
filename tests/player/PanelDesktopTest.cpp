// The control panel on a desktop: Qt's own dialogs and the error log's times in Chinese, and a link that
// nothing on the desktop can open is answered with a message.
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QWheelEvent>

#include "forms/ChineseLocale.h"
#include "forms/frmMsgBox.h"
#include "support/PanelHarness.h"

class PanelDesktop : public PanelFixture {};

TEST_F(PanelDesktop, QtsOwnDialogsAndTheErrorLogSpeakChinese) {
    useChineseLocale();
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    QStringList buttons;
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) buttons << button->text();
    EXPECT_TRUE(buttons.contains(QStringLiteral("取消"))) << buttons.join(QLatin1Char('|')).toStdString();

    const QString moment = strChineseDateTime(QDateTime(QDate(2026, 12, 8), QTime(7, 38, 5)));
    EXPECT_EQ(moment, QStringLiteral("2026/12/8 07:38:05"));
    addFiles(2);
    ASSERT_TRUE(mediaFails());
    const QString logged = panel->lvPlayErrLogList->topLevelItem(0)->text(1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}/\\d{1,2}/\\d{1,2} \\d\\d:\\d\\d:\\d\\d$"))
                    .match(logged)
                    .hasMatch())
        << logged.toStdString();
}

TEST_F(PanelDesktop, KeysAndTheWheelReachTheControllerFromBothWindowsButNotFromInsideTheList) {
    addFiles(3);
    ASSERT_TRUE(waitPlaying(makeFile("clip0.webm")));
    QTest::keyClick(screen.get(), Qt::Key_M);
    EXPECT_TRUE(screen->boolMute());
    QTest::keyClick(screen.get(), Qt::Key_Space);
    EXPECT_EQ(screen->lngState(), PlayState::Paused);
    EXPECT_EQ(stateWord(), QStringLiteral("暂停播放: "));

    const int volume = panel->sldVolume->value();
    panel->setFocus();
    QTest::keyClick(panel.get(), Qt::Key_Up);
    EXPECT_EQ(panel->sldVolume->value(), volume + 5);
    EXPECT_FALSE(screen->boolMute());  // a new volume brings the sound back
    QWheelEvent notch(QPointF(10, 10), screen->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(screen.get(), &notch);
    EXPECT_EQ(panel->sldVolume->value(), volume);

    panel->lvPlayList->setFocus();
    selectRow(0);
    QTest::keyClick(panel->lvPlayList, Qt::Key_Down);
    EXPECT_TRUE(rowSelected(1));
    EXPECT_EQ(panel->sldVolume->value(), volume);
}

// Without xdg-open or a browser on the path, the manual cannot open: the user is told, not left waiting.
TEST_F(PanelDesktop, AManualThatNothingOpensIsAnsweredWithAMessage) {
    const QByteArray path = qgetenv("PATH"), browser = qgetenv("BROWSER");
    qputenv("PATH", "/nonexistent");
    qunsetenv("BROWSER");
    QString note;
    onNextModal<frmMsgBox>([&note](frmMsgBox* box) {
        note = box->labNote->text();
        box->cmdYes->click();
    });
    panel->mnuFAQ->trigger();
    qputenv("PATH", path);
    if (!browser.isEmpty()) qputenv("BROWSER", browser);
    EXPECT_TRUE(note.startsWith(QStringLiteral("本机没有可以打开它的程序："))) << note.toStdString();
    EXPECT_TRUE(note.endsWith(QStringLiteral("/Help/FunctionIntroduce.htm"))) << note.toStdString();
}
