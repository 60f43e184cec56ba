#include <gtest/gtest.h>

#include "saverline/SaverLine.h"

using saverline::boolParseCommandLine;
using saverline::ParsedLine;

TEST(SaverLineParse, TakesTheModeExactlyAndCountsTheFields) {
    ParsedLine line;
    EXPECT_FALSE(boolParseCommandLine(QString(), line));
    EXPECT_FALSE(boolParseCommandLine(QStringLiteral("run##0##0##0##0##0## "), line));
    EXPECT_FALSE(boolParseCommandLine(QStringLiteral("RUN##1##2##3##4##5"), line));
    EXPECT_FALSE(boolParseCommandLine(QStringLiteral("SHOW_CONFIG_FACE##1##2"), line));
    EXPECT_FALSE(boolParseCommandLine(QStringLiteral(" RUN##1##2##3##4##5##6"), line));
    EXPECT_FALSE(boolParseCommandLine(QStringLiteral("OTHER##1##2##3##4##5##6"), line));

    ASSERT_TRUE(boolParseCommandLine(QStringLiteral("RUN##-1##2##3##4##1##"), line));
    EXPECT_EQ(line.strMode, QStringLiteral("RUN"));
    EXPECT_EQ(line.astrFields[0], QStringLiteral("-1"));
    EXPECT_EQ(line.astrFields[4], QStringLiteral("1"));
    EXPECT_EQ(line.astrFields[5], QString());

    // Extra fields are ignored: a caption holding "##" is cut there.
    ASSERT_TRUE(boolParseCommandLine(QStringLiteral("SHOW_CONFIG_FACE##640##480##a##b##c##d"), line));
    EXPECT_EQ(line.strMode, QStringLiteral("SHOW_CONFIG_FACE"));
    EXPECT_EQ(line.astrFields[2], QStringLiteral("a"));
    EXPECT_EQ(line.astrFields[3], QString());
    EXPECT_EQ(line.astrFields[5], QString());
}

TEST(SaverLineParse, ReadsBackWhatThePlayerBuilds) {
    ParsedLine line;
    ASSERT_TRUE(boolParseCommandLine(saverline::previewLine(), line));
    EXPECT_EQ(line.astrFields[2], QStringLiteral("0"));
    EXPECT_EQ(line.astrFields[5], QStringLiteral(" "));

    ASSERT_TRUE(boolParseCommandLine(
        saverline::runLine(QRect(-1920, 10, 1920, 1080), true, QStringLiteral("屏幕 \"x\"; y")), line));
    EXPECT_EQ(line.astrFields[0], QStringLiteral("-1920"));
    EXPECT_EQ(line.astrFields[4], QStringLiteral("1"));
    EXPECT_EQ(line.astrFields[5], QStringLiteral("屏幕 \"x\"; y"));

    ASSERT_TRUE(boolParseCommandLine(saverline::configFaceLine(640, 480, QStringLiteral("设置")), line));
    EXPECT_EQ(line.astrFields[1], QStringLiteral("480"));
    EXPECT_EQ(line.astrFields[2], QStringLiteral("设置"));
}
