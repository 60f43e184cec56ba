#include <QAction>
#include <QDesktopServices>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include "forms/M1Windows.h"
#include "forms/frmAbout.h"
#include "forms/frmMsgBox.h"
#include "forms/frmSysConfig.h"
#include "support/PanelHarness.h"
#include "support/TempXdgHome.h"

// Catches what would open in the user's browser or mail program.
class UrlRecorder : public QObject {
    Q_OBJECT
  public:
    UrlRecorder() {
        for (const char* scheme : {"mailto", "http", "https", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"mailto", "http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;

  public slots:
    void open(const QUrl& url) { opened << url; }
};

class PanelDialogs : public PanelFixture {};

TEST_F(PanelDialogs, ClosingTheMessageBoxCountsAsNo) {
    frmMsgBox box(panel.get());
    box.boolDefaultYes = true;
    onNextModal<frmMsgBox>([](frmMsgBox* shown) {
        EXPECT_TRUE(shown->cmdYes->hasFocus());
        shown->close();
    });
    box.exec();
    EXPECT_FALSE(box.boolResult);
}

TEST_F(PanelDialogs, ExitAsksFirstAndEndsOnlyOnYes) {
    QString note, yes, no;
    onNextModal<frmMsgBox>([&](frmMsgBox* box) {
        note = box->labNote->text();
        yes = box->cmdYes->text();
        no = box->cmdNo->text();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("提示"));
        EXPECT_TRUE(box->cmdNo->isVisible());
        EXPECT_TRUE(box->cmdYes->hasFocus());
        box->cmdNo->click();
    });
    panel->mnuExit->trigger();
    EXPECT_EQ(note, QStringLiteral("您真的要关闭该程序吗?      "));
    EXPECT_EQ(yes, QStringLiteral("是"));
    EXPECT_EQ(no, QStringLiteral("否"));
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(panel->isVisible());

    onNextModal<frmMsgBox>([](frmMsgBox* box) { box->cmdYes->click(); });
    panel->mnuExit2->trigger();
    EXPECT_TRUE(QTest::qWaitFor([this] { return exits == 1; }, 5000));
}

TEST_F(PanelDialogs, TheAboutBoxAndTheManualOpenInTheUsersPrograms) {
    UrlRecorder recorder;
    onNextModal<frmAbout>([](frmAbout* about) {
        EXPECT_EQ(about->windowTitle(), QStringLiteral("关于"));
        QTest::mouseClick(about->txtEMail, Qt::LeftButton);
        QTest::mouseClick(about->txtHomePage, Qt::LeftButton);
        about->cmdOk->click();
    });
    panel->mnuAbout->trigger();
    ASSERT_EQ(recorder.opened.size(), 2);
    EXPECT_EQ(recorder.opened[0], QUrl(QStringLiteral("mailto:support@kestrune.org")));
    EXPECT_EQ(recorder.opened[1], QUrl(QStringLiteral("https://kestrune.org")));

    panel->mnuFAQ->trigger();
    ASSERT_EQ(recorder.opened.size(), 3);
    EXPECT_EQ(recorder.opened[2],
              QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/Help/FunctionIntroduce.htm"));
    EXPECT_TRUE(panel->mnuConfig->isEnabled());
}

// The settings dialog's help opens the manual at the section of the tab in front.
TEST_F(PanelDialogs, SettingsHelpOpensTheSectionOfTheTab) {
    TempXdgHome desktop;
    UrlRecorder recorder;
    onNextModal<frmSysConfig>([](frmSysConfig* dialog) {
        dialog->cmdHelp->click();
        dialog->sstTab->setCurrentIndex(1);
        QTRY_VERIFY_WITH_TIMEOUT(dialog->cmdCancel->isEnabled(), 20000);
        dialog->cmdHelp->click();
        dialog->cmdCancel->click();
    });
    panel->mnuConfig->trigger();
    QUrl manual = QUrl::fromLocalFile(QCoreApplication::applicationDirPath() + "/Help/FunctionIntroduce.htm");
    ASSERT_EQ(recorder.opened.size(), 2);
    manual.setFragment(QStringLiteral("Item3"));
    EXPECT_EQ(recorder.opened[0], manual);
    manual.setFragment(QStringLiteral("Item10"));
    EXPECT_EQ(recorder.opened[1], manual);
}

#include "PanelDialogsTest.moc"
