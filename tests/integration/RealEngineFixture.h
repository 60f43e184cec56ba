#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "engines/loader/EngineLoader.h"
#include "forms/frmScreen.h"

// A screen window on the real engines, loaded from the build's engines folder, shown on the first monitor of
// the private Xvfb server.
class RealEngineFixture : public ::testing::Test {
  public:
    static QString media(const char* name) {
        return QStringLiteral(KESTRUNE_TEST_MEDIA_DIR "/") + QLatin1String(name);
    }

  protected:
    void build(EngineRule rule, QRect rect = QRect(100, 100, 640, 360)) {
        screen.reset();
        screen = std::make_unique<frmScreen>(loader.createRealPlayer(), loader.createMediaPlayer());
        screen->setGeometry(rect);
        screen->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        screen->setLngPlayRuler(rule);
        errors = std::make_unique<QSignalSpy>(screen.get(), &frmScreen::PlayErr);
        overs = std::make_unique<QSignalSpy>(screen.get(), &frmScreen::PlayOver);
        progress = std::make_unique<QSignalSpy>(screen.get(), &frmScreen::JinDu);
    }

    bool playFile(const char* name) {
        screen->setStrFilePath(media(name));
        return screen->play();
    }

    bool waitForState(PlayState state, int timeoutMs = 15000) {
        return QTest::qWaitFor([&] { return screen->lngState() == state; }, timeoutMs);
    }

    QString lastError() const { return errors->isEmpty() ? QString() : errors->last().at(0).toString(); }

    // What the screen window shows, as the X server has it (the engines' own video windows included).
    QImage grab() const {
        return QGuiApplication::primaryScreen()
            ->grabWindow(screen->winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // How many distinct colours a coarse sample of the picture holds: a black or empty area has one or two,
    // the moving test picture dozens.
    static int distinctColours(const QImage& image) {
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 7) {
            for (int x = 0; x < image.width(); x += 7) colours.insert(image.pixel(x, y) & 0xF0F0F0);
        }
        return static_cast<int>(colours.size());
    }

    // Clicks with xdotool at a point of the screen window, as a user would; repeat 2 is a double click.
    void xdotoolClick(QPoint local, int button = 1, int repeat = 1) const {
        const QPoint global = screen->mapToGlobal(local);
        QProcess::execute(
            QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y()),
             QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(repeat),
             QStringLiteral("--delay"), QStringLiteral("60"), QString::number(button)});
    }

    EngineLoader loader{QStringLiteral(KESTRUNE_ENGINE_DIR)};
    std::unique_ptr<frmScreen> screen;
    std::unique_ptr<QSignalSpy> errors;
    std::unique_ptr<QSignalSpy> overs;
    std::unique_ptr<QSignalSpy> progress;
};
