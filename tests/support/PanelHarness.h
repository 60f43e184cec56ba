#pragma once

#include <QTreeWidget>

#include "control/Controler.h"
#include "forms/frmHide.h"
#include "forms/frmMain.h"
#include "model/PlayList.h"
#include "model/SysConfig.h"
#include "support/ModalDialogs.h"
#include "support/ScreenHarness.h"
#include "support/TempDatabase.h"

// The control panel wired as start-up wires it: the real controller on a settings database in a temporary
// folder, a real play list, the tray window, and a screen window on scripted engines. The engine rule is 3
// (the "Media Player" engine only), whose end of play and failures reach the panel without delays of their
// own.
class PanelHarness : public ScreenHarness {
  public:
    PanelHarness();
    ~PanelHarness();

    SysConfig* config() { return controler.objSysConfig(); }
    QString makeFile(const QString& name) const {
        return makeStandInMedia(dir.path() + QLatin1Char('/') + name);
    }
    // Adds files clip<first>.webm .. in one batch; into an empty list the first one plays.
    QStringList addFiles(int count, int first = 0);

    QTreeWidgetItem* row(int index) const { return panel->lvPlayList->topLevelItem(index); }
    int rowCount() const { return panel->lvPlayList->topLevelItemCount(); }
    QStringList rowNames() const;
    bool rowBold(int index) const { return row(index)->font(1).bold() && row(index)->font(2).bold(); }
    int rowOf(const QString& name) const { return rowNames().indexOf(name); }
    // The row's item played as a double-click on it would.
    void playRow(int index);
    bool waitPlaying(const QString& path, int timeoutMs = 5000) const;

    // The engine reports the end of the media, as it does at the end of a file.
    void mediaEnds() { emit media->PlayStateChange(MediaPlayerEngine::kPlayStateMediaEnded); }
    // The engine fails on the current file; true once the screen window gives up and reports the error.
    bool mediaFails();
    QString stateWord() const { return panel->labPlayState1->text(); }

    TempDatabase db;
    PlayList playList;
    Controler controler;
    std::unique_ptr<frmHide> tray;
    std::unique_ptr<frmMain> panel;
    int exits = 0;
};

class PanelFixture : public ::testing::Test, public PanelHarness {};
