#pragma once

#include <QString>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

class QDBusConnection;

// One inhibition of the desktop's idle actions on the session bus: through the screen-saver service
// (org.freedesktop.ScreenSaver) where the desktop offers it, else through its power manager
// (org.freedesktop.PowerManagement.Inhibit). Each call waits at most half a second for its answer; a
// service that is missing or does not answer is passed over, and then nothing is held. A service the bus
// does not provide is asked again only a minute later, so no play or pause waits on it meanwhile.
class SessionBusInhibition {
  public:
    static constexpr int kCallTimeoutMs = 500;
    // A service the bus does not provide is asked again only after this long: a desktop starts its
    // services in its own time, often after the player.
    static constexpr std::chrono::seconds kMissingServiceRetry{60};
    static constexpr std::size_t kServiceCount = 2;

    bool boolHeld() const { return m_boolHeld; }
    void hold(const QDBusConnection& bus);
    void release(const QDBusConnection& bus);

  private:
    bool m_boolHeld = false;
    // When the bus last said it does not provide each service.
    std::array<std::optional<std::chrono::steady_clock::time_point>, kServiceCount>
        m_missingSince;  // services the bus said it does not provide
    QString m_strService, m_strPath, m_strInterface;
    std::uint32_t m_lngCookie = 0;
};
