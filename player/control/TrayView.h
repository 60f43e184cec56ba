#pragma once

// The tray window as the controller sees it: unloaded at exit, which takes the icon out of the
// notification area.
class TrayView {
  public:
    virtual void unloadTray() = 0;

  protected:
    ~TrayView() = default;
};
