#pragma once

#include <cstdint>
#include <memory>

class ScreenSaverInhibitor;

// Switches the desktop's own screen saver and its power saving off while the player runs, so that only the
// player's saver programs appear, and back when it closes: through the screen-saver inhibitor of the
// services in force when it is made. Switching back gives the user the state they had before: what was
// off stays off. No operation reports failure.
class ScreenSaveAndPower {
  public:
    ScreenSaveAndPower();
    ~ScreenSaveAndPower();
    ScreenSaveAndPower(const ScreenSaveAndPower&) = delete;
    ScreenSaveAndPower& operator=(const ScreenSaveAndPower&) = delete;

    void CloseScreenSave();
    void OpenScreenSave();
    bool boolCurrentScreenSaveState() const;
    void SetScreenSaveTimeout(std::int32_t lngSeconds);
    void EnablePowerSaver();
    void DisEnablePowerSaver();

  private:
    std::shared_ptr<ScreenSaverInhibitor> m_inhibitor;
};
