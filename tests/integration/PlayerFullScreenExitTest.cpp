// The built player on libmpv goes full screen and back while it plays, then ends in order: exit status 0 and
// not a word from X on its error output.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTest>

#include "basecore/Product.h"
#include "support/BuildPaths.h"
#include "support/ProgramFolder.h"

#include <csignal>

namespace {
// The screen window's rectangle, from the X server; empty while it has none.
QRect screenWindowRect() {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"),
                  {QStringLiteral("search"), QStringLiteral("--name"),
                   QStringLiteral("^%1$").arg(QLatin1String(kProductName)),
                   QStringLiteral("getwindowgeometry"), QStringLiteral("--shell")});
    xdotool.waitForFinished(5000);
    const QString text = QString::fromUtf8(xdotool.readAllStandardOutput());
    const auto value = [&text](const char* name) {
        const auto match = QRegularExpression(QStringLiteral("^%1=(-?\\d+)$").arg(QLatin1String(name)),
                                              QRegularExpression::MultilineOption)
                               .match(text);
        return match.hasMatch() ? match.captured(1).toInt() : 0;
    };
    return {value("X"), value("Y"), value("WIDTH"), value("HEIGHT")};
}

// A moving picture: many colours, and another picture 400 ms later.
bool playsAt(const QRect& area) {
    const auto grab = [&area] {
        return QGuiApplication::primaryScreen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage first = grab();
    QSet<QRgb> colours;
    for (int y = 0; y < first.height(); y += 5) {
        for (int x = 0; x < first.width(); x += 5) colours.insert(first.pixel(x, y) & 0xF0F0F0);
    }
    QTest::qWait(400);
    return colours.size() > 8 && grab() != first;
}

void xdotool(const QStringList& arguments) {
    QProcess::execute(QStringLiteral("xdotool"), arguments);
}
}  // namespace

class PlayerFullScreenExit : public ProgramFolderTest {
  protected:
    void SetUp() override {
        folder.seed({}, [](SysConfig& config) {
            config.setLngPlayRuler(EngineRule::RealPlayerOnly);
            config.setLngRecyclePlayType(PlayRule::ListLoop);  // the one clip plays over and over
        });
        ASSERT_TRUE(folder.installProgram());
    }

    // A point of the picture in the screen window at rect that the control panel, at the top left of the
    // first monitor, does not cover.
    static QPoint pictureAt(const QRect& rect) {
        return rect.topLeft() + QPoint(rect.width() * 3 / 4, rect.height() * 7 / 8);
    }

    // Waits until the screen window stands at rect, showing a moving picture.
    static bool waitForPlayingAt(const QRect& rect) {
        return QTest::qWaitFor(
            [&] {
                return screenWindowRect() == rect &&
                       playsAt(QRect(pictureAt(rect) - QPoint(30, 30), QSize(60, 60)));
            },
            20000);
    }
};

TEST_F(PlayerFullScreenExit, GoesFullScreenAndBackWhilePlayingAndEndsCleanly) {
    QProcess started;  // its error output is read below
    QProcess* player = &started;
    player->start(folder.program(), {built::media("clip.webm")});
    ASSERT_TRUE(player->waitForStarted(10000));

    const QRect normal(160, 90, 960, 540);  // three quarters of the first monitor, centred
    const QRect monitor(0, 0, 1280, 720);
    ASSERT_TRUE(waitForPlayingAt(normal));
    const QPoint video = pictureAt(normal);
    xdotool({QStringLiteral("mousemove"), QString::number(video.x()), QString::number(video.y()),
             QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
             QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
    ASSERT_TRUE(waitForPlayingAt(monitor));

    // "退出全屏", the first item of the screen window's menu.
    const QPoint menuAt = pictureAt(monitor);
    xdotool({QStringLiteral("mousemove"), QString::number(menuAt.x()), QString::number(menuAt.y()),
             QStringLiteral("click"), QStringLiteral("3")});
    QTest::qWait(700);
    xdotool({QStringLiteral("key"), QStringLiteral("Down"), QStringLiteral("Return")});
    ASSERT_TRUE(waitForPlayingAt(normal));

    ::kill(static_cast<pid_t>(player->processId()), SIGTERM);
    EXPECT_EQ(waitForExit(player), 0);
    const QString errors = QString::fromLocal8Bit(player->readAllStandardError());
    std::fprintf(stderr, "%s", qPrintable(errors));
    for (const char* xError : {"X Error", "BadWindow", "BadDrawable", "XCB error", "X11 error", "XIO"})
        EXPECT_FALSE(errors.contains(QLatin1String(xError))) << xError;
}
