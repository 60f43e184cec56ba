#include "ScreenHarness.h"

void ScreenHarness::show(std::unique_ptr<RealPlayerEngine> realEngine,
                         std::unique_ptr<MediaPlayerEngine> mediaEngine, QRect rect) {
    screen.reset();
    real = qobject_cast<ScriptedRealPlayer*>(realEngine.get());
    media = qobject_cast<ScriptedMediaPlayer*>(mediaEngine.get());
    screen = std::make_unique<frmScreen>(std::move(realEngine), std::move(mediaEngine));
    screen->setGeometry(rect);
    screen->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
    errors = std::make_unique<QSignalSpy>(screen.get(), &frmScreen::PlayErr);
    overs = std::make_unique<QSignalSpy>(screen.get(), &frmScreen::PlayOver);
    progress = std::make_unique<QSignalSpy>(screen.get(), &frmScreen::JinDu);
}

void ScreenHarness::build(EngineRule rule, EngineScript realScript, EngineScript mediaScript) {
    show(std::make_unique<ScriptedRealPlayer>(realScript),
         std::make_unique<ScriptedMediaPlayer>(mediaScript));
    screen->setLngPlayRuler(rule);
}

bool ScreenHarness::playFile(const QString& path) {
    screen->setStrFilePath(path);
    return screen->play();
}
