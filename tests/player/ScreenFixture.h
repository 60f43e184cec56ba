#pragma once

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "forms/frmScreen.h"
#include "support/ScriptedEngines.h"

// A screen window on two scripted engines, shown, with a media file that exists.
class ScreenFixture : public ::testing::Test {
  protected:
    void build(EngineRule rule, EngineScript realScript = {}, EngineScript mediaScript = {}) {
        auto realEngine = std::make_unique<ScriptedRealPlayer>(realScript);
        auto mediaEngine = std::make_unique<ScriptedMediaPlayer>(mediaScript);
        real = realEngine.get();
        media = mediaEngine.get();
        screen = std::make_unique<frmScreen>(std::move(realEngine), std::move(mediaEngine));
        screen->setGeometry(100, 100, 640, 360);
        screen->show();
        screen->setLngPlayRuler(rule);
        errors = std::make_unique<QSignalSpy>(screen.get(), &frmScreen::PlayErr);
        overs = std::make_unique<QSignalSpy>(screen.get(), &frmScreen::PlayOver);
    }

    QString mediaFile() {
        const QString path = dir.path() + QStringLiteral("/clip.webm");
        QFile file(path);
        if (!file.exists() && file.open(QIODevice::WriteOnly)) file.write("media");
        return path;
    }

    // Loads the file and plays it; true when the window accepted the play.
    bool loadAndPlay() {
        screen->setStrFilePath(mediaFile());
        return screen->play();
    }

    bool waitForState(PlayState state, int timeoutMs = 5000) {
        return QTest::qWaitFor([&] { return screen->lngState() == state; }, timeoutMs);
    }

    QString lastError() const { return errors->isEmpty() ? QString() : errors->last().at(0).toString(); }

    QTemporaryDir dir;
    ScriptedRealPlayer* real = nullptr;
    ScriptedMediaPlayer* media = nullptr;
    std::unique_ptr<frmScreen> screen;
    std::unique_ptr<QSignalSpy> errors;
    std::unique_ptr<QSignalSpy> overs;
};
