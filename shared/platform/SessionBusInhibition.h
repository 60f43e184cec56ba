#pragma once

#include <QString>
#include <cstdint>

class QDBusConnection;

// One inhibition of the desktop's idle actions on the session bus: through the screen-saver service
// (org.freedesktop.ScreenSaver) where the desktop offers it, else through its power manager
// (org.freedesktop.PowerManagement.Inhibit). Each call waits at most half a second for its answer; a
// service that is missing or does not answer is passed over, and then nothing is held.
class SessionBusInhibition {
  public:
    static constexpr int kCallTimeoutMs = 500;

    bool boolHeld() const { return m_boolHeld; }
    void hold(const QDBusConnection& bus);
    void release(const QDBusConnection& bus);

  private:
    bool m_boolHeld = false;
    QString m_strService, m_strPath, m_strInterface;
    std::uint32_t m_lngCookie = 0;
};
