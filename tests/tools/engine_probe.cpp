// Plays one file in the screen window on one real engine, full size on the first monitor: the player's side
// of the engine benchmarks, and the process the exit test ends while it plays.
//
//   kestrune-engine-probe real|media FILE [quit-when-playing]
//
// Prints "play-to-first-frame-ms N" (measured in the process from play() until the window shows a picture)
// and ends when the media has played to its end. With quit-when-playing it prints "quitting" and ends as
// soon as the engine reports playing, tearing down the window and engines while they play.
#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <clocale>
#include <cstdio>

#include "engines/loader/EngineLoader.h"
#include "forms/frmScreen.h"

namespace {
// The rainbow band of the test picture: dozens of colours, where the bars above it have a handful.
bool showsPicture(const frmScreen& screen) {
    const QImage image = QGuiApplication::primaryScreen()
                             ->grabWindow(screen.winId(), 0, 545, 1280, 80)
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 9) {
        for (int x = 0; x < image.width(); x += 9) colours.insert(image.pixel(x, y) & 0xF0F0F0);
    }
    return colours.size() > 12;
}
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // as the player's main, for libmpv
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: %s real|media FILE [quit-when-playing]\n", argv[0]);
        return 2;
    }
    const bool real = QString::fromLocal8Bit(argv[1]) == QLatin1String("real");
    EngineLoader loader(QStringLiteral(KESTRUNE_ENGINE_DIR));
    frmScreen screen(loader.createRealPlayer(), loader.createMediaPlayer());
    screen.setWindowFlag(Qt::FramelessWindowHint);
    screen.setGeometry(0, 0, 1280, 720);
    screen.show();
    screen.setLngPlayRuler(real ? EngineRule::RealPlayerOnly : EngineRule::MediaPlayerOnly);
    screen.setIntVolume(kDefaultVolume);

    QElapsedTimer sincePlay;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!showsPicture(screen)) return;
        watch.stop();
        std::printf("play-to-first-frame-ms %lld\n", static_cast<long long>(sincePlay.elapsed()));
        std::fflush(stdout);
    });
    QObject::connect(&screen, &frmScreen::PlayOver, &app, &QApplication::quit);
    if (argc == 4 && QString::fromLocal8Bit(argv[3]) == QLatin1String("quit-when-playing")) {
        QTimer* playing = new QTimer(&app);
        playing->setInterval(10);
        QObject::connect(playing, &QTimer::timeout, [&] {
            if (screen.lngState() != PlayState::Playing) return;
            std::printf("quitting\n");
            std::fflush(stdout);
            app.quit();
        });
        playing->start();
    }
    QObject::connect(&screen, &frmScreen::PlayErr, [&](const QString& message) {
        std::fprintf(stderr, "play error: %s\n", message.toUtf8().constData());
        app.exit(1);
    });
    QTimer::singleShot(0, [&] {
        screen.setStrFilePath(QString::fromLocal8Bit(argv[2]));
        sincePlay.start();
        screen.play();
        if (qEnvironmentVariableIsEmpty("KESTRUNE_PROBE_NO_WATCH")) watch.start();
    });
    return app.exec();
}
