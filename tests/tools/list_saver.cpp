// Stores a play list of 20,000 items in a settings database over and over, for the test that kills it at
// random moments. Every item of save n names generation n in its key ("G<n>-<position>") and its path
// ("/media/g<n>/<position>.webm"); before and after each save a line says so.
//
//   kestrune-list-saver DATABASE FIRST-GENERATION
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "model/PlayList.h"

namespace {
constexpr long kItems = 20000;

void nameGeneration(PlayList& list, long generation) {
    for (long i = 1; i <= kItems; ++i) {
        Movie& item = *list.objGetAItem(i);
        item.strFlag = QStringLiteral("G%1-%2").arg(generation).arg(i);
        item.strFileName = QStringLiteral("%1.webm").arg(i);
        item.strFilePath = QStringLiteral("/media/g%1/%2.webm").arg(generation).arg(i);
    }
}
}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: kestrune-list-saver DATABASE FIRST-GENERATION\n", stderr);
        return 2;
    }
    PlayList list;
    list.setStrPLDBFilePath(QString::fromLocal8Bit(argv[1]));
    // The first item stays the active one, so that each append finds both marks at once.
    const auto first = std::make_shared<Movie>(QString());
    list.addAItem(first);
    for (long i = 2; i <= kItems; ++i) {
        auto item = std::make_shared<Movie>(QString());
        list.addAItem(item);
        item->boolIsActItem = false;
        first->boolIsActItem = true;
    }
    for (long generation = std::atol(argv[2]);; ++generation) {
        nameGeneration(list, generation);
        std::printf("saving %ld\n", generation);
        std::fflush(stdout);
        QElapsedTimer clock;
        clock.start();
        QString error;
        if (!list.boolSavePlayListToPLDB(error)) {
            std::fprintf(stderr, "not saved: %s\n", error.toLocal8Bit().constData());
            return 1;
        }
        std::printf("saved %ld %lld\n", generation, static_cast<long long>(clock.elapsed()));
        std::fflush(stdout);
    }
}
