// The built text saver on the two monitors of the private Xvfb (L 1280x720 at 0,0, R 1920x1080 at 1280,0):
// which monitors it covers, its moving text, the hidden pointer, and its end at the first real input.
#include <gtest/gtest.h>

#include <QCursor>
#include <QElapsedTimer>
#include <QTest>

#include "saverline/SaverLine.h"
#include "support/ProcessesUnderTest.h"
#include "support/RuntimeFolder.h"
#include "support/SaverFolder.h"
#include "support/XTools.h"

namespace {
constexpr int kHangGuardMs = 20000;
const QRect kLeft(0, 0, 1280, 720);
const QRect kRight(1280, 0, 1920, 1080);
const QString kSaverWindows = QStringLiteral("^sarnwick$");

class SaverProgram : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xtools::installed("xdotool")) GTEST_SKIP() << "xdotool is not installed";
    }
    QProcess* start(const QString& line) { return processes.start(folder.program(), {line}); }
    // The saver's windows once as many as expected are shown, by their rectangles from left to right.
    static QList<QRect> shownWindows(qsizetype count) {
        QList<QRect> rects;
        const bool enough = QTest::qWaitFor(
            [&] {
                rects.clear();
                for (WId window : xtools::visibleWindows(kSaverWindows))
                    rects << xtools::windowRectangle(window);
                return rects.size() >= count;
            },
            kHangGuardMs);
        EXPECT_TRUE(enough) << "saver windows shown: " << rects.size();
        std::sort(rects.begin(), rects.end(), [](const QRect& a, const QRect& b) { return a.x() < b.x(); });
        return rects;
    }

    RuntimeFolder runtime;
    SaverFolder folder;
    ProcessesUnderTest processes;
};
}  // namespace

// The video wholly on L: one window exactly over R, whose text moves while the pointer is hidden; a key
// ends the saver and the pointer shows again.
TEST_F(SaverProgram, CoversTheFreeMonitorUntilAKey) {
    // On R, away from the text: the pointer is the saver's to hide only over its own windows.
    ASSERT_TRUE(xtools::movePointer(QPoint(2400, 900)));
    QProcess* saver = start(saverline::runLine(kLeft, false, QStringLiteral("no such window")));
    ASSERT_NE(saver, nullptr);
    ASSERT_EQ(shownWindows(1), QList<QRect>{kRight});
    const WId window = xtools::visibleWindows(kSaverWindows).first();
    EXPECT_TRUE(QTest::qWaitFor(xtools::pointerBlank, kHangGuardMs));

    QRect first;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(first = xtools::pictureBox(xtools::grab(window))).isEmpty(); },
                                kHangGuardMs));
    QRect later;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            later = xtools::pictureBox(xtools::grab(window));
            return !later.isEmpty() && later.topLeft() != first.topLeft();
        },
        kHangGuardMs));
    // Right and down from the start: both steps begin at +2.
    EXPECT_GT(later.x(), first.x());
    EXPECT_GT(later.y(), first.y());
    EXPECT_EQ(saver->state(), QProcess::Running);

    ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), {"key", "space"}), 0);
    EXPECT_EQ(ProcessesUnderTest::waitForExit(saver, kHangGuardMs), 0);
    EXPECT_TRUE(xtools::visibleWindows(kSaverWindows).isEmpty());
    EXPECT_FALSE(xtools::pointerBlank());
}

// The player's preview covers both monitors; a second start meanwhile ends at once, and a pointer move ends
// the first one.
TEST_F(SaverProgram, PreviewCoversEveryMonitorAndStaysAlone) {
    ASSERT_TRUE(xtools::movePointer(QPoint(10, 10)));
    QProcess* saver = start(saverline::previewLine());
    ASSERT_NE(saver, nullptr);
    ASSERT_EQ(shownWindows(2), (QList<QRect>{kLeft, kRight}));
    EXPECT_TRUE(QTest::qWaitFor(xtools::pointerBlank, kHangGuardMs));

    QProcess* second = start(saverline::configFaceLine(640, 480, QStringLiteral(" ")));
    EXPECT_EQ(ProcessesUnderTest::waitForExit(second, kHangGuardMs), 0);
    EXPECT_TRUE(xtools::visibleWindows(QStringLiteral("屏保设置")).isEmpty());

    ASSERT_TRUE(xtools::movePointer(QPoint(700, 400)));
    EXPECT_EQ(ProcessesUnderTest::waitForExit(saver, kHangGuardMs), 0);
    EXPECT_FALSE(xtools::pointerBlank());
}

// Half the video on each monitor leaves none free: no window, and the saver ends by itself; so does a line
// whose numbers are none.
TEST_F(SaverProgram, EndsAtOnceWithNothingToCover) {
    for (const QString& line : {saverline::runLine(QRect(640, 0, 1280, 720), false, QStringLiteral("x")),
                                QStringLiteral("RUN##left##0##0##0##0##x")}) {
        QProcess* saver = start(line);
        ASSERT_NE(saver, nullptr);
        EXPECT_EQ(ProcessesUnderTest::waitForExit(saver, kHangGuardMs), 0) << line.toStdString();
        EXPECT_TRUE(xtools::visibleWindows(kSaverWindows).isEmpty());
    }
}
