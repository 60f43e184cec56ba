// Files reaching the control panel until they show as rows, through the real controller, play list and
// panel: 500 files dropped on the panel, and a file-list block of 5,000 files handed over as the file manager
// hands it ("DMenuF_2__"), read from real shared memory. The screen window runs on scripted engines so that
// no engine start is part of the figures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUrl>

#include "control/Controler.h"
#include "db/SettingsDatabase.h"
#include "forms/ControlerWiring.h"
#include "forms/FileAdding.h"
#include "forms/frmMain.h"
#include "forms/frmScreen.h"
#include "handover/FileListCommand.h"
#include "handover/MF.h"
#include "model/PlayList.h"
#include "support/ScriptedEngines.h"

namespace {

struct PanelOnScriptedEngines {
    QTemporaryDir dir;
    PlayList playList;
    Controler controler;
    std::unique_ptr<frmScreen> screen;
    std::unique_ptr<frmMain> panel;

    PanelOnScriptedEngines() {
        QString error;
        settingsdb::boolCreateIfMissing(dir.path(), error);
        const QString database = settingsdb::strPathInProgramFolder(dir.path());
        playList.setStrPLDBFilePath(database);
        controler.setInitializePram(database, dir.path() + QStringLiteral("/SSP"));
        controler.setProcessEnder([] {});
        screen = std::make_unique<frmScreen>(std::make_unique<ScriptedRealPlayer>(),
                                             std::make_unique<ScriptedMediaPlayer>());
        panel = std::make_unique<frmMain>(&controler);
        wireControler(controler, nullptr, panel.get(), screen.get(), &playList);
        screen->show();
        panel->show();
        panel->initializeFace();
    }
};

QStringList mediaFiles(const QString& folder, int count) {
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        const QString path = folder + QStringLiteral("/drop %1.webm").arg(i, 4, 10, QLatin1Char('0'));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write("media");
        paths << path;
    }
    return paths;
}

QList<QUrl> droppedFiles(const QString& folder) {
    QList<QUrl> urls;
    for (const QString& path : mediaFiles(folder, kMaxDroppedFiles)) urls << QUrl::fromLocalFile(path);
    return urls;
}

void BM_FiveHundredDroppedFilesToRows(benchmark::State& state) {
    QTemporaryDir files;
    const QList<QUrl> urls = droppedFiles(files.path());
    for (auto _ : state) {
        state.PauseTiming();
        auto fixture = std::make_unique<PanelOnScriptedEngines>();
        state.ResumeTiming();
        processDroppedFiles(urls, false, &fixture->controler, fixture->panel.get());
        QCoreApplication::processEvents();
        state.PauseTiming();
        fixture.reset();
        state.ResumeTiming();
    }
}

// What the running player does with an "add" command for a block: reads the block, adds its files.
void BM_FiveThousandFileBlockToRows(benchmark::State& state) {
    QTemporaryDir files;
    const QString blockName = QStringLiteral("kestrune-bench-%1").arg(QCoreApplication::applicationPid());
    qint32 blockSize = 0;
    QString error;
    if (!boolWriteFileListBlock(blockName, mediaFiles(files.path(), 5000), blockSize, error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    const QString command = strFileListCommand(false, blockName, blockSize);
    for (auto _ : state) {
        state.PauseTiming();
        auto fixture = std::make_unique<PanelOnScriptedEngines>();
        state.ResumeTiming();
        bool play = true;
        const QStringList list = commandFileList(command, play);
        fixture->controler.BatchAddMovie(list, play);
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (fixture->panel->lvPlayList->model()->rowCount() != 5000) state.SkipWithError("rows missing");
        fixture.reset();
        state.ResumeTiming();
    }
    MF::boolRemoveBlock(blockName);
}

}  // namespace

BENCHMARK(BM_FiveThousandFileBlockToRows)->Unit(benchmark::kMillisecond)->MinTime(4.0);
BENCHMARK(BM_FiveHundredDroppedFilesToRows)->Unit(benchmark::kMillisecond)->MinTime(2.0);
