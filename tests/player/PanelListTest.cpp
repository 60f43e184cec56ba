#include <QCheckBox>
#include <QMenu>
#include <QPushButton>

#include "forms/ControlTag.h"
#include "support/PanelHarness.h"

class PanelList : public PanelFixture {
  protected:
    // The panel's rows and the controller's list hold the same items in the same order.
    void expectRowsMirrorThePlayList() {
        ASSERT_EQ(rowCount(), playList.lngListCount());
        for (int i = 0; i < rowCount(); ++i) {
            EXPECT_EQ(rowKey(i), playList.objGetAItem(i + 1)->strFlag) << "row " << i;
            EXPECT_EQ(rowBold(i), playList.objGetAItem(i + 1)->boolIsPlayItem) << "row " << i;
        }
    }
};

TEST_F(PanelList, DeleteWithNothingCheckedShowsAHintFor5SecondsAfterTheLastTry) {
    addFiles(2);
    panel->cmdPLDelete->click();
    EXPECT_TRUE(panel->labDeleteNote->isVisible());
    EXPECT_EQ(panel->labDeleteNote->text(), QStringLiteral("提示：请在要删除的条目前打钩"));
    EXPECT_EQ(panel->timDelayHideDeleteNote.interval(), 5000);
    QTest::qWait(1000);
    panel->mnuDeleteMovie->trigger();
    EXPECT_GT(panel->timDelayHideDeleteNote.remainingTime(), 4500);
    QTest::qWait(4200);  // over 5 s after the first try
    EXPECT_TRUE(panel->labDeleteNote->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !panel->labDeleteNote->isVisible(); }, 10000));
    EXPECT_EQ(rowCount(), 2);
}

TEST_F(PanelList, DeletingCheckedRowsThatHoldThePlayItemStopsOnItsNeighbour) {
    const QStringList paths = addFiles(4);
    ASSERT_TRUE(waitPlaying(paths[0]));
    checkRow(0, true);
    checkRow(2, true);
    panel->cmdPLDelete->click();

    EXPECT_EQ(rowNames(), (QStringList{QStringLiteral("clip1.webm"), QStringLiteral("clip3.webm")}));
    EXPECT_EQ(panel->labFileCount->text(), QStringLiteral("2"));
    expectRowsMirrorThePlayList();
    EXPECT_TRUE(rowBold(0));
    EXPECT_EQ(screen->lngState(), PlayState::Stopped);
    EXPECT_EQ(screen->strFilePath(), paths[1]);
    EXPECT_EQ(stateWord(), QStringLiteral("停止: "));
}

TEST_F(PanelList, DeletingARowThatIsNotPlayingLeavesPlaybackAlone) {
    const QStringList paths = addFiles(3);
    ASSERT_TRUE(waitPlaying(paths[0]));
    checkRow(1, true);
    panel->cmdPLDelete->click();
    EXPECT_EQ(rowNames(), (QStringList{QStringLiteral("clip0.webm"), QStringLiteral("clip2.webm")}));
    EXPECT_TRUE(waitPlaying(paths[0], 200));
}

TEST_F(PanelList, TheCheckAllBoxAndSingleRows) {
    addFiles(3);
    panel->chkToDeleteAll->click();
    EXPECT_TRUE(rowChecked(0) && rowChecked(1) && rowChecked(2));

    // Unchecking one row releases the box and leaves the other rows checked.
    checkRow(1, false);
    EXPECT_FALSE(panel->chkToDeleteAll->isChecked());
    EXPECT_EQ(tagOf(panel->chkToDeleteAll), QStringLiteral("0"));
    EXPECT_TRUE(rowChecked(0) && rowChecked(2));
    EXPECT_FALSE(rowChecked(1));

    // So does a row added while the box is checked.
    panel->chkToDeleteAll->click();
    addFiles(1, 3);
    EXPECT_FALSE(panel->chkToDeleteAll->isChecked());
    EXPECT_TRUE(rowChecked(0) && rowChecked(1) && rowChecked(2));
    EXPECT_FALSE(rowChecked(3));

    panel->chkToDeleteAll->click();
    panel->chkToDeleteAll->click();
    for (int i = 0; i < rowCount(); ++i) EXPECT_FALSE(rowChecked(i)) << "row " << i;

    // Deleting everything through the box leaves it unchecked and ready for the next list.
    panel->chkToDeleteAll->click();
    panel->cmdPLDelete->click();
    EXPECT_EQ(rowCount(), 0);
    EXPECT_FALSE(panel->chkToDeleteAll->isChecked());
    addFiles(2, 10);
    panel->chkToDeleteAll->click();
    EXPECT_TRUE(rowChecked(0) && rowChecked(1));
}

