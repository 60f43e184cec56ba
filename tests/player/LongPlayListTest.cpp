// Long lists through the panel: a stored list of 10,000 items at start-up, and a file-list block of 5,000
// files handed over as the file manager hands it.
#include <QLabel>

#include "handover/FileListCommand.h"
#include "handover/MF.h"
#include "support/PanelHarness.h"

namespace {
constexpr int kStoredItems = 10000;
constexpr int kStoredPlayItem = 7000;  // its order in the list, from 1
constexpr int kHandedFiles = 5000;

QString storedName(int order) {
    return QStringLiteral("item %1.webm").arg(order, 5, 10, QLatin1Char('0'));
}
}  // namespace

class LongPlayList : public PanelFixture {
  protected:
    bool shown(int index) const { return panel->lvPlayList->viewport()->rect().intersects(rowRect(index)); }
};

TEST_F(LongPlayList, TenThousandStoredItemsShowAtStartUpAndAreStoredWhole) {
    db.exec(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                           "insert into play_list select 'F2026128' || i, printf('item %05d.webm', i), "
                           "printf('/media/list/item %05d.webm', i), i = %2, i from n")
                .arg(kStoredItems)
                .arg(kStoredPlayItem));
    QString error;
    ASSERT_TRUE(playList.boolGetPlayListFromPLDB(error)) << error.toStdString();
    panel->initializeFace();  // as start-up fills the panel from the loaded list

    ASSERT_EQ(rowCount(), kStoredItems);
    EXPECT_EQ(panel->labFileCount->text(), QString::number(kStoredItems));
    EXPECT_EQ(rowName(0), storedName(1));
    EXPECT_EQ(rowPath(kStoredItems - 1), QStringLiteral("/media/list/") + storedName(kStoredItems));
    const int playRow = kStoredPlayItem - 1;
    EXPECT_EQ(rowKey(playRow), QStringLiteral("F2026128%1").arg(kStoredPlayItem));
    EXPECT_TRUE(rowBold(playRow));
    EXPECT_FALSE(rowBold(0) || rowBold(kStoredItems - 1));
    EXPECT_EQ(selectedRow(), playRow);
    EXPECT_TRUE(shown(playRow));

    db.exec(QStringLiteral("delete from play_list"));
    ASSERT_TRUE(playList.boolSavePlayListToPLDB(error)) << error.toStdString();
    EXPECT_EQ(db.scalar(QStringLiteral("select count(*) from play_list where flag_for_play_list = "
                                       "'F2026128' || item_order and file_name = printf('item %05d.webm', "
                                       "item_order)"))
                  .toInt(),
              kStoredItems);
    EXPECT_EQ(
        db.scalar(QStringLiteral("select group_concat(item_order) from play_list where is_play_item = 1"))
            .toInt(),
        kStoredPlayItem);
}

// A list ten times as long still arrives in the view as one insertion and shows whole.
TEST_F(LongPlayList, AHundredThousandStoredItemsArriveInOneInsertion) {
    constexpr int kItems = 100000;
    db.exec(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < %1) "
                           "insert into play_list select 'F2026128' || i, printf('item %06d.webm', i), "
                           "printf('/media/list/item %06d.webm', i), i = %1, i from n")
                .arg(kItems));
    QString error;
    ASSERT_TRUE(playList.boolGetPlayListFromPLDB(error)) << error.toStdString();
    int insertions = 0;
    QObject::connect(panel->lvPlayList->model(), &QAbstractItemModel::rowsInserted, [&] { ++insertions; });
    panel->initializeFace();

    EXPECT_EQ(insertions, 1);
    ASSERT_EQ(rowCount(), kItems);
    EXPECT_EQ(panel->labFileCount->text(), QString::number(kItems));
    for (const int i : {0, 1, kItems / 2, kItems - 1}) {
        EXPECT_EQ(rowName(i), QStringLiteral("item %1.webm").arg(i + 1, 6, 10, QLatin1Char('0')));
        EXPECT_EQ(panel->rowByKey(QStringLiteral("f2026128%1").arg(i + 1)), i);
    }
    EXPECT_TRUE(rowBold(kItems - 1));
    EXPECT_EQ(selectedRow(), kItems - 1);
    EXPECT_TRUE(shown(kItems - 1));
}

TEST_F(LongPlayList, AFiveThousandFileBlockHandedOverAddsWholeAndInOrder) {
    QStringList files;
    for (int i = 0; i < kHandedFiles; ++i) files << makeFile(QStringLiteral("handed %1.webm").arg(i));
    const QString block = QStringLiteral("kestrune-test-long-%1").arg(QCoreApplication::applicationPid());
    qint32 size = 0;
    QString error;
    ASSERT_TRUE(boolWriteFileListBlock(block, files, size, error)) << error.toStdString();
    bool play = true;
    const QStringList list = commandFileList(strFileListCommand(false, block, size), play);
    MF::boolRemoveBlock(block);
    ASSERT_FALSE(play);
    controler.BatchAddMovie(list, play);

    ASSERT_EQ(rowCount(), kHandedFiles);
    QSet<QString> keys;
    for (int i = 0; i < kHandedFiles; ++i) {
        ASSERT_EQ(rowPath(i), files[i]) << "row " << i;
        keys.insert(rowKey(i).toCaseFolded());
    }
    EXPECT_EQ(keys.size(), kHandedFiles);  // every item is found by its own key
    EXPECT_EQ(playList.lngListCount(), kHandedFiles);
    EXPECT_TRUE(rowBold(0));
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_TRUE(waitPlaying(files[0]));
}
