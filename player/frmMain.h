#pragma once

#include <QWidget>

#include "Movie.h"

class Controler;

// The control panel. (Public members used by the controller and start-up; the panel's controls, timers,
// menus and algorithms live in its source files.)
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(Controler* controler, QWidget* parent = nullptr);
    ~frmMain() override;

    void playErrEventProcess(const QString& strReason);
    void playOverEventProcess();
    void setPlayButtonState(int state);
    void setMute();
    qint64 lngGetMovieLen() const;
    qint64 lngGetJinDu() const;
    void initializeFace();
    void setFaceBySysConfigPara();
    void setJinDu(qint64 lngPercent, qint64 lngPositionSeconds, const QString& strPosition, qint64 lngLengthSeconds,
                  const QString& strLength);
    void setFaceToAPlayState(int state, bool boolFocus);
    void setPLItemStateByKey(const QString& key, int state);
    void AddAMovieToFaceList(const MoviePtr& item);
    static QString strGetTimStringBySecValue(qint64 seconds);
    bool boolFaceActive() const;
    // The key of the row selected in the play-list view; empty when none is.
    QString strSelectedRowKey() const;
};
