#pragma once

#include <QtGlobal>

#include "model/PlayerCodes.h"

// The control panel's transport as the player's remote controls drive it (the desktop's media keys and
// media widgets): each operation is the panel's own button or slider, so that the panel shows what
// happened (button texts, the progress and volume sliders, the marks of the rows) as after a click.
class PanelTransport {
  public:
    // What the play button offers now: play, or pause.
    virtual PlayButtonState playButtonOffers() const = 0;
    // The play button (play or pause, as it offers), the stop button, and "上一个" or "下一个".
    virtual void clickPlay() = 0;
    virtual void clickStop() = 0;
    virtual void clickStep(StepDirection direction) = 0;
    // The progress thumb let go at that second (within the slider's range); the volume slider moved to
    // that volume (0 to 100).
    virtual void releaseJinDuAt(qint64 lngSeconds) = 0;
    virtual void slideVolumeTo(int intVolume) = 0;
    // The position and the length the progress slider shows, in seconds.
    virtual qint64 lngShownJinDu() const = 0;
    virtual qint64 lngShownMovieLen() const = 0;

  protected:
    ~PanelTransport() = default;
};
