#include <gtest/gtest.h>

#include <QDateTime>

#include "base/ProgramPaths.h"
#include "base/Rounding.h"
#include "base/TextHelpers.h"
#include "model/Movie.h"
#include "platform/Twips.h"

TEST(Helpers, TimeText) {
    EXPECT_EQ(strGetTimStringBySecValue(0), QStringLiteral("00:00:00"));
    EXPECT_EQ(strGetTimStringBySecValue(3725), QStringLiteral("01:02:05"));
    EXPECT_EQ(strGetTimStringBySecValue(360000), QStringLiteral("100:00:00"));
    EXPECT_EQ(strGetTimStringBySecValue(59), QStringLiteral("00:00:59"));
    EXPECT_EQ(strGetTimStringBySecValue(-5), QStringLiteral("00:00:00"));
}

TEST(Helpers, FileNameOfPath) {
    EXPECT_EQ(strFileNameOfPath(QString()), QString());
    EXPECT_EQ(strFileNameOfPath(QStringLiteral("movie.webm")), QString());
    EXPECT_EQ(strFileNameOfPath(QStringLiteral("/home/u/")), QString());
    EXPECT_EQ(strFileNameOfPath(QStringLiteral("/home/u/电影.mp4")), QStringLiteral("电影.mp4"));
    EXPECT_EQ(strFileNameOfPath(QStringLiteral("C:\\v\\a.avi")), QStringLiteral("a.avi"));
    EXPECT_EQ(strFileNameOfPath(QStringLiteral("http://host/dir/clip.ogg")), QStringLiteral("clip.ogg"));
}

TEST(Helpers, RoundingHalfToEvenAndTwips) {
    EXPECT_EQ(lngRoundHalfEven(2.5), 2);
    EXPECT_EQ(lngRoundHalfEven(3.5), 4);
    EXPECT_EQ(lngRoundHalfEven(-2.5), -2);
    EXPECT_EQ(lngRoundHalfEven(2.4999), 2);
    EXPECT_EQ(lngRoundHalfEven(-0.6), -1);
    EXPECT_EQ(lngPixelsFromTwips(22.5, 15.0), 2);  // 1.5 pixels
    EXPECT_EQ(lngPixelsFromTwips(37.5, 15.0), 2);  // 2.5 pixels
    EXPECT_DOUBLE_EQ(dblTwipsFromPixels(1920, 15.0), 28800.0);
    EXPECT_GT(twipsPerPixelX(), 0.0);
    EXPECT_GT(twipsPerPixelY(), 0.0);
}

TEST(Helpers, ProgramFolders) {
    EXPECT_EQ(strParentFolder(QStringLiteral("/opt/kestrune/Kestrune")), QStringLiteral("/opt/kestrune"));
    EXPECT_FALSE(strProgramFolder().endsWith(QLatin1Char('/')));
}

TEST(Helpers, MovieFlagFromTheLocalClock) {
    const QDateTime time(QDate(2026, 3, 7), QTime(0, 2, 3, 456));
    EXPECT_EQ(Movie::strFlagFor(time), QStringLiteral("F20263700123456"));
    const QDateTime evening(QDate(2026, 12, 31), QTime(23, 59, 59, 0));
    EXPECT_EQ(Movie::strFlagFor(evening), QStringLiteral("F2026123186399000"));
    EXPECT_TRUE(Movie().strFlag.startsWith(QLatin1Char('F')));
}
