// Reading a file-list block that its writer does not keep still, and the lists a start hands over in blocks
// of its own.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>
#include <QCoreApplication>

#include "base/CoreText.h"
#include "handover/FileListCommand.h"
#include "handover/MF.h"
#include "startcore/OutgoingFileList.h"
#include "support/ShrinkingBlock.h"

namespace {
QString freshName() {
    static int counter = 0;
    return QStringLiteral("KestruneRead_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}
}  // namespace

// A block shrunk while it is read yields what it still holds, never a crash of the reader.
TEST(FileListBlockReading, ABlockShrunkWhileItIsReadNeverKillsTheReader) {
    const QString name = freshName();
    {
        qint32 size = 0;
        QString error;
        ASSERT_TRUE(boolWriteFileListBlock(name, {QString(4000, u'a')}, size, error));
        MF reader;
        reader.setStrFMN(name);
        reader.setLngFS(size);
        ASSERT_NE(reader.OFM(), MF::kNoHandle);
        reader.MFV();
        const int other = ::shm_open(("/" + name).toUtf8().constData(), O_RDWR, 0);
        ASSERT_GE(other, 0);
        ASSERT_EQ(::ftruncate(other, 0), 0);
        ::close(other);
        EXPECT_EQ(reader.RF(), QString());
        MF::boolRemoveBlock(name);
    }

    const qint32 size = MF::kMaxBlockSize;
    const QString shrinking = freshName();
    const ShrinkingBlock block(shrinking, size);
    ASSERT_TRUE(block.running());
    for (int i = 0; i < 8; ++i) {
        bool play = true;
        // The block holds zeros or nothing at any moment: no files either way.
        EXPECT_EQ(commandFileList(strFileListCommand(false, shrinking, size), play), QStringList{QString()});
    }
}

// A start's own blocks carry any path whole; the file manager's blocks keep their separator.
TEST(FileListBlockReading, TheListsAStartHandsOverKeepPathsHoldingTheSeparatorWhole) {
    const QString odd = QStringLiteral("/m/a@@_F%D-F_@b.webm");
    const QString longOne = QLatin1Char('/') + QString(1200, u'长') + QStringLiteral("@@_F%D-F_@/c.webm");
    for (const QStringList& files :
         {QStringList{longOne}, QStringList{odd, QStringLiteral("/m/b.ogg"), longOne}}) {
        OutgoingFileList block;
        std::u16string command, error;
        ASSERT_TRUE(block.boolWrite(coreTexts(files), command, error)) << qtText(error).toStdString();
        bool play = false;
        EXPECT_EQ(commandFileList(qtText(command), play), QStringList{QString()} + files);
        EXPECT_TRUE(play);
    }
}
