// The floor of any Qt Widgets window that takes dropped files, for the drop figure: the window "drop-floor"
// takes a drop of file URLs, checks that each file is there and shows how many were, in one label. Whatever a
// player spends beyond this on a drop is its own.
#include <sys/stat.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

namespace {
class DropFloor : public QLabel {
  public:
    DropFloor() : QLabel(QStringLiteral("拖放文件到这里")) {
        setWindowTitle(QStringLiteral("drop-floor"));
        setAcceptDrops(true);
        resize(800, 500);
    }

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasUrls()) event->acceptProposedAction();
    }
    void dropEvent(QDropEvent* event) override {
        int found = 0;
        for (const QUrl& url : event->mimeData()->urls()) {
            struct stat status;
            if (::stat(QFile::encodeName(url.toLocalFile()).constData(), &status) == 0) ++found;
        }
        setText(QStringLiteral("共 %1 个文件").arg(found));
        event->acceptProposedAction();
    }
};
}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    DropFloor window;
    window.show();
    return app.exec();
}
