// How a play item looks to the desktop's media controls: a track id for any key, and the address of a file
// whose name is not UTF-8, both ways.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "mpris/MprisTrack.h"
#include "support/ByteNamedFiles.h"

namespace {
MoviePtr itemWithKey(const QString& key) {
    auto item = std::make_shared<Movie>(key);
    item->strFilePath = QStringLiteral("/media/a.webm");
    item->strFileName = QStringLiteral("a.webm");
    return item;
}
}  // namespace

TEST(MediaControlsTrack, EveryKeyGivesAnObjectPathOfItsOwn) {
    const QRegularExpression objectPath(QStringLiteral("^(/[A-Za-z0-9_]+)+$"));
    QStringList paths;
    for (const char* key :
         {"F2026129001234567", "F20261290012345671_", "F2026129001234567_5F", "", "键 -."}) {
        paths << mpris_track::trackId(itemWithKey(QString::fromUtf8(key))).path();
        EXPECT_TRUE(objectPath.match(paths.last()).hasMatch()) << paths.last().toStdString();
    }
    paths.removeDuplicates();
    EXPECT_EQ(paths.size(), 5);
    EXPECT_EQ(mpris_track::trackId(nullptr).path(), "/org/mpris/MediaPlayer2/TrackList/NoTrack");
}

TEST(MediaControlsTrack, AddressesKeepTheBytesOfTheName) {
    const QByteArray path = "/media/" + bytenames::kGbkHello + " 1.mp3";
    const QString url = mpris_track::url(bytenames::playerText(path));
    EXPECT_EQ(url, "file:///media/%C4%E3%BA%C3%201.mp3");
    EXPECT_EQ(mpris_track::pathOfUri(url), bytenames::playerText(path));
    EXPECT_EQ(mpris_track::url("http://example.org/a.mp4"), "http://example.org/a.mp4");
    EXPECT_EQ(mpris_track::pathOfUri("HTTP://example.org/a.mp4"), "HTTP://example.org/a.mp4");
    EXPECT_EQ(mpris_track::pathOfUri("ftp://example.org/a.mp4"), "");

    const QVariantMap metadata = mpris_track::metadata(itemWithKey("F1"), 0);
    EXPECT_FALSE(metadata.contains("mpris:length"));  // not known yet
    EXPECT_EQ(mpris_track::metadata(itemWithKey("F1"), 3).value("mpris:length").toLongLong(), 3000000);
}
