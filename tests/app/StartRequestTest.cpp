// What a start makes of its arguments: paths from a terminal are made absolute, several files stay several,
// words that name one file with blanks stay one path, and --help or --version answer unless a file has that
// name.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "start/StartRequest.h"

namespace {
class StartRequests : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a.webm", "b.mp3", "two words.ogg"}) touch(QLatin1String(name));
    }
    void touch(const QString& name) const {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    StartRequest of(const QStringList& arguments) const { return startRequestOf(arguments, dir.path()); }

    QTemporaryDir dir;
};
}  // namespace

TEST_F(StartRequests, PathsFromATerminalAreMadeAbsoluteAndSeveralStaySeveral) {
    EXPECT_EQ(of({"a.webm"}).strCommandLine, dir.filePath("a.webm"));
    EXPECT_EQ(of({"./sub/../a.webm"}).strCommandLine, dir.filePath("a.webm"));
    EXPECT_EQ(of({"two", "words.ogg"}).strCommandLine, dir.filePath("two words.ogg"));
    EXPECT_EQ(of({"two words.ogg"}).strCommandLine, dir.filePath("two words.ogg"));

    const StartRequest several = of({"a.webm", "missing.wav", "HTTP://example.org/live", "b.mp3"});
    EXPECT_TRUE(several.strCommandLine.isEmpty());
    EXPECT_EQ(several.files,
              (QStringList{dir.filePath("a.webm"), "HTTP://example.org/live", dir.filePath("b.mp3")}));
    EXPECT_EQ(several.notFound, QStringList{"missing.wav"});
    EXPECT_EQ(of({"a.webm", "missing.wav"}).strCommandLine, dir.filePath("a.webm"));
}

TEST_F(StartRequests, OtherFormsPassAsTheyAre) {
    EXPECT_TRUE(of({}).strCommandLine.isEmpty());
    EXPECT_EQ(of({"missing.wav"}).strCommandLine, QStringLiteral("missing.wav"));
    EXPECT_EQ(of({"http://example.org/a.mp4"}).strCommandLine, QStringLiteral("http://example.org/a.mp4"));
    EXPECT_EQ(of({"DMenuF_1__/?%/block", "name/?%/12"}).strCommandLine,
              QStringLiteral("DMenuF_1__/?%/block name/?%/12"));
    EXPECT_EQ(of({"/absolute/missing.wav"}).strCommandLine, QStringLiteral("/absolute/missing.wav"));
}

TEST_F(StartRequests, HelpAndVersionAnswerUnlessAFileHasThatName) {
    EXPECT_EQ(of({"--help"}).action, StartRequest::Action::PrintUsage);
    EXPECT_EQ(of({"-h"}).action, StartRequest::Action::PrintUsage);
    EXPECT_EQ(of({"--version"}).action, StartRequest::Action::PrintVersion);
    EXPECT_EQ(of({"--help", "a.webm"}).action, StartRequest::Action::Start);
    touch(QStringLiteral("--help"));
    EXPECT_EQ(of({"--help"}).action, StartRequest::Action::Start);
    EXPECT_EQ(of({"--help"}).strCommandLine, dir.filePath("--help"));
    EXPECT_TRUE(strUsageText().startsWith(QStringLiteral("用法: brandock")));
    EXPECT_EQ(strVersionText(), QStringLiteral("brandock (Kestrune Vandrel) 1.3\n"));
}

// A start that hands over reads its files without QApplication: Qt's own options go, with their values,
// in either spelling, and the rest stays in order.
TEST_F(StartRequests, ToolkitOptionsAreTakenOutAsQApplicationWould) {
    EXPECT_EQ(withoutToolkitOptions({"-platform", "xcb", "a.webm", "--style=fusion", "-reverse", "--display",
                                     ":1", "b.mp3", "-stylesheet", "x.qss"}),
              (QStringList{"a.webm", "b.mp3"}));
    EXPECT_EQ(withoutToolkitOptions({"a.webm", "-platform"}), QStringList{"a.webm"});
    EXPECT_EQ(withoutToolkitOptions({"-platformx", "two words.ogg"}),
              (QStringList{"-platformx", "two words.ogg"}));
}
