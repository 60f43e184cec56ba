// The floor of any Qt Widgets player on libmpv, for the playback figures: one window with a line of Chinese
// text and a native video area at the benchmark's place, libmpv drawing into it with the x11 output, the
// engine library loaded on a thread of its own while the window is built. Nothing else: no list, no
// settings, no tray, no second engine.
//
//   qt-mpv-floor FILE
#include <dlfcn.h>
#include <mpv/client.h>

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <future>

namespace {
struct Mpv {
    decltype(&mpv_create) create;
    decltype(&mpv_set_option_string) option;
    decltype(&mpv_initialize) initialize;
    decltype(&mpv_command) command;
};

Mpv loadMpv() {
    void* library = dlopen("libmpv.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library) return {};
    return {reinterpret_cast<decltype(&mpv_create)>(dlsym(library, "mpv_create")),
            reinterpret_cast<decltype(&mpv_set_option_string)>(dlsym(library, "mpv_set_option_string")),
            reinterpret_cast<decltype(&mpv_initialize)>(dlsym(library, "mpv_initialize")),
            reinterpret_cast<decltype(&mpv_command)>(dlsym(library, "mpv_command"))};
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    QApplication app(argc, argv);
    std::future<Mpv> loading = std::async(std::launch::async, loadMpv);

    QWidget panel;
    panel.setWindowTitle(QStringLiteral("控制面板"));
    auto* layout = new QVBoxLayout(&panel);
    layout->addWidget(new QLabel(QStringLiteral("播放列表：共 1 个文件")));
    panel.show();

    QWidget video;
    video.setWindowFlags(Qt::FramelessWindowHint);
    video.setAttribute(Qt::WA_NativeWindow);
    video.setGeometry(240, 135, 1440, 810);
    video.show();

    const Mpv mpv = loading.get();
    if (!mpv.create) return 1;
    mpv_handle* handle = mpv.create();
    const QByteArray wid = QByteArray::number(static_cast<qulonglong>(video.winId()));
    for (const auto& [name, value] : {std::pair{"wid", wid.constData()},
                                      {"vo", "x11"},
                                      {"hwdec", "no"},
                                      {"ao", "null"},
                                      {"keep-open", "yes"},
                                      {"config", "no"}})
        mpv.option(handle, name, value);
    if (mpv.initialize(handle) < 0) return 1;
    const char* load[] = {"loadfile", argv[1], nullptr};
    mpv.command(handle, load);
    return app.exec();
}
