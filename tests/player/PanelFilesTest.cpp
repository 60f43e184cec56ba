#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include "forms/FileAdding.h"
#include "forms/frmMsgBox.h"
#include "support/PanelHarness.h"

class PanelFiles : public PanelFixture {
  protected:
    QList<QUrl> droppedFiles(int count) {
        QList<QUrl> urls;
        for (int i = 0; i < count; ++i)
            urls << QUrl::fromLocalFile(
                makeFile(QStringLiteral("drop%1.webm").arg(i, 3, 10, QLatin1Char('0'))));
        return urls;
    }
};

TEST_F(PanelFiles, FiveHundredDroppedFilesAreAdded) {
    const QList<QUrl> urls = droppedFiles(kMaxDroppedFiles);
    processDroppedFiles(urls, false, &controler, panel.get());
    QCoreApplication::processEvents();

    EXPECT_EQ(rowCount(), 500);
    EXPECT_EQ(panel->labFileCount->text(), QStringLiteral("500"));
    EXPECT_EQ(playList.lngListCount(), 500);
    EXPECT_EQ(rowPath(499), urls.last().toLocalFile());
    EXPECT_TRUE(rowBold(0));  // the first file of a drop into an empty list plays
    EXPECT_TRUE(rowSelected(0));
    EXPECT_TRUE(waitPlaying(urls.first().toLocalFile()));
}

TEST_F(PanelFiles, FiveHundredAndOneAreRefusedWithAMessage) {
    QString note, yesText;
    bool noShown = true;
    onNextModal<frmMsgBox>([&](frmMsgBox* box) {
        note = box->labNote->text();
        yesText = box->cmdYes->text();
        noShown = box->cmdNo->isVisible();
        EXPECT_EQ(box->windowTitle(), QStringLiteral("提示"));
        box->cmdYes->click();
    });
    processDroppedFiles(droppedFiles(kMaxDroppedFiles + 1), true, &controler, panel.get());
    EXPECT_EQ(note, QStringLiteral("您选择的文件数量太多！"));
    EXPECT_EQ(yesText, QStringLiteral("确定"));
    EXPECT_FALSE(noShown);
    EXPECT_EQ(rowCount(), 0);
    EXPECT_EQ(playList.lngListCount(), 0);
}

// Qt reads the patterns of a filter from its last parentheses, separated by blanks.
TEST_F(PanelFiles, TheMediaFilterHasEighteenEntriesInQtSyntax) {
    const QStringList filters = buildMediaFileFilter();
    ASSERT_EQ(filters.size(), 18);
    const QRegularExpression qtSyntax(
        QStringLiteral("^(.*)\\(([a-zA-Z0-9_.,*? +;#\\-\\[\\]@\\{\\}/!<>\\$%&=^~:\\|]*)\\)$"));
    const QRegularExpression pattern(QStringLiteral("^\\*\\.[A-Za-z0-9*]+$"));
    for (int i = 0; i < filters.size(); ++i) {
        const QRegularExpressionMatch match = qtSyntax.match(filters[i]);
        ASSERT_TRUE(match.hasMatch()) << filters[i].toStdString();
        const QStringList patterns = match.captured(2).split(QLatin1Char(' '));
        for (const QString& p : patterns) EXPECT_TRUE(pattern.match(p).hasMatch()) << p.toStdString();
    }
    EXPECT_TRUE(filters[0].startsWith(QStringLiteral("所有媒体文件 (*.aif *.au *.avi *.mid ")));
    EXPECT_EQ(filters[6], QStringLiteral("QuickTime文件(*.mov; *.qt) (*.mov *.qt)"));
    EXPECT_EQ(filters[17], QStringLiteral("所有文件(*.*) (*.*)"));
    // All media files take in what both engines play.
    for (const char* format : {"mp4", "m4v", "mkv", "webm", "mov", "flac", "opus", "m4a", "ogg"})
        EXPECT_TRUE(filters[0].contains(QStringLiteral(" *.%1 ").arg(QLatin1String(format)))) << format;
}

// Batches a millisecond or two apart get the same key from the clock; every item must still have its own.
TEST_F(PanelFiles, BatchesAddedAtOnceKeepDistinctKeys) {
    for (int i = 0; i < 40; ++i)
        controler.BatchAddMovie({QString(), makeFile(QStringLiteral("quick%1.webm").arg(i))}, false);
    ASSERT_EQ(playList.lngListCount(), 40);
    QSet<QString> keys;
    for (long i = 1; i <= 40; ++i) keys.insert(playList.objGetAItem(i)->strFlag);
    EXPECT_EQ(keys.size(), 40);
    const QString last = playList.objGetAItem(40)->strFlag;
    panel->setPLItemStateByKey(last, RowState::Selected);
    EXPECT_TRUE(rowSelected(39));
}
