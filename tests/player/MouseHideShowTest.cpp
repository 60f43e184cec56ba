// The pointer hider on a hand-moved clock and a placed pointer, over real top-level windows: when it hides,
// where it never does, and that it leaves no blank pointer behind.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTest>
#include <QWidget>

#include "saverctl/MouseHideShow.h"
#include "support/ScopedIdleServices.h"
#include "support/ScopedMonitorSource.h"

namespace {
const QRect kVideo(100, 100, 640, 360);
const QString kCaption = QStringLiteral("Kestrune Vandrel");

bool pointerBlank() {
    return QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::BlankCursor;
}

class PointerHiding : public ::testing::Test {
  protected:
    void SetUp() override {
        video.setWindowTitle(kCaption);
        video.setGeometry(kVideo);
        video.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&video));
        QObject::connect(&hider, &MouseHideShow::tellMePlayArea, &hider,
                         [this](int& left, int& top, int& width, int& height, bool& full, QString& caption) {
                             area.getRect(&left, &top, &width, &height);
                             full = fullScreen;
                             caption = areaCaption;
                         });
        hider.setLngBeforeHideMouseSecondNum(5);
        hider.setBoolEnabled(true);
        pointAt(kVideo.center());
    }
    void pointAt(QPoint point) { monitors.source().setPointerPosition(point); }
    // The pointer rests from now on: the first tick sees it, then the clock runs on tick by tick.
    void restFor(std::int64_t milliseconds) {
        hider.m_objTC_ItsTime();
        for (std::int64_t rest = 0; rest < milliseconds;) {
            const std::int64_t step =
                std::min<std::int64_t>(MouseHideShow::kCheckIntervalMs, milliseconds - rest);
            idle.clock().advance(step);
            rest += step;
            hider.m_objTC_ItsTime();
        }
    }

    ScopedIdleServices idle{1'000'000};
    ScopedMonitorSource monitors{{monitorInfo("M", QRect(0, 0, 1280, 720), true)}};
    QWidget video;
    QRect area = kVideo;
    bool fullScreen = true;
    QString areaCaption = kCaption;
    MouseHideShow& hider = *new MouseHideShow(&video);  // goes with the video window, or before it
};
}  // namespace

TEST_F(PointerHiding, HidesOnlyAfterMoreThanTheRestTimeAndShowsAtTheFirstMovement) {
    EXPECT_EQ(hider.lngBeforeHideMouseSecondNum(), 5);
    restFor(5000);
    EXPECT_FALSE(hider.boolMouseHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    idle.clock().advance(1);
    hider.m_objTC_ItsTime();
    EXPECT_TRUE(hider.boolMouseHidden());
    EXPECT_TRUE(pointerBlank());
    restFor(3000);  // stays hidden on one override only

    pointAt(kVideo.center() + QPoint(1, 0));
    hider.m_objTC_ItsTime();
    EXPECT_FALSE(hider.boolMouseHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    // The movement starts the rest time anew.
    idle.clock().advance(5000);
    hider.m_objTC_ItsTime();
    EXPECT_FALSE(hider.boolMouseHidden());
    idle.clock().advance(300);
    hider.m_objTC_ItsTime();
    EXPECT_TRUE(hider.boolMouseHidden());
}

TEST_F(PointerHiding, NeverHidesOffTheFullScreenVideoOrOverAnotherWindow) {
    QWidget panel;
    panel.setWindowTitle(QStringLiteral("控制面板"));
    panel.setGeometry(kVideo.left() + 20, kVideo.top() + 20, 200, 150);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));

    const struct {
        const char* what;
        QPoint pointer;
        bool full;
        QString caption;
        bool hides;
    } rows[] = {
        {"full screen, caption in another case", kVideo.center(), true, kCaption.toUpper(), true},
        {"not full screen", kVideo.center(), false, kCaption, false},
        {"outside the rectangle", kVideo.bottomRight() + QPoint(2, 2), true, kCaption, false},
        {"over the control panel", kVideo.topLeft() + QPoint(40, 40), true, kCaption, false},
        {"empty caption", kVideo.center(), true, QString(), false},
        {"another caption", kVideo.center(), true, QStringLiteral("Kestrune"), false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        fullScreen = row.full;
        areaCaption = row.caption;
        pointAt(row.pointer);
        restFor(8000);
        EXPECT_EQ(hider.boolMouseHidden(), row.hides);
        EXPECT_EQ(pointerBlank(), row.hides);
        pointAt(QPoint(1, 1));  // a move shows it and starts the next row's rest
        hider.m_objTC_ItsTime();
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PointerHiding, DisablingAndDestructionLeaveNoBlankPointer) {
    restFor(5300);
    ASSERT_TRUE(pointerBlank());
    hider.setBoolEnabled(false);
    EXPECT_FALSE(hider.boolMouseHidden());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    restFor(8000);  // disabled: the ticks do nothing
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    hider.setBoolEnabled(true);
    restFor(5300);
    ASSERT_TRUE(pointerBlank());
    delete &hider;
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
