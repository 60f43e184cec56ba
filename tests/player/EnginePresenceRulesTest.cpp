#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "forms/CheckDllVer.h"
#include "forms/CheckOSVersion.h"

TEST(EngineVersionRule, VersionTextsBecomeFourNumbers) {
    EXPECT_EQ(CheckDllVer::strFourPartVersion(QStringLiteral("GStreamer 1.22.0")),
              QStringLiteral("1.22.0.0"));
    EXPECT_EQ(CheckDllVer::strFourPartVersion(QStringLiteral("libmpv 0.35.1")), QStringLiteral("0.35.1.0"));
    EXPECT_EQ(CheckDllVer::strFourPartVersion(QStringLiteral("9.0.0.3250")), QStringLiteral("9.0.0.3250"));
    EXPECT_EQ(CheckDllVer::strFourPartVersion(QStringLiteral("1.2.3.4.5")), QStringLiteral("1.2.3.4"));
    EXPECT_EQ(CheckDllVer::strFourPartVersion(QString()), QStringLiteral("N/A"));
    EXPECT_EQ(CheckDllVer::strFourPartVersion(QStringLiteral("GStreamer")), QStringLiteral("N/A"));
}

TEST(EngineVersionRule, InstalledFromTheMajorVersionOn) {
    EXPECT_TRUE(CheckDllVer::boolMajorAtLeast(QStringLiteral("9.0.0.3250"), 9));
    EXPECT_FALSE(CheckDllVer::boolMajorAtLeast(QStringLiteral("8.1.0.0"), 9));
    EXPECT_TRUE(CheckDllVer::boolMajorAtLeast(QStringLiteral("1.22.0.0"), 1));
    EXPECT_FALSE(CheckDllVer::boolMajorAtLeast(QStringLiteral("0.10.36.0"), 1));
    // Texts that cannot be judged count as not installed.
    EXPECT_FALSE(CheckDllVer::boolMajorAtLeast(QStringLiteral("N/A"), 1));
    EXPECT_FALSE(CheckDllVer::boolMajorAtLeast(QStringLiteral("12"), 1));
    EXPECT_FALSE(CheckDllVer::boolMajorAtLeast(QStringLiteral("x.1"), 1));
}

TEST(SystemRecognition, TheTableOfSystems) {
    struct Row {
        int platformId, major, minor;
        const char* name;
        int flag;
        bool supported;
    };
    const Row rows[] = {
        {0, 7, 3, "Windows 3.0", 11, false},         {1, 4, 0, "Windows 95", 12, false},
        {1, 4, 10, "Windows 98", 13, false},         {1, 4, 90, "Windows Mellinnium", 14, false},
        {2, 3, 51, "Windows NT 3.51", 151, false},   {2, 4, 0, "Windows NT 4.0", 152, false},
        {2, 5, 0, "Windows 2000", 16, true},         {2, 5, 1, "Windows XP", 17, true},
        {2, 5, 2, "Windows Server 2003", 18, true},  {2, 6, 1, "Windows Vista", 19, true},
        {1, 4, 11, "无法识别的操作系统", 10, false}, {2, 5, 3, "无法识别的操作系统", 10, false},
        {2, 10, 0, "无法识别的操作系统", 10, false}, {3, 6, 0, "无法识别的操作系统", 10, false},
    };
    CheckOSVersion os;
    EXPECT_EQ(os.enumOSVersionFlag(), 10);
    for (const Row& row : rows) {
        os.getOSVersion(row.platformId, row.major, row.minor);
        EXPECT_EQ(os.strOSName(), QString::fromUtf8(row.name)) << row.platformId << ' ' << row.major;
        EXPECT_EQ(os.enumOSVersionFlag(), row.flag) << row.name;
        EXPECT_EQ(os.boolSupported(), row.supported) << row.name;
    }
}

TEST(SystemRecognition, ThisSystemIsSupportedAndNamedFromOsRelease) {
    CheckOSVersion os;
    os.getOSVersion();
    EXPECT_TRUE(os.boolSupported());
    EXPECT_EQ(os.strOSName(), CheckOSVersion::strOSReleaseName());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("os-release"));
    const auto nameFrom = [&path](const QByteArray& text) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
        return CheckOSVersion::strOSReleaseName(path);
    };
    EXPECT_EQ(nameFrom("NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"),
              QStringLiteral("Debian GNU/Linux 12 (bookworm)"));
    EXPECT_EQ(nameFrom("NAME=Arch\nID=arch\n"), QStringLiteral("Arch"));
    EXPECT_EQ(nameFrom("ID=unknown\n"), QStringLiteral("Linux"));
    EXPECT_EQ(CheckOSVersion::strOSReleaseName(dir.filePath(QStringLiteral("missing"))),
              QStringLiteral("Linux"));
}
