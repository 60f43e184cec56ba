#pragma once

#include <QTreeView>
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

    // The play list's rows as its view shows them, read through the view's model and selection, from 0.
    int rowCount() const;
    QString rowKey(int index) const { return panel->strRowKey(index); }
    QString rowTag(int index) const { return panel->strRowTag(index); }
    QString rowName(int index) const;
    QString rowPath(int index) const;
    QStringList rowNames() const;
    bool rowChecked(int index) const;
    // Name and path cells both in bold.
    bool rowBold(int index) const;
    bool rowSelected(int index) const;
    // The selected row; -1 when none is.
    int selectedRow() const;
    QRect rowRect(int index) const;
    int rowOf(const QString& name) const { return rowNames().indexOf(name); }
    // Checks or unchecks the row's box as a click on it does.
    void checkRow(int index, bool checked);
    // Makes the row the current and selected one, as the view's keys and clicks do.
    void selectRow(int index);
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
