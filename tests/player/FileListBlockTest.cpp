// The file-list block in real shared memory, the "DMenuF_" commands that name it, the player reading one at
// start-up, and the writer tool handing one to a program.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeView>

#include "app/M1.h"
#include "handover/FileListCommand.h"
#include "handover/MF.h"
#include "support/BuildPaths.h"

namespace {
QString freshName() {
    static int counter = 0;
    return QStringLiteral("KestruneTest_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

bool blockExists(const QString& name) {
    return QFileInfo::exists(QStringLiteral("/dev/shm/") + name);
}

// A block of `size` bytes holding text, made as a writer makes it.
void makeBlock(const QString& name, qint32 size, const QString& text) {
    MF writer;
    writer.setStrFMN(name);
    writer.setLngFS(size);
    ASSERT_NE(writer.OFM(), MF::kNoHandle);
    ASSERT_NE(writer.MFV(), nullptr);
    writer.WF(text);
}

QString readBlock(const QString& name, qint32 size) {
    MF reader;
    reader.setStrFMN(name);
    reader.setLngFS(size);
    reader.OFM();
    reader.MFV();
    return reader.RF();
}
}  // namespace

class FileListBlock : public ::testing::Test {
  protected:
    void TearDown() override {
        for (const QString& name : names) MF::boolRemoveBlock(name);
    }
    QString name() { return names.emplace_back(freshName()); }
    std::vector<QString> names;
};

TEST_F(FileListBlock, RoundTripKeepsEveryCodeUnitAndTheBlockIsTheUsersAlone) {
    const QString block = name();
    const QString text = QStringLiteral("/媒体/片段 1.webm@@_F%D-F_@/a/\U0001F3B5.ogg");
    makeBlock(block, static_cast<qint32>(text.size() * 2), text);
    EXPECT_EQ(readBlock(block, static_cast<qint32>(text.size() * 2)), text);

    struct stat info {};
    ASSERT_EQ(::stat(("/dev/shm/" + block).toUtf8().constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(info.st_size, text.size() * 2);
}

TEST_F(FileListBlock, NeverReadsOrWritesPastTheBlocksRealSize) {
    const QString block = name();
    makeBlock(block, 7, QStringLiteral("abcdef"));  // three whole code units fit; the odd byte stays 0

    MF reader;
    reader.setStrFMN(block);
    reader.setLngFS(1 << 20);  // claims more than the block holds
    ASSERT_NE(reader.OFM(), MF::kNoHandle);
    EXPECT_FALSE(reader.boolCreatedBlock());
    ASSERT_NE(reader.MFV(), nullptr);
    EXPECT_EQ(reader.viewSize(), 7u);
    EXPECT_EQ(reader.RF(), QStringLiteral("abc"));
    EXPECT_EQ(reader.WF(QStringLiteral("wxyz")), 6);
    reader.setLngFS(7);
    EXPECT_EQ(reader.RF(), QStringLiteral("wxy"));
}

TEST_F(FileListBlock, SizesOutOfRangeAndBadNamesReadNothingAndLeaveNoBlock) {
    const QString block = name();
    makeBlock(block, 6, QStringLiteral("abc"));
    EXPECT_EQ(readBlock(block, -2), QString());
    EXPECT_EQ(readBlock(block, MF::kMaxBlockSize + 1), QString());
    EXPECT_EQ(readBlock(block, 6), QStringLiteral("abc"));

    for (const qint32 size : {0, -4, MF::kMaxBlockSize + 2}) {
        const QString missing = name();
        MF reader;
        reader.setStrFMN(missing);
        reader.setLngFS(size);
        EXPECT_EQ(reader.OFM(), MF::kNoHandle) << size;
        EXPECT_FALSE(blockExists(missing)) << size;
    }
    for (const QString& bad : {QString(), QStringLiteral("a/b"), QStringLiteral(".."), QString(260, u'x')}) {
        MF reader;
        reader.setStrFMN(bad);
        reader.setLngFS(8);
        EXPECT_EQ(reader.OFM(), MF::kNoHandle) << bad.toStdString();
    }
}

TEST(FileListCommandText, MalformedCommandsAreRejectedAndOnlyExactPrefixesAreCommands) {
    FileListCommand command;
    for (const char* text :
         {"DMenuF_1__", "DMenuF_1__/?%/name", "DMenuF_2__/?%/name/?%/", "DMenuF_2__/?%/name/?%/12x",
          "DMenuF_1__/?%/name/?%/4294967296", "DMenuF_1__/name/4"}) {
        EXPECT_FALSE(boolParseFileListCommand(QString::fromUtf8(text), command)) << text;
        bool play = false;
        EXPECT_EQ(commandFileList(QString::fromUtf8(text), play), QStringList{QString()}) << text;
    }

    ASSERT_TRUE(boolParseFileListCommand(QStringLiteral("DMenuF_2__/?%/blk/?%/40/?%/extra"), command));
    EXPECT_EQ(command.mode, CommandMode::Add);
    EXPECT_EQ(command.strBlockName, QStringLiteral("blk"));
    EXPECT_EQ(command.lngBlockSize, 40);

    for (const QString& path :
         {QStringLiteral("dmenuf_1__/?%/blk/?%/40"), QStringLiteral("DMenuF_3__/?%/b/?%/4"),
          QStringLiteral("DMenuF_1_"), QStringLiteral("-SMF")}) {
        EXPECT_EQ(commandModeOf(path), CommandMode::Single) << path.toStdString();
        bool play = false;
        EXPECT_EQ(commandFileList(path, play), QStringList({QString(), path}));
        EXPECT_TRUE(play);
    }
}

TEST_F(FileListBlock, EmptyPiecesArePassedOnAndAnUnknownBlockListsNothing) {
    const QString block = name();
    QStringList files{QStringLiteral("/m/a.webm"), QString(), QStringLiteral("/m/b.ogg"), QString()};
    qint32 size = 0;
    QString error;
    ASSERT_TRUE(boolWriteFileListBlock(block, files, size, error)) << error.toStdString();
    EXPECT_FALSE(boolWriteFileListBlock(block, {QStringLiteral("/other")}, size, error));  // not overwritten

    bool play = true;
    EXPECT_EQ(commandFileList(strFileListCommand(false, block, size), play), QStringList{QString()} + files);
    EXPECT_FALSE(play);
    EXPECT_TRUE(blockExists(block));  // the writer's block is the writer's to remove

    const QString unknown = name();
    EXPECT_EQ(commandFileList(strFileListCommand(true, unknown, 64), play), QStringList{QString()});
    EXPECT_TRUE(play);
    EXPECT_FALSE(blockExists(unknown));
    EXPECT_EQ(fileListFromBlockText(QString(8, QChar(u'\0'))), QStringList{QString()});
}

TEST_F(FileListBlock, ThePlayerAddsTheBlocksFilesFromItsCommandLine) {
    QTemporaryDir dir;
    const QString a = dir.filePath(QStringLiteral("a.webm")), b = dir.filePath(QStringLiteral("b.ogg"));
    for (const QString& path : {a, b}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString block = name();
    qint32 size = 0;
    QString error;
    ASSERT_TRUE(
        boolWriteFileListBlock(block, {a, QStringLiteral("/no/such.webm"), b, QString()}, size, error));

    M1 m1(dir.path());
    m1.Main(strFileListCommand(false, block, size));
    m1.objControler()->setProcessEnder([] {});
    EXPECT_EQ(m1.objPlayList()->lngListCount(), 2);
    EXPECT_EQ(m1.controlPanel()->lvPlayList->model()->rowCount(), 2);
    EXPECT_TRUE(blockExists(block));  // the file manager's block is its own to remove

    // A block of a start's own goes once its files are rows: its writer may stop waiting.
    const QString own = name();
    ASSERT_TRUE(boolWriteOwnFileListBlock(own, {a}, size, error)) << error.toStdString();
    m1.processCommandString(strFileListCommand(false, own, size));
    EXPECT_EQ(m1.objPlayList()->lngListCount(), 3);
    EXPECT_FALSE(blockExists(own));

    m1.processCommandString(QStringLiteral("DMenuF_1__/?%/") + block);  // size missing: nothing added
    m1.processCommandString(strFileListCommand(true, name(), 64));      // nobody's block: nothing added
    EXPECT_EQ(m1.objPlayList()->lngListCount(), 3);
}

TEST_F(FileListBlock, TheWriterToolHandsTheProgramOneArgumentAndRemovesTheBlockAfterwards) {
    const QString block = name();
    QProcess tool;
    tool.start(built::writeFileList(),
               {QStringLiteral("--add"), QStringLiteral("--name"), block, QStringLiteral("--player"),
                built::writeFileList(), QStringLiteral("/m/a b.webm"), QStringLiteral("/m/c.ogg")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QStringList lines = QString::fromLocal8Bit(tool.readAllStandardOutput()).split(QLatin1Char('\n'));
    EXPECT_EQ(lines, QStringList({strFileListCommand(false, block, 58), QStringLiteral("/m/a b.webm"),
                                  QStringLiteral("/m/c.ogg"), QString()}));
    EXPECT_FALSE(blockExists(block));
}
