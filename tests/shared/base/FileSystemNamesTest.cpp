#include <gtest/gtest.h>

#include <QDir>
#include <QUrl>
#include <algorithm>
#include <random>
#include <string>

#include "base/CoreText.h"
#include "base/FileSystemNames.h"
#include "basecore/FileSystemNames.h"

TEST(FileSystemNames, EveryByteStringComesBackWhole) {
    for (int a = 1; a < 256; ++a) {
        for (int b = 1; b < 256; ++b) {
            const QByteArray bytes{static_cast<char>(a), static_cast<char>(b)};
            ASSERT_EQ(bytesForFileSystem(strFromFileSystemBytes(bytes)), bytes) << a << " " << b;
        }
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(1, 255), length(1, 40);
    for (int i = 0; i < 20000; ++i) {
        QByteArray bytes;
        for (int n = length(random); n > 0; --n) bytes += static_cast<char>(byte(random));
        ASSERT_EQ(bytesForFileSystem(strFromFileSystemBytes(bytes)), bytes) << bytes.toHex().constData();
    }
}

TEST(FileSystemNames, ValidUtf8IsPlainTextAndOnlyOtherBytesStandIn) {
    const QString text = QStringLiteral("/媒体/电影 1 \U0001F3AC.webm");
    EXPECT_EQ(strFromFileSystemBytes(text.toUtf8()), text);
    EXPECT_EQ(bytesForFileSystem(text), text.toUtf8());
    // "你好" in GBK, an encoded surrogate and an overlong "/": each byte stands for itself.
    EXPECT_EQ(strFromFileSystemBytes("a\xc4\xe3\xba\xc3\xed\xb3\x84\xc0\xaf"),
              QStringLiteral("a") + QChar(0xDCC4) + QChar(0xDCE3) + QChar(0xDCBA) + QChar(0xDCC3) +
                  QChar(0xDCED) + QChar(0xDCB3) + QChar(0xDC84) + QChar(0xDCC0) + QChar(0xDCAF));
    // A surrogate the decoder never gives goes out as U+FFFD.
    EXPECT_EQ(bytesForFileSystem(QString(QChar(0xD800))), QByteArray("\xef\xbf\xbd"));
}

TEST(FileSystemNames, FileUrlsAndPaths) {
    EXPECT_EQ(strLocalPathOfUrl(QUrl(QStringLiteral("file:///m/%C4%E3 x.wav"))),
              QStringLiteral("/m/") + QChar(0xDCC4) + QChar(0xDCE3) + QStringLiteral(" x.wav"));
    EXPECT_EQ(strLocalPathOfUrl(QUrl::fromLocalFile(QStringLiteral("/m/电影 100%.webm"))),
              QStringLiteral("/m/电影 100%.webm"));
    EXPECT_EQ(strLocalPathOfUrl(QUrl(QStringLiteral("http://host/a.webm"))), QString());
    EXPECT_EQ(strAbsolutePathIn(QStringLiteral("/m/a"), QStringLiteral("../b/./c.webm")),
              QStringLiteral("/m/b/c.webm"));
    EXPECT_EQ(strAbsolutePathIn(QStringLiteral("/m/a"), QStringLiteral("/x//y.webm")),
              QStringLiteral("/x/y.webm"));
}

// The start that hands over reads its arguments and cleans its paths without Qt: its rules give what Qt's
// own give the player, byte for byte, and keep what Qt's would lose.
TEST(FileSystemNames, TheToolkitFreeRulesAgreeWithQts) {
    for (const char* bytes : {"/媒体/电影 1 \U0001F3AC.webm", "a b.wav", "\x7f~", "\xf4\x8f\xbf\xbf"}) {
        EXPECT_EQ(qtText(basecore::strFromFileSystemBytes(bytes)), QString::fromUtf8(bytes)) << bytes;
    }
    // GBK, a lone continuation byte, a sequence cut short, an encoded surrogate, a byte never in UTF-8.
    for (const std::string bytes : {"\xc4\xe3\xba\xc3.webm", "a\x80", "\xe4\xb8", "\xed\xa0\x80", "\xff/"}) {
        const std::u16string text = basecore::strFromFileSystemBytes(bytes);
        EXPECT_TRUE(
            std::any_of(text.begin(), text.end(), [](char16_t c) { return c >= 0xDC80 && c <= 0xDCFF; }));
        EXPECT_EQ(basecore::bytesForFileSystem(text), bytes);
    }
    // Qt's decoder drops a byte-order mark at the start: as a name's first character it stays.
    EXPECT_EQ(basecore::strFromFileSystemBytes("\xef\xbb\xbf"
                                               "a.webm"),
              u"\ufeffa.webm");

    for (const QString path :
         {"", "/", "//", "///m//a/", "m/..", "m/../..", "../m", "/..", "/../m", "./", ".", "./m/.", "m/./a/",
          "/m/a/../../..", "m/a/../../../b", "m/...//", "/m/.a/..b"}) {
        EXPECT_EQ(qtText(basecore::strCleanPath(coreText(path))), QDir::cleanPath(path))
            << path.toStdString();
        EXPECT_EQ(qtText(basecore::strAbsolutePathIn(u"/x/y", coreText(path))),
                  QDir::cleanPath(path.startsWith('/') ? path : QStringLiteral("/x/y/") + path))
            << path.toStdString();
    }
}
