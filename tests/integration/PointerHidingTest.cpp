// The pointer over the full-screen video, with the start-up wiring of the controller and the real pointer
// of the X server: it goes blank after the rest time and comes back at a move, and the screen window's
// rectangle reaches the controller for the saver controller.
#include <gtest/gtest.h>

#include <QGuiApplication>

#include "basecore/Product.h"
#include "platform/Services.h"
#include "saverctl/MouseHideShow.h"
#include "support/ManualClock.h"
#include "support/PanelHarness.h"
#include "support/XTools.h"

namespace {
class PointerOverVideo : public ::testing::Test, public PanelHarness {
  protected:
    void SetUp() override {
        if (!xtools::installed("xdotool")) GTEST_SKIP() << "xdotool is not installed";
        screen->setWindowTitle(QLatin1String(kProductName));  // as start-up names it
        panel->move(1400, 100);                               // on the other monitor, off the video
        controler.setFullScreenOn(QRect(0, 0, 1280, 720));
        ASSERT_TRUE(QTest::qWaitFor([this] { return screen->geometry() == QRect(0, 0, 1280, 720); }, 5000));
    }
    // Long enough for the hider's 300 ms tick to look at least twice.
    static void letTheHiderLook() { QTest::qWait(3 * MouseHideShow::kCheckIntervalMs); }
    bool hidden() const { return controler.objMouseHideShow()->boolMouseHidden(); }

    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>(1'000'000);
    ScopedServices manualTime{Services{.clock = clock}};
};
}  // namespace

TEST_F(PointerOverVideo, GoesBlankAfterTheRestTimeAndComesBackAtAMove) {
    const QPoint centre(640, 360);
    ASSERT_EQ(QGuiApplication::topLevelAt(centre), screen->windowHandle());
    ASSERT_TRUE(xtools::movePointer(centre));
    letTheHiderLook();
    clock->advance(5000);
    letTheHiderLook();
    EXPECT_FALSE(hidden());
    EXPECT_FALSE(xtools::pointerBlank());

    clock->advance(300);
    ASSERT_TRUE(QTest::qWaitFor([this] { return hidden(); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([] { return xtools::pointerBlank(); }, 10000));

    ASSERT_TRUE(xtools::movePointer(centre + QPoint(5, 5)));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !hidden() && !xtools::pointerBlank(); }, 10000));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PointerOverVideo, TheWindowsRectangleReachesTheController) {
    QSignalSpy reports(screen.get(), &frmScreen::FrmPosiReport);
    ASSERT_TRUE(reports.wait(10000));
    const QList<QVariant> report = reports.takeFirst();
    EXPECT_EQ(QRect(report.at(0).toInt(), report.at(1).toInt(), report.at(2).toInt(), report.at(3).toInt()),
              screen->frameGeometry());
    EXPECT_EQ(screen->timFrmPosiReport.interval(), 2000);
    // The report is wired to the controller, as start-up wires it.
    EXPECT_TRUE(QObject::disconnect(screen.get(), &frmScreen::FrmPosiReport, &controler,
                                    &Controler::setPlayPosiForScreenSaver));
}
