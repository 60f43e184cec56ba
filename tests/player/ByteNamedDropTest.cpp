// A dropped file whose name is not UTF-8 is added under its very bytes, and the stored list keeps them.
#include <QUrl>

#include "forms/FileAdding.h"
#include "support/ByteNamedFiles.h"
#include "support/PanelHarness.h"

using namespace bytenames;

class ByteNamedDrop : public PanelFixture {};

TEST_F(ByteNamedDrop, TheNameIsAddedAndStoredByteForByte) {
    const QByteArray path = copyUnder(QString(), QFile::encodeName(dir.path()), kGbkHello + ".webm");
    const QUrl url(QStringLiteral("file://") + QString::fromLatin1(path.toPercentEncoding("/")));
    processDroppedFiles({url}, false, &controler, panel.get());
    QCoreApplication::processEvents();
    ASSERT_EQ(playList.lngListCount(), 1);
    EXPECT_EQ(playList.objGetAItem(1)->strFilePath, playerText(path));

    QString error;
    ASSERT_TRUE(playList.boolSavePlayListToPLDB(error)) << error.toStdString();
    EXPECT_EQ(storedBytes(db.path(), "select file_path from play_list"), QList<QByteArray>{path});
    PlayList stored;
    stored.setStrPLDBFilePath(db.path());
    ASSERT_TRUE(stored.boolGetPlayListFromPLDB(error));
    EXPECT_EQ(stored.objGetAItem(1)->strFilePath, playerText(path));
}
