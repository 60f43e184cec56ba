#pragma once

#include <QProcess>

// trayer, an XEmbed notification area, docked at the top right of the X server; stopped when the object goes.
class TrayHost {
  public:
    TrayHost() = default;
    ~TrayHost() { stop(); }
    TrayHost(const TrayHost&) = delete;
    TrayHost& operator=(const TrayHost&) = delete;

    // Starts it and waits until Qt sees a notification area.
    bool start();
    void stop();

  private:
    QProcess m_process;
};
