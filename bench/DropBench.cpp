// 500 files dropped on the control panel until they show as rows, through the real controller, play list
// and panel; the screen window runs on scripted engines so that no engine start is part of the figure.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

#include "control/Controler.h"
#include "db/SettingsDatabase.h"
#include "forms/ControlerWiring.h"
#include "forms/FileAdding.h"
#include "forms/frmMain.h"
#include "forms/frmScreen.h"
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

QList<QUrl> droppedFiles(const QString& folder) {
    QList<QUrl> urls;
    for (int i = 0; i < kMaxDroppedFiles; ++i) {
        const QString path = folder + QStringLiteral("/drop %1.webm").arg(i, 3, 10, QLatin1Char('0'));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write("media");
        urls << QUrl::fromLocalFile(path);
    }
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

}  // namespace

BENCHMARK(BM_FiveHundredDroppedFilesToRows)->Unit(benchmark::kMillisecond)->MinTime(2.0);