TEST_F(PanelList, HoldingMoveDownRepeatsAndTheRowKeepsItsMarks) {
    const QStringList paths = addFiles(8);
    ASSERT_TRUE(waitPlaying(paths[0]));
    checkRow(0, true);
    selectRow(0);

    QTest::mousePress(panel->cmdPLDown, Qt::LeftButton);
    EXPECT_EQ(panel->timDelayQuickMoveItem.interval(), 500);
    EXPECT_EQ(panel->timQuickMoveItem.interval(), 150);
    QTest::qWait(300);
    EXPECT_EQ(rowOf(QStringLiteral("clip0.webm")), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rowOf(QStringLiteral("clip0.webm")) >= 2; }, 5000));
    const int held = rowOf(QStringLiteral("clip0.webm"));
    QTest::mouseRelease(panel->cmdPLDown, Qt::LeftButton);  // the click ending the press moves once more
    const int moved = rowOf(QStringLiteral("clip0.webm"));
    EXPECT_EQ(moved, std::min(held + 1, 7));
    QTest::qWait(400);
    EXPECT_EQ(rowOf(QStringLiteral("clip0.webm")), moved);

    EXPECT_TRUE(rowSelected(moved));
    EXPECT_TRUE(rowChecked(moved));
    EXPECT_TRUE(rowBold(moved));
    for (int i = 0; i < rowCount(); ++i) {
        if (i != moved) {
            EXPECT_FALSE(rowChecked(i) || rowBold(i)) << "row " << i;
        }
    }
    expectRowsMirrorThePlayList();

    panel->cmdPLUp->click();
    EXPECT_EQ(rowOf(QStringLiteral("clip0.webm")), moved - 1);
    expectRowsMirrorThePlayList();
}

TEST_F(PanelList, DoubleClickAndContextMenuActOnlyOnTheSelectedRow) {
    const QStringList paths = addFiles(2);
    ASSERT_TRUE(waitPlaying(paths[0]));
    QWidget* rows = panel->lvPlayList->viewport();
    selectRow(1);
    const QPoint belowLast(10, rowRect(1).bottom() + 30);
    ASSERT_LT(belowLast.y(), rows->height());

    QTest::mouseDClick(rows, Qt::LeftButton, {}, belowLast);
    QTest::mouseClick(rows, Qt::RightButton, {}, belowLast);
    EXPECT_TRUE(waitPlaying(paths[0], 200));
    EXPECT_FALSE(panel->mnuMovieOperations->isVisible());

    selectRow(1);
    const QPoint onRow = rowRect(1).center();
    QTest::mouseClick(rows, Qt::RightButton, {}, onRow);
    EXPECT_TRUE(panel->mnuMovieOperations->isVisible());
    panel->mnuMovieOperations->hide();
    QTest::mouseDClick(rows, Qt::LeftButton, {}, onRow);
    ASSERT_TRUE(waitPlaying(paths[1]));
    EXPECT_TRUE(rowBold(1));
    EXPECT_FALSE(rowBold(0));
}

// Rows are found by key whatever its case, after moves and deletes; a click on a row's box checks it.
TEST_F(PanelList, RowsAreFoundByKeyInAnyCaseAfterMovesAndDeletes) {
    const QStringList paths = addFiles(4);
    ASSERT_TRUE(waitPlaying(paths[0]));
    const QString key2 = rowKey(2);
    selectRow(2);
    panel->cmdPLUp->click();
    ASSERT_EQ(rowOf(QStringLiteral("clip2.webm")), 1);
    EXPECT_EQ(panel->rowByKey(key2.toLower()), 1);
    EXPECT_EQ(panel->rowByKey(rowKey(2).toUpper()), 2);

    const QPoint box = panel->lvPlayList->visualRect(panel->lvPlayList->model()->index(0, 0)).center();
    QTest::mouseClick(panel->lvPlayList->viewport(), Qt::LeftButton, {}, box);
    ASSERT_TRUE(rowChecked(0));
    panel->cmdPLDelete->click();
    expectRowsMirrorThePlayList();
    EXPECT_EQ(panel->rowByKey(key2.toLower()), 0);
    panel->setPLItemStateByKey(rowKey(2).toLower(), RowState::Selected);
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_EQ(panel->strSelectedRowKey(), playList.objGetAItem(3)->strFlag);
    ASSERT_TRUE(rowBold(0));  // the play mark went to the neighbour
    panel->setPLItemStateByKey(rowKey(1).toLower(), RowState::PlayItem);
    EXPECT_TRUE(rowBold(1));
    EXPECT_EQ(rowTag(1), QStringLiteral("1"));
    EXPECT_FALSE(rowBold(0) || rowBold(2));
    EXPECT_EQ(rowTag(0), QStringLiteral("0"));
}
