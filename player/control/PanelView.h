#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

#include "model/Movie.h"
#include "model/PlayerCodes.h"

// The control panel as the controller sees it: the members it calls back with the state to show, and the
// window operations it needs to bring the panel up, away or over to the pointer's monitor.
class PanelView {
  public:
    virtual void playErrEventProcess(const QString& strReason) = 0;
    virtual void playOverEventProcess() = 0;
    virtual void setJinDu(qint64 lngPercent, qint64 lngPositionSeconds, const QString& strPosition,
                          qint64 lngLengthSeconds, const QString& strLength) = 0;
    virtual void setFaceToAPlayState(FaceState state, bool boolFocus) = 0;
    virtual void setPLItemStateByKey(const QString& key, RowState state) = 0;
    virtual void AddAMovieToFaceList(const MoviePtr& item) = 0;
    // Rows for a batch of items, in order, as AddAMovieToFaceList adds each of them: the panel may add them
    // at once and select and show only the last.
    virtual void AddMoviesToFaceList(const std::vector<MoviePtr>& items) {
        for (const MoviePtr& item : items) AddAMovieToFaceList(item);
    }
    virtual qint64 lngGetMovieLen() const = 0;
    virtual qint64 lngGetJinDu() const = 0;
    // True while the panel is the active window.
    virtual bool boolFaceActive() const = 0;
    // The key of the row selected in the play-list view; empty when none is.
    virtual QString strSelectedRowKey() const = 0;

    // The panel's rectangle with its frame, in pixels.
    virtual QRect faceRectangle() const = 0;
    virtual bool boolFaceVisible() const = 0;
    // A minimised or maximised panel goes back to normal; a visible one takes the focus, a hidden one shows.
    virtual void showFace() = 0;
    virtual void hideFace() = 0;
    virtual void minimiseFace() = 0;
    virtual void moveFace(const QPoint& topLeft) = 0;
    // The volume slider shows the volume, without sending it on.
    virtual void showVolume(int volume) = 0;

  protected:
    ~PanelView() = default;
};
