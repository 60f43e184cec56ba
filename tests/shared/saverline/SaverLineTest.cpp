#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

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

// Arbitrary lines built from the separator, the modes and odd characters: an answer every time, and an
// accepted line always has its mode and fields taken from the text.
TEST(SaverLineParse, AnswersForArbitraryLines) {
    const QStringList pieces{QStringLiteral("##"),  QStringLiteral("#"),
                             QStringLiteral("RUN"), QStringLiteral("SHOW_CONFIG_FACE"),
                             QStringLiteral("1"),   QStringLiteral("-"),
                             QStringLiteral(" "),   QString(QChar(0)),
                             QStringLiteral("屏"),  QString(QChar(0xD800))};
    QRandomGenerator random(20261208);
    for (int round = 0; round < 20000; ++round) {
        QString text;
        const int count = static_cast<int>(random.bounded(16));
        for (int i = 0; i < count; ++i) text += pieces.at(static_cast<int>(random.bounded(pieces.size())));
        ParsedLine line;
        if (!boolParseCommandLine(text, line)) continue;
        ASSERT_TRUE(text.startsWith(line.strMode + QStringLiteral("##"))) << text.toStdString();
        for (const QString& field : line.astrFields) ASSERT_FALSE(field.contains(QStringLiteral("##")));
    }
}
