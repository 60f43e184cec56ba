#pragma once

#include <QRect>
#include <QString>

#include "model/PlayerCodes.h"

// The screen window as the controller sees it: transport, the current file, engine rule, volume, mute,
// progress and full screen. Its events reach the controller's frmScreen_* handlers.
class ScreenView {
  public:
    virtual bool play() = 0;
    virtual void pause() = 0;
    virtual void stopPlay() = 0;
    virtual void setLngPlayRuler(EngineRule value) = 0;
    virtual void setStrFilePath(const QString& path) = 0;
    virtual void setIntVolume(int value) = 0;
    virtual bool boolMute() const = 0;
    virtual void setBoolMute(bool value) = 0;
    virtual qint64 lngFileLength() const = 0;
    virtual void setLngJinDu(qint64 seconds) = 0;
    virtual PlayState lngState() const = 0;
    virtual bool boolMaxSize() const = 0;
    virtual void setBoolMaxSize(bool value) = 0;
    virtual void setLngMaxTop(int value) = 0;
    virtual void setLngMaxLeft(int value) = 0;
    virtual void setLngMaxWidth(int value) = 0;
    virtual void setLngMaxHeight(int value) = 0;

    // The window's rectangle with its frame, in pixels.
    virtual QRect screenRectangle() const = 0;
    // The window's caption, as other programs see it.
    virtual QString strCaption() const = 0;
    // The monitor most of the window is on, in pixels.
    virtual QRect monitorRectangle() const = 0;
    // The screen window becomes the active window and takes the keyboard focus.
    virtual void takeFocus() = 0;
    // The window goes for good, at exit: its engines are told to stop and it hides.
    virtual void hideScreen() = 0;

  protected:
    ~ScreenView() = default;
};
