#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "control/Controler.h"
#include "forms/ControlerWiring.h"
#include "forms/frmHide.h"
#include "forms/frmMain.h"
#include "forms/frmScreen.h"
#include "model/PlayList.h"
#include "model/SysConfig.h"
#include "support/ScriptedEngines.h"
#include "support/TempDatabase.h"

// The control panel wired as start-up wires it: the real controller on a settings database in a temporary
// folder, a real play list, the tray window, and a screen window on scripted engines. The engine rule is 3
// (the "Media Player" engine only), whose end of play and failures reach the panel without delays of their
// own.
class PanelFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        playList.setStrPLDBFilePath(db.path());
        controler.setInitializePram(db.path(), db.folder() + QStringLiteral("/SSP"));
        controler.setProcessEnder([this] { ++exits; });
        auto realEngine = std::make_unique<ScriptedRealPlayer>();
        auto mediaEngine = std::make_unique<ScriptedMediaPlayer>();
        real = realEngine.get();
        media = mediaEngine.get();
        screen = std::make_unique<frmScreen>(std::move(realEngine), std::move(mediaEngine));
        screen->setGeometry(100, 100, 640, 360);
        screen->show();
        tray = std::make_unique<frmHide>(&controler);
        panel = std::make_unique<frmMain>(&controler);
        wireControler(controler, tray.get(), panel.get(), screen.get(), &playList);
        config()->setLngPlayRuler(EngineRule::MediaPlayerOnly);
        config()->setLngRecyclePlayType(PlayRule::InOrder);
        config()->setBoolPlayNextOnErr(false);
        config()->setBoolPopuMainFaceForErr(false);
        screen->setLngPlayRuler(EngineRule::MediaPlayerOnly);
        panel->show();
        panel->initializeFace();
        panel->setFaceBySysConfigPara();
        errors = std::make_unique<QSignalSpy>(screen.get(), &frmScreen::PlayErr);
    }

    SysConfig* config() { return controler.objSysConfig(); }

    QString makeFile(const QString& name) {
        const QString path = files.path() + QLatin1Char('/') + name;
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write("media");
        return path;
    }

    // Adds files clip0.webm .. clip<n-1>.webm in one batch; into an empty list the first one plays.
    QStringList addFiles(int count, int first = 0) {
        QStringList paths{QString()};
        for (int i = first; i < first + count; ++i) paths << makeFile(QStringLiteral("clip%1.webm").arg(i));
        controler.BatchAddMovie(paths, false);
        QTest::qWait(3);  // items of later batches get other keys
        paths.removeFirst();
        return paths;
    }

    QTreeWidgetItem* row(int index) const { return panel->lvPlayList->topLevelItem(index); }
    int rowCount() const { return panel->lvPlayList->topLevelItemCount(); }
    QStringList rowNames() const {
        QStringList names;
        for (int i = 0; i < rowCount(); ++i) names << row(i)->text(1);
        return names;
    }
    bool rowBold(int index) const { return row(index)->font(1).bold() && row(index)->font(2).bold(); }
    int rowOf(const QString& name) const { return rowNames().indexOf(name); }

    // The row's item played as a double-click on it would.
    void playRow(int index) {
        panel->lvPlayList->setCurrentItem(row(index));
        panel->mnuPlayMovie->trigger();
    }

    bool waitPlaying(const QString& path, int timeoutMs = 5000) {
        return QTest::qWaitFor(
            [&] { return screen->lngState() == PlayState::Playing && screen->strFilePath() == path; },
            timeoutMs);
    }

    // The engine reports the end of the media, as it does at the end of a file.
    void mediaEnds() { emit media->PlayStateChange(MediaPlayerEngine::kPlayStateMediaEnded); }
    // The engine fails on the current file; the screen window gives up and reports the error.
    bool mediaFails() {
        const qsizetype before = errors->size();
        emit media->MediaError();
        return QTest::qWaitFor([&] { return errors->size() > before; }, 5000);
    }

    QString stateWord() const { return panel->labPlayState1->text(); }

    // Runs the action on the next modal dialog of that class once it is up.
    template <class Dialog>
    static void onNextModal(std::function<void(Dialog*)> action) {
        auto* poller = new QTimer;
        auto tries = std::make_shared<int>(0);
        QObject::connect(poller, &QTimer::timeout, [poller, tries, action] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (!dialog && ++*tries < 1000) return;
            poller->stop();
            poller->deleteLater();
            if (dialog) action(dialog);
        });
        poller->start(10);
    }

    TempDatabase db;
    QTemporaryDir files;
    PlayList playList;
    Controler controler;
    ScriptedRealPlayer* real = nullptr;
    ScriptedMediaPlayer* media = nullptr;
    std::unique_ptr<frmHide> tray;
    std::unique_ptr<frmScreen> screen;
    std::unique_ptr<frmMain> panel;
    std::unique_ptr<QSignalSpy> errors;
    int exits = 0;
};
